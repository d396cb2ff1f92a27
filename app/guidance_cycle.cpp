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
        Msg[1] = text;
        MsgCount = 1;
        return TimerChange::Start;
    case 2:
    case 3:
    case 4:
    case 5:
        Msg[n] = text;
        MsgCount = n;
        return TimerChange::None;
    default:
        return TimerChange::None;
    }
}

void GuidanceCycle::tick()
{
    if (tag_ == 0) return;
    tag_ = tag_ == MsgCount || tag_ == 5 ? 1 : tag_ + 1;
    shown_ = Msg[static_cast<std::size_t>(tag_)];
}

} // namespace kinsketch
