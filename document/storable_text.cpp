#include "storable_text.h"

#include "code_page_932.h"

namespace kinsketch {
namespace {

// The first character the code page cannot hold.
std::string_view firstUnstorable(std::string_view utf8)
{
    for (std::size_t at = 0; at < utf8.size();) {
        const std::string_view character = utf8.substr(at, utf8CharacterLength(static_cast<unsigned char>(utf8[at])));
        if (!isCp932Encodable(character)) return character;
        at += character.size();
    }
    return utf8;
}

} // namespace

std::optional<std::string> unstorableTextMessage(std::string_view utf8)
{
    if (!isCp932Encodable(utf8))
        return "「" + std::string(firstUnstorable(utf8)) + "」は保存できない文字です。別の文字に置き換えてください。";
    const std::size_t bytes = encodeCp932(utf8).size();
    if (bytes > kMaxDocumentTextBytes)
        return "文字が長すぎます（" + std::to_string(bytes) + " バイト）。保存できるのは " +
               std::to_string(kMaxDocumentTextBytes) + " バイト（全角で " + std::to_string(kMaxDocumentTextBytes / 2) +
               " 文字）までです。短くしてください。";
    return std::nullopt;
}

} // namespace kinsketch
