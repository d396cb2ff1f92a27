// Feeds arbitrary bytes to every .gdr decoder: none may crash, hang, leak or allocate more than the input can describe,
// and whatever decodes must come back byte for byte after an encode.

#include "document/gdr_codec.h"
#include "document/gdr_layout.h"
#include "document/run_time_error.h"

#include <cstdlib>

using namespace kinsketch;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ByteView bytes(data, size);
    (void)recogniseGdrLayout(bytes);
    try {
        (void)decodeRows18Gdr(bytes);
    } catch (const RunTimeError&) {}
    try {
        (void)decodePre202Gdr(bytes);
    } catch (const RunTimeError&) {}
    GdrRecord record;
    try {
        record = decodeCurrentGdr(bytes);
    } catch (const RunTimeError&) {
        return 0;
    }
    Bytes again;
    try {
        again = encodeGdr(record);
    } catch (const RunTimeError&) {
        return 0; // text that reads but has no code of its own to be written back
    }
    // Compared as bytes: a stored NaN is a value that never equals itself.
    if (encodeGdr(decodeCurrentGdr(again)) != again) std::abort();
    return 0;
}
