#include "ui/kit/KestMessageBox.h"
#include "storage/ConfigStorage.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/DialogKeys.h"
#include "ui/kit/Skin.h"
#include "ui/kit/UiScale.h"
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kWidth = 478;
constexpr int kHeight = 309;
constexpr int kMargin = 30;
constexpr int kIconSize = 72;
constexpr int kCaptionPx = 20;
constexpr int kMessagePx = 15;
constexpr int kButtonWidth = 110;
constexpr int kButtonHeight = 32;
constexpr int kTypeYesNo = 1;
constexpr int kTypeReceiver = 4;
constexpr int kTypeUnsaved = KestMessageBox::TYPE_UNSAVED;

const char kButtonStyle[] =
    "QToolButton{background: rgb(0, 0, 0); color: rgb(255, 255, 255);                       "
    "border-radius: 3px;  border: 1px rgb(%1, %2, %3);                       border-style: outset;}"
    "QToolButton:focus{border: 2px solid rgb(%1, %2, %3);}";

// The icons are optional resources; without one the text stays centred.
void setButtonIcon(QToolButton *button, const QString &resource)
{
    if (QFile::exists(resource)) {
        button->setIcon(QIcon(resource));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    } else {
        button->setIcon(QIcon());
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
}

} // namespace

KestMessageBox::KestMessageBox(int iType, const QString &windowTitle, const QString &caption,
                               const QString &message, QWidget *parent, std::function<bool()> canClose,
                               Qt::WindowFlags flags)
    : QDialog(parent, flags | Qt::FramelessWindowHint), m_type(iType), m_canClose(std::move(canClose))
{
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(scaled(kWidth), scaled(kHeight));
    m_background = skinPixmap(QStringLiteral("dlg.png"));

    m_icon = new QLabel(this);
    m_icon->setFixedSize(scaled(kIconSize), scaled(kIconSize));
    const QPixmap icon = skinPixmap(iType == kTypeReceiver ? QStringLiteral("dongle2.png") : QStringLiteral("warn.png"));
    if (!icon.isNull())
        m_icon->setPixmap(icon.scaled(m_icon->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    m_icon->setAlignment(Qt::AlignCenter);

    m_caption = new QLabel(caption, this);
    m_caption->setObjectName(QStringLiteral("msgBoxInfoLabel1"));
    m_caption->setFont(languageFont(kCaptionPx));
    m_caption->setStyleSheet(QStringLiteral("color: rgb(255, 255, 255);"));
    m_message = new QLabel(message, this);
    m_message->setObjectName(QStringLiteral("msgBoxInfoLabel2"));
    m_message->setWordWrap(true);
    m_message->setFont(languageFont(kMessagePx));
    m_message->setStyleSheet(QStringLiteral("color: rgb(220, 220, 220);"));

    const bool unsaved = iType == kTypeUnsaved;
    m_yesButton = makeButton(unsaved ? tr("Apply") : iType == kTypeYesNo ? tr("Yes") : tr("Ok"), "msgBoxYesBtn");
    connect(m_yesButton, &QToolButton::released, this, &QDialog::accept);
    if (unsaved) {
        m_discardButton = makeButton(tr("Discard"), "msgBoxDiscardBtn");
        setButtonIcon(m_discardButton, QStringLiteral(":/no_Btn"));
        connect(m_discardButton, &QToolButton::released, this, [this] { done(DiscardAnswer); });
    }
    if (iType == kTypeYesNo || unsaved) {
        m_noButton = makeButton(unsaved ? tr("Cancel") : tr("No"), "msgBoxNoBtn");
        setButtonIcon(m_noButton, QStringLiteral(":/no_Btn"));
        connect(m_noButton, &QToolButton::released, this, &QDialog::reject);
    }

    auto *texts = new QVBoxLayout;
    texts->addStretch();
    texts->addWidget(m_caption);
    texts->addSpacing(scaled(8));
    texts->addWidget(m_message);
    texts->addStretch();
    auto *top = new QHBoxLayout;
    top->addSpacing(scaled(kMargin));
    top->addWidget(m_icon);
    top->addSpacing(scaled(kMargin));
    top->addLayout(texts, 1);
    top->addSpacing(scaled(kMargin));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QToolButton *other : {m_yesButton, m_discardButton, m_noButton}) {
        if (!other)
            continue;
        if (other != m_yesButton)
            buttons->addStretch();
        buttons->addWidget(other);
    }
    buttons->addStretch();
    auto *all = new QVBoxLayout(this);
    all->setContentsMargins(0, scaled(kMargin), 0, 0);
    all->addLayout(top, 1);
    all->addLayout(buttons);
    all->addSpacing(scaled(kMargin));

    setWindowTitle(windowTitle);
    m_yesButton->setFocus();
    if (m_canClose) {
        m_pollTimer = new QTimer(this);
        connect(m_pollTimer, &QTimer::timeout, this, &KestMessageBox::GetPlugInSignal);
        m_pollTimer->start(kPollIntervalMs);
    }
}

QToolButton *KestMessageBox::makeButton(const QString &text, const char *objectName)
{
    const QColor c = themeColor();
    auto *b = new QToolButton(this);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setText(text);
    setButtonIcon(b, QStringLiteral(":/yes_Btn"));
    b->setStyleSheet(QString::fromLatin1(kButtonStyle).arg(c.red()).arg(c.green()).arg(c.blue()));
    b->setFocusPolicy(Qt::StrongFocus);
    b->setFixedSize(scaled(kButtonWidth), scaled(kButtonHeight));
    b->setFont(languageFont(kMessagePx));
    return b;
}

void KestMessageBox::GetPlugInSignal()
{
    if (!m_canClose || !m_canClose())
        return;
    if (m_pollTimer)
        m_pollTimer->stop();
    accept();
}

void KestMessageBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_background.isNull())
        p.drawPixmap(rect(), m_background);
    p.setPen(QPen(themeColor(), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(1, 1, -1, -1));
}

void KestMessageBox::keyPressEvent(QKeyEvent *event)
{
    // Esc: No, Cancel, or the only answer there is.
    if (!answerDialogKey(this, event, m_yesButton, m_noButton ? m_noButton : m_yesButton))
        QDialog::keyPressEvent(event);
}
