#include "app/end_question.h"

namespace kinsketch {

bool askToEndWithoutSaving(MessageBoxes& boxes)
{
    return boxes.show({"画像が保存されていません。\r\n\r\nこのまま終了してもよろしいですか？", "",
                       MessageIcon::Exclamation, MessageButtons::YesNo}) == MessageAnswer::Yes;
}

} // namespace kinsketch
