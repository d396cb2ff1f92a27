#pragma once
// Answers message boxes from a script and remembers what was asked.

#include "seams/message_boxes.h"

#include <deque>
#include <vector>

namespace kinsketch::test {

class ScriptedMessageBoxes : public MessageBoxes {
public:
    MessageAnswer show(const MessageRequest& request) override
    {
        shown.push_back(request);
        if (request.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
        if (answers.empty()) return MessageAnswer::No; // the default button
        const MessageAnswer next = answers.front();
        answers.pop_front();
        return next;
    }
    std::vector<std::string> texts() const
    {
        std::vector<std::string> out;
        for (const auto& r : shown) out.push_back(r.text);
        return out;
    }

    std::deque<MessageAnswer> answers;
    std::vector<MessageRequest> shown;
};

} // namespace kinsketch::test
