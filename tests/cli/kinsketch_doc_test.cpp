// kinsketch-doc as its users run it: a process with files in and out.

#include "tests/support/temporary_folder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

const fs::path kFixtures = fs::path(KINSKETCH_FIXTURE_DIR) / "documents";

struct ProcessResult {
    int status;
    std::string out;
    std::string err;
};

class KinsketchDoc : public ::testing::Test {
protected:
    ProcessResult run(const std::string& arguments)
    {
        const std::string command = std::string(KINSKETCH_DOC_BINARY) + " " + arguments + " >" +
                                    (dir / "out").string() + " 2>" + (dir / "err").string();
        const int raw = std::system(command.c_str());
        return {WEXITSTATUS(raw), read(dir / "out"), read(dir / "err")};
    }
    static std::string read(const fs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    kinsketch::test::TemporaryFolder folder;
    const fs::path dir = folder.path();
};

TEST_F(KinsketchDoc, NewWritesTheStampedNewDocument)
{
    ASSERT_EQ(run("new " + (dir / "n.gdr").string()).status, 0);
    EXPECT_EQ(fs::file_size(dir / "n.gdr"), 7134u);
}

TEST_F(KinsketchDoc, DumpThenWriteGivesBackTheSameFile)
{
    const ProcessResult dumped = run("dump " + (kFixtures / "wide_family.gdr").string());
    ASSERT_EQ(dumped.status, 0);
    std::ofstream(dir / "d.json") << dumped.out;
    ASSERT_EQ(run("write " + (dir / "d.json").string() + " " + (dir / "again.gdr").string()).status, 0);
    const ProcessResult again = run("dump " + (dir / "again.gdr").string());
    EXPECT_EQ(again.out, dumped.out);
}

TEST_F(KinsketchDoc, BadInputFailsWithOneLineAndWritesNothing)
{
    std::ofstream(dir / "truncated.gdr", std::ios::binary)
        << read(kFixtures / "sample_family.gdr").substr(0, 500) << "300";
    const ProcessResult damaged = run("dump " + (dir / "truncated.gdr").string());
    EXPECT_EQ(damaged.status, 1);
    EXPECT_TRUE(damaged.out.empty());
    EXPECT_EQ(std::count(damaged.err.begin(), damaged.err.end(), '\n'), 1) << damaged.err;
    EXPECT_NE(damaged.err.find("truncated.gdr"), std::string::npos);

    std::ofstream(dir / "bad.json") << "{\"SymbolKey\": [";
    const ProcessResult malformed = run("write " + (dir / "bad.json").string() + " " + (dir / "x.gdr").string());
    EXPECT_EQ(malformed.status, 1);
    EXPECT_FALSE(fs::exists(dir / "x.gdr"));

    const ProcessResult dumped = run("dump " + (kFixtures / "sample_family.gdr").string());
    auto json = nlohmann::json::parse(dumped.out);
    json["AgeText"][0] = "😀";
    std::ofstream(dir / "emoji.json") << json.dump();
    const ProcessResult unstorable = run("write " + (dir / "emoji.json").string() + " " + (dir / "x.gdr").string());
    EXPECT_EQ(unstorable.status, 1);
    EXPECT_NE(unstorable.err.find("😀"), std::string::npos) << unstorable.err;
    EXPECT_FALSE(fs::exists(dir / "x.gdr"));
}

} // namespace
