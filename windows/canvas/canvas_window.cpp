#include "canvas_window.h"

#include "picture/canvas_painter.h"
#include "picture/canvas_picture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <map>
#include <utility>

namespace kinsketch {
namespace {

MouseButtons buttonBits(Qt::MouseButtons buttons)
{
    MouseButtons bits = kNoButton;
    if (buttons & Qt::LeftButton) bits |= kLeftButton;
    if (buttons & Qt::RightButton) bits |= kRightButton;
    if (buttons & Qt::MiddleButton) bits |= kMiddleButton;
    return bits;
}

} // namespace

CanvasWindow::CanvasWindow(CanvasSize size, Drawing& drawing, ErrorReporter& reporter, DisplayScale scale,
                           CanvasContext context, QWidget* parent)
    : QWidget(parent)
    , canvas_(size, drawing, reporter, std::move(context))
    , scale_(scale)
{
    const QString caption = QStringLiteral("ジェノグラム入力");
    setObjectName(size == CanvasSize::Wide ? QStringLiteral("mdiGenoInpSave_2") : QStringLiteral("mdiGenoInpSave"));
    setWindowTitle(caption);
    setAccessibleName(caption);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(sizeHint());
}

QSize CanvasWindow::sizeHint() const { return canvasPixelSize(canvas_.geometry(), scale_.factor()); }

double CanvasWindow::paintScale() const { return devicePixelRatioF() * scale_.factor(); }

bool CanvasWindow::rebuild()
{
    const bool result = canvas_.rebuild();
    show();
    showChanges();
    return result;
}

CanvasLoad CanvasWindow::openDocument(CanvasLayerStore& layers)
{
    const CanvasLoad load = openDocumentOnCanvas(layers, canvas_);
    show();
    showChanges();
    return load;
}

CanvasLoad CanvasWindow::reopenDocument(CanvasLayerStore& layers, const DrawingChange& change)
{
    const CanvasLoad load = reopenDocumentOnCanvas(layers, canvas_, change);
    showChanges();
    return load;
}

void CanvasWindow::enableEditing(MessageBoxes& boxes, TextDialog& dialog)
{
    mouse_ = std::make_unique<CanvasMouse>(canvas_, boxes, dialog, measure_, [this] { repaint(); });
    keys_ = std::make_unique<CanvasKeys>(canvas_, mouse_->texts());
    // The keyboard reaches the texts once the canvas has the focus.
    setFocusPolicy(Qt::StrongFocus);
}

std::int16_t CanvasWindow::addLine() { return mouse_ ? mouse_->addedLines().addLine() : std::int16_t{1}; }

bool CanvasWindow::drawAddedLines(AddedLineDraw how)
{
    const bool result = canvas_.drawAddedLines(how);
    showChanges();
    return result;
}

bool CanvasWindow::drawAddedLine(int n, AddedLineDraw how)
{
    const bool result = canvas_.drawAddedLine(n, how);
    showChanges();
    return result;
}

void CanvasWindow::mousePressEvent(QMouseEvent* event)
{
    if (!mouse_) return;
    const QPointF at = event->position();
    stepShown_ = false;
    mouse_->mouseDown(buttonBits(event->button()), scale_.twips(at.x()), scale_.twips(at.y()));
    showMouseResult();
}

// A move without a button changes nothing on the canvas.
void CanvasWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (!mouse_) return;
    const QPointF at = event->position();
    stepShown_ = event->buttons() == Qt::NoButton;
    mouse_->mouseMove(buttonBits(event->buttons()), scale_.twips(at.x()), scale_.twips(at.y()));
    showMouseResult();
}

void CanvasWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (!mouse_) return;
    const QPointF at = event->position();
    stepShown_ = false;
    mouse_->mouseUp(buttonBits(event->button()), scale_.twips(at.x()), scale_.twips(at.y()));
    showMouseResult();
}

void CanvasWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!mouse_) return;
    const QPointF at = event->position();
    stepShown_ = false;
    mouse_->doubleClick(buttonBits(event->button()), scale_.twips(at.x()), scale_.twips(at.y()));
    showMouseResult();
}

void CanvasWindow::keyPressEvent(QKeyEvent* event)
{
    static const std::map<int, CanvasKey> kKeys = {
        {Qt::Key_Left, CanvasKey::Left},     {Qt::Key_Right, CanvasKey::Right},   {Qt::Key_Up, CanvasKey::Up},
        {Qt::Key_Down, CanvasKey::Down},     {Qt::Key_Return, CanvasKey::Edit},   {Qt::Key_Enter, CanvasKey::Edit},
        {Qt::Key_Delete, CanvasKey::Delete}, {Qt::Key_Insert, CanvasKey::NewText}};
    const auto key = kKeys.find(event->key());
    if (!keys_ || key == kKeys.end() || !keys_->press(key->second, event->modifiers() & Qt::ShiftModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    showChanges();
    update(); // the chosen text's mark
}

bool CanvasWindow::focusNextPrevChild(bool next)
{
    update();
    if (keys_ && hasFocus() && keys_->press(next ? CanvasKey::NextText : CanvasKey::PreviousText)) return true;
    return QWidget::focusNextPrevChild(next);
}

void CanvasWindow::showMouseResult()
{
    setCursor(mouse_->pointer() == MousePointer::UpArrow ? Qt::UpArrowCursor : Qt::ArrowCursor);
    if (!stepShown_) showChanges();
}

// The segments of a step lie on top of everything, so drawing them over the
// kept picture gives what a full repaint would. A step that moved other
// segments up, or comes before any picture, repaints in full.
void CanvasWindow::showFreeLineStep(const FreeLineStep& step)
{
    stepShown_ = true;
    if (step.drawn.empty() && step.live == 0 && live_ == 0) return;
    const double scale = paintScale();
    if (!picture_.isPaintedAt(canvas_, scale) || canvas_.freeLinesRestacked()) {
        live_ = step.live;
        liveRect_ = {};
        pictureCurrentIn_ = QRegion();
        update();
        return;
    }
    QRegion dirty(liveRect_);
    if (!step.drawn.empty()) dirty += picture_.addFreeLines(canvas_, step.drawn.first, step.drawn.last, scale);
    live_ = step.live;
    liveRect_ = live_ != 0 ? freeLineDeviceRect(canvas_, live_, scale) : QRect();
    dirty += liveRect_;
    repaintFromPicture(dirty);
}

// The picture is brought up to date at once, so that only the area that
// changed needs to reach the screen. Before the window is first painted
// there is nothing to compare with, and the first paint draws it all.
void CanvasWindow::showChanges()
{
    const double scale = paintScale();
    if (!picture_.isPaintedAt(canvas_, scale)) {
        update();
        return;
    }
    repaintFromPicture(QRegion(picture_.update(canvas_, scale, live_)));
}

void CanvasWindow::repaintFromPicture(const QRegion& deviceArea)
{
    // Window coordinates are logical pixels; the rectangles are device pixels.
    const double ratio = devicePixelRatioF();
    QRegion logical;
    for (const QRect& r : deviceArea)
        logical += QRectF(QPointF(r.topLeft()) / ratio, QSizeF(r.size()) / ratio).toAlignedRect();
    pictureCurrentIn_ += logical;
    update(logical);
}

// The model is drawn in device pixels at the display size and the image
// handed over at the screen's ratio, so that lines stay whole pixels at
// 125, 150 and 200 %, on the screen's own scaling and on the display size. What
// the window's own routines and free-drawing steps changed is already on the
// kept picture; any other repaint, such as one asked for by a neighbour that
// changed the model, brings the picture up to date first.
void CanvasWindow::paintEvent(QPaintEvent* event)
{
    const double scale = paintScale();
    if (!picture_.isPaintedAt(canvas_, scale) || !(event->region() - pictureCurrentIn_).isEmpty())
        picture_.update(canvas_, scale, live_);
    pictureCurrentIn_ = QRegion();
    QImage shown = picture_.image();
    if (live_ != 0) {
        QPainter painter(&shown);
        paintFreeLines(painter, canvas_, live_, live_, scale);
    }
    shown.setDevicePixelRatio(devicePixelRatioF());
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(0, 0, shown);
    // The text the keyboard works on, marked only while the keyboard is here.
    if (const int chosen = keys_ && hasFocus() ? keys_->chosenText() : 0) {
        const LabelWidget& label = std::as_const(canvas_.textLabels)[chosen];
        painter.setPen(QPen(QColor(0x1E, 0x5A, 0xC8), 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(scale_
                             .rect(static_cast<int>(label.left), static_cast<int>(label.top),
                                   static_cast<int>(label.width), static_cast<int>(label.height))
                             .adjusted(-1, -1, 0, 0));
    }
}

} // namespace kinsketch
