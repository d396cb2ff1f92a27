#pragma once

class QCoreApplication;

namespace kinsketch {

// Qt's own texts (standard buttons, colour dialog) in Japanese.
void installJapaneseTranslations(QCoreApplication& app);

} // namespace kinsketch
