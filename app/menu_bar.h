#pragma once
// mdiMenuBar: the two commands that finish a drawing, 保存 and 終了, and the
// program's version. The window only passes the clicks on; what they do
// belongs to the editing screen that owns it.

#include <QWidget>

#include <functional>

class QLabel;
class QToolButton;

namespace kinsketch {

class MenuBar : public QWidget {
    Q_OBJECT
public:
    MenuBar(std::function<void()> save, std::function<void()> end, QWidget* parent = nullptr);

    QToolButton* saveButton() const { return saveButton_; }
    QToolButton* endButton() const { return endButton_; }
    QLabel* versionLabel() const { return versionLabel_; }

private:
    QToolButton* saveButton_;
    QToolButton* endButton_;
    QLabel* versionLabel_;
};

} // namespace kinsketch
