#pragma once

#include <optional>
#include <string>

namespace postling {

// One message kept locally: an HTML file in a folder under "savedmgs". All texts are UTF-8.
struct SavedMessage {
    std::string from; // the sender as found on the page; "Sent Message" for a sent one
    std::string subject;
    std::string date; // as found on the page; for a sent one the local date and time
    std::string to;
    std::string cc;
    std::string bcc;
    std::string body; // HTML
    bool sent = false;
};

// The file name: "from&&subject&&date&&to.htm" ("to&&subject&&date&&sent message.htm" for a
// sent one), the subject cut to 60 characters and the recipient to 20 (each then followed by
// "..."), ":" and "/" of the date kept as "^" and "#", and the characters a file name cannot
// hold removed or blanked. A name longer than the file system takes is cut, the longest part
// first, at a character boundary, keeping all four parts and ".htm".
inline constexpr std::size_t kMaxFileNameBytes = 255;
std::string savedFileName(const SavedMessage& message);

// The file's exact text: eleven CR LF lines, every header value escaped as HTML (so a reader's
// text of it is the value again), the body written as given, no closing tags.
std::string savedFileText(const SavedMessage& message);

// The four parts of a saved file's name (the date decoded); nothing when it has fewer.
struct NameParts {
    std::string first; // sender, or the recipient of a sent message
    std::string subject;
    std::string date;
    std::string fourth; // recipient, or "sent message"
};
std::optional<NameParts> parseSavedFileName(const std::string& fileName);

// The sent folder is "sent" in any letter case.
bool isSentFolder(const std::string& folderName);

// The date and time of a sent message in the month-first form "12/4/2002 7:05:09 PM".
std::string sentDateText(int year, int month, int day, int hour, int minute, int second);

} // namespace postling
