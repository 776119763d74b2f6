#include "ui/buttons/KestFireKeyWindow.h"
#include "model/FireKeyTarget.h"
#include "platform/KeyboardHook.h"
#include "storage/ConfigStorage.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/Skin.h"
#include "ui/kit/UiScale.h"
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include "ui/buttons/NumberValidator.h"
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int kMaxDigits = 3;
constexpr int kEditWidth = 64;

QString checkBoxStyle()
{
    return QString("QCheckBox{color: rgb(230, 230, 230); spacing: %1px;}"
                   "QCheckBox::indicator{width: %2px; height: %2px;}"
                   "QCheckBox::indicator:unchecked{image: url(%3);}"
                   "QCheckBox::indicator:checked{image: url(%4);}")
        .arg(scaled(6))
        .arg(scaled(18))
        .arg(skinPath("checkbox1-1.png"), skinPath("checkbox1-2.png"));
}

QString numberStyle()
{
    const QColor accent = themeColor();
    return QString("QLineEdit{background: rgb(18, 18, 22); color: rgb(255, 255, 255);"
                   " border: 1px solid rgb(90, 90, 100); border-radius: %1px; padding: 0 %1px;}"
                   "QLineEdit:focus{border: 1px solid rgb(%2, %3, %4);}")
        .arg(scaled(4))
        .arg(accent.red())
        .arg(accent.green())
        .arg(accent.blue());
}

QString storedNumber(int value, int whenZero)
{
    return QString::number(value == 0 ? whenZero : std::clamp(value, FIRE_NUMBER_MIN, FIRE_NUMBER_MAX));
}
} // namespace

KestFireKeyWindow::KestFireKeyWindow(QWidget *parent) : KestSettingDialog(parent)
{
    setObjectName("KestFireKeyWindow");
    setTitle(tr("FireKey Setting"));

    auto *targets = new QHBoxLayout;
    for (int i = 0; i < TARGET_COUNT; ++i) {
        auto *box = new QCheckBox(tr(fireTargetLabel(i)), this);
        box->setObjectName(QString("targetBox%1").arg(i));
        box->setFocusPolicy(Qt::NoFocus);
        box->setStyleSheet(checkBoxStyle());
        box->setFont(languageFont());
        connect(box, &QCheckBox::clicked, this, &KestFireKeyWindow::checkbtn_clicked);
        connect(box, &QCheckBox::stateChanged, this, &KestFireKeyWindow::onStateChanged);
        targets->addWidget(box);
        m_targets << box;
    }

    m_display = makeKeyDisplay();
    m_times = makeNumberEdit("timesEdit", FIRE_DEFAULT_TIMES);
    m_delay = makeNumberEdit("delayEdit", FIRE_DEFAULT_DELAY);
    for (QLineEdit *edit : {m_times, m_delay}) {
        connect(edit, &QLineEdit::textChanged, this, &KestFireKeyWindow::OnEditDataChanged);
        connect(edit, &QLineEdit::returnPressed, this, &KestFireKeyWindow::onEditReturn);
    }

    auto *numbers = new QHBoxLayout;
    const struct { const char *text; QLineEdit *edit; } rows[] = {
        {QT_TR_NOOP("Times:"), m_times},
        {QT_TR_NOOP("Delay:"), m_delay},
    };
    numbers->addStretch();
    for (const auto &row : rows) {
        auto *label = new QLabel(tr(row.text), this);
        label->setStyleSheet("color: rgb(230, 230, 230);");
        label->setFont(languageFont());
        numbers->addWidget(label);
        numbers->addWidget(row.edit);
        numbers->addSpacing(scaled(18));
    }
    numbers->addStretch();

    contentLayout()->addStretch();
    contentLayout()->addLayout(targets);
    contentLayout()->addWidget(m_display);
    contentLayout()->addLayout(numbers);
    contentLayout()->addStretch();

    m_hook = KeyboardHook::install(KeyboardHook::FireKey, [this](int scanCode, int flags) { handleKey(scanCode, flags); });
    choose(TargetLeft);
}

KestFireKeyWindow::~KestFireKeyWindow() = default;

QLineEdit *KestFireKeyWindow::makeNumberEdit(const char *objectName, int value)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(objectName);
    edit->setMaxLength(kMaxDigits);
    edit->setValidator(new NumberValidator(FIRE_NUMBER_MIN, FIRE_NUMBER_MAX, edit));
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setFixedWidth(scaled(kEditWidth));
    edit->setFont(displayFont(14));
    edit->setStyleSheet(numberStyle());
    edit->setText(QString::number(value));
    return edit;
}

QString KestFireKeyWindow::timesText() const
{
    return m_times->text();
}

QString KestFireKeyWindow::delayText() const
{
    return m_delay->text();
}

int KestFireKeyWindow::times() const
{
    return m_keptTimes >= 0 && !m_times->isModified() ? m_keptTimes : m_times->text().toInt();
}

int KestFireKeyWindow::delay() const
{
    return m_keptDelay >= 0 && !m_delay->isModified() ? m_keptDelay : m_delay->text().toInt();
}

QString KestFireKeyWindow::displayText() const
{
    return m_display->text();
}

uint8_t KestFireKeyWindow::targetValue(int choice, KeyCode key)
{
    return fireTargetValue(choice, key);
}

void KestFireKeyWindow::setRecord(const ButtonInfo &record)
{
    KeyCode key = 0;
    const int target = fireTargetOf(record.res1, key);
    choose(target);
    if (target == TargetKeyboard)
        showKey(key);
    m_times->setText(storedNumber(record.loopNumber, FIRE_DEFAULT_TIMES));
    m_delay->setText(storedNumber(record.keyNumber, FIRE_STORED_DEFAULT_DELAY));
    // Reopening and pressing OK must not change the bytes the mouse gets.
    m_keptTimes = record.loopNumber > FIRE_NUMBER_MAX ? record.loopNumber : -1;
    m_keptDelay = record.keyNumber > FIRE_NUMBER_MAX ? record.keyNumber : -1;
}

void KestFireKeyWindow::choose(int target)
{
    m_choice = target;
    for (int i = 0; i < m_targets.size(); ++i)
        m_targets[i]->setChecked(i == target);
    m_skipNext = 0;
    m_capturing = target == TargetKeyboard ? 1 : 0;
    m_display->setEnabled(m_capturing);
    if (m_capturing)
        m_display->setFocus();
    else
        showKey(0);
}

void KestFireKeyWindow::showKey(KeyCode code)
{
    m_keyCode = code;
    m_display->setText(keyName(code));
}

void KestFireKeyWindow::emitValue()
{
    emit SetFireKeyValue(m_keyCode, quint8(m_choice), m_times->text().toInt(), m_delay->text().toInt());
}

void KestFireKeyWindow::checkbtn_clicked()
{
    const int target = m_targets.indexOf(qobject_cast<QCheckBox *>(sender()));
    if (target < 0)
        return;
    choose(target);
    emitValue();
    m_display->setFocus();
}

void KestFireKeyWindow::onStateChanged(int state)
{
    // A box unchecked by clicking it again stays the choice.
    auto *box = qobject_cast<QCheckBox *>(sender());
    if (state == Qt::Unchecked && box && m_targets.indexOf(box) == m_choice)
        box->setChecked(true);
}

void KestFireKeyWindow::OnEditDataChanged(const QString &)
{
    emitValue();
}

void KestFireKeyWindow::onEditReturn()
{
    // The Enter that leaves a number field is not the key to capture.
    if (m_capturing)
        m_skipNext = 1;
    m_display->setFocus();
}

void KestFireKeyWindow::mousePressEvent(QMouseEvent *event)
{
    m_display->setFocus();
    KestSettingDialog::mousePressEvent(event);
}

void KestFireKeyWindow::handleKey(int scanCode, int flags)
{
    if (!m_capturing)
        return;
    // Digits typed into the number fields are not captured.
    if (m_times->hasFocus() || m_delay->hasFocus())
        return;
    if (m_skipNext) {
        m_skipNext = 0;
        return;
    }
    const KeyCode code = keyEventToKeyCode(scanCode, flags);
    if (code == m_lastCode && quint32(flags) == m_lastFlags)
        return;
    m_lastCode = code;
    m_lastFlags = quint32(flags);
    showKey(code);
}
