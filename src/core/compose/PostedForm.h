#pragma once

#include "store/SavedMessage.h"

#include <string>

namespace postling {

// A message read back from the bytes a compose form posted.
struct PostedMessage {
    bool hasRecipient = false; // nothing is stored without a To value
    std::string to, cc, bcc, subject, body;
};

// Decodes one posted value: "+" is a blank, "%" and the two characters after it one byte (as
// far as they are hexadecimal digits; none gives 0), a decoded "%" never starts another escape.
// The bytes are the page's UTF-8 (or, failing that, Windows-1252).
std::string decodeFormValue(const std::string& raw);

// The copy of a sent message kept in the Sent folder: from "Sent Message", dated `date`.
SavedMessage sentCopy(const PostedMessage& posted, const std::string& date);

// The 2002 sites' posts: finds each key with its leading "&" (the capitalised name first, then
// the lower-case one) and decodes its value. The body of the plain-text box becomes HTML:
// escaped, "<br>" before each line break; the rich-text editor's body ("PlainMsg") is HTML
// already.
PostedMessage readPostedForm(const std::string& postData);

// The raw (still encoded) value of the first of these keys found in the data ("&To="), or "".
std::string rawPostedValue(const std::string& data, const char* first, const char* second);
// A plain-text body as HTML: escaped, "<br>" before each line break.
std::string plainBodyHtml(const std::string& text);

} // namespace postling
