#pragma once

#include <QWidget>

class QLabel;

namespace kinsketch::launcher {

// frm_ProcMsg: the please-wait window shown while the launcher works. The
// label is OlblMSG; the gauge stays as drawn.
class ProgressWindow : public QWidget {
    Q_OBJECT

public:
    ProgressWindow();

    void setMessage(const QString& message);

private:
    QLabel* messageLabel_;
};

} // namespace kinsketch::launcher
