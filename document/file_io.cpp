#include "file_io.h"

#include "run_time_error.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
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

File openForReading(const std::filesystem::path& path) { return File(::_wfopen(path.c_str(), L"rb")); }

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
// Created only where nothing stands, so never through a link or junction.
File createNewFile(const std::filesystem::path& path)
{
    const HANDLE handle =
        ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        errno = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? EEXIST : errnoOf(error);
        return nullptr;
    }
    const int fd = ::_open_osfhandle(reinterpret_cast<std::intptr_t>(handle), _O_WRONLY | _O_BINARY);
    if (fd < 0) {
        ::CloseHandle(handle);
        return nullptr;
    }
    File file(::_fdopen(fd, "wb"));
    if (!file) ::_close(fd);
    return file;
}

// DeleteFileW takes a link away, never what it points to.
bool removeEntry(const std::filesystem::path& path)
{
    if (::DeleteFileW(path.c_str())) return true;
    errno = errnoOf(::GetLastError());
    return false;
}

bool isLink(const std::filesystem::path& path)
{
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

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

File openForReading(const std::filesystem::path& path) { return File(std::fopen(path.c_str(), "rb")); }

// Created only where nothing stands, and never through a link.
File createNewFile(const std::filesystem::path& path)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) return nullptr;
    File file(::fdopen(fd, "wb"));
    if (!file) ::close(fd);
    return file;
}

// unlink takes a link away, never what it points to.
bool removeEntry(const std::filesystem::path& path) { return ::unlink(path.c_str()) == 0; }

bool isLink(const std::filesystem::path& path)
{
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode);
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

// A temporary file of the same name, left by a killed write or planted
// there, is taken away first; whatever it pointed to stays untouched.
File createTemporaryFile(const std::filesystem::path& temporary)
{
    File file = createNewFile(temporary);
    if (!file && errno == EEXIST && removeEntry(temporary)) file = createNewFile(temporary);
    return file;
}

} // namespace

Bytes readWholeFile(const std::filesystem::path& path)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) throw RunTimeError::fileNotFound(displayName(path));
    const std::uint64_t most = maxGdrFileBytes();
    const auto tooLarge = [&](std::uint64_t size) {
        return RunTimeError::overflow(displayName(path) + ": " + std::to_string(size / (1024 * 1024)) +
                                      " MB は文書として大きすぎます（文書は最大 " +
                                      std::to_string(most / (1024 * 1024)) + " MB）");
    };
    if (const std::uintmax_t size = std::filesystem::file_size(path, ec); !ec && size > most) throw tooLarge(size);
    File file = openForReading(path);
    if (!file) throw RunTimeError::pathFileAccess(displayName(path) + ": " + std::strerror(errno));
    Bytes content;
    std::uint8_t buffer[1 << 16];
    std::size_t got = 0;
    // The file may grow while it is read.
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        content.insert(content.end(), buffer, buffer + got);
        if (content.size() > most) throw tooLarge(content.size());
    }
    if (std::ferror(file.get())) throw RunTimeError::deviceIo(displayName(path));
    return content;
}

void hideFolder(const std::filesystem::path& folder) { hideFolderAttribute(folder); }

bool isLinkOrReparsePoint(const std::filesystem::path& path) { return isLink(path); }

void writeFileAtomically(const std::filesystem::path& path, ByteView content)
{
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    {
        File file = createTemporaryFile(temporary);
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
