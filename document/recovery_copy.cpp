#include "recovery_copy.h"

#include "file_io.h"
#include "file_names.h"
#include "run_time_error.h"

#include <system_error>

namespace kinsketch {

RecoveryCopy::RecoveryCopy(const std::filesystem::path& workFolder, const std::string& documentName, std::string origin)
    : folder_(workFolder / ".kinsketch-recovery")
    , path_(folder_ / pathFromUtf8(documentName + ".gdr"))
    , originPath_(folder_ / pathFromUtf8(documentName + ".gdr.from"))
    , origin_(std::move(origin))
{}

// ".." is refused in every document name the host can hand in.
RecoveryCopy RecoveryCopy::forNewDrawing(const std::filesystem::path& workFolder)
{
    RecoveryCopy copy(workFolder, "new..drawing", "new");
    copy.newDrawing_ = true;
    return copy;
}

std::string RecoveryCopy::recordedOrigin() const
{
    try {
        const Bytes bytes = readWholeFile(originPath_);
        return {bytes.begin(), bytes.end()};
    } catch (const RunTimeError&) {
        return {};
    }
}

bool RecoveryCopy::exists() const
{
    std::error_code ec;
    return std::filesystem::exists(path_, ec);
}

void RecoveryCopy::write(const GdrRecord& document) const
{
    // A link in the folder's place would carry the client's family elsewhere.
    if (isLinkOrReparsePoint(folder_))
        throw RunTimeError::pathFileAccess(utf8FromPath(folder_) + ": a link stands where the recovery folder belongs");
    std::error_code ec;
    if (!std::filesystem::is_directory(folder_, ec)) {
        std::filesystem::create_directory(folder_, ec);
        if (ec) throw RunTimeError::pathNotFound(utf8FromPath(folder_));
        const auto workFolder = std::filesystem::status(folder_.parent_path(), ec);
        if (!ec) std::filesystem::permissions(folder_, workFolder.permissions(), ec);
        hideFolder(folder_);
    }
    if (!originWritten_) {
        writeFileAtomically(originPath_,
                            ByteView(reinterpret_cast<const std::uint8_t*>(origin_.data()), origin_.size()));
        originWritten_ = true;
    }
    writeFileAtomically(path_, encodeGdr(document));
}

bool RecoveryCopy::remove() const
{
    std::error_code ignored;
    std::filesystem::path temporary = path_;
    temporary += ".tmp";
    std::filesystem::remove(temporary, ignored);
    std::filesystem::remove(path_, ignored);
    std::filesystem::remove(originPath_, ignored);
    return !exists();
}

} // namespace kinsketch
