#include "launcher/linux/linux_platform.h"

#include "launcher/core/launcher_error.h"
#include "launcher/core/profile_string.h"
#include "launcher/linux/progress_window.h"
#include "launcher/linux/standin_access.h"

#include <QApplication>
#include <QMessageBox>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace kinsketch::launcher {

namespace fs = std::filesystem;

namespace {

std::string nativePath(std::string path)
{
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
    return path;
}

std::optional<std::string> fileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

QString displayText(std::string text)
{
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            shown += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            shown += text[i];
        }
    }
    return QString::fromStdString(shown);
}

std::string iconName(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::critical: return "critical";
    case MessageIcon::exclamation: return "exclamation";
    case MessageIcon::none: break;
    }
    return "no icon";
}

} // namespace

LinuxPlatform::LinuxPlatform(std::string ownFolder, std::string executableName, bool unattended, std::ostream& out)
    : ownFolder_(std::move(ownFolder))
    , executableName_(std::move(executableName))
    , unattended_(unattended)
    , out_(out)
{
    const std::string registryPath = ownFolder_ + "/" + registryFileName;
    if (const auto bytes = fileText(registryPath)) {
        registry_ = RegFile::parse(*bytes);
        print("registry read from " + registryPath);
    } else {
        print("no " + registryPath + ": the registry is empty");
    }
}

LinuxPlatform::~LinuxPlatform()
{
    if (instanceLock_ >= 0) ::close(instanceLock_);
}

void LinuxPlatform::print(const std::string& line) { out_ << "[stand-in] " << line << std::endl; }

std::string LinuxPlatform::hostStandInPath() const { return ownFolder_ + "/" + hostStandInName; }

std::string LinuxPlatform::ownFolder() { return ownFolder_; }
std::string LinuxPlatform::ownExecutableName() { return executableName_; }

bool LinuxPlatform::acquireSingleInstance(const std::string& name)
{
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    const fs::path folder =
        runtimeDir != nullptr && *runtimeDir != '\0' ? fs::path(runtimeDir) : fs::temp_directory_path();
    const std::string lockPath = (folder / (name + ".lock")).string();
    instanceLock_ = ::open(lockPath.c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0600);
    const bool acquired = instanceLock_ >= 0 && ::flock(instanceLock_, LOCK_EX | LOCK_NB) == 0;
    print("single instance lock " + lockPath + (acquired ? ": acquired" : ": held by another copy"));
    return acquired;
}

bool LinuxPlatform::fileExists(const std::string& path)
{
    std::error_code error;
    const bool exists = fs::is_regular_file(nativePath(path), error);
    print("file " + nativePath(path) + (exists ? " exists" : " does not exist"));
    return exists;
}

std::string LinuxPlatform::profileString(const std::string& path, const std::string& section, const std::string& key,
                                         std::size_t bufferSize)
{
    const auto text = fileText(nativePath(path));
    const std::string value = text ? readProfileString(*text, section, key, bufferSize) : std::string();
    print("profile [" + section + "] " + key + " = \"" + value + "\"");
    return value;
}

std::optional<std::string> LinuxPlatform::shortPathName(const std::string& path, std::size_t)
{
    print("no short name for \"" + path + "\" on this file system");
    return std::nullopt;
}

std::size_t LinuxPlatform::ansiLength(const std::string& text) { return text.size(); }

bool LinuxPlatform::machineKeyExists(const std::string& subKey)
{
    const bool exists = registry_.keyExists(subKey);
    print("registry key HKLM\\" + subKey + (exists ? " exists" : " is missing"));
    return exists;
}

std::optional<std::string> LinuxPlatform::machineValue(const std::string& subKey, const std::string& valueName)
{
    const auto value = registry_.value(subKey, valueName);
    print("registry value HKLM\\" + subKey + " [" + (valueName.empty() ? "(default)" : valueName) + "] " +
          (value ? "= \"" + *value + "\"" : "is missing"));
    return value;
}

ProcessId LinuxPlatform::startProgram(const std::string& commandLine, WindowState)
{
    print("start minimised without focus: " + commandLine);
    const std::string host = hostStandInPath();
    std::vector<char*> argv{const_cast<char*>(host.c_str()), const_cast<char*>(commandLine.c_str()), nullptr};
    pid_t processId = 0;
    if (::posix_spawn(&processId, host.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
        throw LauncherError(error_number::fileNotFound, "ファイルが見つかりません。");
    }
    print("host stand-in started as process " + std::to_string(processId));
    return static_cast<ProcessId>(processId);
}

std::vector<TopLevelWindow> LinuxPlatform::topLevelWindows()
{
    std::vector<TopLevelWindow> windows;
    std::error_code error;
    const fs::path host = fs::weakly_canonical(hostStandInPath(), error);
    for (const auto& entry : fs::directory_iterator("/proc", error)) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos) continue;
        std::error_code readError;
        if (fs::read_symlink(entry.path() / "exe", readError) != host) continue;
        const auto processId = static_cast<ProcessId>(std::stoul(name));
        windows.push_back({processId, "OMain", StandInAccess::appTitle, processId, true, false});
    }
    print(std::to_string(windows.size()) + " host stand-in window(s) found");
    return windows;
}

void LinuxPlatform::bringToFront(WindowHandle window)
{
    print("bring window of process " + std::to_string(window) + " to the front");
}

std::uint32_t LinuxPlatform::tickCount()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void LinuxPlatform::sleep(std::uint32_t milliseconds)
{
    print("sleep " + std::to_string(milliseconds) + " ms");
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void LinuxPlatform::openDatabaseExclusiveReadOnly(const std::string& engineClass, const std::string& path)
{
    print(engineClass + ": open \"" + path + "\" exclusive, read-only");
    const std::string file = nativePath(path);
    const int descriptor = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        if (errno == EACCES)
            throw LauncherError(3051, "ファイル '" + path + "' を開けません。アクセス許可がありません。");
        throw LauncherError(3024, "ファイル '" + path + "' が見つかりませんでした。");
    }
    const bool locked = ::flock(descriptor, LOCK_EX | LOCK_NB) == 0;
    ::close(descriptor);
    print(locked ? "opened and closed again" : "in use by another process");
    if (!locked) throw LauncherError(3045, "'" + path + "' を使用できませんでした。ファイルは既に使用されています。");
}

std::unique_ptr<AccessApplication> LinuxPlatform::createAccessApplication(const std::string& programId)
{
    print("CreateObject(\"" + programId + "\")");
    return std::make_unique<StandInAccess>(out_, "new automation object");
}

std::unique_ptr<AccessApplication> LinuxPlatform::accessByPath(const std::string& path)
{
    print("GetObject(\"" + path + "\")");
    return std::make_unique<StandInAccess>(out_, "running host application of " + path);
}

void LinuxPlatform::messageBox(const std::string& text, const std::string& title, MessageIcon icon)
{
    print("message box \"" + title + "\" (" + iconName(icon) + "): " + displayText(text).toStdString());
    if (unattended_) return;
    const QMessageBox::Icon shownIcon = icon == MessageIcon::critical      ? QMessageBox::Critical
                                        : icon == MessageIcon::exclamation ? QMessageBox::Warning
                                                                           : QMessageBox::NoIcon;
    QMessageBox box(shownIcon, QString::fromStdString(title), displayText(text), QMessageBox::Ok);
    box.exec();
}

void LinuxPlatform::beep()
{
    print("beep");
    QApplication::beep();
}

void LinuxPlatform::setMousePointer(MousePointer pointer)
{
    const bool hourglass = pointer == MousePointer::hourglass;
    if (hourglass == hourglass_) return;
    hourglass_ = hourglass;
    if (hourglass)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void LinuxPlatform::processPendingEvents() { QApplication::processEvents(); }

void LinuxPlatform::showProgressWindow(const std::string& message)
{
    print("progress window: " + message);
    if (!progressWindow_) progressWindow_ = std::make_unique<ProgressWindow>();
    progressWindow_->setMessage(QString::fromStdString(message));
    progressWindow_->show();
    progressWindow_->repaint();
}

void LinuxPlatform::closeProgressWindow()
{
    if (!progressWindow_) return;
    print("progress window closed");
    progressWindow_.reset();
}

} // namespace kinsketch::launcher
