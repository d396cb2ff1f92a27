#pragma once
// Stand-ins for the text dialog and the text measure of a canvas.

#include "genogram/text_dialog.h"
#include "genogram/text_measure.h"

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kinsketch::test {

// Answers the text dialog from a script; nothing (or an empty script) is a cancel.
class ScriptedTextDialog : public TextDialog {
public:
    std::optional<TextFormatting> edit(const TextFormatting& values, const TextPlacement& placement) override
    {
        asked.push_back(values);
        placements.push_back(placement);
        if (answers.empty()) return std::nullopt;
        const std::optional<TextFormatting> answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void answer(const std::string& text, std::string font = {}, std::uint8_t size = 0)
    {
        answers.push_back(TextFormatting{text, std::move(font), size});
    }
    std::deque<std::optional<TextFormatting>> answers;
    std::vector<TextFormatting> asked;
    std::vector<TextPlacement> placements;
};

// 100 twips per byte of the caption and 200 per line, whatever the font.
class FixedMeasure : public TextMeasure {
public:
    TwipsSize measure(const LabelWidget& label) const override
    {
        return {100.0F * static_cast<float>(label.caption.size()), 200};
    }
};

} // namespace kinsketch::test
