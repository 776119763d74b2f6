#include "ui/buttons/KestSettingDialog.h"
#include "storage/ConfigStorage.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/KestPushButton.h"
#include "ui/kit/Skin.h"
#include "ui/kit/UiScale.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QVBoxLayout>

namespace {
constexpr int kMargin = 24;
constexpr int kTitlePx = 15;
constexpr int kHeaderHeight = 36; // the skin's separator line runs below it
constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 30;
constexpr int kFrameWidth = 2;
constexpr int kDisplayHeight = 40;
constexpr int kDisplayPx = 18;

QStringList tabImages()
{
    return {skinPath("tabbutton-1.png"), skinPath("tabbutton-3.png"), skinPath("tabbutton-2.png")};
}
} // namespace

KestSettingDialog::KestSettingDialog(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(scaled(kWidth), scaled(kHeight));
    m_background = skinPixmap("dlg.png");

    // The title sits in the skin's header band, above its separator line.
    m_title = new QLabel(this);
    m_title->setObjectName("titleLabel");
    m_title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont titleFont = languageFont(kTitlePx);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_title->setStyleSheet("color: rgb(255, 255, 255);");
    m_title->setGeometry(scaled(kMargin), scaled(4), scaled(kWidth - 2 * kMargin), scaled(kHeaderHeight - 6));

    m_okButton = new KestPushButton(tabImages(), this, tr("OK"));
    m_okButton->setObjectName("okButton");
    m_okButton->setFixedSize(scaled(kButtonWidth), scaled(kButtonHeight));
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    m_cancelButton = new KestPushButton(tabImages(), this, tr("Cancel"));
    m_cancelButton->setObjectName("cancelButton");
    m_cancelButton->setFixedSize(scaled(kButtonWidth), scaled(kButtonHeight));
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    m_content = new QVBoxLayout;
    m_content->setSpacing(scaled(8));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addSpacing(scaled(kMargin));
    buttons->addWidget(m_cancelButton);
    buttons->addStretch();
    auto *all = new QVBoxLayout(this);
    all->setContentsMargins(scaled(kMargin), scaled(kHeaderHeight + 10), scaled(kMargin), scaled(kMargin - 4));
    all->addLayout(m_content, 1);
    all->addSpacing(scaled(6));
    all->addLayout(buttons);
}

void KestSettingDialog::setTitle(const QString &title)
{
    m_title->setText(title);
    setWindowTitle(title);
}

QString KestSettingDialog::title() const
{
    return m_title->text();
}

QFont KestSettingDialog::displayFont(int pixelSize)
{
    QFont font = languageFont(pixelSize);
    font.setBold(true);
    return font;
}

QLineEdit *KestSettingDialog::makeKeyDisplay()
{
    auto *display = new QLineEdit(this);
    display->setObjectName("keyDisplay");
    display->setReadOnly(true);
    display->setAlignment(Qt::AlignCenter);
    display->setFont(displayFont(kDisplayPx));
    display->setFixedHeight(scaled(kDisplayHeight));
    display->setContextMenuPolicy(Qt::NoContextMenu);
    const QColor accent = themeColor();
    display->setStyleSheet(QString("QLineEdit{background: rgb(18, 18, 22); color: rgb(255, 255, 255);"
                                   " border: 1px solid rgb(90, 90, 100); border-radius: %1px;"
                                   " selection-background-color: transparent;}"
                                   "QLineEdit:focus{border: 1px solid rgb(%2, %3, %4);}"
                                   "QLineEdit:disabled{color: rgb(110, 110, 120); border-color: rgb(60, 60, 66);}")
                               .arg(scaled(4))
                               .arg(accent.red())
                               .arg(accent.green())
                               .arg(accent.blue()));
    return display;
}

void KestSettingDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (QWidget *display = findChild<QWidget *>("keyDisplay"))
        display->setFocus();
}

void KestSettingDialog::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_background.isNull())
        p.drawPixmap(rect(), m_background);
    else
        p.fillRect(rect(), QColor(24, 24, 28));
    QPen pen(themeColor(), kFrameWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(1, 1, -1, -1));
}

QLineEdit *KestSettingDialog::addKeyCapture(const QString &hint)
{
    auto *label = new QLabel(hint, this);
    label->setObjectName("hintLabel");
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet("color: rgb(200, 200, 200);");
    QLineEdit *display = makeKeyDisplay();
    contentLayout()->addStretch();
    contentLayout()->addWidget(label);
    contentLayout()->addWidget(display);
    contentLayout()->addStretch();
    return display;
}
