#include "text_dialog_loader.h"

#include "frm_txt_input.h"

namespace kinsketch {

std::int32_t TextDialogLoader::GfncExec(TextFormatting& values)
{
    frmtxtInput dialog(boxes_, parent_);
    return dialog.GfncExec(values);
}

} // namespace kinsketch
