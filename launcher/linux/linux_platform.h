#pragma once

#include "launcher/core/platform.h"
#include "launcher/core/reg_file.h"

#include <memory>
#include <ostream>
#include <string>

namespace kinsketch::launcher {

class ProgressWindow;

// The platform of this Linux machine, where the host database application
// cannot exist. Files, the clock, the single-instance lock and program starts
// are real; the registry is read from ovnqtverup.reg beside the launcher;
// programs are started as the host stand-in, whose running processes are the
// host windows; the database engine's exclusive open is a file lock, which
// the host stand-in holds while it runs; automation goes to a stand-in. Every
// call is printed. Paths with "\" are taken as "/".
class LinuxPlatform : public Platform {
public:
    // unattended: message boxes are printed and answered at once instead of shown.
    LinuxPlatform(std::string ownFolder, std::string executableName, bool unattended, std::ostream& out);
    ~LinuxPlatform() override;
    LinuxPlatform(const LinuxPlatform&) = delete;
    LinuxPlatform& operator=(const LinuxPlatform&) = delete;

    std::string ownFolder() override;
    std::string ownExecutableName() override;
    bool acquireSingleInstance(const std::string& name) override;
    bool fileExists(const std::string& path) override;
    std::string profileString(const std::string& path, const std::string& section, const std::string& key,
                              std::size_t bufferSize) override;
    std::optional<std::string> shortPathName(const std::string& path, std::size_t bufferSize) override;
    std::size_t ansiLength(const std::string& text) override;
    bool machineKeyExists(const std::string& subKey) override;
    std::optional<std::string> machineValue(const std::string& subKey, const std::string& valueName) override;
    ProcessId startProgram(const std::string& commandLine, WindowState state) override;
    std::vector<TopLevelWindow> topLevelWindows() override;
    void bringToFront(WindowHandle window) override;
    std::uint32_t tickCount() override;
    void sleep(std::uint32_t milliseconds) override;
    void openDatabaseExclusiveReadOnly(const std::string& engineClass, const std::string& path) override;
    std::unique_ptr<AccessApplication> createAccessApplication(const std::string& programId) override;
    std::unique_ptr<AccessApplication> accessByPath(const std::string& path) override;
    void messageBox(const std::string& text, const std::string& title, MessageIcon icon) override;
    void beep() override;
    void setMousePointer(MousePointer pointer) override;
    void processPendingEvents() override;
    void showProgressWindow(const std::string& message) override;
    void closeProgressWindow() override;

    static constexpr const char* hostStandInName = "ovnqtverup-host";
    static constexpr const char* registryFileName = "ovnqtverup.reg";

private:
    void print(const std::string& line);
    std::string hostStandInPath() const;

    std::string ownFolder_;
    std::string executableName_;
    bool unattended_;
    std::ostream& out_;
    RegFile registry_;
    int instanceLock_ = -1;
    bool hourglass_ = false;
    std::unique_ptr<ProgressWindow> progressWindow_;
};

} // namespace kinsketch::launcher
