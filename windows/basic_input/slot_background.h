#pragma once
// Label1: the background of one panel slot. Its colour shows the cohabitant
// mark; a click on it toggles the mark.

#include <QWidget>

namespace kinsketch {

class SlotBackground : public QWidget {
    Q_OBJECT
public:
    explicit SlotBackground(QWidget* parent = nullptr);

    void showMark(int mark);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor colour_;
    bool pressed_ = false;
};

} // namespace kinsketch
