#pragma once
// The mark of a text box whose text the picture will not show in full: the
// text is kept as typed, the user is only told at once, while still typing.

class QWidget;

namespace kinsketch {

// A warning background and tooltip on `box` while its text does not fit;
// its own background and no tooltip once it does.
void showTextFitWarning(QWidget& box, bool fits);

} // namespace kinsketch
