#include "app/instance_lock.h"

#include "document/file_io.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace kinsketch {
namespace {

constexpr const char* kLockFileName = ".kinsketch.lock";

} // namespace

#ifdef _WIN32

InstanceLock::~InstanceLock()
{
    if (handle_) CloseHandle(static_cast<HANDLE>(handle_));
}

InstanceLock::Result InstanceLock::acquire(const std::filesystem::path& workFolder)
{
    const std::filesystem::path path = workFolder / kLockFileName;
    if (isLinkOrReparsePoint(path)) return Result::Linked;
    // Opened without sharing: a second opener fails until this handle is
    // closed. A link made after the check is opened itself, not followed.
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_SHARING_VIOLATION ? Result::HeldByAnother : Result::Unavailable;
    handle_ = h;
    return Result::Acquired;
}

#else

InstanceLock::~InstanceLock()
{
    if (fd_ >= 0) ::close(fd_);
}

InstanceLock::Result InstanceLock::acquire(const std::filesystem::path& workFolder)
{
    const int fd = ::open((workFolder / kLockFileName).c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) return errno == ELOOP ? Result::Linked : Result::Unavailable;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        return held ? Result::HeldByAnother : Result::Unavailable;
    }
    fd_ = fd;
    return Result::Acquired;
}

#endif

} // namespace kinsketch
