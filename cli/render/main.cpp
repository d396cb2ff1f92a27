// kinsketch-render [options] FILE.gdr OUT: writes the picture that opening
// FILE as a handed-in document and saving it at once would write, or that
// picture on a PDF page or as an SVG (see render_arguments.h). Needs no display.

#include "render_arguments.h"
#ifdef KINSKETCH_SVG
#include "svg_picture.h"
#endif

#include "picture/canvas_fonts.h"
#include "picture/canvas_picture.h"
#include "picture/handed_in_picture.h"

#include "document/run_time_error.h"
#include "seams/error_reporter.h"

#include <QGuiApplication>

#include <filesystem>
#include <iostream>
#include <string>
#include <variant>
#include <vector>

namespace {

constexpr const char* kProgram = "kinsketch-render";

// Reading a document may report more than one box; the command line gives
// one line for a document it cannot read, and one line for each warning.
class CollectingReporter : public kinsketch::ErrorReporter {
public:
    void reportError(std::string_view title, std::string_view text) override
    {
        boxes.push_back(std::string(title) + ": " + std::string(text));
    }
    std::vector<std::string> boxes;
};

// The tool's standard error is its own one-line messages; Qt's notes about
// the headless environment (no runtime folder and the like) stay out of it.
void keepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << kProgram << ": " << message.toStdString() << '\n';
}

void write(const kinsketch::GenoCanvas& canvas, const kinsketch::RenderArguments& arguments)
{
    using kinsketch::RenderOutput;
    const QString title = QString::fromStdString(arguments.document.stem().string());
    switch (arguments.output) {
    case RenderOutput::Pdf: kinsketch::writeCanvasPdf(canvas, arguments.out, arguments.print, title); break;
    case RenderOutput::Svg:
#ifdef KINSKETCH_SVG
        kinsketch::writeCanvasSvg(canvas, arguments.out, arguments.print.details, title);
#endif
        break;
    case RenderOutput::Bitmap:
    case RenderOutput::Png:
        kinsketch::writePicture(kinsketch::renderCanvasPictureShowing(canvas, arguments.print.details), arguments.out);
        break;
    }
}

} // namespace

int main(int argc, char** argv)
{
    const auto parsed = kinsketch::parseRenderArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (const auto* wrong = std::get_if<std::string>(&parsed)) {
        std::cerr << kProgram << ": " << *wrong << '\n' << kinsketch::kRenderUsage << '\n';
        return 2;
    }
    const auto& arguments = std::get<kinsketch::RenderArguments>(parsed);
    qInstallMessageHandler(keepQtQuiet);
#ifndef _WIN32
    // On Windows the system's own platform needs no display, and is the one
    // that sees the installed fonts.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    QGuiApplication application(argc, argv);
    kinsketch::installCanvasFontSubstitutions();

    CollectingReporter reporter;
    const auto picture = kinsketch::pictureCanvasOfHandedInDocument(arguments.document, reporter);
    if (!picture) {
        const std::string reason = reporter.boxes.empty() ? std::string("unreadable") : reporter.boxes.front();
        std::cerr << kProgram << ": cannot read " << arguments.document.string() << ": " << reason << '\n';
        return 1;
    }
    for (const auto& warning : reporter.boxes)
        std::cerr << kProgram << ": " << arguments.document.string() << ": " << warning << '\n';
    try {
        write(picture->canvas(), arguments);
    } catch (const kinsketch::RunTimeError& error) {
        std::cerr << kProgram << ": cannot write " << arguments.out.string() << ": " << error.boxText() << '\n';
        return 1;
    }
    return 0;
}
