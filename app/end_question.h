#pragma once
// The question the end button asks every time, saved or not; the main
// window's close request asks the same.

#include "seams/message_boxes.h"

namespace kinsketch {

// True when the user answered はい to leaving without saving.
bool askToEndWithoutSaving(MessageBoxes& boxes);

} // namespace kinsketch
