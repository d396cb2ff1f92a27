#include "fake_platform.h"

#include "launcher/core/profile_string.h"

namespace kinsketch::launcher {

namespace {

// The automation object of the fake: records into and fails through its platform.
class FakeAccess : public AccessApplication {
public:
    FakeAccess(FakePlatform& platform, std::string origin)
        : platform_(platform)
        , origin_(std::move(origin))
    {}
    ~FakeAccess() override { platform_.record("access.release(" + origin_ + ")"); }

    void openCurrentDatabase(const std::string& path, bool exclusive, const std::string& password) override
    {
        call("openCurrentDatabase", path + "|" + (exclusive ? "true" : "false") + "|" + password);
    }
    void setUserControl(bool userControl) override { call("setUserControl", userControl ? "true" : "false"); }
    void setVisible(bool visible) override { call("setVisible", visible ? "true" : "false"); }
    void setOption(const std::string& name, const AccessOptionValue& value) override
    {
        const std::string text = std::holds_alternative<bool>(value) ? (std::get<bool>(value) ? "true" : "false")
                                                                     : std::to_string(std::get<std::int32_t>(value));
        call("setOption", name + "|" + text);
    }
    void runCommand(AccessCommand command) override
    {
        call("runCommand", std::to_string(static_cast<std::int32_t>(command)));
    }
    std::string databaseProperty(const std::string& name) override
    {
        call("databaseProperty", name);
        const auto found = platform_.databaseProperties.find(name);
        if (found == platform_.databaseProperties.end()) throw LauncherError(3270, "プロパティが見つかりません。");
        return found->second;
    }
    std::string activeFormCaption() override
    {
        call("activeFormCaption", "");
        if (platform_.activeFormCaption.empty()) throw LauncherError(2475, "アクティブなフォームがありません。");
        return platform_.activeFormCaption;
    }
    std::string activeReportCaption() override
    {
        call("activeReportCaption", "");
        if (platform_.activeReportCaption.empty()) throw LauncherError(2476, "アクティブなレポートがありません。");
        return platform_.activeReportCaption;
    }
    void openForm(const std::string& formName) override { call("openForm", formName); }
    void doCmdQuit(QuitOption option) override { call("doCmdQuit", std::to_string(static_cast<std::int32_t>(option))); }

private:
    void call(const std::string& member, const std::string& arguments)
    {
        platform_.record("access." + member + "(" + arguments + ")");
        platform_.throwIfScripted("access." + member);
    }

    FakePlatform& platform_;
    std::string origin_;
};

} // namespace

void FakePlatform::failNext(const std::string& call, LauncherError error, int times)
{
    for (int i = 0; i < times; ++i) scriptedFailures_[call].push_back(error);
}

std::vector<std::string> FakePlatform::callsStartingWith(const std::string& prefix) const
{
    std::vector<std::string> found;
    for (const std::string& call : calls) {
        if (call.starts_with(prefix)) found.push_back(call);
    }
    return found;
}

void FakePlatform::record(std::string call) { calls.push_back(std::move(call)); }

void FakePlatform::throwIfScripted(const std::string& call)
{
    const auto found = scriptedFailures_.find(call);
    if (found == scriptedFailures_.end() || found->second.empty()) return;
    const LauncherError error = found->second.front();
    found->second.pop_front();
    throw error;
}

std::string FakePlatform::ownFolder() { return folder; }
std::string FakePlatform::ownExecutableName() { return executableName; }

bool FakePlatform::acquireSingleInstance(const std::string& name)
{
    record("acquireSingleInstance(" + name + ")");
    return !anotherInstanceRunning;
}

bool FakePlatform::fileExists(const std::string& path)
{
    record("fileExists(" + path + ")");
    throwIfScripted("fileExists");
    throwIfScripted("fileExists(" + path + ")");
    return files.contains(path);
}

std::string FakePlatform::profileString(const std::string& path, const std::string& section, const std::string& key,
                                        std::size_t bufferSize)
{
    record("profileString(" + path + "|" + section + "|" + key + "|" + std::to_string(bufferSize) + ")");
    throwIfScripted("profileString");
    const auto file = files.find(path);
    return file == files.end() ? std::string() : readProfileString(file->second, section, key, bufferSize);
}

std::optional<std::string> FakePlatform::shortPathName(const std::string& path, std::size_t bufferSize)
{
    record("shortPathName(" + path + "|" + std::to_string(bufferSize) + ")");
    const auto found = shortPaths.find(path);
    if (found == shortPaths.end()) return std::nullopt;
    return found->second;
}

std::size_t FakePlatform::ansiLength(const std::string& text) { return text.size(); }

bool FakePlatform::machineKeyExists(const std::string& subKey)
{
    record("machineKeyExists(" + subKey + ")");
    throwIfScripted("machineKeyExists");
    return registry.keyExists(subKey);
}

std::optional<std::string> FakePlatform::machineValue(const std::string& subKey, const std::string& valueName)
{
    record("machineValue(" + subKey + "|" + valueName + ")");
    throwIfScripted("machineValue");
    return registry.value(subKey, valueName);
}

ProcessId FakePlatform::startProgram(const std::string& commandLine, WindowState state)
{
    record("startProgram(" + commandLine + "|" + std::to_string(static_cast<int>(state)) + ")");
    throwIfScripted("startProgram");
    programStartedAt_ = clock;
    return nextProcessId;
}

std::vector<TopLevelWindow> FakePlatform::topLevelWindows()
{
    record("topLevelWindows()");
    if (!programStartedAt_ || !windows) return windowsBeforeStart;
    return windows(clock - *programStartedAt_);
}

void FakePlatform::bringToFront(WindowHandle window) { record("bringToFront(" + std::to_string(window) + ")"); }

std::uint32_t FakePlatform::tickCount() { return clock; }

void FakePlatform::sleep(std::uint32_t milliseconds)
{
    record("sleep(" + std::to_string(milliseconds) + ")");
    clock += milliseconds;
}

void FakePlatform::openDatabaseExclusiveReadOnly(const std::string& engineClass, const std::string& path)
{
    record("openDatabaseExclusiveReadOnly(" + engineClass + "|" + path + ")");
    throwIfScripted("openDatabaseExclusiveReadOnly");
}

std::unique_ptr<AccessApplication> FakePlatform::createAccessApplication(const std::string& programId)
{
    record("createAccessApplication(" + programId + ")");
    throwIfScripted("createAccessApplication");
    return std::make_unique<FakeAccess>(*this, "created");
}

std::unique_ptr<AccessApplication> FakePlatform::accessByPath(const std::string& path)
{
    record("accessByPath(" + path + ")");
    throwIfScripted("accessByPath");
    return std::make_unique<FakeAccess>(*this, "byPath");
}

void FakePlatform::messageBox(const std::string& text, const std::string& title, MessageIcon icon)
{
    record("messageBox(" + text + "|" + title + "|" + std::to_string(static_cast<int>(icon)) + ")");
}

void FakePlatform::beep() { record("beep()"); }

void FakePlatform::setMousePointer(MousePointer pointer)
{
    record("setMousePointer(" + std::to_string(static_cast<int>(pointer)) + ")");
}

void FakePlatform::processPendingEvents() { record("processPendingEvents()"); }
void FakePlatform::showProgressWindow(const std::string& message) { record("showProgressWindow(" + message + ")"); }
void FakePlatform::closeProgressWindow() { record("closeProgressWindow()"); }

} // namespace kinsketch::launcher
