#pragma once
// Whether a text typed on the screen can be stored in the document: the file
// holds code page 932 with a 16-bit byte count, so a character outside the
// code page, or a text of more than 65535 bytes, would be lost at the save.
// Such a text is refused as it is typed, while the user can still see why;
// the panel's boxes and the text dialog tell it in the same words.

#include <optional>
#include <string>
#include <string_view>

namespace kinsketch {

constexpr std::size_t kMaxDocumentTextBytes = 65535;

// The message that explains the refusal, or nothing when the text can be stored.
std::optional<std::string> unstorableTextMessage(std::string_view utf8);

} // namespace kinsketch
