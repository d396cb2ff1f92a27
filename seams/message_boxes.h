#pragma once
// Every message box of the program goes through this seam, so that tests can
// answer the questions and read what was said.

#include <cstdint>
#include <string>
#include <vector>

namespace kinsketch {

enum class MessageIcon { None, Exclamation, Question, Information, Critical };
// RestoreDiscard: 復元する / 破棄する, the question about edits a run left unsaved.
enum class MessageButtons { Ok, YesNo, RestoreDiscard };
enum class MessageAnswer { Ok, Yes, No, Restore, Discard };
// What Enter presses. With no default, Enter, Esc and the close button
// choose nothing: the user has to pick one of the answers.
enum class DefaultAnswer { Negative, Affirmative, None };

// A picture shown in the box in place of its icon, scaled down to fit the screen.
struct MessagePicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb; // row by row, 0xAARRGGBB

    bool empty() const { return argb.empty(); }
};

struct MessageRequest {
    std::string text;
    std::string title; // empty: the application's title
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    DefaultAnswer defaultAnswer = DefaultAnswer::Negative;
    MessagePicture picture{};
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Unless the request says otherwise, questions default to the answer that
    // does nothing (いいえ); only はい proceeds.
    virtual MessageAnswer show(const MessageRequest& request) = 0;
    // Whether a box is open: the code that showed it waits for the answer.
    virtual bool isShowing() const = 0;
};

// The title of message boxes that carry none of their own.
inline constexpr const char* kApplicationTitle = "Kinsketch";

} // namespace kinsketch
