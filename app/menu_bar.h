#pragma once
// mdiMenuBar: the two commands that finish a drawing, 保存 and 終了, and the
// program's version. The window only passes the clicks on; what they do
// belongs to the editing screen that owns it.

#include <QWidget>

#include <functional>

class QLabel;
class QToolButton;

namespace kinsketch {

class mdiMenuBar : public QWidget {
    Q_OBJECT
public:
    mdiMenuBar(std::function<void()> save, std::function<void()> end, QWidget* parent = nullptr);

    QToolButton* cmdSave() const { return cmdSave_; }
    QToolButton* cmdEnd() const { return cmdEnd_; }
    QLabel* lblVer() const { return lblVer_; }

private:
    QToolButton* cmdSave_;
    QToolButton* cmdEnd_;
    QLabel* lblVer_;
};

} // namespace kinsketch
