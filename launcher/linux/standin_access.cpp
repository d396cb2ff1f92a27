#include "launcher/linux/standin_access.h"

#include "launcher/core/launcher_error.h"

namespace kinsketch::launcher {

namespace {
std::string yesNo(bool value) { return value ? "True" : "False"; }
} // namespace

StandInAccess::StandInAccess(std::ostream& out, std::string origin)
    : out_(out)
    , origin_(std::move(origin))
{
    print("automation object taken (" + origin_ + ")");
}

StandInAccess::~StandInAccess() { print("automation object released"); }

void StandInAccess::print(const std::string& call) { out_ << "[access stand-in] " << call << std::endl; }

void StandInAccess::openCurrentDatabase(const std::string& path, bool exclusive, const std::string& password)
{
    print("OpenCurrentDatabase \"" + path + "\", " + yesNo(exclusive) + ", \"" + password + "\"");
}

void StandInAccess::setUserControl(bool userControl) { print("UserControl = " + yesNo(userControl)); }
void StandInAccess::setVisible(bool visible) { print("Visible = " + yesNo(visible)); }

void StandInAccess::setOption(const std::string& name, const AccessOptionValue& value)
{
    const std::string text = std::holds_alternative<bool>(value) ? yesNo(std::get<bool>(value))
                                                                 : std::to_string(std::get<std::int32_t>(value));
    print("SetOption \"" + name + "\", " + text);
}

void StandInAccess::runCommand(AccessCommand command)
{
    print("DoCmd.RunCommand " + std::to_string(static_cast<std::int32_t>(command)));
}

std::string StandInAccess::databaseProperty(const std::string& name)
{
    print("CurrentDb.Properties(\"" + name + "\")");
    if (name != "AppTitle") throw LauncherError(3270, "プロパティが見つかりません。");
    return appTitle;
}

std::string StandInAccess::activeFormCaption()
{
    print("Screen.ActiveForm.Caption");
    if (openForm_.empty()) throw LauncherError(2475, "アクティブなフォームがありません。");
    return openForm_;
}

std::string StandInAccess::activeReportCaption()
{
    print("Screen.ActiveReport.Caption");
    throw LauncherError(2476, "アクティブなレポートがありません。");
}

void StandInAccess::openForm(const std::string& formName)
{
    print("DoCmd.OpenForm \"" + formName + "\", acNormal, , , acFormPropertySettings");
    openForm_ = formName;
}

void StandInAccess::doCmdQuit(QuitOption option)
{
    print("DoCmd.Quit " + std::to_string(static_cast<std::int32_t>(option)));
}

} // namespace kinsketch::launcher
