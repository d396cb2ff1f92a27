#pragma once
// The print dialog (印刷): paper, orientation, the page's heading (利用者名,
// 作成者, 作成日), the details a printed copy shows, and whether it goes to a
// printer or into a PDF file. The window only
// shows the choices; PrintSession carries them out.

#include "ui/display_scale.h"
#include "windows/picture/print_session.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kinsketch {

class PrintDialog : public QDialog {
    Q_OBJECT
public:
    explicit PrintDialog(std::unique_ptr<PrintSession> session, DisplayScale scale = {}, QWidget* parent = nullptr);

    PrintChoices choices() const;
    // The dialog opens on the session's defaults; these replace them.
    void showChoices(const PrintChoices& choices);
    PrintSession& session() { return *session_; }

private:
    void showDestination();

    std::unique_ptr<PrintSession> session_;
    QRadioButton* a4_;
    QRadioButton* a3_;
    QRadioButton* portrait_;
    QRadioButton* landscape_;
    QCheckBox* ages_;
    QCheckBox* remarks_;
    QCheckBox* texts_;
    QCheckBox* bandColours_;
    QCheckBox* legend_;
    QRadioButton* printer_;
    QRadioButton* pdf_;
    QLineEdit* client_;
    QLineEdit* author_;
    QDateEdit* made_;
    QLineEdit* pdfPath_;
    QPushButton* browse_;
    QPushButton* preview_;
    QPushButton* print_;
    QPushButton* cancel_;
};

} // namespace kinsketch
