#pragma once
// mdiPictConfirm: shows the picture about to be handed to the host system.
// 決定 asks once more, writes "kinsketch.bmp" and ends the program; キャンセル
// returns to editing. Neither acts while 決定's question is open (a screen
// reader can press them then). A picture that cannot be written leaves the window open
// so that the user can try again. The picture is shown pixel for pixel, as
// it will be filed, at every display size.

#include "seams/error_reporter.h"
#include "seams/message_boxes.h"
#include "ui/display_scale.h"

#include <QImage>
#include <QWidget>

#include <filesystem>
#include <functional>

class QPushButton;

namespace kinsketch {

class PictureConfirmWindow : public QWidget {
    Q_OBJECT
public:
    struct Actions {
        std::function<void()> pictureSaved; // ends the program
        std::function<bool()> cancelled;    // back to editing; false when refused
    };

    PictureConfirmWindow(QImage picture, std::filesystem::path pictureFile, MessageBoxes& boxes,
                         ErrorReporter& reporter, Actions actions, DisplayScale scale = {}, QWidget* parent = nullptr);

    const QImage& picture() const { return picture_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

    // Another window of the program took the activation: the same as キャンセル,
    // so that the user is never left without the bars.
    void lostActivation();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void confirm();
    void cancel();

    QImage picture_;
    std::filesystem::path pictureFile_;
    MessageBoxes& boxes_;
    ErrorReporter& reporter_;
    Actions actions_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    bool finished_ = false;
};

} // namespace kinsketch
