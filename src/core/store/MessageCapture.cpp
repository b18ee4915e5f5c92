#include "store/MessageCapture.h"

#include "store/HeaderLabels.h"
#include "text/Encoding.h"
#include "text/Text32.h"

namespace postling {

using namespace text32;

std::string cleanCapturedBody(const std::string& bodyUtf8, int lang) {
    Text body = utf8ToCodePoints(bodyUtf8);
    const Text& toLabel = HeaderLabels::label(HeaderKind::To, false, lang);
    if (!toLabel.empty() && body.substr(0, 20).find(toLabel) != Text::npos) {
        const std::size_t gt = find1(body, 5, U">");
        if (gt > 0 && gt < 100)
            body = body.substr(gt);
    }
    const Text low = lower(body);
    if (low.find(U"<p>") == Text::npos && low.find(U"</") == Text::npos &&
        low.find(U"<div") == Text::npos) {
        body = replaceAll(body, U"\r\n\r\n\r\n\r\n", U"\r\n\r\n");
        body = replaceAll(body, U"\r\n\r\n\r\n", U"\r\n\r\n");
        body = replaceAll(body, U"\r\n", U"<br>\r\n");
    }
    return codePointsToUtf8(body);
}

} // namespace postling
