#include "document/gdr_codec.h"
#include "document/gdr_conversion.h"
#include "document/gdr_layout.h"

#include <gtest/gtest.h>

namespace kinsketch {
namespace {

using namespace std::literals;

Bytes bytesOf(std::string_view s) { return Bytes(s.begin(), s.end()); }

TEST(GdrLayout, RecognisedFromTheLastThreeCharacters)
{
    EXPECT_EQ(recogniseGdrLayout(bytesOf("....\x03\x00"
                                         "300"sv)),
              GdrLayout::Current);
    EXPECT_EQ(recogniseGdrLayout(bytesOf("....\x03\x00"
                                         "202"sv)),
              GdrLayout::Current);
    EXPECT_EQ(recogniseGdrLayout(bytesOf("\x03\x00"
                                         "NEW"sv)),
              GdrLayout::Pre202);
    EXPECT_EQ(recogniseGdrLayout(bytesOf("\x03\x00"
                                         "new"sv)),
              GdrLayout::Rows18);
    EXPECT_EQ(recogniseGdrLayout(bytesOf("\x01\xFF\xFF"sv)), GdrLayout::Rows18);
    EXPECT_EQ(recogniseGdrLayout(bytesOf("30"sv)), GdrLayout::Rows18);
    EXPECT_EQ(recogniseGdrLayout(bytesOf(""sv)), GdrLayout::Rows18);
    EXPECT_EQ(recogniseGdrLayout(bytesOf("300"sv)), GdrLayout::Current);
    // "N" after a lead byte is the second half of one character, so the text
    // does not end in "NEW".
    EXPECT_EQ(recogniseGdrLayout(bytesOf("x\x82NEW"sv)), GdrLayout::Rows18);
    EXPECT_EQ(recogniseGdrLayout(bytesOf("x\x82\x82NEW"sv)), GdrLayout::Pre202);
}

TEST(GdrConversion, StrokeCountOfALoadedDocument)
{
    GdrRecord r;
    r.FreeLine = {true, 1, std::vector<FreeLineRecord>(5)};
    EXPECT_EQ(loadedFreeLineCount(r), 5);
    r.FreeLine = {true, 1, {FreeLineRecord{1, 1, 2, 2, 3, 0, 0}}};
    EXPECT_EQ(loadedFreeLineCount(r), 1); // one real stroke record is no placeholder
    r.FreeLine = {};
    EXPECT_EQ(loadedFreeLineCount(r), 0);
}

TEST(GdrConversion, Pre202KeepsItsLayersButNotScreenModeOrVersion)
{
    GdrRecord old;
    old.SymbolKey.fill("i101");
    old.AgeText[36] = "90";
    old.LineTag[120] = 5;
    old.TextLabel[100].Caption = "末尾";
    old.AddLine[99].Used = kTrue;
    old.WakuPoint[4][19] = {kTrue, 1, 2};
    old.WakuDots = {true, 1, {{3, 4}}};
    old.CohabitSeg[119] = 1;
    old.DocWakuMode = 2;
    old.IsNew = kFalse;
    old.CohabitFlag[36] = 1;
    old.ScreenMode = "WIDE";
    old.Version = "NEW";
    GdrRecord target;
    convertPre202(old, target);
    GdrRecord expected = old;
    expected.ScreenMode = "";
    expected.Version = "";
    expected.FreeLine = {true, 1, {FreeLineRecord{}}};
    EXPECT_EQ(target, expected);
}

TEST(GdrConversion, Rows18FillsTheNormalAreaAndMapsFrameSegments)
{
    Rows18Record old;
    old.SymbolKey.fill("i102");
    old.AgeText[17] = "17";
    old.LineTag.fill(3);
    old.TextLabel[1].Caption = "見出し";
    old.CohabitSeg[10] = 1;
    old.CohabitSeg[55] = 1;
    old.CohabitSeg[56] = 1;
    old.CohabitSeg[57] = 1;
    old.CohabitSeg[60] = 1;
    old.CohabitSeg[20] = 2; // only the value 1 is carried
    old.DocWakuMode = 1;
    old.IsNew = kTrue;
    GdrRecord target;
    makeNewDocument(target);
    convertRows18(old, target);
    EXPECT_EQ(target.SymbolKey[17], "i102");
    EXPECT_EQ(target.SymbolKey[18], "i000");
    EXPECT_EQ(target.AgeText[17], "17");
    EXPECT_EQ(target.LineTag[51], 3);
    EXPECT_EQ(target.LineTag[52], 0);
    EXPECT_EQ(target.TextLabel[1].Caption, "見出し");
    std::array<std::uint8_t, kCohabitSegCount> segments{};
    for (int s : {10, 55, 56, 57, 58, 59, 64, 65}) segments[s] = 1;
    EXPECT_EQ(target.CohabitSeg, segments);
    EXPECT_EQ(target.DocWakuMode, 1);
    EXPECT_EQ(target.IsNew, kTrue); // the stored value, not the reader's False
    EXPECT_EQ(target.FreeLine.items().size(), 1u);
}

} // namespace
} // namespace kinsketch
