#pragma once
// The recovery copy of a named document: the whole editing state written
// while the user edits, so that a killed program or a lost session does not
// lose the work. It lives in a hidden folder inside the working folder, where
// the host never looks and start-up never clears leftovers, one file per
// document name, and one for the new drawing under a name no document can
// have.

#include "gdr_record.h"

#include <filesystem>
#include <string>

namespace kinsketch {

class RecoveryCopy {
public:
    // `origin` names the handed-in document the edits start from (its size
    // and hash): a copy left from another document under the same name is
    // told apart by it.
    RecoveryCopy(const std::filesystem::path& workFolder, const std::string& documentName, std::string origin = {});
    // The copy of a new drawing (started with `new`, no name or a refused one).
    static RecoveryCopy forNewDrawing(const std::filesystem::path& workFolder);

    bool isNewDrawing() const { return newDrawing_; }

    const std::filesystem::path& path() const { return path_; }
    const std::string& origin() const { return origin_; }
    bool exists() const;
    // The origin written beside the copy; empty when there is none.
    std::string recordedOrigin() const;
    // Written atomically: a kill leaves either the previous copy or this one.
    // The folder gets the working folder's permissions, as the copy holds
    // the same personal data. The origin is written first, once a run.
    // Raises RunTimeError.
    void write(const GdrRecord& document) const;
    // The copy and what an unfinished write left; false when something
    // (a folder, say) still stands in the copy's place.
    bool remove() const;

private:
    std::filesystem::path folder_;
    std::filesystem::path path_;
    std::filesystem::path originPath_;
    std::string origin_;
    bool newDrawing_ = false;
    mutable bool originWritten_ = false;
};

} // namespace kinsketch
