#include "cli/doc/document_json.h"
#include "document/gdr_conversion.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <functional>
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
    r.TextLabel[1] = {"㈱髙橋～", 2,    "ＭＳ Ｐゴシック", 9,     kTrue, kFalse, kTrue, kFalse,
                      0xFFFFFFFF, 0.1f, 4250.5f,           1e-7f, 3e38f, kTrue};
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
    GdrRecord undimensioned = r;
    undimensioned.WakuDots = {};
    EXPECT_TRUE(documentToJson(undimensioned, GdrLayout::Current, 0)["WakuDots"].is_null());
}

// The JSON library's own printer misses the shortest form of some floats
// (1.408878e+08f prints as 1.4088781e+08); the dump must never.
TEST(DocumentJson, FloatsPrintAsTheShortestTextThatReadsBackExactly)
{
    std::mt19937 rng(42);
    for (int i = 0; i < 20000; ++i) {
        const std::uint32_t raw = rng();
        float value;
        std::memcpy(&value, &raw, sizeof value);
        if (!std::isfinite(value)) continue;
        char shortest[64];
        const std::string printed = printDocumentJson(DocumentJson(value));
        ASSERT_EQ(printed, std::string(shortest, std::to_chars(shortest, shortest + sizeof shortest, value).ptr));
    }
    EXPECT_EQ(printDocumentJson(DocumentJson(1.408878e+08f)), "140887808");
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
        {"TextLabel[1].FontBold: must be true or false", [](DocumentJson& j) { j["TextLabel"][1]["FontBold"] = -1; }},
        {"TextLabel[2].Left: must be a number", [](DocumentJson& j) { j["TextLabel"][2]["Left"] = "0"; }},
        {"FreeLine.Items[0].BorderColor: is out of range",
         [](DocumentJson& j) { j["FreeLine"]["Items"][0]["BorderColor"] = 4294967296u; }},
        {"FreeLine.Items[0].StrokeNo: must be a whole number",
         [](DocumentJson& j) { j["FreeLine"]["Items"][0]["StrokeNo"] = 1.5f; }},
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
