// The bytes a compose form posted: every value UTF-8, and the plain-text body keeps no tag.
#include "FuzzInput.h"

#include "compose/PostedForm.h"
#include "sites/RoundcubeSite.h"
#include "text/Encoding.h"
#include "text/Strings.h"

using namespace postling;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string post(reinterpret_cast<const char*>(data), size);
    fuzzing::check(isValidUtf8(decodeFormValue(post)), "a decoded value is UTF-8");
    const PostedMessage m = readPostedForm(post);
    for (const std::string* f : {&m.to, &m.cc, &m.bcc, &m.subject, &m.body})
        fuzzing::check(isValidUtf8(*f), "every part is UTF-8");
    fuzzing::check(m.hasRecipient == !m.to.empty(), "a copy is kept only with a recipient");
    if (m.hasRecipient && (contains(post, "&Body=") || contains(post, "&body=")))
        fuzzing::check(!contains(replaceAll(m.body, "<br>", ""), "<"),
                       "the plain-text body carries no tag of its own");
    const PostedMessage rc = roundcubeSite().readPosted(post);
    for (const std::string* f : {&rc.to, &rc.cc, &rc.bcc, &rc.subject, &rc.body})
        fuzzing::check(isValidUtf8(*f), "every part of Roundcube's post is UTF-8");
    fuzzing::check(rc.hasRecipient == !rc.to.empty(), "Roundcube: only with a recipient");
    fuzzing::check(!(rc.hasRecipient && contains("&" + post, "&_draft=1")), "a draft is no send");
    return 0;
}
