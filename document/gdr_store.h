#pragma once
// Document store (clsGdrOpe): the file operations on the working folder. A
// routine that fails has trapped the error and reported it under its own
// title ("Error At clsGdrOpe.…"); the store holds no document of its own.

#include "gdr_codec.h"
#include "seams/error_reporter.h"

#include <filesystem>
#include <optional>
#include <string>

namespace kinsketch {

class GdrStore {
public:
    GdrStore(std::filesystem::path workFolder, ErrorReporter& reporter);

    const std::filesystem::path& workFolder() const { return workFolder_; }
    // The handed-in document "<name>.gdr", found without regard to case. The
    // readers take the path, so that tools can read a document anywhere.
    std::filesystem::path documentPath(const std::string& name) const;
    std::filesystem::path savedDocumentPath() const;

    // `document` → "kinsketch.gdr", written atomically; false after an error.
    [[nodiscard]] bool writeSavedDocument(const GdrRecord& document);
    // The whole file; an empty file is an error too.
    [[nodiscard]] std::optional<Bytes> readContent(const std::filesystem::path& file);
    // A document of the current layout, marked as not new.
    [[nodiscard]] std::optional<GdrRecord> readCurrentLayout(const std::filesystem::path& file);
    // A document of the layout before 2.02, marked as not new.
    [[nodiscard]] std::optional<GdrRecord> readPre202Layout(const std::filesystem::path& file);
    [[nodiscard]] std::optional<Rows18Record> readRows18Layout(const std::filesystem::path& file);
    // A new document; what was made before an error stays in it.
    GdrRecord createNew();

    ErrorReporter& reporter() { return reporter_; }

private:
    std::filesystem::path workFolder_;
    ErrorReporter& reporter_;
};

} // namespace kinsketch
