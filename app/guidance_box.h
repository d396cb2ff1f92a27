#pragma once
// mdiInfoBox: the guidance box, a black strip with one line of help in
// yellow that cycles through the hint lines of the current mode. Its "×"
// asks for the box to be unloaded; the stored lines go with it.

#include "app/guidance_cycle.h"
#include "genogram/canvas_size.h"
#include "seams/timers.h"

#include <QWidget>

class QLabel;

namespace kinsketch {

class GuidanceBox : public QWidget {
    Q_OBJECT

public:
    GuidanceBox(Timers& timers, QWidget* parent = nullptr);

    // Places the box beside the canvas of the screen size.
    void load(CanvasSize size);
    void setGuidanceLine(std::uint8_t n, const std::string& text);

    QLabel* guidanceLabel() const { return guidanceLabel_; }
    const GuidanceCycle& cycle() const { return cycle_; }

signals:
    void unloadRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void arm();
    void showLine(const std::string& line);

    Timers& timers_;
    GuidanceCycle cycle_;
    unsigned generation_ = 0; // a stopped or restarted cycle ignores older ticks
    QLabel* guidanceLabel_;
    QLabel* closeLabel_;
};

} // namespace kinsketch
