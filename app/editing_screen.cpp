#include "app/editing_screen.h"

#include "app/end_question.h"
#include "app/input_mode.h"
#include "app/main_window.h"
#include "app/menu_bar.h"
#include "app/menu_selection.h"
#include "app/save_command.h"
#include "document/document_globals.h"
#include "genogram/basic_input/window/child_window_place.h"
#include "genogram/window/mdi_geno_inp_save.h"
#include "picture/window/pict_confirm_window.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

namespace kinsketch {
namespace {

constexpr TwipsPlace kMenuBarPlace{3300, 0};
constexpr TwipsPlace kScreenSwitchPlace{5550, 0};
constexpr TwipsPlace kConfirmationPlace{0, 2200};

} // namespace

EditingScreen::EditingScreen(MainWindow& main, clsGdrOpe& store, MessageBoxes& boxes, Timers& timers,
                             std::function<void()> endProgram)
    : main_(main)
    , store_(store)
    , boxes_(boxes)
    , endProgram_(std::move(endProgram))
    , windows_(main, gGdr, store.reporter(), boxes, timers)
    , switching_(windows_, main)
    , layers_(windows_.document(), store.reporter(),
              [this](CanvasSize size) -> GenoCanvas& { return windows_.canvas(size).canvas(); })
    , screenSwitch_(windows_, switching_, layers_, boxes, gFreeLineCount)
{
    // The confirmation gives way to any other window the user turns to: back
    // to editing, as キャンセル does, so the bars are never lost.
    QObject::connect(main_.mdiArea(), &QMdiArea::subWindowActivated, main_.mdiArea(), [this](QMdiSubWindow* active) {
        if (confirm_ && active && active->widget() != confirm_) confirm_->lostActivation();
    });
    main_.setCloseRequest([this] { cmd_End_Click(); });
}

EditingScreen::~EditingScreen()
{
    MainWindow::unloadChildWindow(confirm_);
    unloadMenuBar();
    unloadScreenSwitch();
}

void EditingScreen::open()
{
    menuBar();
    LfncMenuSel(windows_, 0, true);
    switching_.switchBar();
    windows_.toolBar();
    screenSwitch();
}

mdiMenuBar& EditingScreen::menuBar()
{
    if (!menuBar_) {
        menuBar_ = new mdiMenuBar([this] { cmdSave_Click(); }, [this] { cmd_End_Click(); });
        main_.addChildWindow(menuBar_);
        placeChildWindow(*menuBar_, kMenuBarPlace);
    }
    menuBar_->show();
    return *menuBar_;
}

void EditingScreen::unloadMenuBar()
{
    MainWindow::unloadChildWindow(menuBar_);
    menuBar_ = nullptr;
}

mdiScreen& EditingScreen::screenSwitch()
{
    if (!screen_) {
        screen_ = new mdiScreen([this] { screenSwitch_.cmdChg_Click(); });
        main_.addChildWindow(screen_);
        placeChildWindow(*screen_, kScreenSwitchPlace);
    }
    screen_->show();
    return *screen_;
}

void EditingScreen::unloadScreenSwitch()
{
    MainWindow::unloadChildWindow(screen_);
    screen_ = nullptr;
}

void EditingScreen::cmdSave_Click() { SaveCommand(*this, store_).run(); }

void EditingScreen::cmd_End_Click()
{
    if (askToEndWithoutSaving(boxes_)) endProgram_();
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
    if (menuBar_) menuBar_->parentWidget()->deleteLater();
    menuBar_ = nullptr;
}

void EditingScreen::showPictureConfirmation(const QImage& picture)
{
    mdiPictConfirm::Actions actions{endProgram_, [this] { returnFromConfirmation(); }};
    confirm_ = new mdiPictConfirm(picture, store_.workFolder() / "kinsketch.bmp", boxes_, store_.reporter(),
                                  std::move(actions));
    main_.addChildWindow(confirm_);
    placeChildWindow(*confirm_, kConfirmationPlace);
    confirm_->parentWidget()->resize(confirm_->parentWidget()->sizeHint());
    main_.mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(confirm_->parentWidget()));
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
    switching_.showLineHandles(gInputMode == 2);
    windows_.canvas(canvasSizeOf(windows_.document())).update();
}

void EditingScreen::returnFromConfirmation()
{
    LfncMenuSel(windows_, 0, true);
    switching_.switchBar();
    menuBar();
    screenSwitch();
    // The confirmation's own click is still on the stack.
    if (confirm_) confirm_->parentWidget()->deleteLater();
    confirm_ = nullptr;
}

} // namespace kinsketch
