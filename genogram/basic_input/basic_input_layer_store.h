#pragma once
// Layer 0 of the document store (clsGdrOpe.SaveGd0/LoadGd0) — symbols, ages, remarks and
// connector-line styles — between the basic-input panel and the document.
// The panel's screen size decides the extent: 18 slots and 52 lines on the
// normal panel, 37 and 121 on the WIDE one; the rest of the document stays
// as it is. Each returns false after it reported an error.

#include "document/gdr_record.h"
#include "genogram/drawing.h"
#include "seams/error_reporter.h"

namespace kinsketch {

class BasicInputPanel;

class BasicInputLayerStore {
public:
    BasicInputLayerStore(Drawing& drawing, ErrorReporter& reporter);

    [[nodiscard]] bool save(const BasicInputPanel& panel);
    // A stored symbol key that no item has is reported once and its slot
    // shows empty; the other slots still fill.
    [[nodiscard]] bool load(BasicInputPanel& panel);

private:
    Drawing& drawing_;
    ErrorReporter& reporter_;
};

} // namespace kinsketch
