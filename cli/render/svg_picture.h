#pragma once
// The picture as an SVG file: the painting routine's lines, symbols and
// texts as vectors, at the saved picture's 96-dpi size.

#include "picture/printed_picture.h"

#include <QString>

#include <filesystem>

namespace kinsketch {

// The file appears whole or not at all; raises RunTimeError when it cannot be written.
void writeCanvasSvg(const GenoCanvas& canvas, const std::filesystem::path& file, const PrintedDetails& details,
                    const QString& title);

} // namespace kinsketch
