#include "app/Language.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace postling {
namespace {

TEST(Language, TheDesktopsFirstLanguagePostlingSpeaksWinsElseEnglish) {
    const std::vector<std::string> available = {"de", "fr", "pt", "sv"};
    struct Case {
        const char *language, *lcAll, *lcMessages, *lang, *chosen;
    } cases[] = {
        {nullptr, nullptr, nullptr, nullptr, ""},
        {nullptr, nullptr, nullptr, "de_DE.UTF-8", "de"},
        {nullptr, nullptr, nullptr, "pt_BR", "pt"},
        {nullptr, nullptr, nullptr, "sv_SE@euro", "sv"},
        {nullptr, nullptr, nullptr, "C", ""},
        {nullptr, nullptr, nullptr, "fi_FI.UTF-8", ""},
        {nullptr, nullptr, "fr_FR", "de_DE", "fr"},
        {nullptr, "POSIX", "fr_FR", "de_DE", ""},
        {nullptr, "", "", "de_DE", "de"},
        {"fi:sv:de", nullptr, nullptr, "fr_FR", "sv"},
        {"en_GB:de", nullptr, nullptr, "de_DE", ""},
        {"fi", nullptr, nullptr, "fr_FR.UTF-8", "fr"},
        {"", "de_AT.UTF-8", nullptr, nullptr, "de"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.chosen, desktopLanguage(c.language, c.lcAll, c.lcMessages, c.lang, available))
            << (c.language ? c.language : "-") << " " << (c.lcAll ? c.lcAll : "-") << " "
            << (c.lcMessages ? c.lcMessages : "-") << " " << (c.lang ? c.lang : "-");
}

TEST(Language, TheHelpFileOfALanguageIsUsedWhereItIsThere) {
    testing::TempDir dir;
    const std::string main = dir.path() + "/";
    dir.write("webmail.de.hlp", "<p>Hilfe</p>");
    EXPECT_EQ(main + "webmail.de.hlp", helpFile(main, "de"));
    EXPECT_EQ(main + "webmail.hlp", helpFile(main, "fr"));
    EXPECT_EQ(main + "webmail.hlp", helpFile(main, ""));
}

} // namespace
} // namespace postling
