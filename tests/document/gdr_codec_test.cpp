#include "document/gdr_codec.h"
#include "document/gdr_conversion.h"
#include "document/gdr_layout.h"
#include "document/run_time_error.h"
#include "tests/support/byte_builder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

namespace kinsketch {
namespace {

using test::ByteBuilder;

GdrRecord newDocument()
{
    GdrRecord r;
    makeNewDocument(r);
    r.version = kVersionText;
    return r;
}

// Every field away from its default: texts needing both bytes of code page 932, floats that are not whole twips.
GdrRecord busyRecord(unsigned seed)
{
    std::mt19937 rng(seed);
    auto f = [&] { return std::uniform_real_distribution<float>(-10000, 10000)(rng); };
    auto byte = [&] { return static_cast<std::uint8_t>(rng()); };
    GdrRecord r = newDocument();
    for (int i = 0; i < kSlotCount; ++i) {
        r.symbols[i] = "i1" + std::to_string(10 + i % 4);
        r.ages[i] = std::to_string(i) + "歳";
        r.remarks[i] = i % 2 ? "長男　①" : "";
    }
    for (auto& t : r.lineStyles) t = byte();
    for (int i = 1; i < kTextLabelCount; ++i) {
        auto& l = r.texts[i];
        l = {"髙橋～㈱" + std::to_string(i), byte(), "ＭＳ Ｐゴシック", byte(), -1, 0, -1, 0,
             static_cast<Colour>(rng())};
        std::tie(l.left, l.top, l.width, l.height, l.used) = std::make_tuple(f(), f(), f(), f(), kTrue);
    }
    for (auto& a : r.addedLines) a = {-1, f(), f(), f(), f()};
    for (auto& frame : r.framePoints)
        for (auto& p : frame) p = {-1, f(), f()};
    r.frameDots = {true, 3, {{f(), f()}, {0, 0}, {f(), f()}}};
    for (auto& s : r.frameSegments) s = byte();
    for (auto& c : r.cohabitMarks) c = byte();
    std::tie(r.frameMode, r.isNew, r.screenMode) = std::tuple(2, kFalse, "WIDE");
    r.strokes = {true, 1, {}};
    for (int i = 0; i < 500; ++i)
        r.strokes.mutableItems().push_back({f(), f(), f(), f(), static_cast<std::int32_t>(rng()),
                                            static_cast<Colour>(rng()), static_cast<std::int32_t>(rng())});
    return r;
}

auto raises(int number) { return ::testing::Throws<RunTimeError>(::testing::Property(&RunTimeError::number, number)); }

TEST(GdrCodec, NewDocumentAndAShiftJisCaptionAreStoredByteForByteAndEveryFieldRoundTripsExactly)
{
    // A new document, whose second text label has `caption` (code page 932 bytes).
    const auto expected = [](const std::string& caption) {
        ByteBuilder b;
        b.repeat(37, {0x04, 0x00, 'i', '0', '0', '0'}).zeros(74 * 2).zeros(121); // symbols, empty texts, LineTag
        b.zeros(test::kEmptyTextLabelSize).text(caption).zeros(100 * test::kEmptyTextLabelSize - 2); // TextLabel
        b.zeros(100 * 18 + 100 * 10).zeros(2).zeros(120); // AddLine, WakuPoint, WakuDots undimensioned, CohabitSeg
        b.u8(0).i16(-1).zeros(37).text("");               // DocWakuMode, IsNew, CohabitFlag, ScreenMode
        b.i16(1).i32(1).i32(1).zeros(28).text("300");     // FreeLine: one empty element at 1; version
        return b.bytes;
    };
    EXPECT_EQ(encodeGdr(newDocument()), expected(""));
    GdrRecord r = newDocument();
    r.texts[1].caption = "長男様";
    EXPECT_EQ(encodeGdr(r), expected("\x92\xB7\x92\x6A\x97\x6C"));
    for (unsigned seed : {1u, 2u, 3u}) EXPECT_EQ(decodeCurrentGdr(encodeGdr(busyRecord(seed))), busyRecord(seed));
}

// Damaged array counts are refused before anything is allocated.
TEST(GdrCodec, OverlongTextTruncatedFilesAndDamagedCountsAreRefused)
{
    GdrRecord r = newDocument();
    r.ages[3] = std::string(65535, 'a');
    EXPECT_NO_THROW(encodeGdr(r));
    r.ages[3].clear();
    for (int i = 0; i < 32768; ++i) r.ages[3] += "長"; // 32 768 characters, 65 536 bytes on disk
    EXPECT_THAT([&] { encodeGdr(r); }, raises(6));

    const Bytes whole = encodeGdr(busyRecord(7));
    for (std::size_t length = 0; length < whole.size(); length += (length < 8000 ? 1 : 997)) {
        const Bytes part(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_THAT([&] { decodeCurrentGdr(part); }, raises(62)) << length;
    }
    const Bytes good = encodeGdr(newDocument());
    const std::size_t frameDotsAt = 37 * 6 + 74 * 2 + 121 + 101 * 36 + 1800 + 1000;
    const std::size_t freeLineAt = good.size() - 5 - 38;
    // Dimensions, element count and lower bound of an array, written over the good ones.
    const std::tuple<std::size_t, ByteBuilder, int> cases[] = {
        {freeLineAt, ByteBuilder().i16(1).i32(0x7FFFFFFF), 9}, // two billion strokes
        {freeLineAt, ByteBuilder().i16(1).i32(-5), 9},
        {freeLineAt, ByteBuilder().i16(1).i32(2).i32(0x7FFFFFFF), 9}, // the upper bound past 2³¹
        {freeLineAt, ByteBuilder().i16(2), 9},
        {frameDotsAt, ByteBuilder().i16(1).i32(60000).i32(0), 62}, // more frame dots than the file has bytes for
    };
    for (const auto& [at, patch, number] : cases) {
        Bytes damaged = good;
        std::ranges::copy(patch.bytes, damaged.begin() + static_cast<std::ptrdiff_t>(at));
        EXPECT_THAT([&] { decodeCurrentGdr(damaged); }, raises(number)) << at << " " << patch.bytes.size();
    }
}

TEST(GdrLayout, RecognisedFromTheLastThreeCharactersAndRows18EndsAfterIsNew)
{
    ByteBuilder b;
    b.text("i103").text("i101").repeat(16, {0x04, 0x00, 'i', '0', '0', '0'});
    b.text("\x82\x55\x82\x4F").zeros(17 * 2 + 18 * 2); // AgeText[0] "６０", the other texts empty
    // LineTag, text labels, added lines and frame points; no frame dots.
    b.u8(2).zeros(51).zeros(101 * test::kEmptyTextLabelSize + 1800 + 1000).i16(0);
    b.zeros(57).u8(1).zeros(3).u8(1).i16(-1); // old segment 57, DocWakuMode, IsNew
    const Rows18Record r = decodeRows18Gdr(b.bytes);
    EXPECT_EQ(
        std::tie(r.symbols[0], r.symbols[17], r.ages[0], r.lineStyles[0], r.frameSegments[57], r.frameMode, r.isNew),
        std::make_tuple("i103", "i000", "６０", 2, 1, 1, kTrue));
    b.bytes.pop_back();
    EXPECT_THROW(decodeRows18Gdr(b.bytes), RunTimeError);

    const auto version = [](const char* text) { return std::string("....\x03", 5) + '\0' + text; };
    const auto expect = [](GdrLayout layout, std::initializer_list<std::string> contents) {
        for (const std::string& content : contents)
            EXPECT_EQ(recogniseGdrLayout(Bytes(content.begin(), content.end())), layout) << content;
    };
    expect(GdrLayout::Current, {version("300"), version("202"), "300"});
    // "N" after a lead byte is the second half of one character: "x\x82NEW" does not end in "NEW".
    expect(GdrLayout::Pre202, {version("NEW"), "x\x82\x82NEW"});
    expect(GdrLayout::Rows18, {version("new"), "\x01\xFF\xFF", "30", "", "x\x82NEW", "x\x9FNEW", "x\xFCNEW"});
}

TEST(GdrConversion, Pre202KeepsItsLayersButNotScreenModeOrVersionAndRows18FillsTheNormalAreaAndMapsFrameSegments)
{
    const GdrRecord old = busyRecord(4);
    GdrRecord target;
    convertPre202(old, target);
    GdrRecord expected = old;
    expected.screenMode = expected.version = "";
    expected.strokes = {true, 1, {FreeLineRecord{}}};
    EXPECT_EQ(target, expected);

    Rows18Record old18;
    old18.symbols.fill("i102");
    old18.lineStyles.fill(3);
    for (std::size_t s : {10, 55, 56, 57, 60}) old18.frameSegments[s] = 1;
    // Only the frame segment value 1 is carried.
    std::tie(old18.ages[17], old18.texts[1].caption, old18.frameSegments[20], old18.frameMode, old18.isNew) =
        std::tuple("17", "見出し", 2, 1, kTrue);
    target = newDocument();
    expected = target;
    target.isNew = kFalse; // as the reader leaves it: the stored value replaces it
    std::fill_n(expected.symbols.begin(), kNormalSlotCount, "i102");
    std::fill_n(expected.lineStyles.begin(), kNormalLineCount, 3);
    for (std::size_t s : {10, 55, 56, 57, 58, 59, 64, 65}) expected.frameSegments[s] = 1;
    std::tie(expected.ages[17], expected.texts[1].caption, expected.frameMode) = std::tuple("17", "見出し", 1);
    convertRows18(old18, target);
    EXPECT_EQ(target, expected);
}

} // namespace
} // namespace kinsketch
