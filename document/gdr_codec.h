#pragma once
// The byte layout of .gdr files: the encoder for the current layout and the
// decoders of all three layouts. Decoding checks every count and length
// against the bytes that remain, so a damaged file raises RunTimeError
// instead of being half taken.

#include "gdr_record.h"

#include <cstdint>
#include <span>
#include <vector>

namespace kinsketch {

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

Bytes encodeGdr(const GdrRecord& record);

GdrRecord decodeCurrentGdr(ByteView bytes);
// The pre-2.02 layout has no FreeLine; it comes back undimensioned.
GdrRecord decodePre202Gdr(ByteView bytes);
Rows18Record decodeRows18Gdr(ByteView bytes);

} // namespace kinsketch
