#pragma once
// File names as the host system's platform treats them: compared without
// regard to case, and document names checked before they become a path.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kinsketch {

std::filesystem::path pathFromUtf8(std::string_view utf8);
std::string utf8FromPath(const std::filesystem::path& path);

// Compares two UTF-8 file names ignoring the case of Latin letters, both the
// ASCII ones and their full-width forms.
bool sameFileNameIgnoringCase(std::string_view a, std::string_view b);

// The entry of `folder` whose name equals `fileName` ignoring case; the exact
// name is preferred when both exist.
std::optional<std::filesystem::path> findFileIgnoringCase(const std::filesystem::path& folder,
                                                          std::string_view fileName);

// Why `name` cannot be the bare name of a document in the working folder (a
// path separator, "..", a drive prefix, a character no file name may hold),
// or nothing when it can.
std::optional<std::string> documentNameProblem(std::string_view name);

} // namespace kinsketch
