#pragma once
// One running program per working folder: every user of the program shares
// that folder, so it is the folder that is guarded. The lock is an
// operating-system file lock, released by the system if the program dies.

#include <filesystem>

namespace kinsketch {

class InstanceLock {
public:
    // Linked: a link stands where the lock file belongs; the program never
    // creates or locks a file through it.
    enum class Result { Acquired, HeldByAnother, Linked, Unavailable };

    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    Result acquire(const std::filesystem::path& workFolder);

private:
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};

} // namespace kinsketch
