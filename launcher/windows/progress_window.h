#pragma once

#include <windows.h>

#include <string>

namespace kinsketch::launcher {

// frm_ProcMsg: the please-wait window, a small captioned popup with the
// message label OlblMSG and the gauge as drawn. Destroyed with its owner.
class ProgressWindow {
public:
    explicit ProgressWindow(const std::wstring& message);
    ~ProgressWindow();
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

    HWND handle() const noexcept { return window_; }

private:
    HWND window_ = nullptr;
};

} // namespace kinsketch::launcher
