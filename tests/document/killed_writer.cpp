#include "killed_writer.h"

#ifdef _WIN32
#include <windows.h>

#include <string>
#else
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace kinsketch::test {

#ifdef _WIN32

KilledWriter::KilledWriter(const std::filesystem::path& folder, bool newDrawing)
{
    wchar_t program[MAX_PATH];
    if (GetModuleFileNameW(nullptr, program, MAX_PATH) == 0) return;
    std::wstring commandLine = L"\"" + std::wstring(program) + L"\" --write-recovery-copies \"" + folder.wstring() +
                               L"\"" + (newDrawing ? L" new" : L"");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return;
    CloseHandle(info.hThread);
    process_ = info.hProcess;
}

KilledWriter::~KilledWriter()
{
    if (!process_) return;
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, INFINITE);
    CloseHandle(process_);
}

bool KilledWriter::started() const { return process_ != nullptr; }

#else

KilledWriter::KilledWriter(const std::filesystem::path& folder, bool newDrawing)
    : pid_(fork())
{
    if (pid_ == 0) writeRecoveryCopiesForever(folder, newDrawing);
}

KilledWriter::~KilledWriter()
{
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
}

bool KilledWriter::started() const { return pid_ > 0; }

#endif

} // namespace kinsketch::test
