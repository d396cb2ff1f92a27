#include "launcher/windows/progress_window.h"

namespace kinsketch::launcher {

namespace {

constexpr int width = 360;
constexpr int height = 110;
const wchar_t* const className = L"ovnqtverup_frm_ProcMsg";

LRESULT CALLBACK progressProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC context = BeginPaint(window, &paint);
        // OshpGage_BASE and OshpGage: a framed bar, partly filled.
        RECT base{20, 62, width - 26, 78};
        FrameRect(context, &base, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        HBRUSH fill = CreateSolidBrush(RGB(0, 0, 128));
        RECT gauge{22, 64, 140, 76};
        FillRect(context, &gauge, fill);
        DeleteObject(fill);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

ProgressWindow::ProgressWindow(const std::wstring& message)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = progressProcedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = className;
    RegisterClassW(&windowClass);

    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    window_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, className, L"ovnqtverup", WS_POPUP | WS_CAPTION, left,
                              top, width, height, nullptr, nullptr, instance, nullptr);
    if (window_ == nullptr) return;
    HWND label = CreateWindowExW(0, L"STATIC", message.c_str(), WS_CHILD | WS_VISIBLE | SS_CENTER, 10, 20, width - 26,
                                 24, window_, nullptr, instance, nullptr);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    UpdateWindow(window_);
}

ProgressWindow::~ProgressWindow()
{
    if (window_ != nullptr) DestroyWindow(window_);
}

} // namespace kinsketch::launcher
