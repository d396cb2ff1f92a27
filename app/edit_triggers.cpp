#include "app/edit_triggers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace kinsketch {
namespace {

enum class HistoryKey { None, Undo, Redo };

HistoryKey historyKey(const QKeyEvent& key)
{
    if (key.matches(QKeySequence::Undo)) return HistoryKey::Undo;
    const QKeyCombination pressed = key.keyCombination();
    if (key.matches(QKeySequence::Redo) || pressed == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
        pressed == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z))
        return HistoryKey::Redo;
    return HistoryKey::None;
}

} // namespace

EditTriggers::EditTriggers(QWidget& main, Targets targets)
    : main_(main)
    , targets_(std::move(targets))
{
    connect(qApp, &QApplication::focusChanged, this, [this] { ++focusMoves_; });
    qApp->installEventFilter(this);
}

// The run of the box a key goes to; other widgets have none.
QString EditTriggers::runOf(QWidget& widget) const
{
    if (!qobject_cast<QLineEdit*>(&widget) && !qobject_cast<QComboBox*>(&widget)) return {};
    return QStringLiteral("%1#%2").arg(widget.objectName()).arg(focusMoves_);
}

void EditTriggers::watchChanges(QWidget& widget)
{
    const auto changed = [this, &widget](bool inRun) {
        return [this, box = &widget, inRun] {
            if (box->window() == &main_) recordAfter(inRun ? runOf(*box) : QString());
        };
    };
    if (auto* box = qobject_cast<QLineEdit*>(&widget))
        connect(box, &QLineEdit::textChanged, this, changed(true));
    else if (auto* chooser = qobject_cast<QComboBox*>(&widget))
        connect(chooser, &QComboBox::currentIndexChanged, this, changed(true));
    else if (auto* button = qobject_cast<QAbstractButton*>(&widget))
        connect(button, &QAbstractButton::clicked, this, changed(false));
}

void EditTriggers::recordAfter(const QString& run)
{
    QTimer::singleShot(0, this, [this, run] { targets_.record(run); });
}

bool EditTriggers::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    // A widget may be polished before it is placed in the main window.
    if (event->type() == QEvent::Polish) watchChanges(*widget);
    if (widget->window() != &main_) return false;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Taken here, so that a text box does not undo its own typing.
        if (historyKey(*static_cast<QKeyEvent*>(event)) != HistoryKey::None) {
            event->accept();
            return true;
        }
        return false;
    case QEvent::KeyPress: {
        const HistoryKey key = historyKey(*static_cast<QKeyEvent*>(event));
        if (key == HistoryKey::Undo) targets_.undo();
        if (key == HistoryKey::Redo) targets_.redo();
        if (key != HistoryKey::None) return true;
        targets_.record({});
        recordAfter(runOf(*widget));
        return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: targets_.record({}); return false;
    case QEvent::MouseButtonRelease:
    case QEvent::Wheel: recordAfter({}); return false;
    default: return false;
    }
}

} // namespace kinsketch
