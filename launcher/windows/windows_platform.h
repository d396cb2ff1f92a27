#pragma once

#include "launcher/core/platform.h"
#include "launcher/windows/com_apartment.h"
#include "launcher/windows/progress_window.h"
#include "launcher/windows/scoped_handle.h"

#include <memory>

namespace kinsketch::launcher {

// The launcher's platform on Windows: the profile, registry and short-path
// calls of the ANSI API, window enumeration, the multimedia clock, the
// database engine and the host application through late-bound automation.
class WindowsPlatform : public Platform {
public:
    WindowsPlatform() = default;
    WindowsPlatform(const WindowsPlatform&) = delete;
    WindowsPlatform& operator=(const WindowsPlatform&) = delete;

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

private:
    ComApartment apartment_;
    ScopedHandle instanceMutex_;
    std::unique_ptr<ProgressWindow> progressWindow_;
};

} // namespace kinsketch::launcher
