#include "document/file_io.h"
#include "document/gdr_conversion.h"
#include "document/run_time_error.h"
#include "tests/support/temporary_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <vector>

namespace kinsketch {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> namesIn(const fs::path& folder)
{
    std::vector<fs::path> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
    return names;
}

int errorNumberOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const RunTimeError& e) {
        return e.number();
    }
    return 0;
}

class FileIo : public ::testing::Test {
protected:
    test::TemporaryFolder temporary;
    const fs::path folder = temporary.path();
};

// Users name their files in Japanese; on Windows only the wide-character
// calls reach such a name instead of a mangled one.
TEST_F(FileIo, DocumentUnderAJapaneseNameIsWrittenAndReadBack)
{
    GdrRecord record;
    makeNewDocument(record);
    record.AgeText[1] = "長男　７５歳";
    const fs::path file = folder / u8"家族図.gdr";
    writeFileAtomically(file, encodeGdr(record));
    EXPECT_EQ(namesIn(folder), std::vector<fs::path>{fs::path(u8"家族図.gdr")});
    EXPECT_EQ(decodeCurrentGdr(readWholeFile(file)), record);
}

TEST_F(FileIo, WritingOverAnExistingFileReplacesItWhole)
{
    const fs::path file = folder / u8"家族図.gdr";
    writeFileAtomically(file, Bytes(5000, 0xAA));
    writeFileAtomically(file, Bytes{1, 2, 3});
    EXPECT_EQ(readWholeFile(file), (Bytes{1, 2, 3}));
    EXPECT_EQ(namesIn(folder).size(), 1u) << "the temporary file is left behind";
}

TEST_F(FileIo, FailuresRaiseTheirErrorNumberAndLeaveTheTargetAsItWas)
{
    EXPECT_EQ(errorNumberOf([&] { readWholeFile(folder / "none.gdr"); }), 53);
    EXPECT_EQ(errorNumberOf([&] { writeFileAtomically(folder / "none" / "a.gdr", Bytes{1}); }), 76);

    const fs::path file = folder / "a.gdr";
    writeFileAtomically(file, Bytes{7});
    fs::create_directory(folder / "a.gdr.tmp"); // the temporary file cannot be made
    EXPECT_NE(errorNumberOf([&] { writeFileAtomically(file, Bytes{8}); }), 0);
    EXPECT_EQ(readWholeFile(file), Bytes{7});
}

} // namespace
} // namespace kinsketch
