#include "cli/doc/document_json.h"
#include "document/gdr_conversion.h"

#include <gtest/gtest.h>

#include <charconv>
#include <random>

namespace kinsketch {
namespace {

GdrRecord sampleRecord()
{
    GdrRecord r;
    makeNewDocument(r);
    r.Version = "300";
    r.AgeText[5] = "長男　７５歳";
    r.LineTag[120] = 9;
    r.TextLabel[1] = {"㈱髙橋～", 2, "ＭＳ Ｐゴシック", 9, kTrue, kFalse, kTrue, kFalse, 0xFFFFFFFF, 0.1f, 4250.5f, 1e-7f, 3e38f, kTrue};
    r.AddLine[99] = {kTrue, -1.5f, 2, 3, 4};
    r.WakuPoint[4][19] = {kTrue, 7, 8};
    r.WakuDots = {true, 0, {{1, 2}}};
    r.CohabitFlag[36] = 1;
    r.ScreenMode = "WIDE";
    r.FreeLine = {true, 1, {{1, 2, 3, 4, -2, 0x00FF00, -2147483647 - 1}}};
    return r;
}

TEST(DocumentJson, EveryFieldSurvivesTheTripThroughText)
{
    const GdrRecord r = sampleRecord();
    const std::string text = printDocumentJson(documentToJson(r, GdrLayout::Current, 0));
    EXPECT_EQ(documentFromJson(DocumentJson::parse(text)), r);
    const DocumentJson json = DocumentJson::parse(text);
    EXPECT_EQ(json["TextLabel"].size(), 101u);
    EXPECT_EQ(json["AddLine"].size(), 100u);
    EXPECT_EQ(json["WakuPoint"].size(), 5u);
    EXPECT_EQ(json["WakuPoint"][0].size(), 20u);
    EXPECT_EQ(json["Layout"], "current");
    EXPECT_TRUE(json["TextLabel"][1]["FontBold"].is_boolean());
    EXPECT_EQ(json["TextLabel"][1]["ForeColor"], 4294967295u);
    GdrRecord undimensioned = r;
    undimensioned.WakuDots = {};
    EXPECT_TRUE(documentToJson(undimensioned, GdrLayout::Current, 0)["WakuDots"].is_null());
}

TEST(DocumentJson, FloatsPrintAsTheShortestTextThatReadsBackExactly)
{
    std::mt19937 rng(42);
    std::uniform_int_distribution<std::uint32_t> bits;
    for (int i = 0; i < 20000; ++i) {
        std::uint32_t raw = bits(rng);
        float value;
        std::memcpy(&value, &raw, sizeof value);
        if (!std::isfinite(value)) continue;
        char shortest[64];
        const auto end = std::to_chars(shortest, shortest + sizeof shortest, value).ptr;
        const std::string printed = printDocumentJson(DocumentJson(value));
        ASSERT_EQ(printed, std::string(shortest, end));
        ASSERT_EQ(std::strtof(printed.c_str(), nullptr), value) << printed;
    }
    EXPECT_EQ(printDocumentJson(DocumentJson(0.1f)), "0.1");
    EXPECT_EQ(printDocumentJson(DocumentJson(1.408878e+08f)), "140887808"); // the library prints 1.4088781e+08
    EXPECT_EQ(printDocumentJson(DocumentJson::array({1234.5678f, 0.0f})), "[\n  1234.5677,\n  0\n]");
}

TEST(DocumentJson, MalformedDocumentsNameTheFieldAtFault)
{
    const DocumentJson good = documentToJson(sampleRecord(), GdrLayout::Current, 0);
    struct Case {
        const char* expected;
        std::function<void(DocumentJson&)> spoil;
    };
    const Case cases[] = {
        {"SymbolKey: missing", [](DocumentJson& j) { j.erase("SymbolKey"); }},
        {"LineTag: must have 121 elements", [](DocumentJson& j) { j["LineTag"].erase(0); }},
        {"LineTag[3]: is out of range", [](DocumentJson& j) { j["LineTag"][3] = 256; }},
        {"CohabitFlag[0]: is out of range", [](DocumentJson& j) { j["CohabitFlag"][0] = -1; }},
        {"TextLabel[1].FontBold: must be true or false", [](DocumentJson& j) { j["TextLabel"][1]["FontBold"] = -1; }},
        {"TextLabel[2].Left: must be a number", [](DocumentJson& j) { j["TextLabel"][2]["Left"] = "0"; }},
        {"AddLine[0].X1: is out of range", [](DocumentJson& j) { j["AddLine"][0]["X1"] = 1e39; }},
        {"FreeLine.Items[0].BorderColor: is out of range", [](DocumentJson& j) { j["FreeLine"]["Items"][0]["BorderColor"] = 4294967296u; }},
        {"FreeLine.Items[0].StrokeNo: must be a whole number", [](DocumentJson& j) { j["FreeLine"]["Items"][0]["StrokeNo"] = 1.5f; }},
        {"ScreenMode: must be a string", [](DocumentJson& j) { j["ScreenMode"] = nullptr; }},
        {"WakuDots.LowerBound: missing", [](DocumentJson& j) { j["WakuDots"].erase("LowerBound"); }},
    };
    for (const Case& c : cases) {
        DocumentJson spoiled = good;
        c.spoil(spoiled);
        try {
            documentFromJson(spoiled);
            ADD_FAILURE() << "accepted: " << c.expected;
        } catch (const DocumentJsonError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(c.expected, 0), 0u) << e.what();
        }
    }
}

} // namespace
} // namespace kinsketch
