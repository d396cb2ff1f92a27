#include "gdr_codec.h"

#include "code_page_932.h"
#include "run_time_error.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>
#include <limits>
#include <string_view>
#include <type_traits>

static_assert(std::endian::native == std::endian::little, "the .gdr codec assumes a little-endian machine");

namespace kinsketch {
namespace {

// Fixed encoded sizes of the sub-records without texts.
constexpr std::size_t kFrameDotSize = 8;
constexpr std::size_t kFreeLineSize = 28;

template <class Io, class T>
void transferRecord(Io& io, const char* field, T&& value);

// Records of numbers only, whose fields lie in memory exactly as in the file
// (little-endian, no padding): their arrays move as one block.
template <class T>
constexpr bool kStoredAsInMemory = std::is_same_v<T, FrameDotRecord> || std::is_same_v<T, FreeLineRecord>;

class GdrWriter {
public:
    explicit GdrWriter(Bytes& out)
        : out_(out)
    {}

    void operator()(const char*, std::uint8_t v) { out_.push_back(v); }
    void operator()(const char*, std::int16_t v) { raw(v); }
    void operator()(const char*, std::int32_t v) { raw(v); }
    void operator()(const char*, std::uint32_t v) { raw(v); }
    void operator()(const char*, float v) { raw(v); }
    void operator()(const char* field, const std::string& text)
    {
        const std::string bytes = encodeCp932(text);
        if (bytes.size() > std::numeric_limits<std::uint16_t>::max())
            throw RunTimeError::overflow(std::string(field) + " の文字列が長すぎます（" + std::to_string(bytes.size()) +
                                         " バイト）");
        raw(static_cast<std::uint16_t>(bytes.size()));
        out_.insert(out_.end(), bytes.begin(), bytes.end());
    }
    template <class T>
    void operator()(const char* field, const DynamicArray<T>& array)
    {
        if (!array.dimensioned) {
            raw(std::int16_t{0});
            return;
        }
        if (array.items().size() > static_cast<std::size_t>(kMaxDynamicArrayItems))
            throw RunTimeError::overflow(std::string(field) + " の要素数が多すぎます（" +
                                         std::to_string(array.items().size()) + "）");
        raw(std::int16_t{1});
        raw(static_cast<std::int32_t>(array.items().size()));
        raw(array.lowerBound);
        if constexpr (kStoredAsInMemory<T>) {
            const auto* first = reinterpret_cast<const std::uint8_t*>(array.items().data());
            out_.insert(out_.end(), first, first + array.items().size() * sizeof(T));
        } else {
            for (const T& item : array.items()) transferRecord(*this, field, item);
        }
    }
    template <class T, std::size_t N>
    void operator()(const char* field, const std::array<T, N>& array)
    {
        for (const T& item : array) transferRecord(*this, field, item);
    }

private:
    template <class T>
    void raw(T v)
    {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(&v);
        out_.insert(out_.end(), bytes, bytes + sizeof v);
    }
    Bytes& out_;
};

class GdrReader {
public:
    GdrReader(ByteView in, UnreadableText* unreadable)
        : in_(in)
        , unreadable_(unreadable)
    {}

    void operator()(const char* field, std::uint8_t& v) { raw(field, v); }
    void operator()(const char* field, std::int16_t& v) { raw(field, v); }
    void operator()(const char* field, std::int32_t& v) { raw(field, v); }
    void operator()(const char* field, std::uint32_t& v) { raw(field, v); }
    void operator()(const char* field, float& v) { raw(field, v); }
    void operator()(const char* field, std::string& text)
    {
        std::uint16_t length = 0;
        raw(field, length);
        need(field, length);
        const std::string_view bytes(reinterpret_cast<const char*>(in_.data() + pos_), length);
        Cp932Text decoded = decodeCp932(bytes);
        text = std::move(decoded.utf8);
        if (decoded.unreadable > 0 && unreadable_) {
            if (unreadable_->characters == 0) unreadable_->firstField = field;
            unreadable_->characters += decoded.unreadable;
        }
        pos_ += length;
    }
    template <class T>
    void operator()(const char* field, DynamicArray<T>& array)
    {
        std::int16_t dimensions = 0;
        raw(field, dimensions);
        array = {};
        if (dimensions == 0) return;
        if (dimensions != 1)
            throw RunTimeError::subscriptOutOfRange(std::string(field) + " の次元数 " + std::to_string(dimensions) +
                                                    " は読めません");
        std::int32_t count = 0;
        std::int32_t lowerBound = 0;
        raw(field, count);
        raw(field, lowerBound);
        if (count < 0 || count > kMaxDynamicArrayItems ||
            static_cast<std::int64_t>(lowerBound) + count - 1 > std::numeric_limits<std::int32_t>::max())
            throw RunTimeError::subscriptOutOfRange(std::string(field) + " の要素数 " + std::to_string(count) +
                                                    " は読めません");
        // Every element takes at least its fixed size, so a count the remaining
        // bytes cannot hold is refused before anything is allocated.
        need(field, static_cast<std::size_t>(count) * sizeof(T));
        array.dimensioned = true;
        array.lowerBound = lowerBound;
        std::vector<T>& items = array.mutableItems();
        items.resize(static_cast<std::size_t>(count));
        if constexpr (kStoredAsInMemory<T>) {
            if (items.empty()) return;
            std::memcpy(items.data(), in_.data() + pos_, items.size() * sizeof(T));
            pos_ += items.size() * sizeof(T);
        } else {
            for (T& item : items) transferRecord(*this, field, item);
        }
    }
    template <class T, std::size_t N>
    void operator()(const char* field, std::array<T, N>& array)
    {
        for (T& item : array) transferRecord(*this, field, item);
    }

private:
    void need(const char* field, std::size_t bytes) const
    {
        if (bytes > in_.size() - pos_)
            throw RunTimeError::pastEndOfFile(std::string(field) + "、" + std::to_string(pos_) + " バイト目");
    }
    template <class T>
    void raw(const char* field, T& v)
    {
        need(field, sizeof v);
        std::memcpy(&v, in_.data() + pos_, sizeof v);
        pos_ += sizeof v;
    }

    ByteView in_;
    std::size_t pos_ = 0;
    UnreadableText* unreadable_;
};

// Adds up the most bytes each field can take.
class GdrSizeBound {
public:
    template <class T>
    requires std::is_arithmetic_v<T>
    void operator()(const char*, T) { bytes += sizeof(T); }
    void operator()(const char*, const std::string&)
    {
        bytes += sizeof(std::uint16_t) + std::numeric_limits<std::uint16_t>::max();
    }
    template <class T>
    void operator()(const char*, const DynamicArray<T>&)
    {
        static_assert(kStoredAsInMemory<T>);
        bytes += sizeof(std::int16_t) + 2 * sizeof(std::int32_t) +
                 static_cast<std::uint64_t>(kMaxDynamicArrayItems) * sizeof(T);
    }
    template <class T, std::size_t N>
    void operator()(const char* field, const std::array<T, N>& array)
    {
        for (const T& item : array) transferRecord(*this, field, item);
    }

    std::uint64_t bytes = 0;
};

static_assert(sizeof(FrameDotRecord) == kFrameDotSize && offsetof(FrameDotRecord, y) == 4);
static_assert(sizeof(FreeLineRecord) == kFreeLineSize && offsetof(FreeLineRecord, y1) == 4 &&
              offsetof(FreeLineRecord, x2) == 8 && offsetof(FreeLineRecord, y2) == 12 &&
              offsetof(FreeLineRecord, width) == 16 && offsetof(FreeLineRecord, colour) == 20 &&
              offsetof(FreeLineRecord, strokeNumber) == 24);

// Sub-records: their fields in file order. Plain values pass straight through.
template <class Io, class T>
void transferRecord(Io& io, const char* field, T&& value)
{
    using Plain = std::remove_cvref_t<T>;
    if constexpr (std::is_same_v<Plain, TextLabelRecord>) {
        io("TextLabel.Caption", value.caption);
        io("TextLabel.Alignment", value.alignment);
        io("TextLabel.FontName", value.fontName);
        io("TextLabel.FontSize", value.fontSize);
        io("TextLabel.FontBold", value.bold);
        io("TextLabel.FontItalic", value.italic);
        io("TextLabel.FontStrikethru", value.strikethrough);
        io("TextLabel.FontUnderline", value.underline);
        io("TextLabel.ForeColor", value.colour);
        io("TextLabel.Left", value.left);
        io("TextLabel.Top", value.top);
        io("TextLabel.Width", value.width);
        io("TextLabel.Height", value.height);
        io("TextLabel.Used", value.used);
    } else if constexpr (std::is_same_v<Plain, AddLineRecord>) {
        io("AddLine.Used", value.used);
        io("AddLine.X1", value.x1);
        io("AddLine.X2", value.x2);
        io("AddLine.Y1", value.y1);
        io("AddLine.Y2", value.y2);
    } else if constexpr (std::is_same_v<Plain, FramePointRecord>) {
        io("WakuPoint.Used", value.used);
        io("WakuPoint.Top", value.top);
        io("WakuPoint.Left", value.left);
    } else if constexpr (std::is_same_v<Plain, FrameDotRecord>) {
        io("WakuDots.X", value.x);
        io("WakuDots.Y", value.y);
    } else if constexpr (std::is_same_v<Plain, FreeLineRecord>) {
        io("FreeLine.X1", value.x1);
        io("FreeLine.Y1", value.y1);
        io("FreeLine.X2", value.x2);
        io("FreeLine.Y2", value.y2);
        io("FreeLine.BorderWidth", value.width);
        io("FreeLine.BorderColor", value.colour);
        io("FreeLine.StrokeNo", value.strokeNumber);
    } else {
        io(field, value);
    }
}

// Fields 1–12, which every layout has in this order (with its own sizes).
template <class Io, class Record>
void transferCommonFields(Io& io, Record& r)
{
    io("SymbolKey", r.symbols);
    io("AgeText", r.ages);
    io("RelText", r.remarks);
    io("LineTag", r.lineStyles);
    io("TextLabel", r.texts);
    io("AddLine", r.addedLines);
    io("WakuPoint", r.framePoints);
    io("WakuDots", r.frameDots);
    io("CohabitSeg", r.frameSegments);
    io("DocWakuMode", r.frameMode);
    io("IsNew", r.isNew);
}

template <class Io, class Record>
void transferGdr(Io& io, Record& r, bool withFreeLine)
{
    transferCommonFields(io, r);
    io("CohabitFlag", r.cohabitMarks);
    io("ScreenMode", r.screenMode);
    if (withFreeLine) io("FreeLine", r.strokes);
    io("Version", r.version);
}

// Size of the record without its texts and dynamic arrays, to reserve once.
std::size_t estimatedSize(const GdrRecord& r)
{
    std::size_t size = 7200;
    if (r.strokes.dimensioned) size += r.strokes.items().size() * kFreeLineSize;
    if (r.frameDots.dimensioned) size += r.frameDots.items().size() * kFrameDotSize;
    return size;
}

} // namespace

std::uint64_t maxGdrFileBytes()
{
    const GdrRecord current;
    const Rows18Record rows18;
    GdrSizeBound currentBound, rows18Bound;
    transferGdr(currentBound, current, true);
    transferCommonFields(rows18Bound, rows18);
    return std::max(currentBound.bytes, rows18Bound.bytes);
}

Bytes encodeGdr(const GdrRecord& record)
{
    Bytes out;
    out.reserve(estimatedSize(record));
    GdrWriter writer(out);
    transferGdr(writer, record, true);
    return out;
}

GdrRecord decodeCurrentGdr(ByteView bytes, UnreadableText* unreadable)
{
    GdrRecord record;
    GdrReader reader(bytes, unreadable);
    transferGdr(reader, record, true);
    return record;
}

GdrRecord decodePre202Gdr(ByteView bytes, UnreadableText* unreadable)
{
    GdrRecord record;
    GdrReader reader(bytes, unreadable);
    transferGdr(reader, record, false);
    return record;
}

Rows18Record decodeRows18Gdr(ByteView bytes, UnreadableText* unreadable)
{
    Rows18Record record;
    GdrReader reader(bytes, unreadable);
    transferCommonFields(reader, record);
    return record;
}

} // namespace kinsketch
