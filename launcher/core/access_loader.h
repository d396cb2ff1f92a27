#pragma once

#include "launcher/core/access_boot_type.h"
#include "launcher/core/platform.h"

#include <memory>
#include <string>

namespace kinsketch::launcher {

// Loading the host application (xLoadAccess): opens the database in a host
// application, bringing one that already has it open to the front, or starts
// one (by automation or as a program, as the AccessBootType says), sets its
// options and opens the start form.
class AccessLoader {
public:
    AccessLoader(Platform& platform, AccessBootType accessBootType)
        : platform_(platform)
        , accessBootType_(accessBootType)
    {}

    // false when a step failed and the user has been told; the start routine
    // ends the same way either way.
    bool load(const std::string& databasePath, const std::string& startForm);

private:
    enum class DatabaseUse { free, inUse, unknown };

    bool loadOrThrow(const std::string& databasePath, const std::string& startForm);
    [[nodiscard]] DatabaseUse databaseUse(const std::string& databasePath);
    void activateRunningAccess(const std::string& databasePath);
    [[nodiscard]] std::unique_ptr<AccessApplication> openByAutomation(const std::string& databasePath);
    [[nodiscard]] bool startAsProgram(const std::string& databasePath);
    [[nodiscard]] std::unique_ptr<AccessApplication> takeStartedAccess(const std::string& databasePath);
    void setOptions(AccessApplication& access);
    void showMaximised(AccessApplication& access);
    void openStartForm(AccessApplication& access, const std::string& startForm);
    bool appActivate(const std::string& title);

    Platform& platform_;
    AccessBootType accessBootType_;
};

} // namespace kinsketch::launcher
