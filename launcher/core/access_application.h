#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace kinsketch::launcher {

using AccessOptionValue = std::variant<bool, std::int32_t>;

// The host's own numbers of the few commands and quit options the launcher uses.
enum class AccessCommand : std::int32_t { appMaximize = 10 };
enum class QuitOption : std::int32_t { saveNone = 2 };

// The host database application's automation object, late bound. Every member
// forwards one call and throws LauncherError with the application's error
// number and description when the call fails; what a failure means is decided
// by the caller. Destroying the object releases it.
class AccessApplication {
public:
    virtual ~AccessApplication() = default;

    virtual void openCurrentDatabase(const std::string& path, bool exclusive, const std::string& password) = 0;
    virtual void setUserControl(bool userControl) = 0;
    virtual void setVisible(bool visible) = 0;
    virtual void setOption(const std::string& name, const AccessOptionValue& value) = 0;
    virtual void runCommand(AccessCommand command) = 0;
    [[nodiscard]] virtual std::string databaseProperty(const std::string& name) = 0;
    [[nodiscard]] virtual std::string activeFormCaption() = 0;
    [[nodiscard]] virtual std::string activeReportCaption() = 0;
    // Opens the form in normal view with the data mode of the form's own settings.
    virtual void openForm(const std::string& formName) = 0;
    virtual void doCmdQuit(QuitOption option) = 0;
};

} // namespace kinsketch::launcher
