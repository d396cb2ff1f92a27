#pragma once
// mdiWakuAdd_Tool2: the automatic-frame tool window. Its one button builds
// the cohabitation frame around the persons marked on the basic-input panel
// (or erases it when no one is marked), redraws the canvas and clears the
// marks.

#include "genogram/drawing.h"
#include "seams/error_reporter.h"
#include "ui/display_scale.h"

#include <QWidget>

#include <functional>
#include <string>

class QPushButton;

namespace kinsketch {

// What the button needs of the panel and the canvas of the current size.
struct FrameToolNeighbours {
    std::function<int(int slot)> panelMark = [](int) { return 0; };
    std::function<void()> redrawCanvas = [] {};
    std::function<void()> clearPanelMarks = [] {};
};

class FrameToolWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr QSize kClientTwips{2520, 540};

    FrameToolWindow(Drawing& drawing, ErrorReporter& reporter, FrameToolNeighbours neighbours, DisplayScale scale,
                    QWidget* parent = nullptr);

    void toggleFrame();
    void setButtonCaption(const std::string& caption);

    QPushButton* button() const { return button_; }

private:
    Drawing& drawing_;
    ErrorReporter& reporter_;
    FrameToolNeighbours neighbours_;
    QPushButton* button_;
};

} // namespace kinsketch
