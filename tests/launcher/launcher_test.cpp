#include "launcher/core/access_locator.h"
#include "launcher/core/access_window_watch.h"
#include "launcher/core/launcher.h"
#include "launcher/core/launcher_error.h"
#include "launcher/core/profile_string.h"
#include "launcher/core/reg_file.h"
#include "launcher/core/settings_routines.h"
#include "profile_cases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <exception>
#include <fstream>
#include <functional>
#include <map>
#include <stdexcept>

namespace kinsketch::launcher {
namespace {

using Calls = std::vector<std::string>;

// Records every call as a line such as "messageBox(text|title|48)"; the clock is virtual, so waits take no time.
class FakePlatform : public Platform {
    using Str = const std::string&;
    using App = std::unique_ptr<AccessApplication>;

public:
    static constexpr ProcessId startedProcess = 4242;

    Calls calls;
    std::string folder = "C:\\Kinsketch";
    std::string executableName = "ovnqtverup";
    std::map<std::string, std::string> files, shortPaths; // path -> content, path -> short form
    RegFile registry;
    std::uint32_t clock = 1'000;
    // By default the program started at 1 s shows its main window, with the database open, 12 s later.
    std::function<std::vector<TopLevelWindow>(std::uint32_t clock)> windows = [](std::uint32_t now) {
        std::vector shown{TopLevelWindow{5, "Shell_TrayWnd", "", 1, true, false}};
        if (now >= 13'000) shown.push_back({9, "OMain", "ケア管理", startedProcess, true, false});
        return shown;
    };
    // What the host application answers, by recorded call; a call without an answer fails.
    std::map<std::string, std::string> accessAnswers{{"access.databaseProperty(AppTitle)", "ケア管理"}};

    // The next `times` calls of that name ("accessByPath") or record ("fileExists(D:\\APP\\x.mdb)") throw error.
    template <typename Error>
    void failNext(Str call, Error error, int times = 1)
    {
        failures_[call].insert(failures_[call].end(), times, std::make_exception_ptr(error));
    }

    Calls callsStartingWith(std::initializer_list<std::string_view> prefixes) const
    {
        Calls found;
        std::ranges::copy_if(calls, std::back_inserter(found), [&](Str call) {
            return std::ranges::any_of(prefixes, [&](std::string_view prefix) { return call.starts_with(prefix); });
        });
        return found;
    }

    template <typename Result, typename... Arguments>
    Result answer(Result result, Str name, const Arguments&... arguments)
    {
        std::string line;
        ((line += "|" + text(arguments)), ...);
        calls.push_back(name + "(" + line.substr(line.empty() ? 0 : 1) + ")");
        for (Str scripted : {name, calls.back()}) {
            if (failures_[scripted].empty()) continue;
            const std::exception_ptr error = failures_[scripted].front();
            failures_[scripted].pop_front();
            std::rethrow_exception(error);
        }
        return result;
    }

    std::string ownFolder() override { return answer(folder, "ownFolder"); }
    std::string ownExecutableName() override { return executableName; }
    bool acquireSingleInstance(Str name) override { return answer(true, "acquireSingleInstance", name); }
    bool fileExists(Str path) override { return answer(files.contains(path), "fileExists", path); }
    std::string profileString(Str path, Str section, Str key, std::size_t bufferSize) override
    {
        const std::string value = files.contains(path) ? readProfileString(files[path], section, key, bufferSize) : "";
        return answer(value, "profileString", path, section, key, bufferSize);
    }
    std::optional<std::string> shortPathName(Str path, std::size_t bufferSize) override
    {
        const auto shortened = shortPaths.contains(path) ? std::optional(shortPaths[path]) : std::nullopt;
        return answer(shortened, "shortPathName", path, bufferSize);
    }
    std::size_t ansiLength(Str text) override { return text.size(); }
    bool machineKeyExists(Str key) override { return answer(registry.keyExists(key), "machineKeyExists", key); }
    std::optional<std::string> machineValue(Str key, Str name) override
    {
        return answer(registry.value(key, name), "machineValue", key, name);
    }
    ProcessId startProgram(Str commandLine, WindowState state) override
    {
        return answer(startedProcess, "startProgram", commandLine, state);
    }
    std::vector<TopLevelWindow> topLevelWindows() override { return windows(clock); }
    void bringToFront(WindowHandle window) override { answer(0, "bringToFront", window); }
    std::uint32_t tickCount() override { return clock; }
    void sleep(std::uint32_t milliseconds) override { clock += answer(milliseconds, "sleep", milliseconds); }
    void openDatabaseExclusiveReadOnly(Str engine, Str path) override
    {
        answer(0, "openDatabaseExclusiveReadOnly", engine, path);
    }
    App createAccessApplication(Str programId) override
    {
        return std::make_unique<Access>(*this, "createAccessApplication", programId);
    }
    App accessByPath(Str path) override { return std::make_unique<Access>(*this, "accessByPath", path); }
    void messageBox(Str text, Str title, MessageIcon icon) override { answer(0, "messageBox", text, title, icon); }
    void beep() override { answer(0, "beep"); }
    void setMousePointer(MousePointer pointer) override { answer(0, "setMousePointer", pointer); }
    void processPendingEvents() override {}
    void showProgressWindow(Str message) override { answer(0, "showProgressWindow", message); }
    void closeProgressWindow() override { answer(0, "closeProgressWindow"); }

private:
    class Access : public AccessApplication {
    public:
        // Released only when made: a failing call makes none.
        Access(FakePlatform& platform, Str call, Str argument)
            : p_(&platform)
        {
            p_->answer(0, call, argument);
        }
        ~Access() override { p_->answer(0, "access.release"); }
        void openCurrentDatabase(Str path, bool exclusive, Str password) override
        {
            p_->answer(0, "access.openCurrentDatabase", path, exclusive, password);
        }
        void setUserControl(bool userControl) override { p_->answer(0, "access.setUserControl", userControl); }
        void setVisible(bool visible) override { p_->answer(0, "access.setVisible", visible); }
        void setOption(Str name, const AccessOptionValue& value) override
        {
            std::visit([&](auto v) { p_->answer(0, "access.setOption", name, v); }, value);
        }
        void runCommand(AccessCommand command) override { p_->answer(0, "access.runCommand", command); }
        std::string databaseProperty(Str name) override { return answer("access.databaseProperty", name); }
        std::string activeFormCaption() override { return answer("access.activeFormCaption"); }
        std::string activeReportCaption() override { return answer("access.activeReportCaption"); }
        void openForm(Str formName) override { p_->answer(0, "access.openForm", formName); }
        void doCmdQuit(QuitOption option) override { p_->answer(0, "access.doCmdQuit", option); }

    private:
        template <typename... Arguments>
        std::string answer(Str name, const Arguments&... arguments)
        {
            p_->answer(0, name, arguments...);
            if (!p_->accessAnswers.contains(p_->calls.back())) throw LauncherError(2475, "値がありません。");
            return p_->accessAnswers[p_->calls.back()];
        }
        FakePlatform* p_;
    };

    static std::string text(Str value) { return value; }
    static std::string text(bool value) { return value ? "true" : "false"; }
    static std::string text(auto number) { return std::to_string(static_cast<long long>(number)); }

    std::map<std::string, std::deque<std::exception_ptr>> failures_;
};

const std::string iniPath = "C:\\Kinsketch\\ovnVerUP.ini";
const std::string database = "D:\\APP\\x.mdb";
const std::string programStart = "startProgram(C:\\Office16\\MSACCESS.EXE D:\\APP\\x.mdb|6)";
const std::string automation = "createAccessApplication(Access.Application)";
const std::string probe = "openDatabaseExclusiveReadOnly(DAO.DBEngine.120|D:\\APP\\x.mdb)";
const std::string takeStarted = "accessByPath(D:\\APP\\x.mdb)";

std::string settings(std::string_view bootType)
{
    return "[VERUP]\nPath = \"  D:\\APP\\ \"\nAppDB=x.mdb\nFMenu=frmMenu\nAC2003Boot=" + std::string(bootType) + "\n";
}

std::string notReady(std::string_view setting)
{
    return "messageBox(バージョンアップの環境が整っていません！\r(ini/VerUp/" + std::string(setting) +
           ")|ovnqtverup|48)";
}

TopLevelWindow window(WindowHandle handle, std::string title, ProcessId processId = FakePlatform::startedProcess)
{
    return TopLevelWindow{handle, "OMain", std::move(title), processId, true, false};
}

const std::string installed = "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Office\\16.0\\Access\\InstallRoot]\n"
                              "\"Path\"=\"C:\\\\Office16\\\\\"\n"; // Access 16 installed

struct StartCase {
    const char* name;
    std::string ini = settings("161");
    std::string registry = installed;
    std::function<void(FakePlatform&)> setup{};
    std::vector<std::pair<std::string, LauncherError>> fail{};
    std::map<std::string, std::string> files{}, shortPaths{}, answers{}; // answers replace the default title
    std::optional<std::vector<TopLevelWindow>> windows{};
    Calls shown{}, made{}, absent{}; // every beep and box; the calls of made, in order; beginnings of calls never made
    int exitCode = 0;
};

const StartCase startCases[] = {
    {.name = "ProgramIsStartedForTheConfiguredDatabaseByAProgramNamedLikeButNotTheSettingsProgram",
     .setup = [](FakePlatform& p) { p.executableName = "ovnsetup2"; },
     .made = {"fileExists(D:\\APP\\x.mdb)", probe, programStart, takeStarted,
              "access.setOption(ShowWindowsInTaskbar|false)", "access.setOption(Default File Format|10)",
              "access.setOption(Behavior Entering Field|1)", "access.setVisible(true)", "access.runCommand(10)",
              "access.openForm(frmMenu)", "access.release()"},
     .absent = {"createAccessApplication", "access.setUserControl", "bringToFront", "sleep(10000)"}},
    {.name = "MissingSettingsFileIsReportedThenTheMissingDatabaseName",
     .setup = [](FakePlatform& p) { p.files.erase(iniPath); },
     .shown = {"messageBox((" + iniPath + ")が見つかりません|Inifile Error!!|16)",
               "messageBox((" + iniPath + ")が見つかりません|Inifile Error!!|16)", "beep()", notReady("AppDB")},
     .absent = {"profileString"}},
    {.name = "SettingsBesideAProgramInAFolderWithABlankAreReadThroughItsShortForm",
     .setup = [](FakePlatform& p) { p.folder = "C:\\Program Files\\ovn"; },
     .files = {{"C:\\PROGRA~1\\ovn\\ovnVerUP.ini", settings("161")}},
     .shortPaths = {{"C:\\Program Files\\ovn\\", "C:\\PROGRA~1\\ovn\\"}},
     .made = {"profileString(C:\\PROGRA~1\\ovn\\ovnVerUP.ini|VERUP|Path|255)", programStart}},
    {.name = "DeviceErrorLookingForTheSettingsIsExplainedAndTheReadingGoesOn",
     .fail = {{"fileExists(" + iniPath + ")", LauncherError(71, "Not ready")}},
     .shown = {"beep()", "messageBox(バックアップ媒体(MO)が準備されていません。|ovnqtverup|0)"},
     .made = {programStart}},
    {.name = "OtherErrorReadingASettingIsShownWithItsNumberAndReadsEmpty",
     .fail = {{"profileString", LauncherError(7, "メモリが不足しています。")}},
     .shown = {"beep()", "messageBox((7)メモリが不足しています。|ovnqtverup|0)", "beep()", notReady("PRM_DBNAME")},
     .made = {"fileExists(C:\\Kinsketch\\x.mdb)"},
     .absent = {"openDatabaseExclusiveReadOnly"}},
    {.name = "EmptyDatabaseNameStopsBeforeTheStartFormIsRead",
     .ini = "[VERUP]\nAppDB=\nFMenu=frmMenu\n",
     .shown = {"beep()", notReady("AppDB")},
     .absent = {"profileString(" + iniPath + "|VERUP|FMenu"}},
    {.name = "EmptyStartFormStopsBeforeTheBootTypeIsRead",
     .ini = "[VERUP]\nAppDB=x.mdb\nFMenu=  \nAC2003Boot=160\n",
     .shown = {"beep()", notReady("FMenu")},
     .absent = {"profileString(" + iniPath + "|VERUP|AC2003Boot", "openDatabaseExclusiveReadOnly"}},
    {.name = "AutomationOpensTheDatabaseInTheShortFormOfItsFolder",
     .ini = "[VERUP]\nPath=D:\\My App\nAppDB=x.mdb\nFMenu=frmMenu\nAC2003Boot=0\n",
     .files = {{"D:\\MYAPP~1\\x.mdb", ""}},
     .shortPaths = {{"D:\\My App\\", "D:\\MYAPP~1\\"}},
     .made = {automation, "access.openCurrentDatabase(D:\\MYAPP~1\\x.mdb|false|)", "access.setUserControl(true)",
              "access.openForm(frmMenu)", "access.release()"},
     .absent = {"startProgram", "accessByPath"}},
    {.name = "FailedAutomationFallsThroughToAProgramStart",
     .ini = settings("160"),
     .fail = {{"access.openCurrentDatabase", LauncherError(7866, "開けません。")}},
     .made = {automation, "access.release()", programStart, "access.openForm(frmMenu)", "access.release()"}},
    {.name = "MissingBootTypeSearchesTheApplicationPathsTooAndRegistryErrorsAreReportedOnTheWay",
     .ini = "[VERUP]\nAppDB=x.mdb\nFMenu=frmMenu\n",
     .registry =
         "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\MSACCESS.EXE]\n"
         "@=\"C:\\\\Any\\\\MSACCESS.EXE\"\n",
     .fail = {{"machineKeyExists", LauncherError(5, "不正な呼び出し")}},
     .files = {{"C:\\Kinsketch\\x.mdb", ""}},
     .shown = {"messageBox(【5】不正な呼び出し|Error At LfncGetAc2003PathB|48)"},
     .made = {"startProgram(C:\\Any\\MSACCESS.EXE C:\\Kinsketch\\x.mdb|6)"},
     .absent = {"createAccessApplication"}},
    {.name = "RegisteredAutomationServerIsFoundBeforeTheInstallation",
     .registry = installed + "[HKEY_LOCAL_MACHINE\\Software\\Classes\\Access.Application.16\\CLSID]\n@=\"{16}\"\n"
                             "[HKEY_LOCAL_MACHINE\\Software\\Classes\\CLSID\\{16}\\LocalServer32]\n"
                             "@=\"C:\\\\PROGRA~1\\\\Office16\\\\MSACCESS.EXE /AUTOMATION\"\n",
     .made = {"startProgram(C:\\PROGRA~1\\Office16\\MSACCESS.EXE /AUTOMATION D:\\APP\\x.mdb|6)"}},
    {.name = "UnknownBootTypeKeepsTheStartValueThatTriesAutomation", .ini = settings("2016"), .made = {automation}},
    {.name = "RunTimeErrorIsTrappedByTheStartRoutine",
     .fail = {{"fileExists(" + database + ")", LauncherError(52, "番号が不正です。")}},
     .shown = {"messageBox(【52】番号が不正です。|Error At Sub Main|48)"}},
    {.name = "OtherErrorIsShownAndEndsWithAnErrorCode",
     .setup = [](FakePlatform& p) { p.failNext("ownFolder", std::runtime_error("disk on fire")); },
     .shown = {"messageBox(予期しないエラーが発生しました。\r(disk on fire)|Error At Sub Main|16)"},
     .exitCode = 1},
    {.name = "ErrorThatSaysNothingIsShownAndEndsWithAnErrorCode",
     .setup = [](FakePlatform& p) { p.failNext("ownFolder", 7); },
     .shown = {"messageBox(予期しないエラーが発生しました。|Error At Sub Main|16)"},
     .exitCode = 1},
    {.name = "DatabaseOpenElsewhereIsBroughtToTheFrontByItsTitle",
     .fail = {{"openDatabaseExclusiveReadOnly", LauncherError(3045, "ファイルは既に使用されています。")}},
     .windows = std::vector{window(3, "ケア管理 - 利用者"), window(4, "ケア管理")},
     .made = {probe, takeStarted, "access.databaseProperty(AppTitle)", "bringToFront(4)", "access.runCommand(10)",
              "access.release()"},
     .absent = {"startProgram", "createAccessApplication", "access.set", "access.open"}},
    {.name = "DatabaseWithoutATitleIsBroughtToTheFrontByTheReportItShows",
     .fail = {{"openDatabaseExclusiveReadOnly", LauncherError(3356, "排他的に開かれています。")}},
     .answers = {{"access.activeReportCaption()", "月報"}},
     .windows = std::vector{window(5, "月報 - 印刷プレビュー")},
     .made = {"access.activeFormCaption()", "access.activeReportCaption()", "bringToFront(5)", "access.runCommand(10)"},
     .absent = {"startProgram"}},
    {.name = "OlderDatabaseEngineIsTriedWhereTheCurrentOneIsMissing",
     .fail = {{probe, LauncherError(429, "オブジェクトを作成できません。")}},
     .made = {probe, "openDatabaseExclusiveReadOnly(DAO.DBEngine.36|D:\\APP\\x.mdb)", programStart}},
    {.name = "OnlyAnInUseFailureMeansTheDatabaseIsOpenElsewhere",
     .fail = {{"openDatabaseExclusiveReadOnly", LauncherError(3044, "パスが不正です。")}},
     .shown = {"messageBox(【3044】パスが不正です。|Error At xLoadAccess|48)"},
     .absent = {"accessByPath", "startProgram"}},
    {.name = "NoInstalledApplicationIsReported",
     .registry = "",
     .shown = {"beep()",
               "messageBox(「Access」インストールパスを取得できませんでした。|xLoadAccess-GfncGetAc2003Path|16)"},
     .absent = {"startProgram"}},
    {.name = "MainWindowThatNeverAppearsIsReported",
     .windows = std::vector<TopLevelWindow>{},
     .shown = {"beep()",
               "messageBox(Accessを取得できませんでした。\r一旦終了し、再度実行してください。|Access取得エラー|16)"},
     .absent = {"accessByPath"}},
    {.name = "StartedApplicationIsTakenAgainAfter10And60Seconds",
     .setup = [](FakePlatform& p) { p.failNext("accessByPath", LauncherError(432, "見つかりません。"), 2); },
     .made = {takeStarted, "sleep(10000)", takeStarted, "sleep(60000)", takeStarted, "access.openForm(frmMenu)"}},
    {.name = "StartedApplicationThatCannotBeTakenThreeTimesIsReported",
     .setup = [](FakePlatform& p) { p.failNext("accessByPath", LauncherError(432, "見つかりません。"), 3); },
     .shown = {"messageBox(Accessが起動できません。\r\nしばらくしてから再度実行してください。\r\n\r\n見つかりません。|"
               "Access起動エラー(GetObject)|48)"},
     .absent = {"access."}},
    {.name = "HiddenApplicationIsBroughtToTheFrontByItsTitle",
     .fail = {{"access.setVisible", LauncherError(2046, "使用できません。")}},
     .made = {"access.setVisible(true)", "bringToFront(9)", "access.runCommand(10)", "access.openForm(frmMenu)"}},
    {.name = "HiddenApplicationWithoutAWindowIsReported",
     .fail = {{"access.setVisible", LauncherError(2046, "使用できません。")}},
     .answers = {{"access.databaseProperty(AppTitle)", "別の題"}},
     .shown = {"messageBox(プロシージャの呼び出し、または引数が不正です。|ovnqtverup|0)"},
     .absent = {"access.openForm", "bringToFront"}},
    {.name = "CancelledStartFormClosesTheApplicationSilently",
     .fail = {{"access.openForm", LauncherError(2501, "取り消されました。")}},
     .made = {"access.openForm(frmMenu)", "access.doCmdQuit(2)"}},
    {.name = "FailedStartFormClosesTheApplicationAndTellsWhy",
     .fail = {{"access.openForm", LauncherError(2102, "フォームがありません。")},
              {"access.doCmdQuit", LauncherError(2046, "使用できません。")}},
     .shown = {"beep()", "messageBox(起動できません\r\r(2102)\rフォームがありません。|ovnqtverup|48)"},
     .made = {"access.openForm(frmMenu)", "access.doCmdQuit(2)"}},
    {.name = "SettingsProgramEntersFieldsWithoutMovingTheCursor",
     .setup = [](FakePlatform& p) { p.executableName = "OvnSet"; },
     .made = {"access.setOption(Behavior Entering Field|0)"}},
};

void PrintTo(const StartCase& c, std::ostream* out) { *out << c.name; }

class StartSequence : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartSequence, Runs)
{
    const StartCase& c = GetParam();
    FakePlatform platform;
    std::tie(platform.files, platform.shortPaths, platform.registry) =
        std::tuple(c.files, c.shortPaths, RegFile::parse(c.registry));
    platform.files.insert({{iniPath, c.ini}, {database, ""}});
    if (!c.answers.empty()) platform.accessAnswers = c.answers;
    if (c.windows) platform.windows = [&](std::uint32_t) { return *c.windows; };
    if (c.setup) c.setup(platform);
    for (const auto& [call, error] : c.fail) platform.failNext(call, error);

    EXPECT_EQ(runGuarded(platform), c.exitCode);
    EXPECT_EQ(platform.callsStartingWith({"beep", "messageBox"}), c.shown);
    Calls made = platform.calls;
    std::erase_if(made, [&](const std::string& call) { return std::ranges::find(c.made, call) == c.made.end(); });
    EXPECT_EQ(made, c.made);
    for (const std::string& prefix : c.absent) EXPECT_EQ(platform.callsStartingWith({prefix}), Calls{});
    // Every way out puts the progress window away and the pointer back.
    EXPECT_EQ(Calls(platform.calls.end() - 2, platform.calls.end()),
              (Calls{"closeProgressWindow()", "setMousePointer(0)"}));
}

INSTANTIATE_TEST_SUITE_P(Launcher, StartSequence, ::testing::ValuesIn(startCases),
                         [](const auto& test) { return test.param.name; });

TEST(AccessWindowWatch, OnlyTheOpenedMainWindowOfTheProcessCountsWithinAbout180Seconds)
{
    // Hung, of another process or class, still titled just "Access", blank or invisible: none counts.
    std::vector<TopLevelWindow> others{window(1, "ケア管理"), window(2, "ケア管理", 17), window(3, " Access "),
                                       window(4, "  "),       window(5, "ケア管理"),     window(6, "ケア管理")};
    std::tie(others[0].hung, others[4].visible, others[5].className) = std::tuple(true, false, "OSplash");
    // The second start wraps the millisecond counter during the wait.
    for (const std::uint32_t start : {1'000U, 0xFFFFFFFFU - 7'000})
        for (const bool appears : {true, false}) {
            FakePlatform platform;
            platform.clock = start;
            platform.windows = [&](std::uint32_t clock) {
                std::vector<TopLevelWindow> windows = others;
                if (appears && clock - start >= 12'000) windows.push_back(window(9, "ケア管理"));
                return windows;
            };
            EXPECT_EQ(waitForAccessWindow(platform, FakePlatform::startedProcess), appears);
            EXPECT_EQ(platform.callsStartingWith({"sleep(5000)"}).size(), appears ? 3U : 36U) << start;
        }
}

TEST(AccessLocator, SearchOrderFollowsTheBootType)
{
    // A: class registration, B: installation key (15 and 16 each also try the other's), C: application path.
    const std::pair<int, const char*> orders[] = {
        {1, "A11 B11 "},       {102, "B14 A14 "},         {131, "A15 B15 B16 "},       {132, "B15 B16 A15 A16 "},
        {160, "A16 B16 B15 "}, {162, "B16 B15 A16 A15 "}, {999, "B16 B15 A16 A15 C "}, {12345, "B16 B15 A16 A15 C "}};
    for (const auto& [bootType, searches] : orders) {
        FakePlatform platform;
        EXPECT_EQ(AccessLocator(platform).findAccessProgram(static_cast<AccessBootType>(bootType)), "");
        const std::string a = "machineValue(Software\\Classes\\Access.Application.",
                          b = "machineKeyExists(Software\\Microsoft\\Office\\";
        std::string made;
        for (const std::string& call : platform.callsStartingWith({"machine"})) {
            if (call.starts_with(a)) made += "A" + call.substr(a.size(), 2) + " ";
            if (call.starts_with(b)) made += "B" + call.substr(b.size(), 2) + " ";
            if (call.find("App Paths") != std::string::npos) made += "C ";
        }
        EXPECT_EQ(made, searches) << bootType;
    }
}

TEST(SettingsRoutines, ShortFormOnlyForPathsWithABlankOrBeyond255BytesAndNoTrailingBackslash)
{
    FakePlatform platform;
    const std::string longPath = "C:\\" + std::string(252, 'a');
    platform.shortPaths = {{"D:\\My App\\", "D:\\MYAPP~1\\"}, {longPath + "b", "C:\\AAAAAA~1"}, {longPath, "never"}};
    EXPECT_EQ(shortPath(platform, "D:\\My App\\"), "D:\\MYAPP~1\\");
    EXPECT_EQ(shortPath(platform, longPath + "b"), "C:\\AAAAAA~1");
    for (const std::string& kept : {longPath, std::string("D:\\APP\\"), std::string("D:\\No Short\\")})
        EXPECT_EQ(shortPath(platform, kept), kept);
    const Calls asked = platform.callsStartingWith({"shortPathName"});
    EXPECT_EQ(std::make_tuple(asked.front(), asked.size()), std::make_tuple("shortPathName(D:\\My App\\|300)", 3U));

    platform.files[iniPath] = "[VERUP]\nFMenu=frmMenu\\\n";
    EXPECT_EQ(readIniSetting(platform, "ovnVerUP.ini", "VERUP", "FMenu", ""), "frmMenu");
}

TEST(ProfileString, AnswersLikeTheWindowsProfileReader)
{
    std::ifstream file(std::string(KINSKETCH_FIXTURE_DIR) + "/launcher/profile_rules.ini", std::ios::binary);
    const std::string ini{std::istreambuf_iterator<char>(file), {}};
    for (const ProfileCase& c : profileRulesCases)
        EXPECT_EQ(readProfileString(ini, c.section, c.key, 255), c.expected) << c.section << "/" << c.key;
    // Comments, text outside sections, broken section lines and small buffers.
    const std::string outside = "AppDB=before.mdb\n[VERUP]\n;AppDB=comment.mdb\n  ; FMenu=x\n";
    const std::string values = "[VERUP]\nk=abcdef\nlast=xyz";
    // clang-format off
    const std::tuple<std::string, const char*, std::size_t, const char*> cases[] = {
        {outside, "AppDB", 255, ""}, {outside, ";AppDB", 255, ""}, {outside, "FMenu", 255, ""},
        {values, "k", 4, "abc"}, {values, "k", 1, ""}, {values, "k", 0, ""}, {values, "last", 255, "xyz"},
        {"[VERUP\nAppDB=a.mdb\n", "AppDB", 255, ""}, {"[VERUP] trailing\nAppDB=a.mdb\n", "AppDB", 255, "a.mdb"}};
    // clang-format on
    for (const auto& [text, key, bufferSize, expected] : cases)
        EXPECT_EQ(readProfileString(text, "VERUP", key, bufferSize), expected) << text << key;
}

const std::string exportText = "Windows Registry Editor Version 5.00\r\n\r\n"
                               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\Access.Application.16\\CLSID]\r\n"
                               "@=\"{73A4C9C1-D68D-11D0-98BF-00A0C90DC8D9}\"\r\n\r\n"
                               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Office\\16.0\\Access\\InstallRoot]\r\n"
                               "\"Path\"=\"C:\\\\Program Files\\\\Office \\\"16\\\"\\\\\"\r\n"
                               "\"Binary\"=hex:01,02,\\\r\n  03\r\n"
                               "\"Count\"=dword:00000001\r\n\r\n"
                               "[HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Office\\14.0\\Access\\InstallRoot]\r\n"
                               "\"Path\"=\"C:\\\\User\\\\\"\r\n";

TEST(RegFile, ReadsMachineStringValuesOfBothExportEncodings)
{
    const std::string installRoot = "Software\\Microsoft\\Office\\16.0\\Access\\InstallRoot";
    std::string utf16le = "\xFF\xFE";
    for (char c : exportText) utf16le += {c, '\0'};
    for (const std::string& bytes : {exportText, utf16le}) {
        const RegFile file = RegFile::parse(bytes);
        EXPECT_EQ(file.value("Software\\Classes\\Access.Application.16\\CLSID", ""),
                  "{73A4C9C1-D68D-11D0-98BF-00A0C90DC8D9}");
        EXPECT_EQ(file.value("software\\microsoft\\office\\16.0\\access\\installroot", "path"),
                  "C:\\Program Files\\Office \"16\"\\");
        for (const char* name : {"Binary", "Count", ""}) EXPECT_FALSE(file.value(installRoot, name)) << name;
        EXPECT_TRUE(file.keyExists(installRoot) && file.keyExists("SOFTWARE\\Microsoft\\Office\\16.0"));
        for (const char* absent :
             {"Software\\Microsoft\\Office\\16", "Software\\Microsoft\\Office\\14.0\\Access\\InstallRoot"})
            EXPECT_FALSE(file.keyExists(absent)) << absent;
    }
}

} // namespace
} // namespace kinsketch::launcher
