#include "ui/macro/KestMacroSelect.h"
#include "storage/MacroFiles.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/KestAction.h"
#include "ui/kit/KestLabel.h"
#include "ui/kit/KestPushButton.h"
#include "ui/kit/Skin.h"
#include "ui/kit/UiScale.h"
#include "ui/macro/LoopCountValidator.h"
#include "ui/macro/MacroStyle.h"
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kWidth = 478;
constexpr int kHeight = 309;
constexpr int kMargin = 30;
constexpr int kModeTextPx = 12;

const char *const kModeTexts[PLAY_MODE_COUNT] = {
    QT_TRANSLATE_NOOP("KestMacroSelect", "LOOPS TIME(1-255)"),
    QT_TRANSLATE_NOOP("KestMacroSelect", "REPEAT RUN WHEN KEY DOWN"),
    QT_TRANSLATE_NOOP("KestMacroSelect", "REPEAT RUN UNTILL THE KEY DOWN"),
};
} // namespace

KestMacroSelect::KestMacroSelect(const QString &title, const QString &presetName, int presetLoopCount, int presetMode,
                                 QWidget *parent, Qt::WindowFlags flags)
    : DialogFrame(kWidth, kHeight, QStringLiteral("dlg.png"), parent, flags), m_chosenName(presetName)
{
    setObjectName(QStringLiteral("KestMacroSelect"));
    setWindowTitle(title);
    setStyleSheet(macroPageStyleSheet());

    QLabel *caption = makeCaption(title, "msgBoxInfoLabel1", MACRO_DIALOG_CAPTION_PX);
    QLabel *nameCaption = makeCaption(tr("MACRO NAME"), "msgBoxInfoLabel2", 15);

    m_dropDown = new KestPushButton({skinPath("profilesel.png")}, this);
    m_dropDown->setObjectName(QStringLiteral("macroSelectButton"));
    m_dropDown->setFixedSize(scaled(230), scaled(30));
    m_dropDown->setPixelSize(kModeTextPx);
    m_dropDown->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_dropDown->setText(QStringLiteral("  ") + presetName);
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("macroSelectMenu"));
    applyPopupMenuStyle(m_menu);
    m_menu->setMinimumWidth(scaled(230));
    for (const QString &name : macroNames()) {
        if (m_menu->actions().size() == MACRO_LIST_SIZE)
            break;
        auto *action = new KestAction(name, m_menu);
        action->setCheckable(true);
        action->setChecked(name == presetName);
        m_menu->addAction(action);
    }
    // The chosen entry carries the round mark of the mode buttons.
    m_menu->setStyleSheet(m_menu->styleSheet()
                          + QStringLiteral("QMenu::item{padding: %1px %2px %1px %3px;}"
                                           "QMenu::indicator{width: %4px; height: %4px; left: %5px;}"
                                           "QMenu::indicator:checked{image: url(%6);}")
                                .arg(scaled(3))
                                .arg(scaled(20))
                                .arg(scaled(26))
                                .arg(scaled(12))
                                .arg(scaled(6))
                                .arg(skinPath("checkbox2-2.png")));
    m_dropDown->setMenu(m_menu);
    connect(m_menu, &QMenu::triggered, this, &KestMacroSelect::chooseMacro);

    auto *modes = new QGridLayout;
    QHBoxLayout *loopRow = nullptr;
    modes->setHorizontalSpacing(scaled(8));
    modes->setVerticalSpacing(scaled(6));
    for (int m = 0; m < PLAY_MODE_COUNT; ++m) {
        auto *toggle = new KestPushButton({skinPath("checkbox2-1.png"), skinPath("checkbox2-2.png")}, this);
        toggle->setObjectName(QStringLiteral("macroModeButton%1").arg(m));
        toggle->setCheckable(true);
        toggle->setFixedSize(scaled(18), scaled(18));
        toggle->setAccessibleName(tr(kModeTexts[m])); // the caption beside it is a label of its own
        connect(toggle, &QPushButton::clicked, this, [this, m] { chooseMode(m); });
        m_modeButtons[m] = toggle;
        auto *label = new KestLabel(tr(kModeTexts[m]), this);
        label->setObjectName(QStringLiteral("macroModeLabel%1").arg(m));
        label->setPixelSize(kModeTextPx);
        label->setStyleSheet(QStringLiteral("color: rgb(225,225,225);"));
        connect(label, &KestLabel::EnterSignal, this, [this, m] { chooseMode(m); });
        modes->addWidget(toggle, m, 0);
        if (m == PlayLoops) {
            // The count belongs to its mode: the field follows the caption.
            auto *row = new QHBoxLayout;
            row->setSpacing(scaled(10));
            row->addWidget(label);
            loopRow = row;
            modes->addLayout(row, m, 1);
        } else {
            modes->addWidget(label, m, 1);
        }
    }
    m_loopEdit = new QLineEdit(this);
    m_loopEdit->setObjectName(QStringLiteral("macroLoopCountEdit"));
    m_loopEdit->setMaxLength(3);
    m_loopEdit->setValidator(new LoopCountValidator(m_loopEdit));
    m_loopEdit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_loopEdit->setFixedSize(scaled(52), scaled(22));
    m_loopEdit->setFont(languageFont(kModeTextPx));
    m_loopEdit->setText(QString::number(presetLoopCount));
    loopRow->addWidget(m_loopEdit);
    loopRow->addStretch();
    modes->setColumnStretch(1, 1);
    chooseMode(presetMode >= 0 && presetMode < PLAY_MODE_COUNT ? presetMode : PlayLoops);

    QToolButton *yes = makeDialogButton(tr("Yes"), "selectYesButton");
    QToolButton *no = makeDialogButton(tr("No"), "selectNoButton");
    connect(yes, &QToolButton::released, this, &KestMacroSelect::onYesClicked);
    connect(no, &QToolButton::released, this, &QDialog::reject);

    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(nameCaption);
    nameRow->addStretch();
    nameRow->addWidget(m_dropDown);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes);
    buttons->addStretch();
    buttons->addWidget(no);
    buttons->addStretch();
    auto *all = new QVBoxLayout(this);
    all->setContentsMargins(scaled(kMargin), scaled(14), scaled(kMargin), scaled(24));
    all->addWidget(caption);
    all->addSpacing(scaled(16));
    all->addLayout(nameRow);
    all->addSpacing(scaled(14));
    all->addLayout(modes);
    all->addStretch();
    all->addLayout(buttons);
}

int KestMacroSelect::mode() const
{
    for (int m = 0; m < PLAY_MODE_COUNT; ++m) {
        if (m_modeButtons[m]->isChecked())
            return m;
    }
    return PlayLoops;
}

int KestMacroSelect::loopCount() const
{
    return m_loopEdit->text().toInt();
}

void KestMacroSelect::chooseMacro(QAction *action)
{
    if (!action || m_menu->actions().indexOf(action) < 0)
        return;
    m_chosenName = action->text();
    m_dropDown->setText(QStringLiteral("  ") + m_chosenName);
    for (QAction *other : m_menu->actions())
        other->setChecked(other == action);
}

void KestMacroSelect::chooseMode(int mode)
{
    for (int m = 0; m < PLAY_MODE_COUNT; ++m)
        m_modeButtons[m]->setChecked(m == mode);
}

void KestMacroSelect::onYesClicked()
{
    // A button with the macro function but no macro would play whatever
    // macro the mouse holds first; a loop count of nothing plays nothing.
    if (m_chosenName.isEmpty()) {
        warn(tr("Please choose a macro."));
        return;
    }
    if (mode() == PlayLoops && loopCount() < LOOP_COUNT_MIN) {
        warn(tr("Please input a loop count from 1 to 255."));
        return;
    }
    accept();
}
