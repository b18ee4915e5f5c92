#pragma once

#include <optional>
#include <string>

namespace postling {

// What the compose form is filled with by the reply, forward and send-again buttons (codes 0,
// 1, 2, 4), a mailto address (5), or a template (10; code 11 reads the form instead).
struct ComposeFill {
    std::string to; // written to To for codes below 10
    std::string subject;
    std::string body;
    std::string richBody; // for a rich-text editor: ">" begins a new line there
    std::string cc;       // Cc and Bcc for codes below 10 (a mailto link may name them)
    std::string bcc;
};

// A saved message as the preview shows it: each part's text begins with its label.
struct SavedParts {
    std::string replyTo, to, cc, bcc, subject, body;
};

// Everything after the first colon, ordinary blanks at its start removed (a non-breaking space
// stays); the whole text when it holds no colon.
std::string afterLabel(const std::string& text);

// In every line, the first blank at column 43 or later becomes a line feed.
std::string wrapAt43(const std::string& text);
// ">" after every line feed.
std::string quoteLines(const std::string& text);
// The text as the rich-text editor's HTML: escaped, and every ">" as "<BR>&gt;" so that each
// quoted line starts a line of its own.
std::string richTextForm(const std::string& text);

// Only what begins at the first "<" (the bracketed address), for a To field that takes no name.
std::string bracketedRecipient(const std::string& recipient);

// The fill of a saved message for codes 0 (reply), 1 (blank reply), 2 (forward) and 4 (send
// again); nothing for another code.
std::optional<ComposeFill> savedMessageFill(int code, const SavedParts& saved);
// A mailto link as the hand-over left it (see compose/Mailto.h): every field it names.
ComposeFill mailtoFill(const std::string& link);
ComposeFill templateFill(const std::string& subject, const std::string& body);

} // namespace postling
