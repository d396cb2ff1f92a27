#pragma once
// mdiMenuBar: the two commands that finish a drawing, 保存 and 終了, undo and
// redo, printing, the program's version and the display size of the editing
// screen (its box shows 自動 or the bare percentage, to leave room for 印刷). The window
// only passes the clicks on; what they do belongs to the editing screen
// that owns it.

#include "app/display_fit.h"

#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QToolButton;

namespace kinsketch {

class MenuBar : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kClientTwips{5220, 810};

    struct Commands {
        std::function<void()> save;
        std::function<void()> end;
        std::function<void(int choice)> chooseDisplaySize; // kAutomaticDisplaySize or a percent
        std::function<void()> undo;
        std::function<void()> redo;
        std::function<void()> print;
    };

    MenuBar(Commands commands, DisplayScale scale = {}, QWidget* parent = nullptr);

    QToolButton* saveButton() const { return saveButton_; }
    QToolButton* endButton() const { return endButton_; }
    QToolButton* undoButton() const { return undoButton_; }
    QToolButton* redoButton() const { return redoButton_; }
    QToolButton* printButton() const { return printButton_; }
    // Enables undo and redo as the history allows them.
    void showHistory(bool canUndo, bool canRedo);
    QLabel* versionLabel() const { return versionLabel_; }
    QComboBox* displaySizeBox() const { return displaySizeBox_; }
    // Shows the choice in force without choosing it, the size 自動 comes to,
    // and the fixed sizes the screen does not fit at as not to be chosen.
    void showDisplaySizes(const DisplaySizes& sizes);

private:
    QToolButton* saveButton_;
    QToolButton* endButton_;
    QToolButton* undoButton_;
    QToolButton* redoButton_;
    QToolButton* printButton_;
    QLabel* versionLabel_;
    QComboBox* displaySizeBox_;
};

} // namespace kinsketch
