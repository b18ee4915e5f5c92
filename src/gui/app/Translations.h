#pragma once

#include <QString>

// Postling in the desktop's language: its own texts, the core's and Qt's (standard buttons,
// file dialogs), all in the one language or all in English.
namespace Translations {

// Loads the translations for the desktop's language; called before any window is made. Returns
// the language ("de"), empty for English.
QString install();
// The language installed, empty for English.
QString language();

} // namespace Translations
