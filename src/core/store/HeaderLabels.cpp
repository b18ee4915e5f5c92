#include "store/HeaderLabels.h"

#include <array>

namespace postling {

namespace {

struct Row {
    std::u32string from, fromSp, to, toSp, replyTo, replyToSp, subject, subjectSp, date, dateSp;
};

// Index order: English, German, French, Italian, Spanish, Portuguese, Dutch, Swedish. The
// irregular entries are the sites' own: English "Return-Path:", French "À:" against "A :",
// Dutch without a spaced spelling, and Swedish non-breaking spaces before two colons.
const std::array<Row, HeaderLabels::kNumLang>& table() {
    static const std::array<Row, HeaderLabels::kNumLang> rows = {{
        {U"From:", U"From :", U"To:", U"To :", U"Return-Path:", U"Reply-To :", U"Subject:",
         U"Subject :", U"Date:", U"Date :"},
        {U"Von:", U"Von :", U"An:", U"An :", U"Antwort an:", U"Antwort an :", U"Betreff:",
         U"Betreff :", U"Datum:", U"Datum :"},
        {U"De:", U"De :", U"\u00C0:", U"A :", U"R\u00E9pondre \u00E0:", U"R\u00E9pondre \u00E0 :",
         U"Objet:", U"Objet :", U"Date:", U"Date :"},
        {U"Da:", U"Da :", U"A:", U"A :", U"Rispondi:", U"Rispondi :", U"Oggetto:", U"Oggetto :",
         U"Data:", U"Data :"},
        {U"De:", U"De :", U"Para:", U"Para :", U"Responder a:", U"Responder a :", U"Asunto:",
         U"Asunto :", U"Fecha:", U"Fecha :"},
        {U"De:", U"De :", U"Para:", U"Para :", U"Responder:", U"Responder :", U"Assunto:",
         U"Assunto :", U"Data:", U"Data :"},
        {U"Van:", U"Van:", U"Aan:", U"Aan:", U"Beantwoorden:", U"Beantwoorden:", U"Onderwerp:",
         U"Onderwerp:", U"Datum:", U"Datum:"},
        {U"Fr\u00E5n:", U"Fr\u00E5n :", U"Till:", U"Till :", U"Svara till:", U"Svara till\u00A0:",
         U"\u00C4mne:", U"\u00C4mne\u00A0:", U"Datum:", U"Datum :"},
    }};
    return rows;
}

} // namespace

const std::u32string& HeaderLabels::label(HeaderKind kind, bool spaced, int lang) {
    static const std::u32string none;
    if (lang < 0 || lang >= kNumLang)
        return none;
    const Row& r = table()[static_cast<std::size_t>(lang)];
    switch (kind) {
    case HeaderKind::From:
        return spaced ? r.fromSp : r.from;
    case HeaderKind::To:
        return spaced ? r.toSp : r.to;
    case HeaderKind::ReplyTo:
        return spaced ? r.replyToSp : r.replyTo;
    case HeaderKind::Subject:
        return spaced ? r.subjectSp : r.subject;
    case HeaderKind::Date:
        return spaced ? r.dateSp : r.date;
    }
    return none;
}

int HeaderLabels::detectLanguage(const std::u32string& text, bool spaced, int current) {
    const std::u32string& own = label(HeaderKind::Subject, spaced, current);
    if (!own.empty() && text.find(own) != std::u32string::npos)
        return current;
    for (int lang = 0; lang < kNumLang; ++lang)
        if (text.find(label(HeaderKind::Subject, spaced, lang)) != std::u32string::npos)
            return lang;
    return current >= 0 && current < kNumLang ? current : 0;
}

} // namespace postling
