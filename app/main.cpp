// Kinsketch: draws a client's genogram and hands the picture to the host system.

#include "app/editing_screen.h"
#include "app/japanese_translations.h"
#include "app/main_window.h"
#include "app/message_box_error_reporter.h"
#include "app/qt_message_boxes.h"
#include "app/qt_timers.h"
#include "app/splash_window.h"
#include "app/startup.h"
#include "document/recovery_copy_writer.h"

#include <QApplication>
#include <QScreen>
#include <QSettings>
#include <QTimer>

#include <optional>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    kinsketch::installJapaneseTranslations(app);

    kinsketch::QtMessageBoxes boxes;
    kinsketch::QtTimers timers;
    const std::filesystem::path programFolder = QCoreApplication::applicationDirPath().toStdU16String();
    kinsketch::EditingContext context;
    kinsketch::Startup startup(programFolder, context, boxes, [&timers] {
        kinsketch::SplashWindow splash(timers);
        splash.showModal();
    });
    if (startup.run(kinsketch::commandLineOf(argc, argv)) != kinsketch::StartupOutcome::Run) return 1;

    kinsketch::MainWindow mainWindow;
    boxes.setParent(&mainWindow);
    // Maximised even where no window manager acts on the request.
    mainWindow.setGeometry(mainWindow.screen()->availableGeometry());
    mainWindow.showMaximized();

    kinsketch::MessageBoxErrorReporter reporter(boxes);
    kinsketch::GdrStore store(startup.workFolder(), reporter);
    QSettings settings(QStringLiteral("Kinsketch"), QStringLiteral("Kinsketch"));
    kinsketch::UserSettings userSettings(settings);
    std::optional<kinsketch::RecoveryCopyWriter> recoveryWriter;
    kinsketch::EditingScreen screen(mainWindow, context, store, boxes, timers, userSettings,
                                    [] { QCoreApplication::exit(0); });
    screen.setDocumentName(QString::fromStdString(startup.documentName()));
    if (startup.recoveryCopy()) {
        recoveryWriter.emplace(*startup.recoveryCopy(), [&mainWindow, &screen](bool written) {
            QMetaObject::invokeMethod(
                &mainWindow, [&screen, written] { screen.recoveryCopyWritten(written); }, Qt::QueuedConnection);
        });
        screen.keepRecoveryCopy(
            {[&recoveryWriter](kinsketch::GdrRecord document) { recoveryWriter->write(std::move(document)); },
             [&recoveryWriter] { recoveryWriter->discard(); }});
    }
    // Opened inside the event loop, so that ending the program from a box the
    // opening shows leaves that loop too.
    QTimer::singleShot(0, &mainWindow, [&screen] { screen.open(); });
    return app.exec();
}
