#pragma once
// The recovery copy of a named document: the whole editing state written
// while the user edits, so that a killed program or a lost session does not
// lose the work. It lives in a hidden folder inside the working folder, where
// the host never looks and start-up never clears leftovers, one file per
// document name.

#include "gdr_record.h"

#include <filesystem>
#include <string>

namespace kinsketch {

class RecoveryCopy {
public:
    RecoveryCopy(const std::filesystem::path& workFolder, const std::string& documentName);

    const std::filesystem::path& path() const { return path_; }
    bool exists() const;
    // Written atomically: a kill leaves either the previous copy or this one.
    // The folder gets the working folder's permissions, as the copy holds
    // the same personal data. Raises RunTimeError.
    void write(const GdrRecord& document) const;
    // The copy and what an unfinished write left.
    void remove() const;

private:
    std::filesystem::path folder_;
    std::filesystem::path path_;
};

} // namespace kinsketch
