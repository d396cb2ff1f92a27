#include "text_dialog_loader.h"

namespace kinsketch {

std::optional<StyledText> TextDialogLoader::edit(const StyledText& values, const TextPlacement& placement)
{
    TextInputDialog dialog(boxes_, scale_, parent_);
    dialog.tellCutTextTo(tellCutText_);
    return dialog.edit(values, placement);
}

} // namespace kinsketch
