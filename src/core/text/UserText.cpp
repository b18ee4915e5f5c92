#include "text/UserText.h"

namespace postling {

namespace {
Translator g_translator = nullptr;
} // namespace

void setTranslator(Translator translator) {
    g_translator = translator;
}

std::string userText(const char* context, const char* english) {
    return g_translator ? g_translator(context, english) : std::string(english);
}

std::string withArgs(std::string_view text, const std::vector<std::string>& args) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n = i + 1 < text.size() ? std::size_t(text[i + 1] - '1') : args.size();
        if (text[i] == '%' && n < args.size() && n < 9) {
            out += args[n];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace postling
