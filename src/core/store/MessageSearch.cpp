#include "store/MessageSearch.h"

#include "fs/AtomicFile.h"
#include "fs/Directory.h"
#include "store/MessageStore.h"
#include "text/Encoding.h"
#include "text/Fold.h"

#include <charconv>
#include <filesystem>
#include <sstream>

namespace fs = std::filesystem;

namespace postling {

namespace {

// "&lt;" and the like as the characters they stand for; a tag as a blank.
std::string plainText(const std::string& html) {
    std::string out;
    out.reserve(html.size());
    for (std::size_t i = 0; i < html.size(); ++i) {
        const char c = html[i];
        if (c == '<') {
            const auto end = html.find('>', i);
            if (end == std::string::npos)
                break;
            out += ' ';
            i = end;
        } else if (c == '&') {
            const auto end = html.find(';', i);
            const std::string name =
                end == std::string::npos || end - i > 8 ? "" : html.substr(i + 1, end - i - 1);
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
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

std::string searchableText(const std::string& fileText) {
    // The labels ("From:", "Date:") come along with their values; they match nothing a user
    // looks for that the values would not match too.
    return foldText(plainText(toUtf8(fileText)));
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
            std::error_code e;
            if (isTemporaryName(name) || !it->is_regular_file(e))
                continue;
            const std::int64_t modified = it->last_write_time(e).time_since_epoch().count();
            const std::uintmax_t size = it->file_size(e);
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
