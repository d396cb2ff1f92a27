#pragma once
// Seams for benchmarks: nothing is reported and every question is answered OK.

#include "seams/error_reporter.h"
#include "seams/message_boxes.h"

namespace kinsketch::bench {

class SilentReporter : public ErrorReporter {
public:
    void reportError(std::string_view, std::string_view) override {}
};

class SilentBoxes : public MessageBoxes {
public:
    MessageAnswer show(const MessageRequest&) override { return MessageAnswer::Ok; }
    bool isShowing() const override { return false; }
};

} // namespace kinsketch::bench
