#include "render_arguments.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace kinsketch {

const char* const kRenderUsage =
    "usage: kinsketch-render [--no-ages] [--no-remarks] [--no-texts] [--no-band-colours] "
    "[--paper=A4|A3] [--portrait|--landscape]"
    " [--client=NAME] [--author=NAME] [--date=YYYY-MM-DD] [--legend] FILE.gdr OUT.bmp|OUT.png|OUT.pdf"
#ifdef KINSKETCH_SVG
    "|OUT.svg"
#endif
    ;

namespace {

RenderOutput outputOf(const std::filesystem::path& out)
{
    std::string extension = out.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".pdf") return RenderOutput::Pdf;
    if (extension == ".svg") return RenderOutput::Svg;
    if (extension == ".png") return RenderOutput::Png;
    return RenderOutput::Bitmap;
}

} // namespace

std::variant<RenderArguments, std::string> parseRenderArguments(const std::vector<std::string>& arguments)
{
    RenderArguments parsed;
    std::vector<std::string> files;
    bool pageChosen = false;
    int orientations = 0;
    std::optional<PrintTitle> title;
    bool legendChosen = false;
    for (const std::string& argument : arguments) {
        if (argument == "--no-ages") {
            parsed.print.details.ages = false;
        } else if (argument == "--no-remarks") {
            parsed.print.details.remarks = false;
        } else if (argument == "--no-texts") {
            parsed.print.details.texts = false;
        } else if (argument == "--no-band-colours") {
            parsed.print.details.bandColours = false;
        } else if (argument == "--legend") {
            parsed.print.legend = true;
            legendChosen = true;
        } else if (argument == "--paper=A4" || argument == "--paper=A3") {
            parsed.print.paper = argument.back() == '4' ? QPageSize::A4 : QPageSize::A3;
            pageChosen = true;
        } else if (argument == "--portrait" || argument == "--landscape") {
            parsed.print.orientation = argument == "--portrait" ? QPageLayout::Portrait : QPageLayout::Landscape;
            pageChosen = true;
            ++orientations;
        } else if (argument.starts_with("--client=") || argument.starts_with("--author=")) {
            if (!title) title.emplace();
            const std::size_t at = argument.find('=') + 1;
            (argument[2] == 'c' ? title->client : title->author) = QString::fromStdString(argument.substr(at));
        } else if (argument.starts_with("--date=")) {
            if (!title) title.emplace();
            title->made = QDate::fromString(QString::fromStdString(argument.substr(7)), Qt::ISODate);
            if (!title->made.isValid()) return "unknown date " + argument.substr(7) + " (YYYY-MM-DD)";
        } else if (argument.starts_with("--paper=")) {
            return "unknown paper " + argument.substr(8) + " (A4 or A3)";
        } else if (argument.starts_with("-") && argument != "-") {
            return "unknown option " + argument;
        } else {
            files.push_back(argument);
        }
    }
    if (files.size() != 2) return "expected a document and an output file";
    if (orientations > 1) return "--portrait and --landscape exclude each other";
    parsed.document = files[0];
    parsed.out = files[1];
    parsed.output = outputOf(parsed.out);
#ifndef KINSKETCH_SVG
    if (parsed.output == RenderOutput::Svg) return "SVG output is not available in this build (Qt SVG is missing)";
#endif
    if ((pageChosen || title || legendChosen) && parsed.output != RenderOutput::Pdf)
        return "--paper, --portrait, --landscape, --client, --author, --date and --legend are for a PDF";
    if (title) parsed.print.heading = printedHeading(*title);
    return parsed;
}

} // namespace kinsketch
