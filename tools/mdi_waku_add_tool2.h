#pragma once
// mdiWakuAdd_Tool2: the automatic-frame tool window. Its one button builds
// the cohabitation frame around the persons marked on the basic-input panel
// (or erases it when no one is marked), redraws the canvas and clears the
// marks.

#include "document/error_reporter.h"
#include "document/gdr_record.h"

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

class mdiWakuAdd_Tool2 : public QWidget {
    Q_OBJECT

public:
    mdiWakuAdd_Tool2(GdrRecord& document, ErrorReporter& reporter, FrameToolNeighbours neighbours,
                     QWidget* parent = nullptr);

    // Places the window beside the canvas of the document's screen size.
    void Form_Load();
    void cmdTool1_Click();
    void setButtonCaption(const std::string& caption);

    QPushButton* cmdTool1() const { return cmdTool1_; }

private:
    GdrRecord& document_;
    ErrorReporter& reporter_;
    FrameToolNeighbours neighbours_;
    QPushButton* cmdTool1_;
};

} // namespace kinsketch
