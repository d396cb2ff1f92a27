#include "mdi_geno_inp_save.h"

#include "picture/canvas_painter.h"
#include "picture/canvas_picture.h"

#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

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

float twips(double pixels) { return static_cast<float>(pixels * kTwipsPerPixel); }

} // namespace

mdiGenoInpSave::mdiGenoInpSave(CanvasSize size, GdrRecord& document, ErrorReporter& reporter, CanvasContext context,
                               QWidget* parent)
    : QWidget(parent)
    , canvas_(size, document, reporter, std::move(context))
{
    const QString caption = QStringLiteral("ジェノグラム入力");
    setObjectName(size == CanvasSize::Wide ? QStringLiteral("mdiGenoInpSave_2") : QStringLiteral("mdiGenoInpSave"));
    setWindowTitle(caption);
    setAccessibleName(caption);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(sizeHint());
    moveToTwips(canvas_.geometry().loadPlace);
}

QSize mdiGenoInpSave::sizeHint() const { return canvasPixelSize(canvas_.geometry(), 1.0); }

int mdiGenoInpSave::GfncPrev()
{
    const int result = canvas_.GfncPrev();
    show();
    update();
    return result;
}

int mdiGenoInpSave::GfncPrevMode()
{
    moveToTwips(canvas_.geometry().previewPlace);
    return GfncPrev();
}

void mdiGenoInpSave::enableEditing(MessageBoxes& boxes, TextDialog& dialog)
{
    mouse_ = std::make_unique<CanvasMouse>(canvas_, boxes, dialog, measure_, [this] { repaint(); });
}

std::int16_t mdiGenoInpSave::GfncLineAdd()
{
    return mouse_ ? mouse_->addedLines().GfncLineAdd() : std::int16_t{1};
}

int mdiGenoInpSave::GfncLineDraw(int n, int mode, int selected)
{
    const int result = canvas_.GfncLineDraw(n, mode, selected);
    update();
    return result;
}

void mdiGenoInpSave::mousePressEvent(QMouseEvent* event)
{
    if (!mouse_) return;
    const QPointF at = event->position();
    mouse_->mouseDown(buttonBits(event->button()), twips(at.x()), twips(at.y()));
    showMouseResult();
}

void mdiGenoInpSave::mouseMoveEvent(QMouseEvent* event)
{
    if (!mouse_) return;
    const QPointF at = event->position();
    mouse_->mouseMove(buttonBits(event->buttons()), twips(at.x()), twips(at.y()));
    showMouseResult();
}

void mdiGenoInpSave::mouseReleaseEvent(QMouseEvent* event)
{
    if (!mouse_) return;
    const QPointF at = event->position();
    mouse_->mouseUp(buttonBits(event->button()), twips(at.x()), twips(at.y()));
    showMouseResult();
}

void mdiGenoInpSave::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!mouse_) return;
    const QPointF at = event->position();
    mouse_->doubleClick(buttonBits(event->button()), twips(at.x()), twips(at.y()));
    showMouseResult();
}

void mdiGenoInpSave::showMouseResult()
{
    setCursor(mouse_->pointer() == MousePointer::UpArrow ? Qt::UpArrowCursor : Qt::ArrowCursor);
    update();
}

void mdiGenoInpSave::moveToTwips(TwipsPlace place)
{
    QWidget* frame = qobject_cast<QMdiSubWindow*>(parentWidget()) ? parentWidget() : this;
    frame->move(twipsToDevicePixels(place.left, 1.0), twipsToDevicePixels(place.top, 1.0));
}

// The model is drawn in device pixels and the image handed over at the
// screen's ratio, so that lines stay whole pixels at 150 % and 200 %.
void mdiGenoInpSave::paintEvent(QPaintEvent*)
{
    const double ratio = devicePixelRatioF();
    QImage image(canvasPixelSize(canvas_.geometry(), ratio), QImage::Format_RGB32);
    {
        QPainter painter(&image);
        paintCanvas(painter, canvas_, ratio);
    }
    image.setDevicePixelRatio(ratio);
    QPainter painter(this);
    painter.drawImage(0, 0, image);
}

} // namespace kinsketch
