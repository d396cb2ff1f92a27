#pragma once
// The command line of kinsketch-render:
//   kinsketch-render [--no-ages] [--no-remarks] [--no-texts] [--no-band-colours]
//                    [--paper=A4|A3] [--portrait|--landscape]
//                    [--client=NAME] [--author=NAME] [--date=YYYY-MM-DD] [--legend] FILE.gdr OUT
// in any order. OUT's ending picks the output: .pdf a one-page PDF, .svg a
// vector picture at the picture's size, .png a PNG, anything else the bitmap.
// Any of --client, --author and --date puts the print dialog's heading line
// (利用者名, 作成者, 作成日) above a PDF's picture; --legend the dialog's 凡例
// beside or under it.

#include "picture/printed_picture.h"

#include <filesystem>
#include <string>
#include <variant>
#include <vector>

namespace kinsketch {

enum class RenderOutput { Bitmap, Png, Pdf, Svg };

struct RenderArguments {
    std::filesystem::path document;
    std::filesystem::path out;
    RenderOutput output = RenderOutput::Bitmap;
    PrintOptions print; // paper and orientation for a PDF, the details for every output
};

// The arguments after the program's name, or what is wrong with them.
std::variant<RenderArguments, std::string> parseRenderArguments(const std::vector<std::string>& arguments);

extern const char* const kRenderUsage;

} // namespace kinsketch
