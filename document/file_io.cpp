#include "file_io.h"

#include "run_time_error.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
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
    case EROFS: return RunTimeError::permissionDenied(where);
    case ENOENT:
    case ENOTDIR: return RunTimeError::pathNotFound(where);
    default: return RunTimeError::pathFileAccess(where + ": " + std::strerror(error));
    }
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// What each platform does its own way. Paths are Unicode everywhere, which on
// Windows takes the wide-character calls; failures come back as errno values.
#ifdef _WIN32

File openFile(const std::filesystem::path& path, bool forWriting)
{
    return File(::_wfopen(path.c_str(), forWriting ? L"wb" : L"rb"));
}

bool flushToDisk(std::FILE* file) { return ::_commit(::_fileno(file)) == 0; }

int errnoOf(DWORD error)
{
    switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT: return EACCES;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return ENOENT;
    default: return EIO;
    }
}

// A plain rename refuses an existing target on Windows.
void hideFolderAttribute(const std::filesystem::path& folder)
{
    const DWORD attributes = ::GetFileAttributesW(folder.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) ::SetFileAttributesW(folder.c_str(), attributes | FILE_ATTRIBUTE_HIDDEN);
}

int replaceFile(const std::filesystem::path& from, const std::filesystem::path& to)
{
    if (::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return 0;
    return errnoOf(::GetLastError());
}

#else

File openFile(const std::filesystem::path& path, bool forWriting)
{
    return File(std::fopen(path.c_str(), forWriting ? "wb" : "rb"));
}

bool flushToDisk(std::FILE* file) { return ::fsync(::fileno(file)) == 0; }

void hideFolderAttribute(const std::filesystem::path&) {}

int replaceFile(const std::filesystem::path& from, const std::filesystem::path& to)
{
    std::error_code ec;
    std::filesystem::rename(from, to, ec);
    return ec.value();
}

#endif

} // namespace

Bytes readWholeFile(const std::filesystem::path& path)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) throw RunTimeError::fileNotFound(displayName(path));
    File file = openFile(path, false);
    if (!file) throw RunTimeError::pathFileAccess(displayName(path) + ": " + std::strerror(errno));
    Bytes content;
    std::uint8_t buffer[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        content.insert(content.end(), buffer, buffer + got);
    if (std::ferror(file.get())) throw RunTimeError::deviceIo(displayName(path));
    return content;
}

void hideFolder(const std::filesystem::path& folder) { hideFolderAttribute(folder); }

void writeFileAtomically(const std::filesystem::path& path, ByteView content)
{
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    {
        File file = openFile(temporary, true);
        if (!file) throw writeError(errno, path);
        errno = 0;
        bool written =
            (content.empty() || std::fwrite(content.data(), 1, content.size(), file.get()) == content.size()) &&
            std::fflush(file.get()) == 0 && flushToDisk(file.get());
        const int error = errno;
        if (std::fclose(file.release()) != 0) written = false;
        if (!written) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            throw writeError(error != 0 ? error : EIO, path);
        }
    }
    if (const int error = replaceFile(temporary, path); error != 0) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        throw writeError(error, path);
    }
}

} // namespace kinsketch
