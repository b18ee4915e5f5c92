#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace postling {

// The text a saved file holds for a search: its sender, recipients, subject and body (tags
// dropped, entities read), folded as foldText folds.
std::string searchableText(const std::string& fileText);

// Finds saved messages, in every folder, whose sender, recipient, subject or body holds every
// word typed (letter case and accents aside). A file is read the first time a search meets it
// and kept until it changes or goes.
class MessageSearch {
public:
    explicit MessageSearch(std::string mainDir) : mainDir_(std::move(mainDir)) {}

    struct Hit {
        std::string folder;
        std::string fileName;
    };
    std::vector<Hit> find(const std::string& words);
    // Files read from disk by the last find (the others came from what was kept).
    int filesRead() const { return filesRead_; }

private:
    struct Kept {
        std::int64_t modified = 0;
        std::uintmax_t size = 0;
        std::string text;
    };
    std::string mainDir_;
    std::map<std::string, Kept> kept_; // by folder "/" file name
    int filesRead_ = 0;
};

} // namespace postling
