#pragma once
// The two screen sizes. The document says which one it belongs to; every
// size-dependent routine takes the size rather than being written twice.

#include "document/gdr_record.h"

#include <cstdint>

namespace kinsketch {

enum class CanvasSize : std::uint8_t { Normal, Wide };

inline CanvasSize canvasSizeOf(const GdrRecord& document)
{
    return document.isWide() ? CanvasSize::Wide : CanvasSize::Normal;
}

} // namespace kinsketch
