#pragma once

#include "launcher/core/launcher_error.h"
#include "launcher/core/platform.h"
#include "launcher/core/profile_string.h"
#include "launcher/core/reg_file.h"

#include <algorithm>
#include <deque>
#include <exception>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace kinsketch::launcher {

using Calls = std::vector<std::string>;

// The scripted platform: every call, the host application's included, is recorded as a line such as
// "messageBox(text|title|48)", answers come from the public fields, any call can be made to throw,
// and the clock is virtual, so waits of minutes take no time.
class FakePlatform : public Platform {
public:
    static constexpr ProcessId startedProcess = 4242;

    Calls calls;
    std::string folder = "C:\\Kinsketch";
    std::string executableName = "ovnqtverup";
    bool anotherInstanceRunning = false;
    std::map<std::string, std::string> files; // path -> content
    std::map<std::string, std::string> shortPaths;
    RegFile registry;
    std::uint32_t clock = 1'000;
    std::function<std::vector<TopLevelWindow>(std::uint32_t clock)> windows; // none when unset
    // What the host application answers, by recorded call; a call without an answer fails.
    std::map<std::string, std::string> accessAnswers{{"access.databaseProperty(AppTitle)", "ケア管理"}};

    // The next `times` calls of that name ("accessByPath", "access.openForm") or
    // record ("fileExists(D:\\APP\\x.mdb)") throw error, of whatever type it is.
    template <typename Error>
    void failNext(const std::string& call, Error error, int times = 1)
    {
        failures_[call].insert(failures_[call].end(), times, std::make_exception_ptr(error));
    }

    Calls callsStartingWith(std::initializer_list<std::string_view> prefixes) const
    {
        Calls found;
        std::ranges::copy_if(calls, std::back_inserter(found), [&](const std::string& call) {
            return std::ranges::any_of(prefixes, [&](std::string_view prefix) { return call.starts_with(prefix); });
        });
        return found;
    }
    bool called(std::string_view prefix) const { return !callsStartingWith({prefix}).empty(); }

    // Records the call, then answers it with result.
    template <typename Result, typename... Arguments>
    Result answer(Result result, const std::string& name, const Arguments&... arguments)
    {
        record(name, arguments...);
        return result;
    }

    // Records name(arguments|...), throws what is scripted for it, and returns the record.
    template <typename... Arguments>
    std::string record(const std::string& name, const Arguments&... arguments)
    {
        std::string line;
        ((line += "|" + text(arguments)), ...);
        line = name + "(" + line.substr(line.empty() ? 0 : 1) + ")";
        calls.push_back(line);
        for (const std::string& scripted : {name, line}) {
            auto& pending = failures_[scripted];
            if (pending.empty()) continue;
            const std::exception_ptr error = pending.front();
            pending.pop_front();
            std::rethrow_exception(error);
        }
        return line;
    }

    std::string ownFolder() override { return answer(folder, "ownFolder"); }
    std::string ownExecutableName() override { return executableName; }
    bool acquireSingleInstance(const std::string& name) override
    {
        return answer(!anotherInstanceRunning, "acquireSingleInstance", name);
    }
    bool fileExists(const std::string& path) override { return answer(files.contains(path), "fileExists", path); }
    std::string profileString(const std::string& path, const std::string& section, const std::string& key,
                              std::size_t bufferSize) override
    {
        const std::string value = files.contains(path) ? readProfileString(files[path], section, key, bufferSize) : "";
        return answer(value, "profileString", path, section, key, bufferSize);
    }
    std::optional<std::string> shortPathName(const std::string& path, std::size_t bufferSize) override
    {
        const auto shortened = shortPaths.contains(path) ? std::optional(shortPaths[path]) : std::nullopt;
        return answer(shortened, "shortPathName", path, bufferSize);
    }
    std::size_t ansiLength(const std::string& text) override { return text.size(); }
    bool machineKeyExists(const std::string& key) override
    {
        return answer(registry.keyExists(key), "machineKeyExists", key);
    }
    std::optional<std::string> machineValue(const std::string& key, const std::string& name) override
    {
        return answer(registry.value(key, name), "machineValue", key, name);
    }
    ProcessId startProgram(const std::string& commandLine, WindowState state) override
    {
        return answer(startedProcess, "startProgram", commandLine, state);
    }
    std::vector<TopLevelWindow> topLevelWindows() override { return windows ? windows(clock) : decltype(windows(0)){}; }
    void bringToFront(WindowHandle window) override { record("bringToFront", window); }
    std::uint32_t tickCount() override { return clock; }
    void sleep(std::uint32_t milliseconds) override { clock += answer(milliseconds, "sleep", milliseconds); }
    void openDatabaseExclusiveReadOnly(const std::string& engine, const std::string& path) override
    {
        record("openDatabaseExclusiveReadOnly", engine, path);
    }
    std::unique_ptr<AccessApplication> createAccessApplication(const std::string& programId) override
    {
        record("createAccessApplication", programId);
        return std::make_unique<Access>(*this);
    }
    std::unique_ptr<AccessApplication> accessByPath(const std::string& path) override
    {
        record("accessByPath", path);
        return std::make_unique<Access>(*this);
    }
    void messageBox(const std::string& text, const std::string& title, MessageIcon icon) override
    {
        record("messageBox", text, title, icon);
    }
    void beep() override { record("beep"); }
    void setMousePointer(MousePointer pointer) override { record("setMousePointer", pointer); }
    void processPendingEvents() override {}
    void showProgressWindow(const std::string& message) override { record("showProgressWindow", message); }
    void closeProgressWindow() override { record("closeProgressWindow"); }

private:
    // The host application: records into and fails through its platform.
    class Access : public AccessApplication {
    public:
        explicit Access(FakePlatform& platform)
            : p_(platform)
        {}
        ~Access() override { p_.record("access.release"); }

        void openCurrentDatabase(const std::string& path, bool exclusive, const std::string& password) override
        {
            p_.record("access.openCurrentDatabase", path, exclusive, password);
        }
        void setUserControl(bool userControl) override { p_.record("access.setUserControl", userControl); }
        void setVisible(bool visible) override { p_.record("access.setVisible", visible); }
        void setOption(const std::string& name, const AccessOptionValue& value) override
        {
            std::visit([&](auto v) { p_.record("access.setOption", name, v); }, value);
        }
        void runCommand(AccessCommand command) override { p_.record("access.runCommand", command); }
        std::string databaseProperty(const std::string& name) override
        {
            return answer(p_.record("access.databaseProperty", name));
        }
        std::string activeFormCaption() override { return answer(p_.record("access.activeFormCaption")); }
        std::string activeReportCaption() override { return answer(p_.record("access.activeReportCaption")); }
        void openForm(const std::string& formName) override { p_.record("access.openForm", formName); }
        void doCmdQuit(QuitOption option) override { p_.record("access.doCmdQuit", option); }

    private:
        std::string answer(const std::string& call)
        {
            if (!p_.accessAnswers.contains(call)) throw LauncherError(2475, "値がありません。");
            return p_.accessAnswers[call];
        }

        FakePlatform& p_;
    };

    static std::string text(const std::string& value) { return value; }
    static std::string text(bool value) { return value ? "true" : "false"; }
    template <typename Number>
    static std::string text(Number value)
    {
        return std::to_string(static_cast<long long>(value));
    }

    std::map<std::string, std::deque<std::exception_ptr>> failures_;
};

} // namespace kinsketch::launcher
