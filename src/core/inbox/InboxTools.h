#pragma once

#include <string>
#include <vector>

namespace postling {

class Site;

// The built-in keyword text: list 2 then list 1, each ending with ",", 188 keywords.
const std::string& defaultSpamKeywords();

// The keywords a check uses: the text split at every ",", all pieces but the last, without
// those that are blank; each used exactly as typed (blanks around it count).
std::vector<std::string> spamKeywordList(const std::string& text);

// The keyword text after loading "spamkeys.txt": each line followed by CR LF; the defaults when
// the result is shorter than three characters.
std::string loadedSpamKeywords(const std::string* fileBytes);
// The file's one line: the box's text with each line break as ",", ended by CR LF.
std::string spamKeywordFileText(const std::string& boxText);

// One message row of an inbox page with its check box (or selection), as the site's page module
// gathers it. Which marks say "unread" is the site's rule.
struct InboxBox {
    std::string rowText;   // the row's visible text
    std::string className; // the row's class
    bool bold = false;     // the row's HTML holds <B>
    bool newmail = false;  // the row's HTML mentions "newmail"
    bool checked = false;
    bool checkbox = true; // an input of type "checkbox"
};

// Characters whose Windows-1252 code is above 127.
int nonEnglishCount(const std::string& utf8);

struct SpamResult {
    std::vector<int> tick;            // indices of the boxes to tick
    std::vector<std::string> reasons; // why, one for each: "Check Spam: keyword 'won'"
    int byKeyword = 0;
    int nonEnglish = 0;
};
SpamResult checkSpam(const Site& site, const std::vector<InboxBox>& boxes,
                     const std::vector<std::string>& keywords, bool onlyUnread, bool nonEnglish);

// The unread boxes to tick: all, or the first `limit` (already ticked ones count).
std::vector<int> checkUnread(const Site& site, const std::vector<InboxBox>& boxes, int limit);
// The boxes between ticked ones (only those the site counts as message boxes).
std::vector<int> checkGroup(const Site& site, const std::vector<InboxBox>& boxes);
// The ticked boxes to untick (only those the site counts as message boxes).
std::vector<int> uncheckAll(const Site& site, const std::vector<InboxBox>& boxes);

} // namespace postling
