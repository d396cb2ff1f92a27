#pragma once
// Keeps the recovery copy following the edits. Every input that may have
// changed something arms one timer; when it fires, the document as the save
// would store it is handed to the writer if it differs from the last one.
// So the copy trails the last edit by at most a second, is written at most
// once a second, and the key that made the edit pays for nothing but the
// timer.

#include "document/gdr_record.h"
#include "seams/timers.h"

#include <functional>
#include <memory>
#include <optional>

namespace kinsketch {

class RecoveryKeeper {
public:
    static constexpr int kDelayMilliseconds = 1000;

    struct Copy {
        std::function<void(GdrRecord document)> write;
        std::function<void()> discard;
    };
    // `take` fills the document as the save would store it; false when no
    // editing is on the screen (the picture confirmation).
    using Take = std::function<bool(GdrRecord& document)>;

    RecoveryKeeper(Timers& timers, Copy copy, Take take);

    // What the screen shows now is what the user handed in or recovered:
    // nothing to write until it changes.
    void startFrom();
    void editMayHaveHappened();
    // The screen is about to leave editing (the save): the copy takes the
    // edits now, as the armed timer would find nothing on the screen to take.
    void writeNow();
    // The edits were saved or given up.
    void discard();

private:
    void writeIfChanged();

    Timers& timers_;
    Copy copy_;
    Take take_;
    std::optional<GdrRecord> written_;
    bool armed_ = false;
    bool discarded_ = false;
    std::shared_ptr<int> alive_ = std::make_shared<int>();
};

} // namespace kinsketch
