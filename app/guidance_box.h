#pragma once
// mdiInfoBox: the guidance box, a black strip with one line of help in
// yellow that cycles through the hint lines of the current mode. Its "×"
// asks for the box to be unloaded; the stored lines go with it. The box has
// no title bar, and a line too long for it is shown in a smaller type.

#include "app/guidance_cycle.h"
#include "geometry/canvas_size.h"
#include "seams/timers.h"
#include "ui/display_scale.h"

#include <QWidget>

class QLabel;

namespace kinsketch {

class GuidanceBox : public QWidget {
    Q_OBJECT

public:
    static constexpr QSize kClientTwips{7050, 510};

    explicit GuidanceBox(Timers& timers, DisplayScale scale = {}, QWidget* parent = nullptr);

    void setGuidanceLine(std::uint8_t n, const std::string& text);
    // What the picture will cut of the text being typed (cutTextLine), as a
    // fixed line; empty once it all shows: the line told before goes, if it
    // is still the one on show, and the hints come back.
    void tellCutText(const std::string& line);
    // `lead` and then `path` (in native separators) as one line that fits the
    // box in its smallest type: a long path loses its middle, keeping its
    // start and its last part, the words that tell the place.
    std::string lineWithPath(const QString& lead, const QString& path) const;

    QLabel* guidanceLabel() const { return guidanceLabel_; }
    const GuidanceCycle& cycle() const { return cycle_; }

signals:
    void unloadRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(GuidanceCycle::TimerChange change);
    void arm();
    void showLine(const std::string& line);

    Timers& timers_;
    DisplayScale scale_;
    GuidanceCycle cycle_;
    std::string cutTextTold_;
    unsigned generation_ = 0; // a stopped or restarted cycle ignores older ticks
    QLabel* guidanceLabel_;
    QLabel* closeLabel_;
};

} // namespace kinsketch
