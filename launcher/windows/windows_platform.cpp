#include "launcher/windows/windows_platform.h"

#include "launcher/core/launcher_error.h"
#include "launcher/windows/dispatch_object.h"
#include "launcher/windows/registry_key.h"
#include "launcher/windows/win_text.h"
#include "launcher/windows/windows_access.h"

#include <mmsystem.h>

#include <vector>

namespace kinsketch::launcher {

namespace {

std::wstring ownPath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

int showCommand(WindowState state)
{
    switch (state) {
    case WindowState::minimizedNoFocus: return SW_SHOWMINNOACTIVE;
    }
    return SW_SHOWNORMAL;
}

UINT iconStyle(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::critical: return MB_ICONHAND;
    case MessageIcon::exclamation: return MB_ICONEXCLAMATION;
    case MessageIcon::none: break;
    }
    return 0;
}

std::string windowText(HWND window, int (*read)(HWND, LPWSTR, int))
{
    // The same 260 characters the classic calls were given.
    std::wstring text(260, L'\0');
    const int length = read(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    return utf8FromWide(text);
}

BOOL CALLBACK collectWindow(HWND window, LPARAM windows)
{
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

} // namespace

std::string WindowsPlatform::ownFolder()
{
    const std::wstring path = ownPath();
    std::wstring folder = path.substr(0, path.find_last_of(L'\\'));
    if (folder.size() == 2 && folder[1] == L':') folder += L'\\';
    return utf8FromWide(folder);
}

std::string WindowsPlatform::ownExecutableName()
{
    const std::wstring path = ownPath();
    std::wstring name = path.substr(path.find_last_of(L'\\') + 1);
    return utf8FromWide(name.substr(0, name.find_last_of(L'.')));
}

bool WindowsPlatform::acquireSingleInstance(const std::string& name)
{
    instanceMutex_ = ScopedHandle(CreateMutexW(nullptr, FALSE, wideFromUtf8("Local\\" + name + ".instance").c_str()));
    return instanceMutex_ && GetLastError() != ERROR_ALREADY_EXISTS;
}

bool WindowsPlatform::fileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesW(wideFromUtf8(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        if (GetLastError() == ERROR_NOT_READY) throw LauncherError(68, "デバイスが準備されていません。");
        return false;
    }
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string WindowsPlatform::profileString(const std::string& path, const std::string& section, const std::string& key,
                                           std::size_t bufferSize)
{
    std::string buffer(bufferSize, '\0');
    const DWORD length =
        GetPrivateProfileStringA(ansiFromUtf8(section).c_str(), ansiFromUtf8(key).c_str(), "", buffer.data(),
                                 static_cast<DWORD>(bufferSize), ansiFromUtf8(path).c_str());
    buffer.resize(length);
    return utf8FromAnsi(buffer);
}

std::optional<std::string> WindowsPlatform::shortPathName(const std::string& path, std::size_t bufferSize)
{
    std::string buffer(bufferSize, '\0');
    const DWORD length = GetShortPathNameA(ansiFromUtf8(path).c_str(), buffer.data(), static_cast<DWORD>(bufferSize));
    if (length == 0 || length >= bufferSize) return std::nullopt;
    buffer.resize(length);
    return utf8FromAnsi(buffer);
}

std::size_t WindowsPlatform::ansiLength(const std::string& text) { return ansiFromUtf8(text).size(); }

bool WindowsPlatform::machineKeyExists(const std::string& subKey)
{
    return RegistryKey::openMachineKey(ansiFromUtf8(subKey)).has_value();
}

std::optional<std::string> WindowsPlatform::machineValue(const std::string& subKey, const std::string& valueName)
{
    const auto key = RegistryKey::openMachineKey(ansiFromUtf8(subKey));
    if (!key) return std::nullopt;
    const auto bytes = key->value(ansiFromUtf8(valueName));
    if (!bytes) return std::nullopt;
    return utf8FromAnsi(*bytes);
}

ProcessId WindowsPlatform::startProgram(const std::string& commandLine, WindowState state)
{
    std::wstring command = wideFromUtf8(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand(state));
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
        throw LauncherError(error_number::fileNotFound, "ファイルが見つかりません。");
    }
    const ScopedHandle process(started.hProcess);
    const ScopedHandle thread(started.hThread);
    return started.dwProcessId;
}

std::vector<TopLevelWindow> WindowsPlatform::topLevelWindows()
{
    std::vector<HWND> handles;
    EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&handles));
    std::vector<TopLevelWindow> windows;
    windows.reserve(handles.size());
    for (HWND handle : handles) {
        DWORD processId = 0;
        GetWindowThreadProcessId(handle, &processId);
        windows.push_back({reinterpret_cast<WindowHandle>(handle), windowText(handle, GetClassNameW),
                           windowText(handle, GetWindowTextW), processId, IsWindowVisible(handle) != FALSE,
                           IsHungAppWindow(handle) != FALSE});
    }
    return windows;
}

void WindowsPlatform::bringToFront(WindowHandle window)
{
    const auto handle = reinterpret_cast<HWND>(window);
    if (IsIconic(handle)) ShowWindow(handle, SW_RESTORE);
    SetForegroundWindow(handle);
}

std::uint32_t WindowsPlatform::tickCount() { return timeGetTime(); }

void WindowsPlatform::sleep(std::uint32_t milliseconds) { Sleep(milliseconds); }

void WindowsPlatform::openDatabaseExclusiveReadOnly(const std::string& engineClass, const std::string& path)
{
    DispatchObject engine = DispatchObject::create(engineClass);
    Variant name(path);
    Variant exclusive(true);
    Variant readOnly(true);
    DispatchObject database = engine.object(L"OpenDatabase", {&name, &exclusive, &readOnly});
    // Closed here and now: holding it would keep the database from the host application.
    database.call(L"Close");
}

std::unique_ptr<AccessApplication> WindowsPlatform::createAccessApplication(const std::string& programId)
{
    return std::make_unique<WindowsAccess>(DispatchObject::create(programId));
}

std::unique_ptr<AccessApplication> WindowsPlatform::accessByPath(const std::string& path)
{
    return std::make_unique<WindowsAccess>(DispatchObject::bindToFile(path));
}

void WindowsPlatform::messageBox(const std::string& text, const std::string& title, MessageIcon icon)
{
    MessageBoxW(progressWindow_ ? progressWindow_->handle() : nullptr, wideFromUtf8(text).c_str(),
                wideFromUtf8(title).c_str(), MB_OK | iconStyle(icon));
}

void WindowsPlatform::beep() { MessageBeep(MB_OK); }

void WindowsPlatform::setMousePointer(MousePointer pointer)
{
    SetCursor(LoadCursorW(nullptr, pointer == MousePointer::hourglass ? IDC_WAIT : IDC_ARROW));
}

void WindowsPlatform::processPendingEvents()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void WindowsPlatform::showProgressWindow(const std::string& message)
{
    progressWindow_ = std::make_unique<ProgressWindow>(wideFromUtf8(message));
}

void WindowsPlatform::closeProgressWindow() { progressWindow_.reset(); }

} // namespace kinsketch::launcher
