#pragma once
// Lets the commands that open, close or store windows run one at a time and
// never behind a modal box. A screen reader presses buttons through the
// accessibility bus even while a box is open; a window closed then would be
// freed under the code that waits for the box, and a save would store a
// document that is not yet on the screen.

#include "seams/message_boxes.h"

#include <QApplication>

namespace kinsketch {

class CommandGate {
public:
    explicit CommandGate(const MessageBoxes& boxes)
        : boxes_(boxes)
    {}

    bool isOpen() const { return !running_ && !boxes_.isShowing() && !QApplication::activeModalWidget(); }

    // Runs `command` unless the gate is shut; returns whether it ran.
    template <class Command>
    bool run(Command&& command)
    {
        if (!isOpen()) return false;
        running_ = true;
        struct Reopen {
            bool& running;
            ~Reopen() { running = false; }
        } reopen{running_};
        command();
        return true;
    }

private:
    const MessageBoxes& boxes_;
    bool running_ = false;
};

} // namespace kinsketch
