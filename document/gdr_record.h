#pragma once
// The working document: one record, written to a .gdr file field by field.
// Texts are UTF-8 in memory and code page 932 on disk; positions are the
// single-precision twips the file stores, never rounded.

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kinsketch {

// Booleans are 16-bit: True = -1, False = 0. They are kept raw so that a
// document read and written unchanged keeps its bytes.
using Bool16 = std::int16_t;
constexpr Bool16 kTrue = -1;
constexpr Bool16 kFalse = 0;
inline constexpr Bool16 toBool16(bool value) { return value ? kTrue : kFalse; }

// Colours are 0x00BBGGRR.
using Colour = std::uint32_t;

constexpr int kSlotCount = 37; // person slots of the WIDE screen
constexpr int kNormalSlotCount = 18;
constexpr int kLineCount = 121; // connector lines of the WIDE screen
constexpr int kNormalLineCount = 52;
constexpr int kTextLabelCount = 101; // element 0 is never used
constexpr int kAddLineCount = 100;
constexpr int kStoredFrameCount = 5;
constexpr int kPointsPerStoredFrame = 20;
constexpr int kCohabitSegCount = 120;
constexpr int kNormalCohabitSegCount = 66;

struct TextLabelRecord {
    std::string Caption;
    std::uint8_t Alignment = 0; // 0 left, 1 right, 2 centre
    std::string FontName;
    std::uint8_t FontSize = 0; // points
    Bool16 FontBold = kFalse;
    Bool16 FontItalic = kFalse;
    Bool16 FontStrikethru = kFalse;
    Bool16 FontUnderline = kFalse;
    Colour ForeColor = 0;
    float Left = 0, Top = 0, Width = 0, Height = 0;
    Bool16 Used = kFalse;

    bool operator==(const TextLabelRecord&) const = default;
};

struct AddLineRecord {
    Bool16 Used = kFalse;
    float X1 = 0, X2 = 0, Y1 = 0, Y2 = 0; // stored in this order

    bool operator==(const AddLineRecord&) const = default;
};

struct FramePointRecord {
    Bool16 Used = kFalse;
    float Top = 0, Left = 0;

    bool operator==(const FramePointRecord&) const = default;
};

struct FrameDotRecord {
    float X = 0, Y = 0; // (0, 0) marks an empty slot

    bool operator==(const FrameDotRecord&) const = default;
};

struct FreeLineRecord {
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    std::int32_t BorderWidth = 0; // pixels
    Colour BorderColor = 0;
    std::int32_t StrokeNo = 0;

    bool operator==(const FreeLineRecord&) const = default;
};

// A one-dimensional array that may be undimensioned, with its own lower bound.
// Every assignment and every access that may change an element moves the
// revision on, so that a view drawn from the elements can tell in constant
// time that it is still current: a document can carry tens of thousands of
// pen records, and the canvas is redrawn on every edit.
template <class T>
class DynamicArray {
public:
    bool dimensioned = false;
    std::int32_t lowerBound = 0;

    DynamicArray() = default;
    DynamicArray(bool isDimensioned, std::int32_t lower, std::vector<T> elements)
        : dimensioned(isDimensioned)
        , lowerBound(lower)
        , items_(std::move(elements))
    {}
    DynamicArray(const DynamicArray& other)
        : dimensioned(other.dimensioned)
        , lowerBound(other.lowerBound)
        , items_(other.items_)
    {}
    DynamicArray(DynamicArray&& other) noexcept
        : dimensioned(other.dimensioned)
        , lowerBound(other.lowerBound)
        , items_(std::move(other.items_))
    {
        ++other.revision_;
    }
    DynamicArray& operator=(const DynamicArray& other)
    {
        if (this != &other) assignFrom(other.dimensioned, other.lowerBound, other.items_);
        return *this;
    }
    DynamicArray& operator=(DynamicArray&& other) noexcept
    {
        if (this != &other) {
            assignFrom(other.dimensioned, other.lowerBound, std::move(other.items_));
            ++other.revision_;
        }
        return *this;
    }
    ~DynamicArray() = default;

    const std::vector<T>& items() const { return items_; }
    std::vector<T>& mutableItems()
    {
        ++revision_;
        return items_;
    }
    std::uint64_t revision() const { return revision_; }

    std::int32_t upperBound() const { return lowerBound + static_cast<std::int32_t>(items_.size()) - 1; }
    bool contains(std::int64_t index) const { return dimensioned && index >= lowerBound && index <= upperBound(); }
    T& operator[](std::int64_t index) { return mutableItems()[static_cast<std::size_t>(index - lowerBound)]; }
    const T& operator[](std::int64_t index) const { return items_[static_cast<std::size_t>(index - lowerBound)]; }

    bool operator==(const DynamicArray& other) const
    {
        return dimensioned == other.dimensioned && lowerBound == other.lowerBound && items_ == other.items_;
    }

private:
    template <class Elements>
    void assignFrom(bool isDimensioned, std::int32_t lower, Elements&& elements)
    {
        dimensioned = isDimensioned;
        lowerBound = lower;
        items_ = std::forward<Elements>(elements);
        ++revision_;
    }

    std::vector<T> items_;
    std::uint64_t revision_ = 0;
};

using FramePointGrid = std::array<std::array<FramePointRecord, kPointsPerStoredFrame>, kStoredFrameCount>;

// Fields in file order. AddLine element j holds added line j + 1 (the document
// numbers them 1–100); WakuPoint[f][p] is point p + 1 of frame f + 1.
struct GdrRecord {
    std::array<std::string, kSlotCount> SymbolKey;
    std::array<std::string, kSlotCount> AgeText;
    std::array<std::string, kSlotCount> RelText;
    std::array<std::uint8_t, kLineCount> LineTag{};
    std::array<TextLabelRecord, kTextLabelCount> TextLabel;
    std::array<AddLineRecord, kAddLineCount> AddLine;
    FramePointGrid WakuPoint;
    DynamicArray<FrameDotRecord> WakuDots;
    std::array<std::uint8_t, kCohabitSegCount> CohabitSeg{};
    std::uint8_t DocWakuMode = 0;
    Bool16 IsNew = kFalse;
    std::array<std::uint8_t, kSlotCount> CohabitFlag{};
    std::string ScreenMode;
    DynamicArray<FreeLineRecord> FreeLine;
    std::string Version;

    bool isWide() const { return ScreenMode == "WIDE"; }
    bool operator==(const GdrRecord&) const = default;
};

constexpr int kRows18CohabitSegCount = 61;

// The oldest layout: 18 rows, 52 lines, 61 frame segments and nothing after IsNew.
struct Rows18Record {
    std::array<std::string, kNormalSlotCount> SymbolKey;
    std::array<std::string, kNormalSlotCount> AgeText;
    std::array<std::string, kNormalSlotCount> RelText;
    std::array<std::uint8_t, kNormalLineCount> LineTag{};
    std::array<TextLabelRecord, kTextLabelCount> TextLabel;
    std::array<AddLineRecord, kAddLineCount> AddLine;
    FramePointGrid WakuPoint;
    DynamicArray<FrameDotRecord> WakuDots;
    std::array<std::uint8_t, kRows18CohabitSegCount> CohabitSeg{};
    std::uint8_t DocWakuMode = 0;
    Bool16 IsNew = kFalse;
};

} // namespace kinsketch
