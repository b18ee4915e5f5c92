#pragma once

#include <string>
#include <string_view>
#include <vector>

// The texts the person reads are written here in English and reach them in their language: the
// program installs a translator at start-up; without one (tests, tools) they stay English.
// POSTLING_TR also marks its text for lupdate, which reads it as QT_TRANSLATE_NOOP
// (-tr-function-alias QT_TRANSLATE_NOOP+=POSTLING_TR): both arguments must be string literals.
#define POSTLING_TR(context, text) ::postling::userText(context, text)

namespace postling {

using Translator = std::string (*)(const char* context, const char* english);
// Set once at start-up, before any text is made.
void setTranslator(Translator translator);

std::string userText(const char* context, const char* english);

// `text` with %1 ... %9 replaced by args[0] ... args[8] in one pass, so that a translation may
// put them in another order and an argument holding "%2" stays as it is.
std::string withArgs(std::string_view text, const std::vector<std::string>& args);

} // namespace postling
