#pragma once
// Message boxes as modal Qt dialogs, with the buttons captioned in Japanese.

#include "seams/message_boxes.h"

class QWidget;

namespace kinsketch {

class QtMessageBoxes : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* parent = nullptr)
        : parent_(parent)
    {}
    void setParent(QWidget* parent) { parent_ = parent; }
    MessageAnswer show(const MessageRequest& request) override;
    bool isShowing() const override { return open_ > 0; }

private:
    QWidget* parent_;
    int open_ = 0;
};

} // namespace kinsketch
