#pragma once
// The start: edits a previous run left unsaved in the recovery copy are
// offered in place of the document handed in (or the new drawing), with the
// copy's picture and when it was last edited, so the user sees what the
// copy holds before choosing.

#include "document/handed_in_document.h"
#include "document/recovery_copy.h"
#include "seams/message_boxes.h"

#include <string>

namespace kinsketch {

// When `copy` holds something other than `opened`, asks 復元する / 破棄する.
// 復元する puts the copy into `opened`; 破棄する asks once more before the
// copy is removed. Enter restores only a handed-in document's own copy: a
// new drawing's, or one started from another document, may be another
// client's family, and Enter then chooses nothing. A copy that cannot be
// read is told and removed; one equal to `opened` is removed unasked.
void offerRecoveryCopy(const RecoveryCopy& copy, GdrStore& store, MessageBoxes& boxes, OpenedDocument& opened);

// The question about `copy`, its picture drawn as the confirmation draws the saved one.
MessageRequest recoveryQuestion(const RecoveryCopy& copy);

} // namespace kinsketch
