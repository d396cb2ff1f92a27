#include "text_dialog_loader.h"

#include "text_input_dialog.h"

namespace kinsketch {

std::optional<StyledText> TextDialogLoader::edit(const StyledText& values, const TextPlacement& placement)
{
    TextInputDialog dialog(boxes_, scale_, parent_);
    return dialog.edit(values, placement);
}

} // namespace kinsketch
