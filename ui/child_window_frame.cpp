#include "child_window_frame.h"

#include <QMdiSubWindow>

namespace kinsketch {

QWidget& frameOf(QWidget& window)
{
    return qobject_cast<QMdiSubWindow*>(window.parentWidget()) ? *window.parentWidget() : window;
}

} // namespace kinsketch
