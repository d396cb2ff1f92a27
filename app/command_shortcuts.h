#pragma once
// The editing screen's keyboard: shortcuts for its commands (keys in
// app/command_keys.h) and F6 / Shift+F6 from window to window. They sit on
// the main window, so they work whichever of its windows has the focus, and
// each runs what its button runs, refused as the button would be.

#include <QShortcut>

#include <functional>
#include <memory>
#include <vector>

namespace kinsketch {

class MainWindow;

class CommandShortcuts {
public:
    struct Commands {
        std::function<void()> save;
        std::function<void()> print;
        std::function<void(int button)> chooseInputMode; // 1–3, as the mode bar numbers them
        std::function<void(int steps)> stepDisplaySize;  // +1: the next larger size
        std::function<void()> automaticDisplaySize;
    };

    // The shortcuts go with this object: the main window outlives the screen that owns it.
    CommandShortcuts(MainWindow& main, Commands commands);

private:
    void onKey(MainWindow& main, const QKeySequence& key, std::function<void()> action);

    std::vector<std::unique_ptr<QShortcut>> shortcuts_;
};

// Activates the window `step` places after (or before) the active one in
// reading order (top to bottom, left to right) and gives the focus to its
// first control.
void focusNextWindow(MainWindow& main, int step);

} // namespace kinsketch
