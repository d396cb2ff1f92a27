#include "app/recovery_offer.h"

#include "document/file_io.h"

#include <optional>

namespace kinsketch {
namespace {

// The copy's bytes when they are a whole document of the layout the copy is written in.
std::optional<Bytes> readableContent(const RecoveryCopy& copy)
{
    try {
        Bytes content = readWholeFile(copy.path());
        if (recogniseGdrLayout(content) != GdrLayout::Current) return std::nullopt;
        decodeCurrentGdr(content);
        return content;
    } catch (...) {
        return std::nullopt;
    }
}

} // namespace

void offerRecoveryCopy(const RecoveryCopy& copy, GdrStore& store, MessageBoxes& boxes, OpenedDocument& opened)
{
    if (!copy.exists()) return;
    const std::optional<Bytes> content = readableContent(copy);
    if (!content) {
        const bool removed = copy.remove();
        boxes.show({removed ? "前回、保存されずに終了した編集の記録を読めなかったため、削除しました。"
                            : "前回、保存されずに終了した編集の記録を読めず、削除もできませんでした。",
                    "", MessageIcon::Exclamation, MessageButtons::Ok});
        return;
    }
    if (*content == encodeGdr(opened.record)) {
        copy.remove();
        return;
    }
    // A copy from another drawing would put another family under this client's record.
    const MessageAnswer answer =
        boxes.show({copy.recordedOrigin() == copy.origin()
                        ? "前回、保存されずに終了した編集があります。復元しますか？"
                        : "前回、保存されずに終了した編集がありますが、今回の文書とは別の文書から始めた編集です。\n"
                          "別の方の図かもしれません。それでも復元しますか？",
                    "", MessageIcon::Question, MessageButtons::YesNo});
    if (answer != MessageAnswer::Yes) {
        copy.remove();
        return;
    }
    OpenedDocument recovered = openHandedInDocument(store, copy.path());
    if (recovered.readWhole) opened = std::move(recovered);
}

} // namespace kinsketch
