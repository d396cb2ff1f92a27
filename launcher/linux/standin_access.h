#pragma once

#include "launcher/core/access_application.h"

#include <ostream>
#include <string>

namespace kinsketch::launcher {

// Stands in for the host application's automation object where none can
// exist: prints every call it receives and answers as a running host
// application with the database open would.
class StandInAccess : public AccessApplication {
public:
    StandInAccess(std::ostream& out, std::string origin);
    ~StandInAccess() override;
    StandInAccess(const StandInAccess&) = delete;
    StandInAccess& operator=(const StandInAccess&) = delete;

    // The title the stand-in database carries; the stand-in host windows show it too.
    static constexpr const char* appTitle = "ケア管理 (stand-in)";

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
    void print(const std::string& call);

    std::ostream& out_;
    std::string origin_;
    std::string openForm_;
};

} // namespace kinsketch::launcher
