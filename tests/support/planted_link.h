#pragma once
// A symbolic link planted where the program writes, as an attacker would. Windows makes links only with the right
// to; wine 8 makes none (and deletes what a link points to), so where no link results, the caller skips its test.

#include "document/file_io.h"

#include <filesystem>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace kinsketch::test {

[[nodiscard]] inline bool plantLink(const std::filesystem::path& target, const std::filesystem::path& link)
{
#ifdef _WIN32
    const DWORD flags = (std::filesystem::is_directory(target) ? SYMBOLIC_LINK_FLAG_DIRECTORY : 0) |
                        SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE;
    CreateSymbolicLinkW(link.c_str(), target.c_str(), flags);
#else
    std::error_code ignored;
    std::filesystem::create_symlink(target, link, ignored);
#endif
    return isLinkOrReparsePoint(link);
}

inline constexpr const char* kNoLinksHere = "this system makes no symbolic links (wine 8); they are tested on Linux";

} // namespace kinsketch::test
