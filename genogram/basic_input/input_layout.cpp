#include "input_layout.h"

#include <algorithm>
#include <array>

namespace kinsketch {
namespace {

constexpr int kRowPitch = 1560;
constexpr int kFirstRowTop = 480;
constexpr int kBarAbove = 240;       // sibling bar above a row's frames
constexpr int kMarriageBelow = 600;  // marriage line below a row's top
constexpr int kMarriageStart = 1320; // from the left slot's frame Left
constexpr int kDropPoint = 600;
constexpr int kLateDropPoint = 720;
constexpr int kSlashRun = 120;

constexpr std::array<TwipsPlace, 18> kNormalFrames = {{
    {1800, 480},
    {3840, 480},
    {5880, 480},
    {7920, 480}, // 0–3
    {840, 2040},
    {2880, 2040},
    {4920, 2040},
    {6960, 2040},
    {9000, 2040}, // 4–8
    {1920, 3600},
    {3960, 3600},
    {6000, 3600},
    {8040, 3600}, // 9–12
    {960, 5160},
    {3000, 5160},
    {5040, 5160},
    {7080, 5160},
    {9120, 5160}, // 13–17
}};

constexpr std::array<TwipsPlace, 37> kWideFrames = {{
    {1680, 480},  {3480, 480},   {5280, 480},   {7080, 480},                                              // 0–3
    {720, 2040},  {2520, 2040},  {4320, 2040},  {6120, 2040}, {7920, 2040},                               // 4–8
    {1680, 3600}, {3480, 3600},  {5280, 3600},  {7080, 3600},                                             // 9–12
    {720, 5160},  {2520, 5160},  {4320, 5160},  {6120, 5160}, {7920, 5160},                               // 13–17
    {8880, 480},  {10680, 480},  {12480, 480},                                                            // 18–20
    {9720, 2040}, {11520, 2040}, {13320, 2040},                                                           // 21–23
    {8880, 3600}, {10680, 3600}, {12480, 3600},                                                           // 24–26
    {9720, 5160}, {11520, 5160}, {13320, 5160},                                                           // 27–29
    {1680, 6720}, {3480, 6720},  {5280, 6720},  {7080, 6720}, {8880, 6720}, {10680, 6720}, {12480, 6720}, // 30–36
}};

constexpr ConnectorLink bar(int a, int b) { return {LinkKind::Bar, a, b}; }
constexpr ConnectorLink drop(int slot) { return {LinkKind::Drop, slot}; }
constexpr ConnectorLink marriage(int a, int b) { return {LinkKind::Marriage, a, b}; }
constexpr ConnectorLink descent(int marriageLine) { return {LinkKind::Descent, marriageLine}; }

constexpr std::array<ConnectorLink, 121> kLinks = {{
    bar(0, 1),        bar(1, 2),        bar(2, 3),        drop(0),          drop(1),          drop(2),
    drop(3),                                                                                              // 0
    marriage(0, 1),   marriage(1, 2),   marriage(2, 3),   descent(7),       descent(8),       descent(9), // 7
    bar(4, 5),        bar(5, 6),        bar(6, 7),        bar(7, 8),        drop(4),          drop(5),
    drop(6),          drop(7),          drop(8),                          // 13
    marriage(4, 5),   marriage(5, 6),   marriage(6, 7),   marriage(7, 8), // 22
    descent(22),      descent(23),      descent(24),      descent(25),    // 26
    bar(9, 10),       bar(10, 11),      bar(11, 12),      drop(9),          drop(10),         drop(11),
    drop(12),                                                                                              // 30
    marriage(9, 10),  marriage(10, 11), marriage(11, 12), descent(37),      descent(38),      descent(39), // 37
    bar(13, 14),      bar(14, 15),      bar(15, 16),      bar(16, 17),      drop(13),         drop(14),
    drop(15),         drop(16),         drop(17),                                                          // 43
    bar(3, 18),       bar(18, 19),      bar(19, 20),      drop(18),         drop(19),         drop(20),    // 52
    marriage(3, 18),  marriage(18, 19), marriage(19, 20), descent(58),      descent(59),      descent(60), // 58
    bar(8, 21),       bar(21, 22),      bar(22, 23),      drop(21),         drop(22),         drop(23),    // 64
    marriage(8, 21),  marriage(21, 22), marriage(22, 23), descent(70),      descent(71),      descent(72), // 70
    bar(12, 24),      bar(24, 25),      bar(25, 26),      drop(24),         drop(25),         drop(26),    // 76
    marriage(12, 24), marriage(24, 25), marriage(25, 26), descent(82),      descent(83),      descent(84), // 82
    bar(17, 27),      bar(27, 28),      bar(28, 29),      drop(27),         drop(28),         drop(29),    // 88
    marriage(13, 14), marriage(14, 15), marriage(15, 16), marriage(16, 17), marriage(17, 27),              // 94
    marriage(27, 28), marriage(28, 29),                                                                    // 99
    descent(94),      descent(95),      descent(96),      descent(97),      descent(98),      descent(99),
    descent(100),                                                                                          // 101
    bar(30, 31),      bar(31, 32),      bar(32, 33),      bar(33, 34),      bar(34, 35),      bar(35, 36), // 108
    drop(30),         drop(31),         drop(32),         drop(33),         drop(34),         drop(35),
    drop(36), // 114
}};

// Where the descents from the row above arrive on the WIDE panel.
constexpr std::array<int, 13> kWideLateDrops = {5, 6, 7, 8, 14, 15, 16, 17, 21, 22, 27, 28, 29};
constexpr std::array<int, 4> kNormalCaptionLefts = {960, 0, 1080, 120};
constexpr std::array<int, 5> kWideCaptionLefts = {840, -120, 840, -120, 840};

const InputLayout kNormal{
    CanvasSize::Normal, 10665, 6345, kNormalFrames, std::span(kLinks).first(kNormalLineCount), {}, kNormalCaptionLefts,
};

const InputLayout kWide{
    CanvasSize::Wide, 14895, 8085, kWideFrames, kLinks, kWideLateDrops, kWideCaptionLefts,
};

} // namespace

const InputLayout& inputLayout(CanvasSize size) { return size == CanvasSize::Wide ? kWide : kNormal; }

int InputLayout::rowTop(int row) const { return kFirstRowTop + row * kRowPitch; }

LineRole InputLayout::role(int line) const
{
    if (line < 0 || line >= lineCount()) return LineRole::None;
    switch (links[static_cast<std::size_t>(line)].kind) {
    case LinkKind::Marriage: return LineRole::Marriage;
    case LinkKind::Bar: return LineRole::SiblingBar;
    case LinkKind::Drop:
    case LinkKind::Descent: return LineRole::Vertical;
    }
    return LineRole::None;
}

int InputLayout::dropX(int slot) const
{
    const bool late = std::find(lateDropSlots.begin(), lateDropSlots.end(), slot) != lateDropSlots.end();
    return slotFrames[static_cast<std::size_t>(slot)].left + (late ? kLateDropPoint : kDropPoint);
}

TwipsLine InputLayout::line(int k) const
{
    const ConnectorLink& link = links[static_cast<std::size_t>(k)];
    const auto frame = [&](int slot) { return slotFrames[static_cast<std::size_t>(slot)]; };
    switch (link.kind) {
    case LinkKind::Bar: {
        const int y = frame(link.a).top - kBarAbove;
        return {dropX(link.a), y, dropX(link.b), y};
    }
    case LinkKind::Drop: return {dropX(link.a), frame(link.a).top - kBarAbove, dropX(link.a), frame(link.a).top};
    case LinkKind::Marriage: {
        const int y = frame(link.a).top + kMarriageBelow;
        return {frame(link.a).left + kMarriageStart, y, frame(link.b).left, y};
    }
    case LinkKind::Descent: {
        const TwipsLine m = line(link.a);
        const int x = (m.x1 + m.x2) / 2;
        return {x, m.y1, x, m.y1 - kMarriageBelow + kRowPitch - kBarAbove};
    }
    }
    return {};
}

TwipsLine InputLayout::slashS(int k) const
{
    const TwipsLine l = line(k);
    const int m = (l.x1 + l.x2) / 2;
    return {m, l.y1 - kSlashRun, m - kSlashRun, l.y1 + kSlashRun};
}

TwipsLine InputLayout::slashW(int k) const
{
    const TwipsLine l = line(k);
    const int m = (l.x1 + l.x2) / 2;
    return {m + kSlashRun, l.y1 - kSlashRun, m, l.y1 + kSlashRun};
}

int InputLayout::marriageLineCount() const
{
    return static_cast<int>(
        std::count_if(links.begin(), links.end(), [](const ConnectorLink& l) { return l.kind == LinkKind::Marriage; }));
}

} // namespace kinsketch
