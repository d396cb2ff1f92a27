#include "app/recovery_keeper.h"

namespace kinsketch {

RecoveryKeeper::RecoveryKeeper(Timers& timers, Copy copy, Take take)
    : timers_(timers)
    , copy_(std::move(copy))
    , take_(std::move(take))
{}

void RecoveryKeeper::startFrom()
{
    GdrRecord shown;
    if (take_(shown)) written_ = std::move(shown);
}

void RecoveryKeeper::editMayHaveHappened()
{
    if (armed_ || discarded_) return;
    armed_ = true;
    // A timer may outlive the keeper when the program ends with one armed.
    timers_.singleShot(kDelayMilliseconds, [this, alive = std::weak_ptr<int>(alive_)] {
        if (alive.expired()) return;
        armed_ = false;
        writeIfChanged();
    });
}

void RecoveryKeeper::writeNow() { writeIfChanged(); }

void RecoveryKeeper::discard()
{
    discarded_ = true;
    copy_.discard();
}

void RecoveryKeeper::writeIfChanged()
{
    if (discarded_) return;
    GdrRecord shown;
    if (!take_(shown) || shown == written_) return;
    written_ = shown;
    copy_.write(std::move(shown));
}

} // namespace kinsketch
