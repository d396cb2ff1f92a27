#pragma once
// The start with a named document: edits a previous run left unsaved in the
// recovery copy are offered in place of the handed-in document.

#include "document/handed_in_document.h"
#include "document/recovery_copy.h"
#include "seams/message_boxes.h"

namespace kinsketch {

// When `copy` holds something other than `opened`, asks (saying so when the
// copy started from another document than this one); はい puts the copy
// into `opened`, いいえ removes it. A copy that cannot be read is told and
// removed; one equal to `opened` is removed unasked.
void offerRecoveryCopy(const RecoveryCopy& copy, GdrStore& store, MessageBoxes& boxes, OpenedDocument& opened);

} // namespace kinsketch
