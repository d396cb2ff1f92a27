#include "cli/doc/document_json.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace kinsketch {
namespace {

// ---- record → JSON ----

DocumentJson boolean(Bool16 v) { return v != 0; }

DocumentJson textLabelJson(const TextLabelRecord& l)
{
    return {{"Caption", l.caption},
            {"Alignment", l.alignment},
            {"FontName", l.fontName},
            {"FontSize", l.fontSize},
            {"FontBold", boolean(l.bold)},
            {"FontItalic", boolean(l.italic)},
            {"FontStrikethru", boolean(l.strikethrough)},
            {"FontUnderline", boolean(l.underline)},
            {"ForeColor", l.colour},
            {"Left", l.left},
            {"Top", l.top},
            {"Width", l.width},
            {"Height", l.height},
            {"Used", boolean(l.used)}};
}

DocumentJson addLineJson(const AddLineRecord& a)
{
    return {{"Used", boolean(a.used)}, {"X1", a.x1}, {"X2", a.x2}, {"Y1", a.y1}, {"Y2", a.y2}};
}

DocumentJson wakuPointJson(const FramePointRecord& p)
{
    return {{"Used", boolean(p.used)}, {"Top", p.top}, {"Left", p.left}};
}

DocumentJson wakuDotJson(const FrameDotRecord& d) { return {{"X", d.x}, {"Y", d.y}}; }

DocumentJson freeLineJson(const FreeLineRecord& f)
{
    return {{"X1", f.x1},
            {"Y1", f.y1},
            {"X2", f.x2},
            {"Y2", f.y2},
            {"BorderWidth", f.width},
            {"BorderColor", f.colour},
            {"StrokeNo", f.strokeNumber}};
}

template <class Range, class Convert>
DocumentJson arrayJson(const Range& range, Convert convert)
{
    DocumentJson out = DocumentJson::array();
    for (const auto& item : range) out.push_back(convert(item));
    return out;
}

template <class T, class Convert>
DocumentJson dynamicJson(const DynamicArray<T>& array, Convert convert)
{
    if (!array.dimensioned) return nullptr;
    return {{"LowerBound", array.lowerBound}, {"Items", arrayJson(array.items(), convert)}};
}

const auto same = [](const auto& v) { return DocumentJson(v); };

// ---- JSON → record ----

// Reads one JSON value, naming it in every error.
class Field {
public:
    Field(const DocumentJson& value, std::string path)
        : value_(value)
        , path_(std::move(path))
    {}

    Field operator[](const char* key) const
    {
        if (!value_.is_object()) fail("must be an object");
        const auto it = value_.find(key);
        if (it == value_.end()) throw DocumentJsonError(join(key) + ": missing");
        return {*it, join(key)};
    }
    Field operator[](std::size_t index) const { return {value_[index], path_ + "[" + std::to_string(index) + "]"}; }

    const DocumentJson& array(std::size_t expectedSize) const
    {
        if (!value_.is_array()) fail("must be an array");
        if (expectedSize != 0 && value_.size() != expectedSize)
            fail("must have " + std::to_string(expectedSize) + " elements, not " + std::to_string(value_.size()));
        return value_;
    }
    bool isNull() const { return value_.is_null(); }
    std::string text() const
    {
        if (!value_.is_string()) fail("must be a string");
        return value_.get<std::string>();
    }
    Bool16 boolean() const
    {
        if (!value_.is_boolean()) fail("must be true or false");
        return value_.get<bool>() ? kTrue : kFalse;
    }
    float number() const
    {
        if (!value_.is_number()) fail("must be a number");
        const double v = value_.get<double>();
        if (!std::isfinite(v) || std::fabs(v) > std::numeric_limits<float>::max()) fail("is out of range");
        return static_cast<float>(v);
    }
    template <class Int>
    Int integer() const
    {
        if (!value_.is_number_integer()) fail("must be a whole number");
        if (value_.is_number_unsigned()) {
            if (value_.get<std::uint64_t>() > static_cast<std::uint64_t>(std::numeric_limits<Int>::max()))
                fail("is out of range");
        } else {
            const std::int64_t v = value_.get<std::int64_t>();
            if (v < static_cast<std::int64_t>(std::numeric_limits<Int>::min()) ||
                (v > 0 && static_cast<std::uint64_t>(v) > static_cast<std::uint64_t>(std::numeric_limits<Int>::max())))
                fail("is out of range");
        }
        return value_.get<Int>();
    }

private:
    [[noreturn]] void fail(const std::string& what) const { throw DocumentJsonError(path_ + ": " + what); }
    std::string join(const char* key) const { return path_.empty() ? key : path_ + "." + key; }

    const DocumentJson& value_;
    std::string path_;
};

TextLabelRecord textLabelFrom(const Field& f)
{
    return {f["Caption"].text(),
            f["Alignment"].integer<std::uint8_t>(),
            f["FontName"].text(),
            f["FontSize"].integer<std::uint8_t>(),
            f["FontBold"].boolean(),
            f["FontItalic"].boolean(),
            f["FontStrikethru"].boolean(),
            f["FontUnderline"].boolean(),
            f["ForeColor"].integer<Colour>(),
            f["Left"].number(),
            f["Top"].number(),
            f["Width"].number(),
            f["Height"].number(),
            f["Used"].boolean()};
}

AddLineRecord addLineFrom(const Field& f)
{
    return {f["Used"].boolean(), f["X1"].number(), f["X2"].number(), f["Y1"].number(), f["Y2"].number()};
}

FramePointRecord wakuPointFrom(const Field& f) { return {f["Used"].boolean(), f["Top"].number(), f["Left"].number()}; }

FrameDotRecord wakuDotFrom(const Field& f) { return {f["X"].number(), f["Y"].number()}; }

FreeLineRecord freeLineFrom(const Field& f)
{
    return {f["X1"].number(),
            f["Y1"].number(),
            f["X2"].number(),
            f["Y2"].number(),
            f["BorderWidth"].integer<std::int32_t>(),
            f["BorderColor"].integer<Colour>(),
            f["StrokeNo"].integer<std::int32_t>()};
}

template <class T, std::size_t N, class Convert>
void fixedFrom(const Field& f, std::array<T, N>& out, Convert convert)
{
    f.array(N);
    for (std::size_t i = 0; i < N; ++i) out[i] = convert(f[i]);
}

template <class T, class Convert>
DynamicArray<T> dynamicFrom(const Field& f, Convert convert)
{
    if (f.isNull()) return {};
    DynamicArray<T> out{true, f["LowerBound"].integer<std::int32_t>(), {}};
    const Field items = f["Items"];
    const std::size_t count = items.array(0).size();
    if (static_cast<std::int64_t>(out.lowerBound) + static_cast<std::int64_t>(count) - 1 >
        std::numeric_limits<std::int32_t>::max())
        throw DocumentJsonError("LowerBound: too large for the number of items");
    out.mutableItems().reserve(count);
    for (std::size_t i = 0; i < count; ++i) out.mutableItems().push_back(convert(items[i]));
    return out;
}

const auto textFrom = [](const Field& f) { return f.text(); };
const auto byteFrom = [](const Field& f) { return f.integer<std::uint8_t>(); };

void print(const DocumentJson& json, std::string& out, int depth)
{
    const auto newline = [&](int d) { out += '\n' + std::string(static_cast<std::size_t>(2 * d), ' '); };
    switch (json.type()) {
    case DocumentJson::value_t::object: {
        if (json.empty()) {
            out += "{}";
            return;
        }
        out += '{';
        bool first = true;
        for (const auto& [key, value] : json.items()) {
            if (!first) out += ',';
            first = false;
            newline(depth + 1);
            out += DocumentJson(key).dump() + ": ";
            print(value, out, depth + 1);
        }
        newline(depth);
        out += '}';
        return;
    }
    case DocumentJson::value_t::array: {
        if (json.empty()) {
            out += "[]";
            return;
        }
        out += '[';
        for (std::size_t i = 0; i < json.size(); ++i) {
            if (i > 0) out += ',';
            newline(depth + 1);
            print(json[i], out, depth + 1);
        }
        newline(depth);
        out += ']';
        return;
    }
    case DocumentJson::value_t::number_float: {
        const float value = json.get<float>();
        if (!std::isfinite(value)) {
            out += "null";
            return;
        }
        char buffer[32];
        out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
        return;
    }
    default: out += json.dump(-1, ' ', false, DocumentJson::error_handler_t::strict);
    }
}

} // namespace

std::string printDocumentJson(const DocumentJson& json)
{
    std::string out;
    print(json, out, 0);
    return out;
}

DocumentJson documentToJson(const GdrRecord& r, GdrLayout layout, std::int32_t freeLineCount)
{
    DocumentJson wakuPoint = DocumentJson::array();
    for (const auto& frame : r.framePoints) wakuPoint.push_back(arrayJson(frame, wakuPointJson));
    return {{"Layout", std::string(layoutName(layout))},
            {"FreeLineCount", freeLineCount},
            {"SymbolKey", arrayJson(r.symbols, same)},
            {"AgeText", arrayJson(r.ages, same)},
            {"RelText", arrayJson(r.remarks, same)},
            {"LineTag", arrayJson(r.lineStyles, same)},
            {"TextLabel", arrayJson(r.texts, textLabelJson)},
            {"AddLine", arrayJson(r.addedLines, addLineJson)},
            {"WakuPoint", wakuPoint},
            {"WakuDots", dynamicJson(r.frameDots, wakuDotJson)},
            {"CohabitSeg", arrayJson(r.frameSegments, same)},
            {"DocWakuMode", r.frameMode},
            {"IsNew", boolean(r.isNew)},
            {"CohabitFlag", arrayJson(r.cohabitMarks, same)},
            {"ScreenMode", r.screenMode},
            {"FreeLine", dynamicJson(r.strokes, freeLineJson)},
            {"Version", r.version}};
}

GdrRecord documentFromJson(const DocumentJson& json)
{
    const Field root(json, "");
    GdrRecord r;
    fixedFrom(root["SymbolKey"], r.symbols, textFrom);
    fixedFrom(root["AgeText"], r.ages, textFrom);
    fixedFrom(root["RelText"], r.remarks, textFrom);
    fixedFrom(root["LineTag"], r.lineStyles, byteFrom);
    fixedFrom(root["TextLabel"], r.texts, textLabelFrom);
    fixedFrom(root["AddLine"], r.addedLines, addLineFrom);
    const Field frames = root["WakuPoint"];
    frames.array(kStoredFrameCount);
    for (std::size_t f = 0; f < kStoredFrameCount; ++f) fixedFrom(frames[f], r.framePoints[f], wakuPointFrom);
    r.frameDots = dynamicFrom<FrameDotRecord>(root["WakuDots"], wakuDotFrom);
    fixedFrom(root["CohabitSeg"], r.frameSegments, byteFrom);
    r.frameMode = root["DocWakuMode"].integer<std::uint8_t>();
    r.isNew = root["IsNew"].boolean();
    fixedFrom(root["CohabitFlag"], r.cohabitMarks, byteFrom);
    r.screenMode = root["ScreenMode"].text();
    r.strokes = dynamicFrom<FreeLineRecord>(root["FreeLine"], freeLineFrom);
    r.version = root["Version"].text();
    return r;
}

} // namespace kinsketch
