#include "line_style_tool_bar.h"

#include "genogram/line_style.h"

#include <QPainter>
#include <QToolButton>

namespace kinsketch {
namespace {

constexpr int kButtonTwips = 615;
constexpr int kIconPixels = 24;

// The thick styles are no longer offered; their buttons lie hidden under
// those of the thin styles.
constexpr std::array<int, kLineStyleCount> kButtonLefts = {0, 600, 1200, 1800, 1800, 2400, 3000, 3600, 3000, 3600};
constexpr std::array<bool, kLineStyleCount> kButtonShown = {true, true, true, false, true,
                                                            true, true, true, false, false};

} // namespace

QIcon lineStyleIcon(int style, DisplayScale scale)
{
    return QIcon(scale.picture(QSize(kIconPixels, kIconPixels), [style](QPainter& painter) {
        const auto look = lineStyleLook(style, true);
        const QColor colour = look->shown ? QColor(Qt::black) : QColor(224, 224, 224);
        painter.setPen(QPen(colour, look->width, look->pattern == LinePattern::Dotted ? Qt::DotLine : Qt::SolidLine));
        const int y = kIconPixels / 2;
        painter.drawLine(2, y, kIconPixels - 3, y);
        painter.setPen(QPen(Qt::black, 1));
        if (look->slashS) painter.drawLine(12, y - 5, 8, y + 5);
        if (look->slashW) painter.drawLine(16, y - 5, 12, y + 5);
    }));
}

LineStyleToolBar::LineStyleToolBar(DisplayScale scale, QWidget* parent)
    : QWidget(parent)
{
    const QString caption = QStringLiteral("Tool Bar （線種の選択）");
    setObjectName(QStringLiteral("mdiToolBar"));
    setWindowTitle(caption);
    setAccessibleName(caption);
    setFixedSize(scale.size(kClientTwips.width(), kClientTwips.height()));
    for (int k = 0; k < kLineStyleCount; ++k) {
        auto* button = new QToolButton(this);
        const QString name = QString::fromUtf8(kLineStyleNames[static_cast<std::size_t>(k)]);
        button->setObjectName(QStringLiteral("cmdTool_%1").arg(k));
        button->setAccessibleName(name);
        button->setToolTip(name);
        button->setIcon(lineStyleIcon(k, scale));
        button->setIconSize(QSize(scale.pixels(kIconPixels), scale.pixels(kIconPixels)));
        button->setGeometry(scale.rect(kButtonLefts[static_cast<std::size_t>(k)], 0, kButtonTwips, kButtonTwips));
        button->setVisible(kButtonShown[static_cast<std::size_t>(k)]);
        connect(button, &QToolButton::clicked, this, [this, k] { selectStyle(k); });
        buttons_[static_cast<std::size_t>(k)] = button;
    }
    paintButtons();
}

void LineStyleToolBar::load() { selectStyle(1); }

void LineStyleToolBar::selectStyle(int index)
{
    selection_.selectStyle(index);
    paintButtons();
}

void LineStyleToolBar::paintButtons()
{
    for (int k = 0; k < kLineStyleCount; ++k) {
        const bool on = selection_.highlighted(k);
        buttons_[static_cast<std::size_t>(k)]->setStyleSheet(
            on ? QStringLiteral("QToolButton { background: rgb(192, 192, 255); border: 1px solid gray; }")
               : QStringLiteral("QToolButton { background: white; border: 1px solid gray; }"));
    }
}

} // namespace kinsketch
