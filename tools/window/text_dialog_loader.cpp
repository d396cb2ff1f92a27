#include "text_dialog_loader.h"

#include "text_input_dialog.h"

namespace kinsketch {

std::int32_t TextDialogLoader::edit(TextFormatting& values)
{
    TextInputDialog dialog(boxes_, parent_);
    return dialog.edit(values);
}

} // namespace kinsketch
