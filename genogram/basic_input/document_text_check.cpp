#include "document_text_check.h"

#include "document/code_page_932.h"

namespace kinsketch {
namespace {

std::size_t characterLength(unsigned char lead)
{
    if (lead < 0x80) return 1;
    if ((lead & 0xE0U) == 0xC0U) return 2;
    if ((lead & 0xF0U) == 0xE0U) return 3;
    return 4;
}

// The first character the code page cannot hold.
std::string_view firstUnstorable(std::string_view utf8)
{
    for (std::size_t at = 0; at < utf8.size();) {
        const std::string_view character = utf8.substr(at, characterLength(static_cast<unsigned char>(utf8[at])));
        if (!isCp932Encodable(character)) return character;
        at += character.size();
    }
    return utf8;
}

} // namespace

std::optional<std::string> documentTextRefusal(std::string_view utf8)
{
    if (!isCp932Encodable(utf8))
        return "「" + std::string(firstUnstorable(utf8)) +
               "」は保存できない文字です。\r\n\r\nこの文字を含む入力は取り消しました。";
    const std::size_t bytes = encodeCp932(utf8).size();
    if (bytes > kMaxDocumentTextBytes)
        return "入力が長すぎます（" + std::to_string(bytes) + " バイト。保存できるのは " +
               std::to_string(kMaxDocumentTextBytes) + " バイトまでです）。\r\n\r\nこの入力は取り消しました。";
    return std::nullopt;
}

} // namespace kinsketch
