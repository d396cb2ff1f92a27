#include "app/recovery_offer.h"

#include "document/file_io.h"
#include "picture/handed_in_picture.h"

#include <QDateTime>
#include <QFileInfo>

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

// The question shows the picture when it can be drawn and asks without it otherwise.
class Unheard : public ErrorReporter {
public:
    void reportError(std::string_view, std::string_view) override {}
};

MessagePicture pictureOf(const RecoveryCopy& copy)
{
    Unheard unheard;
    const std::optional<QImage> drawn = pictureOfHandedInDocument(copy.path(), unheard);
    if (!drawn) return {};
    const QImage image = drawn->convertToFormat(QImage::Format_ARGB32);
    MessagePicture picture{image.width(), image.height(), {}};
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        picture.argb.insert(picture.argb.end(), row, row + image.width());
    }
    return picture;
}

std::string lastEdited(const RecoveryCopy& copy)
{
    const QDateTime time = QFileInfo(QString::fromStdU16String(copy.path().u16string())).lastModified();
    return "（最終編集：" + time.toString(QStringLiteral("yyyy年M月d日 H:mm")).toStdString() + "）";
}

} // namespace

MessageRequest recoveryQuestion(const RecoveryCopy& copy)
{
    MessageRequest question{
        "", "", MessageIcon::Question, MessageButtons::RestoreDiscard, DefaultAnswer::None, pictureOf(copy)};
    if (copy.isNewDrawing()) {
        question.text = "前回、保存されずに終了した新しい図の編集があります" + lastEdited(copy) +
                        "。\nこの方の家族の図か、図を見て確かめてから選んでください。";
    } else if (copy.recordedOrigin() != copy.origin()) {
        question.text = "前回、保存されずに終了した編集があります" + lastEdited(copy) +
                        "が、今回の文書とは別の文書から始めた編集です。\n別の方の図かもしれません。図を見て確かめてから"
                        "選んでください。";
    } else {
        question.text = "前回、保存されずに終了した編集があります" + lastEdited(copy) + "。\n復元しますか？";
        question.defaultAnswer = DefaultAnswer::Affirmative;
    }
    return question;
}

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
    const MessageRequest question = recoveryQuestion(copy);
    // 破棄する loses the edits for good: it asks again, and いいえ asks the first question anew.
    while (boxes.show(question) != MessageAnswer::Restore) {
        if (boxes.show({"復元しない編集は失われます。破棄しますか？", "", MessageIcon::Question,
                        MessageButtons::YesNo}) == MessageAnswer::Yes) {
            copy.remove();
            return;
        }
    }
    OpenedDocument recovered = openHandedInDocument(store, copy.path());
    if (recovered.readWhole) opened = std::move(recovered);
}

} // namespace kinsketch
