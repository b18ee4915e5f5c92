// Capture of a message page on each site (Roundcube's from the message's source), and the file
// it is saved as.
#include "FuzzInput.h"

#include "sites/OldSites.h"
#include "sites/RoundcubeSite.h"
#include "store/MessageCapture.h"
#include "store/MessageList.h"
#include "store/SavedMessage.h"
#include "text/Encoding.h"
#include "text/Strings.h"

using namespace postling;

static void checkSaved(const CaptureResult& r) {
    const SavedMessage& m = r.message;
    for (const std::string* f : {&m.from, &m.to, &m.cc, &m.subject, &m.date, &m.body})
        fuzzing::check(isValidUtf8(*f), "every part is UTF-8");
    const std::string name = savedFileName(m);
    fuzzing::check(name.size() <= kMaxFileNameBytes, "a file name fits the file system");
    fuzzing::check(name.find('/') == std::string::npos && name.find('\0') == std::string::npos,
                   "a file name holds no / or NUL");
    fuzzing::check(messageRow(name).has_value(), "the list reads the name back");
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    auto p = fuzzing::pieces(data + 1, size - 1, 3);
    MessagePage page;
    page.text = toUtf8(p[0]);
    if (data[0] & 2)
        page.bodyHtml = toUtf8(p[1]);
    int lang = (data[0] >> 3) - 8; // out of range too: the capture must cope
    const CaptureResult r = (data[0] & 1 ? yahooSite() : hotmailSite()).capture(page, lang);
    fuzzing::check(lang >= 0 && lang < 8, "a known language");
    if (r.found)
        checkSaved(r);
    page.source = p[2]; // any bytes: a site may hand over anything as a message
    if (const CaptureResult rc = roundcubeSite().capture(page, lang); rc.found)
        checkSaved(rc);
    return 0;
}
