#include "guidance_cycle.h"

namespace kinsketch {

GuidanceCycle::TimerChange GuidanceCycle::setGuidanceLine(std::uint8_t n, const std::string& text)
{
    switch (n) {
    case 0:
        running_ = false;
        shown_ = text;
        tag_ = 0;
        return TimerChange::Stop;
    case 1:
        running_ = true;
        shown_ = text;
        tag_ = 1;
        lines_[1] = text;
        lineCount_ = 1;
        return TimerChange::Start;
    case 2:
    case 3:
    case 4:
    case 5:
        lines_[n] = text;
        lineCount_ = n;
        return TimerChange::None;
    default: return TimerChange::None;
    }
}

GuidanceCycle::TimerChange GuidanceCycle::withdrawLine(const std::string& text)
{
    if (tag_ != 0 || shown_ != text) return TimerChange::None;
    if (lineCount_ == 0) {
        shown_.clear();
        return TimerChange::Stop;
    }
    running_ = true;
    tag_ = 1;
    shown_ = lines_[1];
    return TimerChange::Start;
}

void GuidanceCycle::tick()
{
    if (tag_ == 0) return;
    tag_ = tag_ == lineCount_ || tag_ == 5 ? 1 : tag_ + 1;
    shown_ = lines_[static_cast<std::size_t>(tag_)];
}

} // namespace kinsketch
