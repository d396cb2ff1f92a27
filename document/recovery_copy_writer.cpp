#include "recovery_copy_writer.h"

namespace kinsketch {

RecoveryCopyWriter::RecoveryCopyWriter(RecoveryCopy copy, std::function<void(bool written)> outcome)
    : copy_(std::move(copy))
    , outcome_(std::move(outcome))
    , worker_([this] { run(); })
{}

RecoveryCopyWriter::~RecoveryCopyWriter()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    worker_.join();
}

void RecoveryCopyWriter::write(GdrRecord document)
{
    {
        const std::lock_guard lock(mutex_);
        if (discarded_) return;
        waiting_ = std::move(document);
    }
    wake_.notify_one();
}

void RecoveryCopyWriter::discard()
{
    std::unique_lock lock(mutex_);
    discarded_ = true;
    waiting_.reset();
    idle_.wait(lock, [this] { return !writing_; });
    copy_.remove();
}

void RecoveryCopyWriter::run()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return waiting_ || stopping_; });
        if (!waiting_) return;
        const GdrRecord document = std::move(*waiting_);
        waiting_.reset();
        writing_ = true;
        lock.unlock();
        // A copy that cannot be written costs only the recovery: the user
        // is told, and the work and the save go on.
        bool written = true;
        try {
            copy_.write(document);
        } catch (...) {
            written = false;
        }
        if (outcome_) outcome_(written);
        lock.lock();
        writing_ = false;
        idle_.notify_all();
    }
}

} // namespace kinsketch
