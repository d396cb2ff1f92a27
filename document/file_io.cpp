#include "file_io.h"

#include "run_time_error.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>

#if __has_include(<unistd.h>)
#include <unistd.h>
#define KINSKETCH_HAVE_FSYNC 1
#endif

namespace kinsketch {
namespace {

std::string displayName(const std::filesystem::path& path)
{
    const auto u8 = path.u8string();
    return std::string(u8.begin(), u8.end());
}

RunTimeError writeError(int error, const std::filesystem::path& path)
{
    const std::string where = displayName(path);
    switch (error) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return RunTimeError::diskFull(where);
    case EACCES:
    case EPERM:
    case EROFS:
        return RunTimeError::permissionDenied(where);
    case ENOENT:
    case ENOTDIR:
        return RunTimeError::pathNotFound(where);
    default:
        return RunTimeError::pathFileAccess(where + ": " + std::strerror(error));
    }
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Paths are Unicode on every platform; Windows needs the wide-character open for that.
File openFile(const std::filesystem::path& path, bool forWriting)
{
#ifdef _WIN32
    return File(::_wfopen(path.c_str(), forWriting ? L"wb" : L"rb"));
#else
    return File(std::fopen(path.c_str(), forWriting ? "wb" : "rb"));
#endif
}

} // namespace

Bytes readWholeFile(const std::filesystem::path& path)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        throw RunTimeError::fileNotFound(displayName(path));
    File file = openFile(path, false);
    if (!file) throw RunTimeError::pathFileAccess(displayName(path) + ": " + std::strerror(errno));
    Bytes content;
    std::uint8_t buffer[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) content.insert(content.end(), buffer, buffer + got);
    if (std::ferror(file.get())) throw RunTimeError::deviceIo(displayName(path));
    return content;
}

void writeFileAtomically(const std::filesystem::path& path, ByteView content)
{
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    {
        File file = openFile(temporary, true);
        if (!file) throw writeError(errno, path);
        errno = 0;
        bool written = (content.empty() || std::fwrite(content.data(), 1, content.size(), file.get()) == content.size()) &&
                       std::fflush(file.get()) == 0;
#ifdef KINSKETCH_HAVE_FSYNC
        written = written && ::fsync(::fileno(file.get())) == 0;
#endif
        const int error = errno;
        if (std::fclose(file.release()) != 0) written = false;
        if (!written) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            throw writeError(error != 0 ? error : EIO, path);
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        throw writeError(ec.value(), path);
    }
}

} // namespace kinsketch
