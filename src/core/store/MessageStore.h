#pragma once

#include "store/SavedMessage.h"

#include <string>
#include <vector>

namespace postling {

// The store on disk: "savedmgs" under the main directory, one folder per message folder,
// folder names resolved ignoring letter case ("sent" reaches "Sent").
class MessageStore {
public:
    explicit MessageStore(std::string mainDir) : mainDir_(std::move(mainDir)) {}

    std::string root() const { return mainDir_ + "savedmgs"; }
    // The directory of a folder, with the name as the disk spells it.
    std::string folderPath(const std::string& folder) const;

    // Creates "savedmgs" with "Sent" and "Saved" when missing.
    void ensureDefaultFolders() const;
    std::vector<std::string> folderNames() const;
    std::vector<std::string> fileNames(const std::string& folder) const;

    // Writes one message into a folder (the sent folder for a sent message), replacing a file
    // of the same name; the text goes to a temporary file first, so a failed save leaves no
    // part of a message and never harms an earlier one. Returns an error text, or empty.
    std::string save(const std::string& folder, const SavedMessage& message) const;

    // Creates a folder, taken as typed; false when it exists (in any letter case) or cannot be.
    bool createFolder(const std::string& name) const;

    // Moves a file between folders, keeping its name; refuses to replace a file. Both return
    // an error text naming the file and the reason, or empty.
    std::string move(const std::string& from, const std::string& to,
                     const std::string& fileName) const;
    std::string remove(const std::string& folder, const std::string& fileName) const;

private:
    std::string mainDir_;
};

} // namespace postling
