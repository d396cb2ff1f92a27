#pragma once
// The keys of the editing screen's commands, in one place: the shortcuts are
// made from them and each button's tooltip names its key.

#include <QKeySequence>
#include <QList>
#include <QString>

#include <array>

namespace kinsketch {

struct CommandKeys {
    QKeySequence save{Qt::CTRL | Qt::Key_S};
    QKeySequence print{Qt::CTRL | Qt::Key_P};
    QKeySequence undo{Qt::CTRL | Qt::Key_Z};
    QKeySequence redo{Qt::CTRL | Qt::Key_Y};
    std::array<QKeySequence, 3> inputModes{QKeySequence(Qt::CTRL | Qt::Key_1), QKeySequence(Qt::CTRL | Qt::Key_2),
                                           QKeySequence(Qt::CTRL | Qt::Key_3)};
    // Ctrl+; and Ctrl+= are where + lies without Shift on Japanese and US keyboards.
    QList<QKeySequence> largerDisplay{QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Semicolon),
                                      QKeySequence(Qt::CTRL | Qt::Key_Equal)};
    QKeySequence smallerDisplay{Qt::CTRL | Qt::Key_Minus};
    QKeySequence automaticDisplay{Qt::CTRL | Qt::Key_0};
    // From window to window of the screen, as Windows programs move between panes.
    QKeySequence nextWindow{Qt::Key_F6};
    QKeySequence previousWindow{Qt::SHIFT | Qt::Key_F6};
};

inline const CommandKeys& commandKeys()
{
    static const CommandKeys keys;
    return keys;
}

// "保存（Ctrl+S）": a caption with the key that runs it, for its tooltip.
inline QString withKey(const QString& caption, const QKeySequence& key)
{
    return caption + QStringLiteral("（") + key.toString(QKeySequence::NativeText) + QStringLiteral("）");
}

} // namespace kinsketch
