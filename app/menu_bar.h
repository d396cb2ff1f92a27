#pragma once
// mdiMenuBar: the two commands that finish a drawing, 保存 and 終了, the
// program's version and the display size of the editing screen. The window
// only passes the clicks on; what they do belongs to the editing screen
// that owns it.

#include "ui/display_scale.h"

#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QToolButton;

namespace kinsketch {

class MenuBar : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kClientTwips{3360, 810};

    struct Commands {
        std::function<void()> save;
        std::function<void()> end;
        std::function<void(int percent)> chooseDisplaySize;
    };

    MenuBar(Commands commands, DisplayScale scale = {}, QWidget* parent = nullptr);

    QToolButton* saveButton() const { return saveButton_; }
    QToolButton* endButton() const { return endButton_; }
    QLabel* versionLabel() const { return versionLabel_; }
    QComboBox* displaySizeBox() const { return displaySizeBox_; }
    // Shows `scale` as the chosen size without choosing it.
    void showDisplaySize(DisplayScale scale);

private:
    QToolButton* saveButton_;
    QToolButton* endButton_;
    QLabel* versionLabel_;
    QComboBox* displaySizeBox_;
};

} // namespace kinsketch
