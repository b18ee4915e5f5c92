#include "store/MessageSearch.h"

#include "fs/AtomicFile.h"
#include "fs/Directory.h"
#include "store/MessageStore.h"
#include "text/Encoding.h"
#include "text/Fold.h"

#include <charconv>
#include <filesystem>
#include <sstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace postling {

namespace {

// "&lt;" and the like as the characters they stand for; a tag as a blank.
std::string plainText(std::string_view html) {
    std::string out;
    out.reserve(html.size());
    for (std::size_t i = 0; i < html.size(); ++i) {
        // The text up to the next tag or entity goes over as it is.
        std::size_t next = i;
        while (next < html.size() && html[next] != '<' && html[next] != '&')
            ++next;
        out.append(html.data() + i, next - i);
        i = next;
        if (i == html.size())
            break;
        const char c = html[i];
        if (c == '<') {
            const auto end = html.find('>', i);
            if (end == std::string::npos)
                break;
            out += ' ';
            i = end;
        } else if (c == '&') {
            const auto end = html.find(';', i);
            const std::string_view name = end == std::string_view::npos || end - i > 8
                                              ? std::string_view()
                                              : html.substr(i + 1, end - i - 1);
            static const std::pair<const char*, const char*> entities[] = {
                {"lt", "<"}, {"gt", ">"}, {"amp", "&"}, {"quot", "\""}, {"nbsp", " "}};
            bool known = false;
            if (name.size() > 1 && name[0] == '#') {
                // "&#233;" and "&#xE9;": the character by its number.
                const bool hex = name[1] == 'x' || name[1] == 'X';
                const std::string_view digits = std::string_view(name).substr(hex ? 2 : 1);
                unsigned long code = 0;
                const auto [stop, error] = std::from_chars(
                    digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
                if (error == std::errc() && stop == digits.data() + digits.size() && code > 0 &&
                    code < 0x110000) {
                    out += codePointsToUtf8(std::u32string(1, static_cast<char32_t>(code)));
                    i = end;
                    known = true;
                }
            }
            for (const auto& [entity, text] : entities)
                if (name == entity) {
                    out += text;
                    i = end;
                    known = true;
                    break;
                }
            if (!known)
                out += c;
        }
    }
    return out;
}

} // namespace

std::string searchableText(const std::string& fileText) {
    // The labels ("From:", "Date:") come along with their values; they match nothing a user
    // looks for that the values would not match too.
    return foldText(isValidUtf8(fileText) ? plainText(fileText)
                                          : plainText(windows1252ToUtf8(fileText)));
}

std::vector<MessageSearch::Hit> MessageSearch::find(const std::string& words) {
    std::vector<std::string> wanted;
    std::istringstream in(foldText(words));
    for (std::string w; in >> w;)
        wanted.push_back(w);
    filesRead_ = 0;
    std::vector<Hit> hits;
    if (wanted.empty())
        return hits;

    const MessageStore store(mainDir_);
    std::map<std::string, Kept> seen;
    for (const std::string& folder : store.folderNames()) {
        const std::string dir = store.folderPath(folder);
        std::error_code ec;
        for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
            const std::string name = it->path().filename().string();
            // One look at the file tells whether it changed since it was read.
            struct stat st {};
            if (isTemporaryName(name) || ::stat(it->path().c_str(), &st) != 0 ||
                !S_ISREG(st.st_mode))
                continue;
            const std::int64_t modified =
                static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
            const auto size = static_cast<std::uintmax_t>(st.st_size);
            const std::string key = folder + "/" + name;
            auto kept = kept_.find(key);
            if (kept == kept_.end() || kept->second.modified != modified ||
                kept->second.size != size) {
                ++filesRead_;
                kept = kept_
                           .insert_or_assign(
                               key, Kept{modified, size,
                                         searchableText(readFile(dir + "/" + name).value_or(""))})
                           .first;
            }
            bool all = true;
            for (const std::string& w : wanted)
                all = all && kept->second.text.find(w) != std::string::npos;
            if (all)
                hits.push_back({folder, name});
            seen.insert(kept_.extract(kept));
        }
    }
    kept_ = std::move(seen); // what went from disk goes from here too
    return hits;
}

} // namespace postling
