// Paints whatever a handed-in document opens as: the document is opened the way start-up opens it, its layers are
// stored and the canvas is painted as the saved picture is. Nothing may crash, hang or leak. A quarter scale keeps each
// picture small; the painter takes the same paths at any scale.

#include "input_file.h"

#include "bench/support/silent_seams.h"
#include "picture/canvas_fonts.h"
#include "picture/handed_in_picture.h"

#include <QGuiApplication>

#include <cstdlib>

using namespace kinsketch;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_handed_in_picture";
    static char* argv[] = {name, nullptr};
    // Kept for the life of the process: Qt tears down poorly at exit.
    new QGuiApplication(argc, argv);
    installCanvasFontSubstitutions();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzz::InputFile input("handed_in.gdr");
    static bench::SilentReporter reporter;
    const std::optional<QImage> picture = pictureOfHandedInDocument(input.write(data, size), reporter, 0.25);
    if (picture && picture->isNull()) std::abort();
    return 0;
}
