#pragma once
// Writes the recovery copy on a thread of its own, so that encoding and
// flushing a large document never holds up the user's keys. One write at a
// time; a document handed in while one is being written waits, and a newer
// one replaces it.

#include "recovery_copy.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace kinsketch {

class RecoveryCopyWriter {
public:
    // `outcome` hears, on the writer's thread, whether each write reached the disk.
    explicit RecoveryCopyWriter(RecoveryCopy copy, std::function<void(bool written)> outcome = {});
    // Writes the waiting document, if any, then stops.
    ~RecoveryCopyWriter();
    RecoveryCopyWriter(const RecoveryCopyWriter&) = delete;
    RecoveryCopyWriter& operator=(const RecoveryCopyWriter&) = delete;

    void write(GdrRecord document);
    // The edits were saved or given up: the waiting document is dropped, the
    // write under way finished, the copy removed, and nothing written after.
    void discard();

private:
    void run();

    RecoveryCopy copy_;
    std::function<void(bool written)> outcome_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::optional<GdrRecord> waiting_;
    bool writing_ = false;
    bool stopping_ = false;
    bool discarded_ = false;
    std::thread worker_;
};

} // namespace kinsketch
