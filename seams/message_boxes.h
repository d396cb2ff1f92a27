#pragma once
// Every message box of the program goes through this seam, so that tests can
// answer the questions and read what was said.

#include <string>

namespace kinsketch {

enum class MessageIcon { None, Exclamation, Question, Information, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct MessageRequest {
    std::string text;
    std::string title; // empty: the application's title
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Yes/No questions default to No; only Yes proceeds.
    virtual MessageAnswer show(const MessageRequest& request) = 0;
    // Whether a box is open: the code that showed it waits for the answer.
    virtual bool isShowing() const = 0;
};

// The title of message boxes that carry none of their own.
inline constexpr const char* kApplicationTitle = "Kinsketch";

} // namespace kinsketch
