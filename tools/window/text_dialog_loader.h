#pragma once
// The text dialog as the canvas uses it: a fresh frmtxtInput for every
// call, unloaded afterwards, so that each opening starts from its defaults.

#include "genogram/text_dialog.h"

#include "seams/message_boxes.h"

class QWidget;

namespace kinsketch {

class TextDialogLoader : public TextDialog {
public:
    explicit TextDialogLoader(MessageBoxes& boxes, QWidget* parent = nullptr)
        : boxes_(boxes)
        , parent_(parent)
    {}
    std::optional<TextFormatting> edit(const TextFormatting& values) override;

private:
    MessageBoxes& boxes_;
    QWidget* parent_;
};

} // namespace kinsketch
