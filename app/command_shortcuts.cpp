#include "app/command_shortcuts.h"

#include "app/command_keys.h"
#include "app/main_window.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <algorithm>
#include <utility>

namespace kinsketch {
namespace {

// The first control of `window` that Tab would reach, or the window itself.
QWidget* firstControl(QWidget& window)
{
    for (QWidget* w = window.nextInFocusChain(); w && w != &window; w = w->nextInFocusChain())
        if (window.isAncestorOf(w) && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) return w;
    return &window;
}

} // namespace

void CommandShortcuts::onKey(MainWindow& main, const QKeySequence& key, std::function<void()> action)
{
    auto& shortcut = shortcuts_.emplace_back(std::make_unique<QShortcut>(key, &main));
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut.get(), &QShortcut::activated, &main, std::move(action));
}

CommandShortcuts::CommandShortcuts(MainWindow& main, Commands commands)
{
    const CommandKeys& keys = commandKeys();
    onKey(main, keys.save, commands.save);
    onKey(main, keys.print, commands.print);
    for (int button = 1; button <= 3; ++button)
        onKey(main, keys.inputModes[static_cast<std::size_t>(button - 1)],
              [choose = commands.chooseInputMode, button] { choose(button); });
    for (const QKeySequence& key : keys.largerDisplay) onKey(main, key, [step = commands.stepDisplaySize] { step(1); });
    onKey(main, keys.smallerDisplay, [step = commands.stepDisplaySize] { step(-1); });
    onKey(main, keys.automaticDisplay, commands.automaticDisplaySize);
    onKey(main, keys.nextWindow, [&main] { focusNextWindow(main, 1); });
    onKey(main, keys.previousWindow, [&main] { focusNextWindow(main, -1); });
}

void focusNextWindow(MainWindow& main, int step)
{
    QList<QMdiSubWindow*> windows = main.childArea()->subWindowList();
    windows.removeIf([](const QMdiSubWindow* window) { return !window->isVisible() || !window->widget(); });
    if (windows.isEmpty()) return;
    std::ranges::stable_sort(windows, [](const QMdiSubWindow* a, const QMdiSubWindow* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    const auto count = windows.size();
    const auto at = windows.indexOf(main.childArea()->activeSubWindow());
    const auto from = at >= 0 ? at : (step > 0 ? count - 1 : 0);
    QMdiSubWindow* next = windows[((from + step) % count + count) % count];
    main.childArea()->setActiveSubWindow(next);
    firstControl(*next->widget())->setFocus(Qt::TabFocusReason);
}

} // namespace kinsketch
