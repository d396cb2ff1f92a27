#pragma once

#include "launcher/core/access_application.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kinsketch::launcher {

using WindowHandle = std::uintptr_t;
using ProcessId = std::uint32_t;

struct TopLevelWindow {
    WindowHandle handle = 0;
    std::string className;
    std::string title;
    ProcessId processId = 0;
    bool visible = false;
    bool hung = false;
};

enum class MessageIcon { none = 0, critical = 16, exclamation = 48 };
enum class MousePointer { standard = 0, hourglass = 11 };
enum class WindowState { minimizedNoFocus = 6 };

// Everything the launcher asks of the operating system, the host application
// and the screen. Implementations only carry calls out and report results:
// search orders, retries, waits, texts, titles and icons belong to the caller.
// Text is UTF-8; paths use "\" as separator as the settings file writes them.
// Members that can fail the way a classic run-time error would throw
// LauncherError; plain look-ups return an empty optional instead.
class Platform {
public:
    virtual ~Platform() = default;

    // Own program
    [[nodiscard]] virtual std::string ownFolder() = 0;
    [[nodiscard]] virtual std::string ownExecutableName() = 0;
    [[nodiscard]] virtual bool acquireSingleInstance(const std::string& name) = 0;

    // Files and settings
    [[nodiscard]] virtual bool fileExists(const std::string& path) = 0;
    [[nodiscard]] virtual std::string profileString(const std::string& path, const std::string& section,
                                                    const std::string& key, std::size_t bufferSize) = 0;
    [[nodiscard]] virtual std::optional<std::string> shortPathName(const std::string& path, std::size_t bufferSize) = 0;
    [[nodiscard]] virtual std::size_t ansiLength(const std::string& text) = 0;

    // Registry under HKEY_LOCAL_MACHINE; an empty value name is the default value.
    [[nodiscard]] virtual bool machineKeyExists(const std::string& subKey) = 0;
    [[nodiscard]] virtual std::optional<std::string> machineValue(const std::string& subKey,
                                                                  const std::string& valueName) = 0;

    // Processes and windows
    [[nodiscard]] virtual ProcessId startProgram(const std::string& commandLine, WindowState state) = 0;
    [[nodiscard]] virtual std::vector<TopLevelWindow> topLevelWindows() = 0;
    virtual void bringToFront(WindowHandle window) = 0;

    // Clock
    [[nodiscard]] virtual std::uint32_t tickCount() = 0;
    virtual void sleep(std::uint32_t milliseconds) = 0;

    // Database engine and host application. The exclusive open is closed again
    // before the call returns; it only tells whether the open succeeded.
    virtual void openDatabaseExclusiveReadOnly(const std::string& engineClass, const std::string& path) = 0;
    [[nodiscard]] virtual std::unique_ptr<AccessApplication> createAccessApplication(const std::string& programId) = 0;
    [[nodiscard]] virtual std::unique_ptr<AccessApplication> accessByPath(const std::string& path) = 0;

    // Screen
    virtual void messageBox(const std::string& text, const std::string& title, MessageIcon icon) = 0;
    virtual void beep() = 0;
    virtual void setMousePointer(MousePointer pointer) = 0;
    virtual void processPendingEvents() = 0;
    virtual void showProgressWindow(const std::string& message) = 0;
    virtual void closeProgressWindow() = 0;
};

} // namespace kinsketch::launcher
