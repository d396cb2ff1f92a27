#pragma once
// A child window of the main window that is made on first use and destroyed
// on unload, as every bar and editing window is. The slot watches the window,
// so a window that went with the main window is not destroyed twice.

#include "app/main_window.h"
#include "ui/child_window_frame.h"

#include <QPointer>

namespace kinsketch {

template <class Window>
class ChildWindowSlot {
public:
    // The window; on first use `make` builds it, it joins the main window at
    // its place, and `prepare` runs on it there.
    template <class Make, class Prepare>
    Window& ensure(MainWindow& main, Make&& make, Prepare&& prepare)
    {
        if (!window_) {
            window_ = make();
            main.addChildWindow(window_);
            prepare(*window_);
        }
        return *window_;
    }
    template <class Make>
    Window& ensure(MainWindow& main, Make&& make)
    {
        return ensure(main, std::forward<Make>(make), [](Window&) {});
    }

    void unload()
    {
        MainWindow::unloadChildWindow(window_);
        window_ = nullptr;
    }

    // For a window whose own event is still on the stack: it goes once that returns.
    void unloadLater()
    {
        if (window_) frameOf(*window_).deleteLater();
        window_ = nullptr;
    }

    Window* get() const { return window_.data(); }
    bool loaded() const { return !window_.isNull(); }

private:
    QPointer<Window> window_;
};

} // namespace kinsketch
