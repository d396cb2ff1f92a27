#include "app/editing_screen.h"

#include "app/basic_input_opening.h"
#include "app/end_question.h"
#include "app/main_window.h"
#include "app/menu_bar.h"
#include "app/save_command.h"
#include "genogram/window/canvas_window.h"
#include "picture/window/picture_confirm_window.h"
#include "ui/child_window_place.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

namespace kinsketch {
namespace {

constexpr TwipsPlace kMenuBarPlace{3300, 0};
constexpr TwipsPlace kScreenSwitchPlace{5550, 0};
constexpr TwipsPlace kConfirmationPlace{0, 2200};

} // namespace

EditingScreen::EditingScreen(MainWindow& main, EditingContext& context, GdrStore& store, MessageBoxes& boxes,
                             Timers& timers, std::function<void()> endProgram)
    : main_(main)
    , store_(store)
    , boxes_(boxes)
    , endProgram_(std::move(endProgram))
    , gate_(boxes)
    , windows_(main, context, store.reporter(), boxes, timers)
    , switching_(windows_, main, gate_)
    , layers_(windows_.document(), store.reporter(),
              [this](CanvasSize size) -> GenoCanvas& { return windows_.canvas(size).canvas(); })
    , screenSwitch_(windows_, switching_, layers_, boxes)
{
    // The confirmation gives way to any other window the user turns to: back
    // to editing, as キャンセル does, so the bars are never lost.
    QObject::connect(main_.childArea(), &QMdiArea::subWindowActivated, main_.childArea(),
                     [this](QMdiSubWindow* active) {
                         if (confirm_ && active && active->widget() != confirm_) confirm_->lostActivation();
                     });
    main_.setCloseRequest([this] { end(); });
}

EditingScreen::~EditingScreen()
{
    MainWindow::unloadChildWindow(confirm_);
    unloadMenuBar();
    unloadScreenSwitch();
}

void EditingScreen::open()
{
    gate_.run([this] {
        menuBar();
        openBasicInput(windows_, true);
        switching_.switchBar();
        windows_.toolBar();
        screenSwitch();
    });
}

MenuBar& EditingScreen::menuBar()
{
    const auto make = [this] { return new MenuBar([this] { save(); }, [this] { end(); }); };
    MenuBar& bar = menuBar_.ensure(main_, make, [](MenuBar& made) { placeChildWindow(made, kMenuBarPlace); });
    bar.show();
    return bar;
}

void EditingScreen::unloadMenuBar() { menuBar_.unload(); }

ScreenSwitchWindow& EditingScreen::screenSwitch()
{
    const auto make = [this] {
        return new ScreenSwitchWindow([this] { gate_.run([this] { screenSwitch_.switchSize(); }); });
    };
    ScreenSwitchWindow& window =
        screen_.ensure(main_, make, [](ScreenSwitchWindow& made) { placeChildWindow(made, kScreenSwitchPlace); });
    window.show();
    return window;
}

void EditingScreen::unloadScreenSwitch() { screen_.unload(); }

void EditingScreen::save()
{
    gate_.run([this] { SaveCommand(*this, store_).run(); });
}

void EditingScreen::end()
{
    gate_.run([this] {
        if (askToEndWithoutSaving(boxes_)) endProgram_();
    });
}

GenoCanvas& EditingScreen::currentCanvas() { return windows_.canvas(canvasSizeOf(windows_.document())).canvas(); }

void EditingScreen::closeBarsAndToolWindows()
{
    windows_.unloadInfoBox();
    switching_.unloadLineTool();
    switching_.unloadSwitchBar();
    windows_.unloadFrameTool();
    windows_.unloadToolBar();
    unloadScreenSwitch();
    windows_.unloadFreeLinePanel();
    // The menu bar's own click is still on the stack: it goes once that returns.
    menuBar_.unloadLater();
}

void EditingScreen::showPictureConfirmation(const QImage& picture)
{
    PictureConfirmWindow::Actions actions{endProgram_, [this] { gate_.run([this] { returnFromConfirmation(); }); }};
    confirm_ = new PictureConfirmWindow(picture, store_.workFolder() / "kinsketch.bmp", boxes_, store_.reporter(),
                                        std::move(actions));
    main_.addChildWindow(confirm_);
    placeChildWindow(*confirm_, kConfirmationPlace);
    confirm_->parentWidget()->resize(confirm_->parentWidget()->sizeHint());
    main_.childArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(confirm_->parentWidget()));
}

void EditingScreen::closeEditingWindows()
{
    const CanvasSize size = canvasSizeOf(windows_.document());
    windows_.unloadBasicInput(size);
    windows_.unloadCanvas(size);
}

void EditingScreen::resumeEditing()
{
    // Storing the added lines hid their handles; they belong on show in line mode.
    switching_.showLineHandles(windows_.context().inputMode == InputMode::AddedLines);
    windows_.canvas(canvasSizeOf(windows_.document())).update();
}

void EditingScreen::returnFromConfirmation()
{
    openBasicInput(windows_, true);
    switching_.switchBar();
    menuBar();
    screenSwitch();
    // The confirmation's own click is still on the stack.
    if (confirm_) confirm_->parentWidget()->deleteLater();
    confirm_ = nullptr;
}

} // namespace kinsketch
