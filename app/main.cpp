// Kinsketch: draws a client's genogram and hands the picture to the host system.

#include "app/japanese_translations.h"
#include "app/main_window.h"
#include "app/menu_selection.h"
#include "app/message_box_error_reporter.h"
#include "app/qt_message_boxes.h"
#include "app/qt_timers.h"
#include "app/splash_window.h"
#include "app/startup.h"
#include "app/switch_bar_wiring.h"
#include "app/tool_bar.h"
#include "app/window_directory.h"
#include "document/document_globals.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    kinsketch::installJapaneseTranslations(app);

    kinsketch::QtMessageBoxes boxes;
    kinsketch::QtTimers timers;
    const std::filesystem::path programFolder = QCoreApplication::applicationDirPath().toStdU16String();
    kinsketch::Startup startup(programFolder, boxes, [&timers] {
        kinsketch::SplashWindow splash(timers);
        splash.showModal();
    });
    if (startup.run(kinsketch::commandLineOf(argc, argv)) != kinsketch::StartupOutcome::Run) return 1;

    kinsketch::MainWindow mainWindow;
    boxes.setParent(&mainWindow);
    mainWindow.showMaximized();

    // The main window's load shows the tool bar, then opens basic input.
    kinsketch::MessageBoxErrorReporter reporter(boxes);
    kinsketch::WindowDirectory windows(mainWindow, kinsketch::gGdr, reporter, boxes, timers);
    windows.toolBar();
    kinsketch::SwitchBarWiring switching(windows, mainWindow);
    switching.switchBar();
    kinsketch::LfncMenuSel(windows, 0, true);
    return app.exec();
}
