#pragma once
// Stand-ins for the text dialog and the text measure of a canvas.

#include "genogram/text_dialog.h"
#include "genogram/text_measure.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace kinsketch::test {

// Answers the text dialog from a script; nothing (or an empty script) is a cancel.
class ScriptedTextDialog : public TextDialog {
public:
    std::optional<StyledText> edit(const StyledText& values, const TextPlacement& placement) override
    {
        asked.push_back(values);
        placements.push_back(placement);
        if (answers.empty()) return std::nullopt;
        const std::optional<StyledText> answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void answer(const std::string& text) { answers.push_back(StyledText{text, {}}); }
    std::deque<std::optional<StyledText>> answers;
    std::vector<StyledText> asked;
    std::vector<TextPlacement> placements;
};

// 100 twips per byte of the caption and 200 per line, whatever the font.
class FixedMeasure : public TextMeasure {
public:
    TwipsSize measure(const StyledText& text) const override
    {
        return {100.0F * static_cast<float>(text.caption.size()), 200};
    }
};

} // namespace kinsketch::test
