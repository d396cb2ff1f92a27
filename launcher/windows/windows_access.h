#pragma once

#include "launcher/core/access_application.h"
#include "launcher/windows/dispatch_object.h"

namespace kinsketch::launcher {

// The host application's automation object (Access.Application), late bound.
class WindowsAccess : public AccessApplication {
public:
    explicit WindowsAccess(DispatchObject application)
        : application_(std::move(application))
    {}

    void openCurrentDatabase(const std::string& path, bool exclusive, const std::string& password) override;
    void setUserControl(bool userControl) override;
    void setVisible(bool visible) override;
    void setOption(const std::string& name, const AccessOptionValue& value) override;
    void runCommand(AccessCommand command) override;
    std::string databaseProperty(const std::string& name) override;
    std::string activeFormCaption() override;
    std::string activeReportCaption() override;
    void openForm(const std::string& formName) override;
    void doCmdQuit(QuitOption option) override;

private:
    [[nodiscard]] DispatchObject propertyObject(const std::string& name);

    DispatchObject application_;
};

} // namespace kinsketch::launcher
