#include "SiteLabels.h"

#include <map>

namespace standin {

namespace {

struct LanguageLabels {
    HeaderLabels yahoo;
    HeaderLabels hotmail;
};

// U+00A0: Swedish Hotmail pages put a non-breaking space before two of their colons.
#define NBSP "\xC2\xA0"

const std::map<std::string, LanguageLabels>& table() {
    static const std::map<std::string, LanguageLabels> labels = {
        {"en",
         {{"From:", "To:", "Return-Path:", "Subject:", "Date:"},
          {"From :", "To :", "Reply-To :", "Subject :", "Date :"}}},
        {"de",
         {{"Von:", "An:", "Antwort an:", "Betreff:", "Datum:"},
          {"Von :", "An :", "Antwort an :", "Betreff :", "Datum :"}}},
        {"fr",
         {{"De:", "\xC3\x80:", "R\xC3\xA9pondre \xC3\xA0:", "Objet:", "Date:"},
          {"De :", "A :", "R\xC3\xA9pondre \xC3\xA0 :", "Objet :", "Date :"}}},
        {"it",
         {{"Da:", "A:", "Rispondi:", "Oggetto:", "Data:"},
          {"Da :", "A :", "Rispondi :", "Oggetto :", "Data :"}}},
        {"es",
         {{"De:", "Para:", "Responder a:", "Asunto:", "Fecha:"},
          {"De :", "Para :", "Responder a :", "Asunto :", "Fecha :"}}},
        {"pt",
         {{"De:", "Para:", "Responder:", "Assunto:", "Data:"},
          {"De :", "Para :", "Responder :", "Assunto :", "Data :"}}},
        {"nl",
         {{"Van:", "Aan:", "Beantwoorden:", "Onderwerp:", "Datum:"},
          {"Van:", "Aan:", "Beantwoorden:", "Onderwerp:", "Datum:"}}},
        {"sv",
         {{"Fr\xC3\xA5n:", "Till:", "Svara till:", "\xC3\x84mne:", "Datum:"},
          {"Fr\xC3\xA5n :", "Till :", "Svara till" NBSP ":", "\xC3\x84mne" NBSP ":", "Datum :"}}},
    };
    return labels;
}

#undef NBSP

} // namespace

const HeaderLabels& headerLabels(Site site, const std::string& lang) {
    auto it = table().find(lang);
    if (it == table().end())
        it = table().find("en");
    return site == Site::Yahoo ? it->second.yahoo : it->second.hotmail;
}

const std::vector<std::string>& languages() {
    static const std::vector<std::string> codes = {"en", "de", "fr", "it", "es", "pt", "nl", "sv"};
    return codes;
}

} // namespace standin
