#include "text/Text32.h"

namespace postling::text32 {

std::size_t find1(const Text& text, std::size_t start, const Text& x) {
    if (start < 1)
        start = 1;
    if (start > text.size() + 1)
        return 0;
    const auto at = text.find(x, start - 1);
    return at == Text::npos ? 0 : at + 1;
}

Text mid(const Text& text, std::size_t a, std::size_t b) {
    if (a < 1 || b <= a || a > text.size())
        return {};
    return text.substr(a - 1, b - a);
}

Text removeAll(Text text, const Text& part) {
    std::size_t pos = 0;
    while ((pos = text.find(part, pos)) != Text::npos)
        text.erase(pos, part.size());
    return text;
}

Text replaceAll(const Text& text, const Text& from, const Text& to) {
    Text out;
    std::size_t pos = 0;
    for (;;) {
        const auto at = text.find(from, pos);
        if (at == Text::npos) {
            out += text.substr(pos);
            return out;
        }
        out += text.substr(pos, at - pos);
        out += to;
        pos = at + from.size();
    }
}

Text trimBlanks(const Text& s) {
    const auto first = s.find_first_not_of(U' ');
    if (first == Text::npos)
        return {};
    return s.substr(first, s.find_last_not_of(U' ') - first + 1);
}

Text clean(Text value) {
    value = removeAll(removeAll(removeAll(std::move(value), U"\t"), U"\r"), U"\n");
    return trimBlanks(value);
}

Text lower(Text s) {
    for (auto& c : s)
        if (c >= U'A' && c <= U'Z')
            c = c - U'A' + U'a';
    return s;
}

} // namespace postling::text32
