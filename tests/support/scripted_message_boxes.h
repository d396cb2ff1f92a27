#pragma once
// Answers message boxes from a script and remembers what was asked.

#include "seams/message_boxes.h"

#include <deque>
#include <functional>
#include <stdexcept>
#include <vector>

namespace kinsketch::test {

class ScriptedMessageBoxes : public MessageBoxes {
public:
    MessageAnswer show(const MessageRequest& request) override
    {
        shown.push_back(request);
        if (whileShown) {
            ++open;
            whileShown(request);
            --open;
        }
        if (request.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
        if (answers.empty()) return defaultOf(request); // Enter
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

    bool isShowing() const override { return open > 0; }

    static MessageAnswer defaultOf(const MessageRequest& request)
    {
        const bool restore = request.buttons == MessageButtons::RestoreDiscard;
        // Enter does not answer such a question, so the test would wait for ever.
        if (request.defaultAnswer == DefaultAnswer::None)
            throw std::logic_error("Enter answered a question with no default");
        if (request.defaultAnswer == DefaultAnswer::Affirmative)
            return restore ? MessageAnswer::Restore : MessageAnswer::Yes;
        return restore ? MessageAnswer::Discard : MessageAnswer::No;
    }

    std::deque<MessageAnswer> answers;
    // What the user does while the box is open, before answering it.
    std::function<void(const MessageRequest&)> whileShown;
    int open = 0;
    std::vector<MessageRequest> shown;
};

} // namespace kinsketch::test
