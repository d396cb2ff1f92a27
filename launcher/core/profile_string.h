#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kinsketch::launcher {

// Looks a key up in the text of a settings file with the rules of the Windows
// profile reader, so that every platform reads ovnVerUP.ini alike: section and
// key compare without regard to case, blanks around names and values are
// dropped, one pair of matching quotes around a value is removed, lines that
// start with ";" are comments, the first of duplicate keys wins, only the
// first section of a name is searched, and the result is cut to
// bufferSize - 1 characters as a buffer of that size would cut it. A missing
// key, or a key without "=", reads as the empty text.
[[nodiscard]] std::string readProfileString(std::string_view iniText, std::string_view section, std::string_view key,
                                            std::size_t bufferSize);

} // namespace kinsketch::launcher
