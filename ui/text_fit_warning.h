#pragma once
// The mark of a text box whose text the picture will not show in full: the
// text is kept as typed, the user is only told at once, while still typing.

#include <string>

class QWidget;

namespace kinsketch {

// The guidance line for a text the picture will cut: which box (年齢, 備考,
// 文字) and the beginning of the text that shows (empty when none does).
std::string cutTextLine(const std::string& box, const std::string& shown);

// A warning background and tooltip on `box` while its text does not fit;
// its own background and no tooltip once it does.
void showTextFitWarning(QWidget& box, bool fits);

} // namespace kinsketch
