// mailto links: parsed fields are UTF-8, one-line fields hold no control character, and what
// the hand-over stores can sit in the settings and means the same link.
#include "FuzzInput.h"

#include "app/IniFile.h"
#include "compose/Mailto.h"
#include "text/Encoding.h"

using namespace postling;

namespace {

bool oneLine(const std::string& s) {
    for (unsigned char c : s)
        if (c < 0x20 || c == 0x7F)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string link(reinterpret_cast<const char*>(data), size);
    const MailtoLink m = parseMailto(link);
    for (const std::string* f : {&m.to, &m.cc, &m.bcc, &m.subject, &m.body})
        fuzzing::check(isValidUtf8(*f), "every field is UTF-8");
    for (const std::string* f : {&m.to, &m.cc, &m.bcc, &m.subject})
        fuzzing::check(oneLine(*f), "one-line fields hold no control character");

    const std::string stored = mailtoHandOver(link);
    fuzzing::check(iniRefusal("Settings", "mailto", stored).empty(),
                   "the hand-over's value can be written to the settings");
    const MailtoLink again = parseMailto(stored);
    fuzzing::check(again.to == m.to && again.cc == m.cc && again.bcc == m.bcc &&
                       again.subject == m.subject && again.body == m.body,
                   "the stored link means what the link meant");
    return 0;
}
