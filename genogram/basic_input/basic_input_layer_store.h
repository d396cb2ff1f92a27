#pragma once
// The document store's transfers of layer 0 — symbols, ages, remarks and
// connector-line styles — between the basic-input panel and the document.
// The plain names handle the normal panel's 18 slots and 52 lines, the "_2"
// names the WIDE panel's 37 and 121; the rest of the document stays as it
// is. Each returns 0 when done and 1 after it reported an error.

#include "document/error_reporter.h"
#include "document/gdr_record.h"

namespace kinsketch {

class BasicInputPanel;

class BasicInputLayerStore {
public:
    BasicInputLayerStore(GdrRecord& document, ErrorReporter& reporter);

    int SaveGd0(const BasicInputPanel& panel);
    int SaveGd0_2(const BasicInputPanel& panel);
    int LoadGd0(BasicInputPanel& panel);
    int LoadGd0_2(BasicInputPanel& panel);

private:
    int save(const BasicInputPanel& panel, int slots, int lines, const char* title);
    int load(BasicInputPanel& panel, int slots, int lines);

    GdrRecord& document_;
    ErrorReporter& reporter_;
};

} // namespace kinsketch
