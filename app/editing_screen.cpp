#include "app/editing_screen.h"

#include "app/input_mode_bar.h"

#include "app/basic_input_opening.h"
#include "app/editing_screen_layout.h"
#include "app/end_question.h"
#include "app/guidance_box.h"
#include "app/main_window.h"
#include "app/menu_bar.h"
#include "app/save_command.h"
#include "genogram/canvas_layers.h"
#include "windows/basic_input/basic_input_window.h"
#include "windows/canvas/canvas_window.h"
#include "windows/picture/picture_confirm_window.h"
#include "windows/picture/print_dialog.h"
#include "windows/tools/free_line_panel_window.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <optional>

namespace kinsketch {
EditingScreen::EditingScreen(MainWindow& main, EditingContext& context, GdrStore& store, MessageBoxes& boxes,
                             Timers& timers, UserSettings& settings, std::function<void()> endProgram)
    : main_(main)
    , store_(store)
    , boxes_(boxes)
    , timers_(timers)
    , settings_(settings)
    , endProgram_(std::move(endProgram))
    , gate_(boxes)
    , windows_(main, context, store.reporter(), boxes, timers)
    , switching_(windows_, main, gate_)
    , layers_(windows_.context().drawing.editWhole(), store.reporter(),
              [this](CanvasSize size) -> GenoCanvas& { return windows_.canvas(size).canvas(); })
    , screenSwitch_(windows_, switching_, layers_, boxes)
    , history_({[this](EditingState& state, bool whole) { return takeState(state, whole); },
                [this](const EditingState& state) { showState(state); }})
    , triggers_(main, {[this](const QString& run) { recordEdit(run); }, [this] { undo(); }, [this] { redo(); }})
    , shortcuts_(main,
                 {[this] { save(); }, [this] { print(); },
                  [this](int button) {
                      // As a click on the bar's button, which runs only through an open gate.
                      if (gate_.isOpen() && editingOnScreen()) switching_.switchBar().modeButton(button)->click();
                  },
                  [this](int steps) { stepDisplaySize(steps); }, [this] { changeDisplaySize(kAutomaticDisplaySize); }})
{
    // The confirmation gives way to any other window the user turns to: back
    // to editing, as キャンセル does, so the bars are never lost.
    confirmationGivesWay_ = QObject::connect(main_.childArea(), &QMdiArea::subWindowActivated, main_.childArea(),
                                             [this](QMdiSubWindow* active) {
                                                 PictureConfirmWindow* confirm = confirm_.get();
                                                 if (confirm && active && active->widget() != confirm)
                                                     confirm->lostActivation();
                                             });
    main_.setCloseRequest([this] { end(); });
    displayChoice_ = settings_.loadDisplayChoice();
    main_.setDisplayScale(displaySizes().shown);
    main_.setRoomChanged([this] { refitSoon(); });
    main_.setPlacement([this](const QWidget& window) {
        const EditingScreenLayout layout(canvasSizeOf(windows_.document()), main_.displayScale(),
                                         main_.frameMargins(true), main_.frameMargins(false));
        return layout.frameTopLeft(window.objectName());
    });
}

// The main window outlives the screen: nothing it calls may lead back here.
EditingScreen::~EditingScreen()
{
    QObject::disconnect(confirmationGivesWay_);
    main_.setCloseRequest({});
    main_.setPlacement({});
    main_.setRoomChanged({});
    confirm_.unload();
    unloadMenuBar();
    unloadScreenSwitch();
}

void EditingScreen::open()
{
    gate_.run([this] {
        // The main window has its place on the screen by now.
        main_.setDisplayScale(displaySizes().shown);
        menuBar();
        // A document the canvas could not open whole is not edited or saved:
        // the error box has said why, and the menu bar still ends the program.
        if (!openBasicInputAndCanvas(windows_)) return;
        switching_.switchBar();
        windows_.toolBar();
        screenSwitch();
        history_.restart();
        menuBar().showDisplaySizes(displaySizes());
        if (recovery_) recovery_->startFrom();
    });
}

void EditingScreen::keepRecoveryCopy(RecoveryKeeper::Copy copy)
{
    recovery_ = std::make_unique<RecoveryKeeper>(
        timers_, std::move(copy), [this](GdrRecord& document) { return takeRecoveryDocument(document); });
}

void EditingScreen::recoveryCopyWritten(bool written)
{
    if (written) copyFailureTold_ = false;
    if (written || copyFailureTold_ || !editingOnScreen()) return;
    copyFailureTold_ = true;
    windows_.infoBox().setGuidanceLine(0, "復元用の記録を保存できません。早めに保存してください。");
}

MenuBar& EditingScreen::menuBar()
{
    const auto make = [this] {
        MenuBar::Commands commands{
            [this] { save(); }, [this] { end(); },  [this](int percent) { changeDisplaySize(percent); },
            [this] { undo(); }, [this] { redo(); }, [this] { print(); }};
        return new MenuBar(std::move(commands), main_.displayScale());
    };
    MenuBar& bar = menuBar_.ensure(main_, make, [this](MenuBar& made) {
        made.showHistory(history_.stack().canUndo(), history_.stack().canRedo());
        QObject::connect(&history_.stack(), &QUndoStack::canUndoChanged, &made,
                         [this, &made] { made.showHistory(history_.stack().canUndo(), history_.stack().canRedo()); });
        QObject::connect(&history_.stack(), &QUndoStack::canRedoChanged, &made,
                         [this, &made] { made.showHistory(history_.stack().canUndo(), history_.stack().canRedo()); });
    });
    bar.show();
    return bar;
}

void EditingScreen::unloadMenuBar() { menuBar_.unload(); }

ScreenSwitchWindow& EditingScreen::screenSwitch()
{
    const auto make = [this] {
        return new ScreenSwitchWindow(
            [this] {
                // The switch is a step of its own: what was pending before it is one too.
                gate_.run([this] {
                    if (!editingOnScreen()) return;
                    history_.record();
                    if (!screenSwitch_.switchSize()) return;
                    history_.record();
                    showDisplaySizeInForce();
                });
            },
            main_.displayScale());
    };
    ScreenSwitchWindow& window = screen_.ensure(main_, make);
    window.show();
    return window;
}

void EditingScreen::unloadScreenSwitch() { screen_.unload(); }

void EditingScreen::save()
{
    gate_.run([this] {
        // A kill at the confirmation deletes the saved document at the next
        // start; the copy must already hold what it holds.
        if (!editingOnScreen()) return;
        if (recovery_) recovery_->writeNow();
        SaveCommand(*this, store_).run();
    });
}

void EditingScreen::changeDisplaySize(int choice)
{
    gate_.run([this, choice] {
        const int before = displayChoice_;
        displayChoice_ = choice;
        if (!showDisplaySizeInForce()) {
            displayChoice_ = before;
            menuBar().showDisplaySizes(displaySizes());
            return;
        }
        settings_.storeDisplayChoice(choice);
    });
}

DisplaySizes EditingScreen::displaySizes()
{
    return fitDisplaySizes(displayChoice_, canvasSizeOf(windows_.document()), room_(),
                           smallestAutomaticPercent(main_.devicePixelRatioF()),
                           [this](DisplayScale scale, bool titled) { return main_.frameMargins(scale, titled); });
}

// The windows are made anew at the new size rather than stretched: each lays
// itself out in whole pixels of that size. The canvas layers are stored
// first, so the new canvas opens the drawing as it was.
bool EditingScreen::showDisplaySizeInForce()
{
    const DisplaySizes sizes = displaySizes();
    if (sizes.shown != main_.displayScale()) {
        if (!layers_.saveCanvasLayers(canvasSizeOf(windows_.document()))) return false;
        reopenAtDisplaySize(sizes.shown);
    }
    menuBar().showDisplaySizes(sizes);
    return true;
}

// A resize comes in bursts while a window is dragged or a screen changes:
// the screen is fitted once they have settled, and once no box is open.
void EditingScreen::refitSoon()
{
    timers_.singleShot(kRefitMilliseconds, [this, alive = std::weak_ptr<int>(alive_), request = ++refitRequests_] {
        if (alive.expired() || request != refitRequests_) return;
        const bool ran = gate_.run([this] {
            if (editingOnScreen()) showDisplaySizeInForce();
        });
        if (!ran) refitSoon();
    });
}

// The input mode and the free-line tools (pen width and colour, the figure
// being built) are the user's, not the windows': they stay.
void EditingScreen::reopenAtDisplaySize(DisplayScale scale)
{
    const InputMode mode = windows_.context().inputMode;
    std::optional<FreeLinePanelRegisters> tools;
    if (FreeLinePanelWindow* panel = windows_.loadedFreeLinePanel()) tools = panel->model().registers();
    closeBarsAndToolWindows();
    closeEditingWindows();
    main_.setDisplayScale(scale);
    menuBar();
    if (!openBasicInputAndCanvas(windows_)) return;
    InputModeBar& bar = switching_.switchBar();
    windows_.toolBar();
    screenSwitch();
    if (mode != InputMode::Text) bar.selectInputMode(mode);
    if (tools) {
        FreeLinePanelWindow& panel = windows_.freeLinePanel();
        panel.model().registers() = *tools;
        panel.showRegisters();
    }
}

void EditingScreen::stepDisplaySize(int steps)
{
    const DisplaySizes sizes = displaySizes();
    const int from = sizes.shown.percent();
    std::optional<int> to;
    for (const int percent : DisplayScale::kPercents)
        if (sizes.fits(percent) && (steps > 0 ? percent > from && !to : percent < from)) to = percent;
    if (to) changeDisplaySize(*to);
}

// The dialog keeps a picture of its own, drawn from a copy: what it does
// never reaches the drawing, its history or its recovery copy. It is modal,
// so the gate stays shut while it is open.
void EditingScreen::print()
{
    gate_.run([this] {
        GdrRecord document;
        if (!takeRecoveryDocument(document)) return;
        std::unique_ptr<PictureCanvas> picture = PictureCanvas::of(std::move(document), store_.reporter());
        if (!picture) return;
        const std::chrono::year_month_day today = timers_.today();
        const QDate date(static_cast<int>(today.year()), static_cast<int>(static_cast<unsigned>(today.month())),
                         static_cast<int>(static_cast<unsigned>(today.day())));
        // The screen owns the dialog while it is open; once it has finished,
        // the event loop frees it after its own click has returned.
        printDialog_ = std::make_unique<PrintDialog>(std::make_unique<PrintSession>(std::move(picture), documentName_,
                                                                                    date, boxes_, *printPlatform_,
                                                                                    settings_.loadPdfFolder()),
                                                     main_.displayScale(), &main_);
        PrintChoices shown = settings_.loadPrintChoices(printDialog_->session().defaults());
        if (printTitle_) shown.title = *printTitle_;
        printDialog_->showChoices(shown);
        QObject::connect(printDialog_.get(), &QDialog::finished, printDialog_.get(), [this] {
            PrintDialog* finished = printDialog_.release();
            finished->deleteLater();
            printTitle_ = finished->choices().title;
            if (finished->session().done()) printDone(*finished->session().done());
        });
        printDialog_->setWindowModality(Qt::ApplicationModal);
        printDialog_->show();
    });
}

void EditingScreen::printDone(const PrintChoices& done)
{
    settings_.storePrintChoices(done);
    if (done.destination != PrintChoices::Destination::PdfFile || !editingOnScreen()) return;
    GuidanceBox& guidance = windows_.infoBox();
    guidance.setGuidanceLine(0, guidance.lineWithPath(QStringLiteral("PDFを保存しました："), done.pdfFolder()));
}

void EditingScreen::undo()
{
    gate_.run([this] {
        if (editingOnScreen()) history_.undo();
    });
    if (recovery_) recovery_->editMayHaveHappened();
}

void EditingScreen::redo()
{
    gate_.run([this] {
        if (editingOnScreen()) history_.redo();
    });
    if (recovery_) recovery_->editMayHaveHappened();
}

void EditingScreen::recordEdit(const QString& run)
{
    gate_.run([this, &run] {
        if (editingOnScreen()) history_.record(run);
    });
    if (recovery_) recovery_->editMayHaveHappened();
}

bool EditingScreen::editingOnScreen()
{
    const CanvasSize size = canvasSizeOf(windows_.document());
    return !confirm_.loaded() && windows_.loadedBasicInput(size) && windows_.loadedCanvas(size);
}

// The texts and added lines as the save would store them, so that a state
// given back shows what opening its document shows.
DrawingChange EditingScreen::takeState(EditingState& state, bool whole)
{
    Drawing& drawing = windows_.context().drawing;
    DrawingChange change = drawing.takeChange();
    if (whole) change = DrawingChange::everything();
    const GdrRecord& document = drawing.document();
    takeDocumentFields(document, change, state.rest);
    if (BasicInputWindow* panel = change.marks ? windows_.loadedBasicInput(canvasSizeOf(document)) : nullptr)
        for (int i = 0; i < panel->panel().layout().slotCount(); ++i)
            state.rest.marks[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(panel->panel().slot(i).mark);
    const FreeLinePanelRegisters& registers = windows_.freeLineRegisters();
    state.numbering = {registers.figureNumber, registers.strokeNumber, windows_.context().freeLineCount};
    if (change.strokesFrom) state.strokes = document.strokes;
    return change;
}

// Shown as opening the document would show it, where the state changed it:
// the panel filled anew, the canvas's changed layers opened anew on the same
// window, the marks and the free-line numbering set back.
void EditingScreen::showState(const EditingState& state)
{
    const CanvasSize size = canvasSizeOf(windows_.document());
    const DrawingChange change = putIntoDocument(state, windows_.context().drawing);
    if (change.size) {
        screenSwitch_.followDocumentSize(size);
        showMarksAndNumbering(state);
        showDisplaySizeInForce();
        return;
    }
    if (change.panel()) windows_.basicInput(size).panel().load();
    windows_.canvas(size).reopenDocument(layers_, change);
    switching_.showLineHandles(windows_.context().inputMode == InputMode::AddedLines);
    showMarksAndNumbering(state);
}

void EditingScreen::showMarksAndNumbering(const EditingState& state)
{
    windows_.basicInput(canvasSizeOf(windows_.document())).panel().showMarks(state.rest.marks);
    FreeLinePanelRegisters& registers = windows_.freeLineRegisters();
    registers.figureNumber = state.numbering.figureNumber;
    registers.strokeNumber = state.numbering.strokeNumber;
    windows_.context().freeLineCount = state.numbering.freeLineCount;
    if (FreeLinePanelWindow* tools = windows_.loadedFreeLinePanel()) {
        tools->model().updateUndoEnabled();
        tools->showRegisters();
    }
}

// The document as the save would store it: every edit is in it already.
bool EditingScreen::takeRecoveryDocument(GdrRecord& document)
{
    if (!editingOnScreen()) return false;
    document = withStoredTextsAndLines(windows_.document());
    return true;
}

void EditingScreen::finish()
{
    if (recovery_) recovery_->discard();
    endProgram_();
}

void EditingScreen::end()
{
    gate_.run([this] {
        if (askToEndWithoutSaving(boxes_)) finish();
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
    PictureConfirmWindow::Actions actions{[this] { finish(); },
                                          [this] {
                                              bool returned = false;
                                              gate_.run([this, &returned] { returned = returnFromConfirmation(); });
                                              return returned;
                                          }};
    const auto make = [&] {
        return new PictureConfirmWindow(picture, store_.workFolder() / "kinsketch.bmp", boxes_, store_.reporter(),
                                        std::move(actions), main_.displayScale());
    };
    PictureConfirmWindow& confirm = confirm_.ensure(main_, make);
    main_.childArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(&frameOf(confirm)));
}

void EditingScreen::closeEditingWindows()
{
    const CanvasSize size = canvasSizeOf(windows_.document());
    windows_.unloadBasicInput(size);
    windows_.unloadCanvas(size);
}

void EditingScreen::resumeEditing()
{
    // Storing may have renumbered the texts and added lines: the canvas
    // takes them anew, with their handles on show in line mode.
    windows_.canvas(canvasSizeOf(windows_.document()))
        .reopenDocument(layers_, DrawingChange::ofLayers(true, true, std::nullopt));
    switching_.showLineHandles(windows_.context().inputMode == InputMode::AddedLines);
}

bool EditingScreen::returnFromConfirmation()
{
    // The confirmation stays, so that 決定 can still file what was saved.
    if (!openBasicInputAndCanvas(windows_)) return false;
    switching_.switchBar();
    menuBar();
    screenSwitch();
    // Storing the layers may have changed what the last step holds: that is a
    // step too. The history goes on, but no typing run goes on across a save.
    history_.record();
    history_.endRun();
    refitSoon(); // the room may have changed while the confirmation was shown
    // The confirmation's own click is still on the stack.
    confirm_.unloadLater();
    return true;
}

} // namespace kinsketch
