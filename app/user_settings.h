#pragma once
// What a user last chose, kept in the user's own settings so that the next
// run starts from it: the display size of the editing screen and the choices
// of the print dialog. The working folder is no place for them: the host
// clears and shares that.

#include "app/display_fit.h"
#include "windows/picture/print_session.h"

#include <QSettings>

namespace kinsketch {

class UserSettings {
public:
    explicit UserSettings(QSettings& settings)
        : settings_(settings)
    {}

    // 表示サイズ's choice: 自動 (kAutomaticDisplaySize) or a fixed percent.
    // Nothing kept, or a value not offered (edited by hand, or from a later
    // version), reads as 自動.
    int loadDisplayChoice() const;
    void storeDisplayChoice(int choice);

    // The choices of the last print done; a value not offered reads as in `defaults`.
    PrintChoices loadPrintChoices(const PrintChoices& defaults) const;
    // The folder the last PDF was written into; empty when there was none.
    QString loadPdfFolder() const;
    // Keeps the choices of a print done, and the folder of the PDF it wrote.
    void storePrintChoices(const PrintChoices& done);

private:
    static constexpr const char* kDisplayKey = "display/percent";
    QSettings& settings_;
};

} // namespace kinsketch
