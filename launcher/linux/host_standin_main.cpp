// Stands in, on Linux, for the host database application the launcher starts:
// it opens the database named at the end of its command line, holds it the
// way a running host application holds its database, and ends after a while
// (OVNQTVERUP_HOST_SECONDS, 60 s unless set).

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <iostream>
#include <string>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace {

// The command line is the program path, a blank and the database path, either of which may hold blanks.
std::string databaseIn(const std::string& commandLine)
{
    for (std::size_t blank = commandLine.find(' '); blank != std::string::npos;
         blank = commandLine.find(' ', blank + 1)) {
        std::string candidate = commandLine.substr(blank + 1);
        for (char& c : candidate) {
            if (c == '\\') c = '/';
        }
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error)) return candidate;
    }
    return {};
}

} // namespace

int main(int argc, char* argv[])
{
    const std::string commandLine = argc > 1 ? argv[1] : "";
    const char* secondsText = std::getenv("OVNQTVERUP_HOST_SECONDS");
    const int seconds = secondsText != nullptr ? std::atoi(secondsText) : 60;
    std::cout << "[host stand-in " << ::getpid() << "] started as: " << commandLine << std::endl;

    const std::string database = databaseIn(commandLine);
    const int descriptor = database.empty() ? -1 : ::open(database.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor >= 0 && ::flock(descriptor, LOCK_SH) == 0) {
        std::cout << "[host stand-in " << ::getpid() << "] holds " << database << " for " << seconds << " s"
                  << std::endl;
    } else {
        std::cout << "[host stand-in " << ::getpid() << "] no database found in its command line" << std::endl;
    }
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    if (descriptor >= 0) ::close(descriptor);
    std::cout << "[host stand-in " << ::getpid() << "] ended" << std::endl;
    return 0;
}
