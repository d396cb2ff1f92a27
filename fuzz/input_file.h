#pragma once
// The openers take a path, so each input is written to a file first: in a folder of this process's own (in memory where
// /dev/shm exists), so that fuzzers running side by side never read each other's input.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace kinsketch::fuzz {

class InputFile {
public:
    explicit InputFile(const std::string& fileName)
    {
        const std::filesystem::path shm = "/dev/shm";
        std::error_code unused;
        const auto base = std::filesystem::is_directory(shm, unused) ? shm : std::filesystem::temp_directory_path();
        folder_ = base / ("kinsketch-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
        file_ = folder_ / fileName;
    }
    ~InputFile()
    {
        std::error_code unused;
        std::filesystem::remove_all(folder_, unused);
    }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    const std::filesystem::path& folder() const { return folder_; }

    const std::filesystem::path& write(const std::uint8_t* data, std::size_t size)
    {
        std::ofstream out(file_, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        return file_;
    }

private:
    std::filesystem::path folder_;
    std::filesystem::path file_;
};

} // namespace kinsketch::fuzz
