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
    std::string caption;
    std::uint8_t alignment = 0; // 0 left, 1 right, 2 centre
    std::string fontName;
    std::uint8_t fontSize = 0; // points
    Bool16 bold = kFalse;
    Bool16 italic = kFalse;
    Bool16 strikethrough = kFalse;
    Bool16 underline = kFalse;
    Colour colour = 0;
    float left = 0, top = 0, width = 0, height = 0;
    Bool16 used = kFalse;

    bool operator==(const TextLabelRecord&) const = default;
};

struct AddLineRecord {
    Bool16 used = kFalse;
    float x1 = 0, x2 = 0, y1 = 0, y2 = 0; // stored in this order

    bool operator==(const AddLineRecord&) const = default;
};

struct FramePointRecord {
    Bool16 used = kFalse;
    float top = 0, left = 0;

    bool operator==(const FramePointRecord&) const = default;
};

struct FrameDotRecord {
    float x = 0, y = 0; // (0, 0) marks an empty slot

    bool operator==(const FrameDotRecord&) const = default;
};

struct FreeLineRecord {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::int32_t width = 0; // pixels
    Colour colour = 0;
    std::int32_t strokeNumber = 0;

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

// Fields in file order, under English names; the names the file format and
// kinsketch-doc's JSON give them (SymbolKey, AgeText, RelText, ...) are
// spelled only in the codec and the JSON tool (docs/GLOSSARY.md maps them).
// addedLines element j holds added line j + 1 (the document numbers them
// 1–100); framePoints[f][p] is point p + 1 of frame f + 1.
struct GdrRecord {
    std::array<std::string, kSlotCount> symbols;
    std::array<std::string, kSlotCount> ages;
    std::array<std::string, kSlotCount> remarks;
    std::array<std::uint8_t, kLineCount> lineStyles{};
    std::array<TextLabelRecord, kTextLabelCount> texts;
    std::array<AddLineRecord, kAddLineCount> addedLines;
    FramePointGrid framePoints;
    DynamicArray<FrameDotRecord> frameDots;
    std::array<std::uint8_t, kCohabitSegCount> frameSegments{};
    std::uint8_t frameMode = 0;
    Bool16 isNew = kFalse;
    std::array<std::uint8_t, kSlotCount> cohabitMarks{};
    std::string screenMode;
    DynamicArray<FreeLineRecord> strokes;
    std::string version;

    bool isWide() const { return screenMode == "WIDE"; }
    bool operator==(const GdrRecord&) const = default;
};

constexpr int kRows18CohabitSegCount = 61;

// The oldest layout: 18 rows, 52 lines, 61 frame segments and nothing after IsNew.
struct Rows18Record {
    std::array<std::string, kNormalSlotCount> symbols;
    std::array<std::string, kNormalSlotCount> ages;
    std::array<std::string, kNormalSlotCount> remarks;
    std::array<std::uint8_t, kNormalLineCount> lineStyles{};
    std::array<TextLabelRecord, kTextLabelCount> texts;
    std::array<AddLineRecord, kAddLineCount> addedLines;
    FramePointGrid framePoints;
    DynamicArray<FrameDotRecord> frameDots;
    std::array<std::uint8_t, kRows18CohabitSegCount> frameSegments{};
    std::uint8_t frameMode = 0;
    Bool16 isNew = kFalse;
};

} // namespace kinsketch
