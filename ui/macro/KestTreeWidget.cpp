#include "ui/macro/KestTreeWidget.h"
#include "storage/ConfigStorage.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/Skin.h"
#include "ui/kit/UiScale.h"
#include "ui/macro/MacroStyle.h"
#include <QCoreApplication>
#include <QHeaderView>
#include <QIntValidator>
#include <QLineEdit>
#include <algorithm>

namespace {
constexpr int kDefaultDistance = 10;
const char *const kMovePictures[MOVE_DIRECTION_COUNT] = {"up1.png", "down1.png", "left1.png", "right1.png"};

QString macroText(const char *text)
{
    return QCoreApplication::translate("MacroDialog", text);
}

QTreeWidgetItem *entry(KestTreeWidget::EntryKind kind, int index)
{
    auto *item = new QTreeWidgetItem;
    item->setData(0, KestTreeWidget::KindRole, int(kind));
    item->setData(0, KestTreeWidget::IndexRole, index);
    return item;
}
} // namespace

KestTreeWidget::KestTreeWidget(QWidget *parent) : QTreeWidget(parent)
{
    setColumnCount(2);
    setRootIsDecorated(false);
    setIndentation(scaled(14));
    setExpandsOnDoubleClick(false);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setIconSize(QSize(scaled(16), scaled(16)));
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::Stretch);
    header()->setSectionResizeMode(1, QHeaderView::Fixed);
    header()->resizeSection(1, scaled(64));
    setFont(languageFont(MACRO_TEXT_PX));

    QFont headingFont = languageFont(MACRO_TEXT_PX);
    headingFont.setBold(true);
    const QBrush headingInk(themeColor());

    m_commandHeading = entry(HeadingEntry, 0);
    m_commandHeading->setFlags(Qt::ItemIsEnabled);
    m_commandHeading->setFont(0, headingFont);
    m_commandHeading->setForeground(0, headingInk);
    addTopLevelItem(m_commandHeading);
    m_commandHeading->setFirstColumnSpanned(true);
    const QIcon mouseIcon(skinPath("insert_mouse_key_1.png"));
    for (int i = 0; i < MOUSE_BUTTON_COUNT; ++i) {
        QTreeWidgetItem *button = entry(ButtonEntry, i);
        button->setIcon(0, mouseIcon);
        button->addChild(entry(PressEntry, i));
        button->addChild(entry(ReleaseEntry, i));
        addTopLevelItem(button);
        m_buttons[i] = button;
    }

    m_moveHeading = entry(HeadingEntry, 1);
    m_moveHeading->setFlags(Qt::ItemIsEnabled);
    m_moveHeading->setFont(0, headingFont);
    m_moveHeading->setForeground(0, headingInk);
    addTopLevelItem(m_moveHeading);
    m_moveHeading->setFirstColumnSpanned(true);
    for (int d = 0; d < MOVE_DIRECTION_COUNT; ++d) {
        QTreeWidgetItem *move = entry(MoveEntry, d);
        move->setIcon(0, QIcon(skinPath(kMovePictures[d])));
        addTopLevelItem(move);
        m_moves[d] = move;
        auto *edit = new QLineEdit(QString::number(kDefaultDistance));
        edit->setObjectName(QStringLiteral("macroDistanceEdit%1").arg(d));
        edit->setValidator(new QIntValidator(1, MACRO_MAX_MOVE, edit));
        edit->setMaxLength(3);
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        edit->setFixedHeight(scaled(18));
        edit->setFont(languageFont(MACRO_TEXT_PX));
        setItemWidget(move, 1, edit);
        m_distances[d] = edit;
    }
    retranslate();
}

KestTreeWidget::EntryKind KestTreeWidget::entryKind(const QTreeWidgetItem *item)
{
    return item ? EntryKind(item->data(0, KindRole).toInt()) : HeadingEntry;
}

int KestTreeWidget::entryIndex(const QTreeWidgetItem *item)
{
    return item ? item->data(0, IndexRole).toInt() : -1;
}

int KestTreeWidget::distance(MoveDirection direction) const
{
    QLineEdit *edit = m_distances[direction];
    const int value = std::clamp(edit->text().toInt(), 1, MACRO_MAX_MOVE);
    if (edit->text() != QString::number(value))
        edit->setText(QString::number(value));
    return value;
}

void KestTreeWidget::expandOnly(QTreeWidgetItem *item)
{
    for (QTreeWidgetItem *button : m_buttons)
        button->setExpanded(button == item);
}

void KestTreeWidget::retranslate()
{
    setHeaderLabels({QCoreApplication::translate("MacroDialog", "MOUSE ACTION"), QCoreApplication::translate("MacroDialog", "DISTANCE")});
    m_commandHeading->setText(0, QCoreApplication::translate("MacroDialog", "MOUSE COMMAND"));
    m_moveHeading->setText(0, QCoreApplication::translate("MacroDialog", "MOVEMENT"));
    for (int i = 0; i < MOUSE_BUTTON_COUNT; ++i) {
        m_buttons[i]->setText(0, macroText(mouseButtonAt(i).command));
        m_buttons[i]->child(0)->setText(0, QCoreApplication::translate("MacroDialog", "PRESS DOWN"));
        m_buttons[i]->child(1)->setText(0, QCoreApplication::translate("MacroDialog", "BOUNCE UP"));
    }
    for (int d = 0; d < MOVE_DIRECTION_COUNT; ++d) {
        m_moves[d]->setText(0, macroText(moveDirectionText(MoveDirection(d))));
        m_distances[d]->setToolTip(QCoreApplication::translate("MacroDialog", "DISTANCE"));
    }
}
