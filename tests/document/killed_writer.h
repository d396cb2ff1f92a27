#pragma once
// A process writing the recovery copy over and over until killed: on Linux a fork of the test program, on Windows
// the test program started again with --write-recovery-copies FOLDER [new] (document_test_main.cpp).

#include <chrono>
#include <filesystem>

namespace kinsketch::test {

// The writer process, which never returns: it writes the copy of "client", or with `newDrawing` the new drawing's.
[[noreturn]] void writeRecoveryCopiesForever(const std::filesystem::path& folder, bool newDrawing);

class KilledWriter {
public:
    KilledWriter(const std::filesystem::path& folder, bool newDrawing);
    ~KilledWriter(); // kills the writer and waits for it to go
    KilledWriter(const KilledWriter&) = delete;
    KilledWriter& operator=(const KilledWriter&) = delete;

    bool started() const;

private:
#ifdef _WIN32
    void* process_ = nullptr;
#else
    int pid_ = -1;
#endif
};

} // namespace kinsketch::test
