#pragma once
// A whole editing screen at a display size, with the user's settings kept in a file of its own.

#include "app/editing_screen.h"
#include "app/main_window.h"
#include "app/user_settings.h"
#include "document/gdr_conversion.h"
#include "tests/support/manual_timers.h"
#include "tests/support/qt_application.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/temporary_folder.h"
#include "tests/support/text_dialog_doubles.h"
#include "windows/canvas/canvas_window.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

namespace kinsketch::test {

class WholeScreen {
public:
    WholeScreen(CanvasSize size, int percent, const std::function<void(GdrRecord&)>& handIn = {})
    {
        makeNewDocument(context.document);
        if (handIn) handIn(context.document);
        if (size == CanvasSize::Wide) context.document.screenMode = "WIDE";
        settings.setValue("display/percent", percent);
        main.resize(room);
        main.show();
        screen = std::make_unique<EditingScreen>(main, context, store, boxes, timers, userSettings, [] {});
        screen->windows().useTextDialog(dialog);
        screen->measureRoomWith([this] { return room; });
        screen->open();
        // A fixed size the room does not hold would give way to 自動.
        if (percent != kAutomaticDisplaySize && main.displayScale().percent() != percent)
            ADD_FAILURE() << "the screen does not fit the test's main window at " << percent << " %";
    }
    void chooseMode(int k)
    {
        screen->switching().switchBar().findChild<QToolButton*>(QStringLiteral("cmdMenu%1").arg(k))->click();
    }
    // A text on the canvas of `size`, as if placed there by the text dialog.
    void placeText(CanvasSize size)
    {
        GenoCanvas& canvas = screen->windows().canvas(size).canvas();
        canvas.drawing().setText(1, {"主介護者", 0, "ＭＳ Ｐゴシック", 9, 0, 0, 0, 0, 0, 500, 500, 900, 200, kTrue});
        canvas.showText(1, true);
    }
    std::map<QString, QRect> frames() const
    {
        std::map<QString, QRect> shown;
        for (QMdiSubWindow* sub : main.childArea()->subWindowList())
            if (sub->isVisible()) shown[sub->widget()->objectName()] = sub->geometry();
        return shown;
    }

    QApplication& app = application();
    QSize room{3600, 2200}; // for every size, the WIDE screen at 200 % among them
    TemporaryFolder folder;
    QSettings settings{QString::fromStdString((folder.path() / "settings.ini").string()), QSettings::IniFormat};
    UserSettings userSettings{settings};
    RecordingReporter reporter;
    ScriptedMessageBoxes boxes;
    ManualTimers timers;
    ScriptedTextDialog dialog;
    MainWindow main;
    EditingContext context;
    GdrStore store{folder.path(), reporter};
    std::unique_ptr<EditingScreen> screen;
};

} // namespace kinsketch::test
