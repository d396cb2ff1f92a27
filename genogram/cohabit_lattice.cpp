#include "cohabit_lattice.h"

#include <array>

namespace kinsketch {
namespace {

constexpr std::array<SegmentSlots, 66> kNormal = {{
    {0, -1},  {1, -1},  {2, -1},  {3, -1},  {0, -1},  {0, 1},   {1, 2},   {2, 3},   {3, -1},  {4, -1},  // 0
    {0, 4},   {0, 5},   {1, 5},   {1, 6},   {2, 6},   {2, 7},   {3, 7},   {3, 8},   {8, -1},  {4, -1},  // 10
    {4, 5},   {5, 6},   {6, 7},   {7, 8},   {8, -1},  {4, -1},  {4, 9},   {5, 9},   {5, 10},  {6, 10},  // 20
    {6, 11},  {7, 11},  {7, 12},  {8, 12},  {8, -1},  {9, -1},  {9, 10},  {10, 11}, {11, 12}, {12, -1}, // 30
    {13, -1}, {9, 13},  {9, 14},  {10, 14}, {10, 15}, {11, 15}, {11, 16}, {12, 16}, {12, 17}, {17, -1}, // 40
    {13, -1}, {13, 14}, {14, 15}, {15, 16}, {16, 17}, {17, -1}, {13, -1}, {13, -1}, {14, -1}, {14, -1}, // 50
    {15, -1}, {15, -1}, {16, -1}, {16, -1}, {17, -1}, {17, -1},                                         // 60
}};

// Where the WIDE rows continue to the right, segments of the normal lattice
// that bordered one slot are shared with a WIDE slot.
struct WideDifference {
    int segment;
    SegmentSlots slots;
};
constexpr std::array<WideDifference, 16> kWideDifferences = {{
    {8, {3, 18}},
    {18, {8, 18}},
    {24, {8, 21}},
    {34, {8, 24}},
    {39, {12, 24}},
    {49, {17, 24}},
    {55, {17, 27}},
    {57, {13, 30}},
    {58, {14, 30}},
    {59, {14, 31}},
    {60, {15, 31}},
    {61, {15, 32}},
    {62, {16, 32}},
    {63, {16, 33}},
    {64, {17, 33}},
    {65, {17, 34}},
}};

constexpr std::array<SegmentSlots, 54> kWideOnly = {{
    {18, -1}, {19, -1}, {20, -1}, {18, 19}, {19, 20}, {20, -1}, {18, 21}, {19, 21}, {19, 22}, {20, 22}, // 66
    {20, 23}, {23, -1}, {21, 22}, {22, 23}, {23, -1}, {21, 24}, {21, 25}, {22, 25}, {22, 26}, {23, 26}, // 76
    {23, -1}, {24, 25}, {25, 26}, {26, -1}, {24, 27}, {25, 27}, {25, 28}, {26, 28}, {26, 29}, {29, -1}, // 86
    {27, 28}, {28, 29}, {29, -1}, {27, 34}, {27, 35}, {28, 35}, {28, 36}, {29, 36}, {29, -1}, {30, -1}, // 96
    {30, 31}, {31, 32}, {32, 33}, {33, 34}, {34, 35}, {35, 36}, {36, -1}, {30, -1}, {31, -1}, {32, -1}, // 106
    {33, -1}, {34, -1}, {35, -1}, {36, -1},                                                             // 116
}};

constexpr std::array<SegmentSlots, 120> makeWide()
{
    std::array<SegmentSlots, 120> wide{};
    for (std::size_t s = 0; s < kNormal.size(); ++s) wide[s] = kNormal[s];
    for (const auto& d : kWideDifferences) wide[static_cast<std::size_t>(d.segment)] = d.slots;
    for (std::size_t s = 0; s < kWideOnly.size(); ++s) wide[kNormal.size() + s] = kWideOnly[s];
    return wide;
}

constexpr std::array<SegmentSlots, 120> kWide = makeWide();

} // namespace

std::span<const SegmentSlots> cohabitLattice(CanvasSize size)
{
    if (size == CanvasSize::Wide) return kWide;
    return kNormal;
}

} // namespace kinsketch
