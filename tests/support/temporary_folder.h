#pragma once
// An empty folder for the running test, named after it (and a random number, so that two runs of the suite at once,
// or two folders of one test, never share one) and removed, whatever its permissions, when the test ends.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

namespace kinsketch::test {

class TemporaryFolder {
public:
    TemporaryFolder()
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() / ("kinsketch-" + std::string(test->test_suite_name()) + "-" +
                                                          test->name() + "-" + std::to_string(std::random_device{}()));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace kinsketch::test
