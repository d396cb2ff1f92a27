#pragma once
// Watches the user's input to the main window's editing windows: before a
// press or a key the edit before it is closed as a step, after a key, a
// release or the wheel the edit it made is recorded, and the keys of undo
// (Ctrl+Z) and redo (Ctrl+Y, Ctrl+Shift+Z) go to the history before any
// text box can take them for its own undo. A screen reader sets a box's text
// or presses a button with no key or click at all, so a change of a box or a
// button's click is recorded too; a change that a key already recorded, or
// one the screen made itself, finds nothing new to record.

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace kinsketch {

class EditTriggers : public QObject {
public:
    struct Targets {
        // `run` names a typing run: keys in one box, until the focus moves.
        std::function<void(const QString& run)> record;
        std::function<void()> undo;
        std::function<void()> redo;
    };

    EditTriggers(QWidget& main, Targets targets);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString runOf(QWidget& widget) const;
    void watchChanges(QWidget& widget);
    void recordAfter(const QString& run);

    QWidget& main_;
    Targets targets_;
    unsigned focusMoves_ = 0;
};

} // namespace kinsketch
