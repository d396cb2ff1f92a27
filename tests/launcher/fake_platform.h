#pragma once

#include "launcher/core/launcher_error.h"
#include "launcher/core/platform.h"
#include "launcher/core/reg_file.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace kinsketch::launcher {

using Calls = std::vector<std::string>;

// A scripted platform: every call is recorded as one line of text, answers
// come from the public fields, and any call can be made to fail. Its clock is
// virtual, so waits of minutes take no time.
class FakePlatform : public Platform {
public:
    // Recorded calls, e.g. "messageBox(text|title|48)".
    std::vector<std::string> calls;

    std::string folder = "C:\\Kinsketch";
    std::string executableName = "ovnqtverup";
    bool anotherInstanceRunning = false;
    std::map<std::string, std::string> files; // path -> content
    std::map<std::string, std::string> shortPaths;
    RegFile registry;
    std::uint32_t clock = 1'000;
    // Windows as a function of the time since the last program start.
    std::function<std::vector<TopLevelWindow>(std::uint32_t sinceStart)> windows;
    std::vector<TopLevelWindow> windowsBeforeStart;
    ProcessId nextProcessId = 4242;
    std::map<std::string, std::string> databaseProperties{{"AppTitle", "ケア管理"}};
    std::string activeFormCaption;
    std::string activeReportCaption;

    // The next `times` calls named `call` (e.g. "accessByPath", "access.openForm") throw error;
    // files can also be named one by one ("fileExists(D:\\APP\\x.mdb)").
    void failNext(const std::string& call, LauncherError error, int times = 1);
    // Calls whose record starts with prefix, in order.
    std::vector<std::string> callsStartingWith(const std::string& prefix) const;
    std::vector<std::string> messageBoxes() const { return callsStartingWith("messageBox"); }
    bool called(const std::string& prefix) const { return !callsStartingWith(prefix).empty(); }

    void record(std::string call);
    void throwIfScripted(const std::string& call);

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
    std::map<std::string, std::deque<LauncherError>> scriptedFailures_;
    std::optional<std::uint32_t> programStartedAt_;
};

} // namespace kinsketch::launcher
