#pragma once
// The byte layout of .gdr files: the encoder for the current layout and the
// decoders of all three layouts. Decoding checks every count and length
// against the bytes that remain, so a damaged file raises RunTimeError
// instead of being half taken.

#include "gdr_record.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kinsketch {

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

// The most pen segments, and outline dots, a document may hold: hours of
// drawing beyond any family diagram, yet few enough that a file can be sized
// up before it is read. Neither encoder nor decoder passes it.
constexpr std::int32_t kMaxDynamicArrayItems = 2'000'000;

// The largest file any of the three layouts makes: every text at the 65535
// bytes its length field allows and both dynamic arrays full. A larger file
// is no document.
std::uint64_t maxGdrFileBytes();

// Raises RunTimeError 6 for a text longer than its length field or an array
// longer than kMaxDynamicArrayItems.
Bytes encodeGdr(const GdrRecord& record);

// Characters of the texts that the code page holds no character for; they
// were read as 「・」.
struct UnreadableText {
    int characters = 0;
    std::string firstField;
};

// A decoder given `unreadable` counts such characters there.
GdrRecord decodeCurrentGdr(ByteView bytes, UnreadableText* unreadable = nullptr);
// The pre-2.02 layout has no FreeLine; it comes back undimensioned.
GdrRecord decodePre202Gdr(ByteView bytes, UnreadableText* unreadable = nullptr);
Rows18Record decodeRows18Gdr(ByteView bytes, UnreadableText* unreadable = nullptr);

} // namespace kinsketch
