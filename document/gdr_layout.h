#pragma once
// Which of the three layouts a handed-in file has, told from the last three
// characters of the file read as code-page-932 text.

#include "gdr_codec.h"

#include <string_view>

namespace kinsketch {

enum class GdrLayout { Current, Pre202, Rows18 };

GdrLayout recogniseGdrLayout(ByteView content);

std::string_view layoutName(GdrLayout layout); // "current", "pre202", "rows18"

} // namespace kinsketch
