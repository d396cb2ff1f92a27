#pragma once
// clsGdrOpe: the document store's file operations on the working folder. Each
// returns 0 when done and 1 after it trapped an error and reported it under
// its own title; the store holds no document state of its own (it works on
// gGdr and on the records it is given).

#include "error_reporter.h"
#include "gdr_codec.h"

#include <filesystem>
#include <string>

namespace kinsketch {

class clsGdrOpe {
public:
    clsGdrOpe(std::filesystem::path workFolder, ErrorReporter& reporter);

    const std::filesystem::path& workFolder() const { return workFolder_; }
    // The handed-in document "<name>.gdr", found without regard to case. The
    // readers take the path, so that tools can read a document anywhere.
    std::filesystem::path documentPath(const std::string& name) const;
    std::filesystem::path savedDocumentPath() const;

    // gGdr → "kinsketch.gdr", written atomically.
    int WriteGdrFile();
    // The whole file; stays empty when it cannot be read (an empty file is an error).
    int ReadGdrFile_tmp(const std::filesystem::path& file, Bytes& content);
    // Current layout → gGdr, then IsNew False. gGdr is untouched on failure.
    int ReadGdrFile_2(const std::filesystem::path& file);
    // Pre-2.02 layout → `side` (emptied first), then its IsNew False.
    int ReadGdrFile_v202Pre(const std::filesystem::path& file, GdrRecord& side);
    // 18-row layout → `side` (emptied first), then gGdr.IsNew False.
    int ReadGdrFile(const std::filesystem::path& file, Rows18Record& side);
    int CreateNew_2();

    ErrorReporter& reporter() { return reporter_; }

private:
    std::filesystem::path workFolder_;
    ErrorReporter& reporter_;
};

} // namespace kinsketch
