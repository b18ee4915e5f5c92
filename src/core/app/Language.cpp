#include "app/Language.h"

#include <algorithm>
#include <sys/stat.h>

namespace postling {

namespace {

constexpr const char* kEnglish = "en";

// The language a locale value names: "pt_BR.UTF-8" is "pt_BR", "C" English; one of
// `available` ("pt_BR", else "pt"), English, or nothing for a language Postling does not speak.
const char* languageOf(std::string value, const std::vector<std::string>& available) {
    value = value.substr(0, value.find_first_of(".@"));
    if (value.empty() || value == "C" || value == "POSIX")
        return kEnglish;
    const std::string base = value.substr(0, value.find('_'));
    if (base == kEnglish)
        return kEnglish;
    for (const std::string& candidate : {value, base}) {
        const auto found = std::find(available.begin(), available.end(), candidate);
        if (found != available.end())
            return found->c_str();
    }
    return nullptr;
}

} // namespace

std::string desktopLanguage(const char* language, const char* lcAll, const char* lcMessages,
                            const char* lang, const std::vector<std::string>& available) {
    const std::string list = language ? language : "";
    for (std::size_t start = 0; start < list.size();) {
        const std::size_t end = std::min(list.find(':', start), list.size());
        const std::string entry = list.substr(start, end - start);
        start = end + 1;
        if (entry.empty())
            continue;
        if (const char* found = languageOf(entry, available))
            return found == kEnglish ? std::string() : found;
    }
    for (const char* value : {lcAll, lcMessages, lang}) {
        if (!value || !*value)
            continue;
        const char* found = languageOf(value, available);
        return found && found != kEnglish ? found : std::string();
    }
    return {};
}

std::string helpFile(const std::string& mainDir, const std::string& language) {
    struct stat st {};
    const std::string translated = mainDir + "webmail." + language + ".hlp";
    if (!language.empty() && ::stat(translated.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        return translated;
    return mainDir + "webmail.hlp";
}

} // namespace postling
