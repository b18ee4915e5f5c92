#include "text/FormEncoding.h"

#include <gtest/gtest.h>

namespace postling {
namespace {

TEST(FormEncoding, EncodesAsABrowserPostsAForm) {
    const std::vector<FormEntry> entries = {
        {"box", "Inbox"},
        {"To", "bob@hotmail.localhost"},
        {"Subj", "Caf\xC3\xA9 + 50% & more"},
        {"Body", "line one\nline two\r\nthree\rfour"},
        {"odd", "*-._~!'()"},
        {"SEND", "Send"},
    };
    EXPECT_EQ("box=Inbox&To=bob%40hotmail.localhost&Subj=Caf%C3%A9+%2B+50%25+%26+more"
              "&Body=line+one%0D%0Aline+two%0D%0Athree%0D%0Afour&odd=*-._%7E%21%27%28%29&SEND=Send",
              encodeFormUrlencoded(entries, "UTF-8"));
    EXPECT_EQ("", encodeFormUrlencoded({}, "UTF-8"));
    EXPECT_EQ("a=&=b", encodeFormUrlencoded({{"a", ""}, {"", "b"}}, "utf-8"));
}

TEST(FormEncoding, LatinPagesPostWindows1252BytesAndReferencesForTheRest) {
    EXPECT_EQ(
        "s=Caf%E9+%80+%26%2320013%3B",
        encodeFormUrlencoded({{"s", "Caf\xC3\xA9 \xE2\x82\xAC \xE4\xB8\xAD"}}, "windows-1252"));
    EXPECT_TRUE(isWindows1252Charset("ISO-8859-1"));
    EXPECT_FALSE(isWindows1252Charset("UTF-8"));
}

} // namespace
} // namespace postling
