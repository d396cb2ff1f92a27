// kinsketch-render FILE.gdr OUT.bmp: writes the picture that opening FILE as
// a handed-in document and saving it at once would write (a PNG when OUT ends
// in .png). Needs no display.

#include "picture/canvas_fonts.h"
#include "picture/canvas_picture.h"
#include "picture/handed_in_picture.h"

#include "document/run_time_error.h"
#include "seams/error_reporter.h"

#include <QGuiApplication>

#include <filesystem>
#include <iostream>
#include <string>
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

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: " << kProgram << " FILE.gdr OUT.bmp|OUT.png\n";
        return 2;
    }
    qInstallMessageHandler(keepQtQuiet);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    kinsketch::installCanvasFontSubstitutions();

    const std::filesystem::path document = argv[1];
    const std::filesystem::path picture = argv[2];
    CollectingReporter reporter;
    const auto image = kinsketch::pictureOfHandedInDocument(document, reporter);
    if (!image) {
        const std::string reason = reporter.boxes.empty() ? std::string("unreadable") : reporter.boxes.front();
        std::cerr << kProgram << ": cannot read " << document.string() << ": " << reason << '\n';
        return 1;
    }
    for (const auto& warning : reporter.boxes)
        std::cerr << kProgram << ": " << document.string() << ": " << warning << '\n';
    try {
        kinsketch::writePicture(*image, picture);
    } catch (const kinsketch::RunTimeError& error) {
        std::cerr << kProgram << ": cannot write " << picture.string() << ": " << error.boxText() << '\n';
        return 1;
    }
    return 0;
}
