#include "app/input_mode_bar.h"

#include "app/command_keys.h"
#include "app/switch_bar_pictures.h"

#include "document/error_trap.h"

#include <QLabel>
#include <QToolButton>

namespace kinsketch {
namespace {

// The mode of button k (1–3), left to right.
InputMode modeOfButton(int k) { return static_cast<InputMode>(k); }
int buttonOf(InputMode mode) { return static_cast<int>(mode); }

const std::array<std::vector<std::string>, 3> kGuidance = {{
    {"【文字追加】空白をクリックすると文字入力できます。", "【文字追加】文字をクリックで移動できます。",
     "【文字追加】文字をダブルクリックで文字を変更できます。", "【文字追加】文字を右クリックで削除できます。"},
    {"【線追加】『線追加』をクリックすると線が追加されます。",
     "【線追加】●を移動させると線の長さや位置を変更できます。", "【線追加】●を右クリックで線を削除できます。"},
    {"【自由線】『自由図形』で同居枠を自由に作成できます。", "【自由線】『Tool Box』で線の色、太さを変更できます。",
     "【自由線】消しゴムボタンを選択すると描いた線を消せます。",
     "【自由線】『関係線』で関係線や双子などの印を描けます。"},
}};

} // namespace

InputModeBar::InputModeBar(SwitchBarTargets& targets, ErrorReporter& reporter, DisplayScale scale, QWidget* parent)
    : QWidget(parent)
    , targets_(targets)
    , reporter_(reporter)
{
    const QString caption = QStringLiteral("入力切替");
    setObjectName(QStringLiteral("mdiSwitchBar"));
    setWindowTitle(caption);
    setAccessibleName(caption);
    scale.scaleFont(*this);
    setFixedSize(scale.size(kClientTwips.width(), kClientTwips.height()));

    const std::array<QString, 3> captions = {QStringLiteral("文字追加"), QStringLiteral("線追加"),
                                             QStringLiteral("自由線")};
    const std::array<QPixmap, 3> pictures = {textModePicture(scale), lineModePicture(scale),
                                             freeLineModePicture(scale)};
    for (int k = 1; k <= 3; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        // Indicators first, so that the buttons overlap them by their bottom edge.
        for (const bool on : {true, false}) {
            auto* indicator = new QLabel(this);
            const int index = on ? k : k + 3;
            indicator->setObjectName(QStringLiteral("imgStatus%1").arg(index));
            indicator->setAccessibleName(on ? QStringLiteral("ON") : QStringLiteral("OFF"));
            indicator->setPixmap(indicatorPicture(on, scale));
            indicator->setAlignment(Qt::AlignCenter);
            indicator->setGeometry(scale.rect(1080 * (k - 1), 840, 1125, 345));
            indicator->hide();
            modeIndicators_[static_cast<std::size_t>(index - 1)] = indicator;
        }
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("cmdMenu%1").arg(k));
        button->setText(captions[i]);
        button->setAccessibleName(captions[i]);
        button->setToolTip(withKey(captions[i], commandKeys().inputModes[i]));
        button->setIcon(QIcon(pictures[i]));
        button->setIconSize(pictures[i].size());
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        // Its own font, not the bar's: a style sheet set on a button (the
        // chosen mode's green) drops an inherited font for the default one.
        button->setFont(font());
        button->setGeometry(scale.rect(1080 * (k - 1), 0, 1095, 855));
        connect(button, &QToolButton::clicked, this, [this, k] {
            if (targets_.acceptsCommands()) selectInputMode(modeOfButton(k));
        });
        modeButtons_[i] = button;
    }
}

void InputModeBar::load() { selectInputMode(InputMode::Text); }

void InputModeBar::selectInputMode(InputMode mode)
{
    if (mode == InputMode::None) return;
    trapErrors(reporter_, "LfncMenuSel", [&] {
        targets_.setGuidance(kGuidance[static_cast<std::size_t>(buttonOf(mode) - 1)]);
        // The window that goes is closed before the one that comes is shown.
        if (mode == InputMode::AddedLines) {
            freeLinePanel_(false);
            targets_.showLineTool(true);
        } else {
            targets_.showLineTool(false);
            freeLinePanel_(mode == InputMode::FreeLines);
        }
        targets_.showLineHandles(mode == InputMode::AddedLines);
        targets_.setInputMode(mode);
        modeButton(buttonOf(mode))->setProperty("Tag", QStringLiteral("1"));
        showSelection(mode);
    });
}

void InputModeBar::showSelection(InputMode mode)
{
    for (int k = 1; k <= 3; ++k) {
        const bool chosen = modeOfButton(k) == mode;
        modeIndicator(k)->setVisible(chosen);
        modeIndicator(k + 3)->setVisible(!chosen);
        // The style sheet takes the style's focus mark away: the border gives it back.
        modeButton(k)->setStyleSheet(QStringLiteral("QToolButton { background-color: %1; border: 1px solid gray; }"
                                                    "QToolButton:focus { border: 2px solid #1E5AC8; }")
                                         .arg(chosen ? QStringLiteral("#C0FFC0") : QStringLiteral("white")));
    }
}

} // namespace kinsketch
