#include "ui/macro/MacroDialog.h"
#include "platform/KeyboardHook.h"
#include "storage/ConfigStorage.h"
#include "storage/DeviceDescription.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/KestMessageBox.h"
#include "ui/kit/KestPushButton.h"
#include "ui/kit/UiScale.h"
#include "ui/macro/KestMacroItemDelegate.h"
#include "ui/macro/KestTreeWidget.h"
#include "ui/macro/LoopCountValidator.h"
#include "ui/macro/MacroEventModel.h"
#include "ui/macro/MacroStyle.h"
#include <QCheckBox>
#include <QEvent>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QStackedWidget>
#include <QTableView>
#include <cmath>
#include <iterator>

namespace {

// The page's design size; every place below is in these pixels.
constexpr int kPageWidth = 620;
constexpr int kPageHeight = 430;

struct Place {
    const char *objectName;
    QRect rect;
};

// Left: the macro list; middle: the event table; right: mouse actions and options.
constexpr Place kPlaces[] = {
    {"macroNameTitle", {6, 4, 130, 20}},
    {"macroList", {6, 26, 134, 262}},
    {"macroNewButton", {6, 294, 65, 24}},
    {"macroDeleteButton", {75, 294, 65, 24}},
    {"macroRenameButton", {6, 322, 134, 24}},
    {"macroImportButton", {6, 350, 65, 24}},
    {"macroExportButton", {75, 350, 65, 24}},
    {"macroBatchButton", {6, 378, 65, 24}},
    {"macroGunSetButton", {75, 378, 65, 24}},

    {"macroTitle", {152, 4, 110, 20}},
    {"macroStartButton", {340, 2, 80, 22}},
    {"macroStopButton", {340, 2, 80, 22}},
    {"macroEventTable", {150, 26, 270, 262}},
    {"macroEditCaption", {150, 294, 64, 24}},
    {"macroEditStack", {217, 294, 54, 24}},
    {"macroEditButton", {274, 294, 44, 24}},
    {"macroSaveButton", {321, 294, 46, 24}},
    {"macroCancelButton", {370, 294, 50, 24}},
    {"macroMoveUpButton", {150, 322, 64, 24}},
    {"macroMoveDownButton", {216, 322, 76, 24}},
    {"macroTopButton", {294, 322, 60, 24}},
    {"macroBottomButton", {356, 322, 64, 24}},
    {"macroCopyButton", {150, 350, 66, 24}},
    {"macroCutButton", {218, 350, 66, 24}},
    {"macroPasteButton", {286, 350, 66, 24}},
    {"macroDeleteRowButton", {354, 350, 66, 24}},
    {"macroInsertDelayButton", {150, 378, 100, 24}},
    {"macroRecordAfterButton", {252, 378, 100, 24}},
    {"macroClearButton", {354, 378, 66, 24}},

    {"macroActionTree", {430, 4, 186, 214}},
    {"macroRecordDelayCheck", {434, 230, 182, 32}},
    {"macroDefaultDelayCheck", {434, 264, 126, 32}},
    {"macroDefaultDelayEdit", {562, 269, 36, 22}},
    {"macroMsLabel", {600, 269, 18, 22}},
    {"macroLoopCheck1", {434, 304, 126, 32}},
    {"macroLoopTimeEdit", {562, 309, 36, 22}},
    {"macroLoopCheck2", {434, 338, 182, 32}},
    {"macroLoopCheck3", {434, 372, 182, 32}},
};

// Captioned buttons: object name, text, operation, checkable.
struct ButtonDef {
    const char *objectName;
    const char *text;
    void (MacroDialog::*action)();
};

const ButtonDef kButtonDefs[] = {
    {"macroNewButton", QT_TRANSLATE_NOOP("MacroDialog", "NEW"), &MacroDialog::newMacro},
    {"macroDeleteButton", QT_TRANSLATE_NOOP("MacroDialog", "DELETE"), &MacroDialog::deleteMacro},
    {"macroRenameButton", QT_TRANSLATE_NOOP("MacroDialog", "CHANGE NAME"), &MacroDialog::beginRename},
    {"macroImportButton", QT_TRANSLATE_NOOP("MacroDialog", "IMPORT"), &MacroDialog::chooseImportFiles},
    {"macroExportButton", QT_TRANSLATE_NOOP("MacroDialog", "EXPORT"), &MacroDialog::chooseExportTarget},
    {"macroBatchButton", QT_TRANSLATE_NOOP("MacroDialog", "BATCH"), &MacroDialog::toggleBatch},
    {"macroGunSetButton", QT_TRANSLATE_NOOP("MacroDialog", "GUN SET"), &MacroDialog::openGunSet},
    {"macroStartButton", QT_TRANSLATE_NOOP("MacroDialog", "START"), &MacroDialog::startRecording},
    {"macroStopButton", QT_TRANSLATE_NOOP("MacroDialog", "STOP"), &MacroDialog::stopRecording},
    {"macroEditButton", QT_TRANSLATE_NOOP("MacroDialog", "EDIT"), &MacroDialog::editRow},
    {"macroSaveButton", QT_TRANSLATE_NOOP("MacroDialog", "SAVE"), &MacroDialog::saveEdit},
    {"macroCancelButton", QT_TRANSLATE_NOOP("MacroDialog", "CANCEL"), &MacroDialog::cancelEdit},
    {"macroMoveUpButton", QT_TRANSLATE_NOOP("MacroDialog", "MOVE UP"), &MacroDialog::moveRowUp},
    {"macroMoveDownButton", QT_TRANSLATE_NOOP("MacroDialog", "MOVE DOWN"), &MacroDialog::moveRowDown},
    {"macroTopButton", QT_TRANSLATE_NOOP("MacroDialog", "TOP"), &MacroDialog::moveRowTop},
    {"macroBottomButton", QT_TRANSLATE_NOOP("MacroDialog", "BOTTOM"), &MacroDialog::moveRowBottom},
    {"macroCopyButton", QT_TRANSLATE_NOOP("MacroDialog", "COPY"), &MacroDialog::copyRows},
    {"macroCutButton", QT_TRANSLATE_NOOP("MacroDialog", "CUT"), &MacroDialog::cutRows},
    {"macroPasteButton", QT_TRANSLATE_NOOP("MacroDialog", "PASTE"), &MacroDialog::pasteRows},
    {"macroDeleteRowButton", QT_TRANSLATE_NOOP("MacroDialog", "DELETE"), &MacroDialog::deleteRow},
    {"macroInsertDelayButton", QT_TRANSLATE_NOOP("MacroDialog", "INSERT DELAY"), &MacroDialog::insertDelay},
    {"macroRecordAfterButton", QT_TRANSLATE_NOOP("MacroDialog", "RECORD AFTER"), &MacroDialog::recordAfter},
    {"macroClearButton", QT_TRANSLATE_NOOP("MacroDialog", "CLEAR"), &MacroDialog::clearRows},
};

// The three loop options in "Setting/LoopType" order 1..3.
const char *const kLoopTexts[3] = {
    QT_TRANSLATE_NOOP("MacroDialog", "LOOPS TIME(1-255)"),
    QT_TRANSLATE_NOOP("MacroDialog", "REPEAT RUN WHEN KEY DOWN"),
    QT_TRANSLATE_NOOP("MacroDialog", "REPEAT RUN UNTIL THE KEY DOWN"),
};

// Unscaled widths the option captions wrap at (check box text area).
constexpr int kWideCaption = 158;
constexpr int kNarrowCaption = 104;

// The panel plates painted behind the three columns.
constexpr QRect kPlates[] = {{0, 0, 146, 408}, {146, 0, 280, 408}, {426, 0, 194, 222}, {426, 222, 194, 186}};

} // namespace

MacroDialog::MacroDialog(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MacroDialog"));
    setFocusPolicy(Qt::ClickFocus);
    m_iDelayUnit = minDelay();
    setStyleSheet(macroPageStyleSheet() + macroPageFontSheet());

    m_nameTitle = new QLabel(this);
    m_nameTitle->setObjectName(QStringLiteral("macroNameTitle"));
    m_macroTitle = new QLabel(this);
    m_macroTitle->setObjectName(QStringLiteral("macroTitle"));

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("macroList"));
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this, &MacroDialog::CurrentChanged);

    m_tree = new KestTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("macroActionTree"));
    connect(m_tree, &QTreeWidget::itemPressed, this, &MacroDialog::TreeitemClick);

    buildTable();
    buildButtons();
    buildEditRow();
    buildOptions();
    retranslate();
    reloadList();
    relayout();
}

MacroDialog::~MacroDialog() = default;

void MacroDialog::buildTable()
{
    m_model = new MacroEventModel(this);
    m_model->setDelayUnit(m_iDelayUnit);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("macroEventTable"));
    m_table->setModel(m_model);
    m_table->setItemDelegate(new KestMacroItemDelegate(m_table));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Keys typed while recording or editing belong to the macro, not to the table.
    m_table->setFocusPolicy(Qt::NoFocus);
    m_table->setShowGrid(false);
    m_table->setWordWrap(false);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->verticalHeader()->setMinimumSectionSize(scaled(18));
    m_table->verticalHeader()->setDefaultSectionSize(scaled(21));
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setFixedWidth(scaled(26));
    m_table->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    QHeaderView *header = m_table->horizontalHeader();
    header->setHighlightSections(false);
    header->setFixedHeight(scaled(24));
    // The key column takes what the scroll bar leaves.
    header->setStretchLastSection(false);
    header->setSectionResizeMode(MacroEventModel::KeyColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(MacroEventModel::ActionColumn, QHeaderView::Fixed);
    header->setSectionResizeMode(MacroEventModel::DelayColumn, QHeaderView::Fixed);
    header->resizeSection(MacroEventModel::ActionColumn, scaled(64));
    header->resizeSection(MacroEventModel::DelayColumn, scaled(70));
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &MacroDialog::SelectRow);
}

void MacroDialog::buildButtons()
{
    for (const ButtonDef &def : kButtonDefs) {
        KestPushButton *button = makeMacroButton(this, def.objectName, 60);
        const auto action = def.action;
        connect(button, &QPushButton::clicked, this, [this, action] { (this->*action)(); });
        m_buttons << button;
    }
    pageButton(QStringLiteral("macroBatchButton"))->setCheckable(true);
    pageButton(QStringLiteral("macroStopButton"))->hide();
}

void MacroDialog::buildEditRow()
{
    m_editCaption = new QLabel(this);
    m_editCaption->setObjectName(QStringLiteral("macroEditCaption"));
    m_editCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_editStack = new QStackedWidget(this);
    m_editStack->setObjectName(QStringLiteral("macroEditStack"));

    m_keyEdit = new QLineEdit(m_editStack);
    m_keyEdit->setObjectName(QStringLiteral("macroKeyEdit"));
    m_keyEdit->setReadOnly(true);
    m_keyEdit->setFocusPolicy(Qt::NoFocus);
    m_moveEdit = new QLineEdit(m_editStack);
    m_moveEdit->setObjectName(QStringLiteral("macroMoveEdit"));
    m_moveEdit->setValidator(new QIntValidator(1, MACRO_MAX_MOVE, m_moveEdit));
    m_moveEdit->setMaxLength(3);
    m_delayEdit = new QLineEdit(m_editStack);
    m_delayEdit->setObjectName(QStringLiteral("macroDelayEdit"));
    m_delayEdit->setValidator(new QIntValidator(0, 0xFFFF * m_iDelayUnit, m_delayEdit));
    m_delayEdit->setMaxLength(7);
    for (QLineEdit *edit : {m_keyEdit, m_moveEdit, m_delayEdit}) {
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_editStack->addWidget(edit);
    }
    connect(m_moveEdit, &QLineEdit::textEdited, this, &MacroDialog::EditMoveChanged);
    connect(m_delayEdit, &QLineEdit::textEdited, this, &MacroDialog::EditDelayChanged);
}

void MacroDialog::buildOptions()
{
    m_recordDelayCheck = new QCheckBox(this);
    m_recordDelayCheck->setObjectName(QStringLiteral("macroRecordDelayCheck"));
    m_defaultDelayCheck = new QCheckBox(this);
    m_defaultDelayCheck->setObjectName(QStringLiteral("macroDefaultDelayCheck"));
    connect(m_recordDelayCheck, &QCheckBox::clicked, this, &MacroDialog::checkbtn_clicked);
    connect(m_defaultDelayCheck, &QCheckBox::clicked, this, &MacroDialog::checkbtn_clicked);

    m_defaultDelayEdit = new QLineEdit(QStringLiteral("10"), this);
    m_defaultDelayEdit->setObjectName(QStringLiteral("macroDefaultDelayEdit"));
    m_defaultDelayEdit->setValidator(new QIntValidator(0, 99999, m_defaultDelayEdit));
    m_defaultDelayEdit->setMaxLength(5);
    m_defaultDelayEdit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(m_defaultDelayEdit, &QLineEdit::textEdited, this, &MacroDialog::DefDelayChanged);
    m_msLabel = new QLabel(QStringLiteral("ms"), this);
    m_msLabel->setObjectName(QStringLiteral("macroMsLabel"));

    for (int i = 0; i < 3; ++i) {
        m_loopChecks[i] = new QCheckBox(this);
        m_loopChecks[i]->setObjectName(QStringLiteral("macroLoopCheck%1").arg(i + 1));
        connect(m_loopChecks[i], &QCheckBox::clicked, this, &MacroDialog::checkbtn_clicked);
    }
    m_loopTimeEdit = new QLineEdit(QStringLiteral("1"), this);
    m_loopTimeEdit->setObjectName(QStringLiteral("macroLoopTimeEdit"));
    m_loopTimeEdit->setValidator(new LoopCountValidator(m_loopTimeEdit));
    m_loopTimeEdit->setMaxLength(3);
    m_loopTimeEdit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(m_loopTimeEdit, &QLineEdit::textEdited, this, &MacroDialog::LoopTimeChanged);
}

KestPushButton *MacroDialog::pageButton(const QString &objectName) const
{
    for (KestPushButton *button : m_buttons) {
        if (button->objectName() == objectName)
            return button;
    }
    return nullptr;
}

void MacroDialog::retranslate()
{
    for (const ButtonDef &def : kButtonDefs)
        pageButton(QString::fromLatin1(def.objectName))->setText(tr(def.text));
    m_nameTitle->setText(tr("MACRO NAME"));
    m_macroTitle->setText(tr("MACRO"));
    m_tree->retranslate();
    m_model->retranslate();
    const QFont font = languageFont(MACRO_TEXT_PX);
    // Indicator and spacing take about 22 px of a check box.
    m_recordDelayCheck->setText(wrapToWidth(tr("RECORD DELAYS BETWEEN ACTION"), font, scaled(kWideCaption)));
    m_defaultDelayCheck->setText(wrapToWidth(tr("INSERT DEFAULT DELAY"), font, scaled(kNarrowCaption)));
    for (int i = 0; i < 3; ++i)
        m_loopChecks[i]->setText(wrapToWidth(tr(kLoopTexts[i]), font, scaled(i == 0 ? kNarrowCaption : kWideCaption)));
    showEditField();
}

void MacroDialog::relayout()
{
    const double factor = double(width()) / kPageWidth;
    if (factor <= 0)
        return;
    for (const Place &place : kPlaces) {
        QWidget *child = findChild<QWidget *>(QLatin1String(place.objectName), Qt::FindDirectChildrenOnly);
        if (!child)
            continue;
        const QRect r = place.rect;
        child->setGeometry(int(std::lround(r.x() * factor)), int(std::lround(r.y() * factor)),
                           int(std::lround(r.width() * factor)), int(std::lround(r.height() * factor)));
    }
    update();
}

void MacroDialog::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void MacroDialog::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double factor = double(width()) / kPageWidth;
    const QColor accent = themeColor();
    for (const QRect &plate : kPlates) {
        const QRectF r(plate.x() * factor + 0.5, plate.y() * factor + 0.5, plate.width() * factor - 3,
                       plate.height() * factor - 1);
        QPainterPath path;
        path.addRoundedRect(r, 5 * factor, 5 * factor);
        QLinearGradient fill(r.topLeft(), r.bottomLeft());
        fill.setColorAt(0, QColor(30, 30, 35, 200));
        fill.setColorAt(1, QColor(17, 17, 20, 200));
        p.fillPath(path, fill);
        p.setPen(QPen(QColor(62, 62, 70), 1));
        p.drawPath(path);
    }
    // Accent bars under the two titles; red dot while recording.
    const QRectF bars[] = {{12 * factor, 24 * factor, 60 * factor, 2 * factor}, {156 * factor, 24 * factor, 60 * factor, 2 * factor}};
    for (const QRectF &bar : bars) {
        QLinearGradient g(bar.topLeft(), bar.topRight());
        g.setColorAt(0, accent);
        QColor faded = accent;
        faded.setAlpha(0);
        g.setColorAt(1, faded);
        p.fillRect(bar, g);
    }
    if (m_bRecording) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 40, 40));
        p.drawEllipse(QPointF(328 * factor, 13 * factor), 5 * factor, 5 * factor);
    }
}

bool MacroDialog::event(QEvent *event)
{
    // While recording (and while a key row is being edited) the page holds the
    // focus and keeps every key to itself: Tab must not move the focus and no
    // shortcut may fire; the keyboard layer has already seen the key.
    const QEvent::Type type = event->type();
    if ((m_bRecording || (m_bEdit && m_hook))
        && (type == QEvent::KeyPress || type == QEvent::KeyRelease || type == QEvent::ShortcutOverride)) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void MacroDialog::changeEvent(QEvent *event)
{
    // A language switch installs another translator and may bring another font.
    if (event->type() == QEvent::LanguageChange) {
        setStyleSheet(macroPageStyleSheet() + macroPageFontSheet());
        retranslate();
    }
    QWidget::changeEvent(event);
}

int MacroDialog::showMessage(const QString &text, const QString &caption)
{
    KestMessageBox box(2, QString(), caption, text, this);
    return box.exec();
}

void MacroDialog::showEditField()
{
    const RowKind kind = rowKind(m_model->event(currentRow()));
    const bool hasRow = currentRow() >= 0;
    if (hasRow && kind == RowKind::Move) {
        m_editCaption->setText(tr("DISTANCE"));
        m_editStack->setCurrentWidget(m_moveEdit);
        MoveDirection direction;
        int distance = 0;
        decodeMove(m_model->event(currentRow()), direction, distance);
        m_moveEdit->setText(QString::number(distance));
    } else if (hasRow && kind == RowKind::Delay) {
        m_editCaption->setText(tr("DELAY"));
        m_editStack->setCurrentWidget(m_delayEdit);
        m_delayEdit->setText(QString::number(delayUnits(m_model->event(currentRow())) * m_iDelayUnit));
    } else {
        m_editCaption->setText(tr("KEY"));
        m_editStack->setCurrentWidget(m_keyEdit);
        m_keyEdit->setText(hasRow ? rowTexts(m_model->event(currentRow()), m_iDelayUnit).key : QString());
    }
}

void MacroDialog::updateControls()
{
    const bool hasMacro = !currentMacroName().isEmpty();
    const bool idle = !m_bRecording && !m_bEdit;
    const bool rowsEditable = hasMacro && !m_bRecording && !m_bBatch;
    const bool listFree = idle && !m_bBatch;

    auto enable = [this](const char *name, bool on) {
        if (KestPushButton *b = pageButton(QString::fromLatin1(name)))
            b->setEnabled(on);
    };
    m_list->setEnabled(idle);
    enable("macroNewButton", listFree);
    enable("macroDeleteButton", listFree && hasMacro);
    enable("macroRenameButton", listFree && hasMacro);
    enable("macroImportButton", idle);
    enable("macroExportButton", idle && (m_bBatch || hasMacro));
    enable("macroBatchButton", idle);
    enable("macroGunSetButton", listFree);

    enable("macroStartButton", listFree && hasMacro);
    enable("macroRecordAfterButton", listFree && hasMacro);
    enable("macroStopButton", m_bRecording);
    pageButton(QStringLiteral("macroStartButton"))->setVisible(!m_bRecording);
    pageButton(QStringLiteral("macroStopButton"))->setVisible(m_bRecording);

    for (const char *name : {"macroEditButton", "macroMoveUpButton", "macroMoveDownButton", "macroTopButton",
                             "macroBottomButton", "macroCopyButton", "macroCutButton", "macroPasteButton",
                             "macroDeleteRowButton", "macroInsertDelayButton", "macroClearButton"})
        enable(name, rowsEditable);
    enable("macroSaveButton", m_bEdit);
    enable("macroCancelButton", m_bEdit);
    m_table->setEnabled(hasMacro && !m_bBatch);
    m_tree->setEnabled(rowsEditable);

    const bool options = hasMacro && !m_bRecording && !m_bBatch;
    m_recordDelayCheck->setEnabled(options);
    m_defaultDelayCheck->setEnabled(options);
    m_defaultDelayEdit->setEnabled(options);
    for (QCheckBox *check : m_loopChecks)
        check->setEnabled(options);
    m_loopTimeEdit->setEnabled(options);

    const RowKind kind = rowKind(m_model->event(currentRow()));
    const bool rowEdit = m_bEdit && currentRow() >= 0;
    m_moveEdit->setEnabled(rowEdit && kind == RowKind::Move);
    m_delayEdit->setEnabled(rowEdit && kind == RowKind::Delay);
    m_keyEdit->setEnabled(rowEdit && kind == RowKind::Key);
    update();
}
