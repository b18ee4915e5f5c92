#pragma once

#include <string>

namespace postling {

// The labels of a message's header lines in the eight languages the webmail sites spoke, in
// the spelling without a blank before the colon and with one (sites differed).
enum class HeaderKind { From, To, ReplyTo, Subject, Date };

class HeaderLabels {
public:
    static constexpr int kNumLang = 8;

    // The table entry; an index outside 0..kNumLang-1 gives an empty text.
    static const std::u32string& label(HeaderKind kind, bool spaced, int lang);

    // Recognises the page's language by its Subject label: the current language is kept
    // while its label occurs; otherwise the first language whose label occurs wins; with
    // none, the current language stays.
    static int detectLanguage(const std::u32string& pageText, bool spaced, int current);
};

} // namespace postling
