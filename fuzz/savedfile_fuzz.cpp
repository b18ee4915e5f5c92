// A message of any texts: its file name, the list row made from it, the order of rows, and the
// file's header lines, where nothing of a value can become markup.
#include "FuzzInput.h"

#include "store/MessageList.h"
#include "store/SavedMessage.h"
#include "text/Encoding.h"
#include "text/Strings.h"

using namespace postling;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    auto p = fuzzing::pieces(data + 1, size - 1, 7);
    SavedMessage m{toUtf8(p[0]), toUtf8(p[1]), toUtf8(p[2]), toUtf8(p[3]),
                   toUtf8(p[4]), toUtf8(p[5]), toUtf8(p[6]), (data[0] & 1) != 0};
    const std::string name = savedFileName(m);
    fuzzing::check(name.size() <= kMaxFileNameBytes, "a file name fits the file system");
    fuzzing::check(name.find('/') == std::string::npos && name.find('\0') == std::string::npos,
                   "a file name holds no / or NUL");
    fuzzing::check(isValidUtf8(name), "a file name is UTF-8");
    const auto row = messageRow(name);
    fuzzing::check(row.has_value(), "the list reads every name back");
    for (const std::string* f : {&row->first, &row->subject, &row->date, &row->sortKey})
        fuzzing::check(isValidUtf8(*f), "every column is UTF-8");

    // Three keys: the order of rows is a strict weak ordering.
    const std::string keys[3] = {row->sortKey, row->subject, dateSortKey(toUtf8(p[2]))};
    for (const auto& a : keys) {
        fuzzing::check(!rowTextLess(a, a), "irreflexive");
        for (const auto& b : keys) {
            if (rowTextLess(a, b))
                fuzzing::check(!rowTextLess(b, a), "asymmetric");
            for (const auto& c : keys)
                if (rowTextLess(a, b) && rowTextLess(b, c))
                    fuzzing::check(rowTextLess(a, c), "transitive");
        }
    }

    // In the seven header lines, what stands between the label and the line's end is text.
    const std::string text = savedFileText(m);
    std::size_t at = 0;
    for (int line = 0; line < 7; ++line) {
        at = text.find(":&nbsp;</b>", at);
        fuzzing::check(at != std::string::npos, "seven labelled header lines");
        at += 11;
        const std::size_t end = text.find("</font></div>\r\n", at);
        fuzzing::check(end != std::string::npos, "each header line is closed");
        fuzzing::check(text.substr(at, end - at).find('<') == std::string::npos,
                       "no < in a saved file comes from a header value");
        at = end;
    }
    return 0;
}
