#pragma once
// What the guidance box shows: up to five hint lines shown in turn, or one
// fixed line. The box's timer calls tick() every 2.5 seconds while the
// cycle runs.

#include <array>
#include <cstdint>
#include <string>

namespace kinsketch {

class GuidanceCycle {
public:
    // Returns whether the cycle (re)starts (n = 1) or stops (n = 0); the
    // caller arms or disarms its timer accordingly.
    enum class TimerChange { None, Start, Stop };
    TimerChange setGuidanceLine(std::uint8_t n, const std::string& text);
    void tick();
    // When `text` is the fixed line on show, the hints come back in turn
    // from the first; any other line stays.
    TimerChange withdrawLine(const std::string& text);

    const std::string& shown() const { return shown_; }
    // The number of the line on show; 0 for a fixed line.
    int tag() const { return tag_; }
    bool running() const { return running_; }

private:
    std::array<std::string, 6> lines_; // element 0 unused
    int lineCount_ = 0;
    int tag_ = 0;
    std::string shown_;
    bool running_ = false;
};

} // namespace kinsketch
