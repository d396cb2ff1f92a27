#pragma once
// Trapped errors shown as the program's error boxes: exclamation icon, OK.

#include "seams/error_reporter.h"
#include "seams/message_boxes.h"

namespace kinsketch {

class MessageBoxErrorReporter : public ErrorReporter {
public:
    explicit MessageBoxErrorReporter(MessageBoxes& boxes)
        : boxes_(boxes)
    {}
    void reportError(std::string_view title, std::string_view text) override
    {
        boxes_.show({std::string(text), std::string(title), MessageIcon::Exclamation, MessageButtons::Ok});
    }

private:
    MessageBoxes& boxes_;
};

} // namespace kinsketch
