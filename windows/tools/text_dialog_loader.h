#pragma once
// The text dialog as the canvas uses it: a fresh frmtxtInput for every
// call, unloaded afterwards, so that each opening starts from its defaults.

#include "text_input_dialog.h"

#include "genogram/text_dialog.h"

#include "seams/message_boxes.h"
#include "ui/display_scale.h"

class QWidget;

namespace kinsketch {

// The display size is followed, not copied: it may change between openings.
class TextDialogLoader : public TextDialog {
public:
    TextDialogLoader(MessageBoxes& boxes, const DisplayScale& scale, QWidget* parent = nullptr)
        : boxes_(boxes)
        , scale_(scale)
        , parent_(parent)
    {}
    TextDialogLoader(MessageBoxes&, DisplayScale&&, QWidget* = nullptr) = delete;
    std::optional<StyledText> edit(const StyledText& values, const TextPlacement& placement) override;
    void tellCutTextTo(TextInputDialog::CutTextTeller teller) { tellCutText_ = std::move(teller); }

private:
    MessageBoxes& boxes_;
    const DisplayScale& scale_;
    QWidget* parent_;
    TextInputDialog::CutTextTeller tellCutText_ = [](const std::string&) {};
};

} // namespace kinsketch
