#include "text/Fold.h"

#include "text/Encoding.h"

namespace postling {

namespace {

char32_t lowerLetter(char32_t c) {
    if (c >= U'A' && c <= U'Z')
        return c + 32;
    if (c < 0xC0)
        return c;
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) // À..Þ, not ×
        return c + 32;
    if (c >= 0x100 && c <= 0x17F) { // Latin Extended-A: capitals and small letters in pairs
        if (c == 0x130)
            return U'i';
        if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E))
            return c % 2 == 1 ? c + 1 : c;
        if (c == 0x178)
            return 0xFF; // Ÿ
        if (c != 0x131 && c != 0x138 && c != 0x149 && c != 0x17F)
            return c % 2 == 0 ? c + 1 : c;
        return c;
    }
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) // Greek
        return c + 32;
    if (c >= 0x410 && c <= 0x42F) // Cyrillic
        return c + 32;
    if (c >= 0x400 && c <= 0x40F)
        return c + 80;
    return c;
}

// The base letter of an accented Latin letter (already in lower case); the letter itself when
// it has none.
std::u32string baseLetters(char32_t c) {
    static const char* latin1 = "aaaaaaaceeeeiiiidnooooo/ouuuuyty"; // à..ÿ, with ÷ as "/"
    if (c >= 0xE0 && c <= 0xFF && c != 0xF7) {
        if (c == 0xE6)
            return U"ae";
        if (c == 0xF0)
            return U"d";
        if (c == 0xFE)
            return U"th";
        return std::u32string(1, static_cast<char32_t>(latin1[c - 0xE0]));
    }
    if (c == 0xDF)
        return U"ss";
    if (c >= 0x100 && c <= 0x17F) {
        static const char* extendedA =
            "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiiijjjjkkklllllll"
            "lllnnnnnnnnnoooooooorrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs";
        if (c == 0x152 || c == 0x153)
            return U"oe";
        if (c == 0x132 || c == 0x133)
            return U"ij";
        return std::u32string(1, static_cast<char32_t>(extendedA[c - 0x100]));
    }
    return std::u32string(1, c);
}

} // namespace

namespace {

// Applies `letter` to each character: ASCII directly, the rest decoded one at a time.
template <typename F> std::string mapText(std::string_view utf8, F letter) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        // A run of ASCII is lowered in one pass.
        std::size_t run = i;
        while (run < utf8.size() && static_cast<unsigned char>(utf8[run]) < 0x80)
            ++run;
        if (run > i) {
            const std::size_t at = out.size();
            out.append(utf8.data() + i, run - i);
            for (std::size_t k = at; k < out.size(); ++k)
                if (out[k] >= 'A' && out[k] <= 'Z')
                    out[k] = static_cast<char>(out[k] + 32);
            i = run;
            continue;
        }
        std::size_t end = i + 1;
        while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80 &&
               end - i < 4)
            ++end;
        std::u32string mapped;
        for (char32_t c : utf8ToCodePoints(utf8.substr(i, end - i)))
            mapped += letter(c);
        out += codePointsToUtf8(mapped);
        i = end;
    }
    return out;
}

} // namespace

std::string lowerText(std::string_view utf8) {
    return mapText(utf8, [](char32_t c) { return std::u32string(1, lowerLetter(c)); });
}

std::string foldText(std::string_view utf8) {
    return mapText(utf8, [](char32_t c) { return baseLetters(lowerLetter(c)); });
}

bool lessIgnoringCase(std::string_view a, std::string_view b) {
    const std::string la = lowerText(a), lb = lowerText(b);
    return la != lb ? la < lb : a < b;
}

} // namespace postling
