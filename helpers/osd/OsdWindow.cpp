#include "helpers/osd/OsdWindow.h"
#include <QGraphicsDropShadowEffect>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>
#include <QScreen>

namespace {
constexpr int kPaddingX = 36;
constexpr int kPaddingY = 14;
constexpr int kRadius = 18;
constexpr int kAccentHeight = 4;
const QColor kPanel(14, 14, 18, 190);
}

OsdWindow::OsdWindow(QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool | Qt::WindowDoesNotAcceptFocus)
{
    setWindowTitle(QString::fromLatin1(OSD_WINDOW_TITLE));
    setObjectName("osdWindow");
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);

    m_label = new QLabel(this);
    m_label->setObjectName("osdText");
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setTextFormat(Qt::PlainText);
    auto *shadow = new QGraphicsDropShadowEffect(m_label);
    shadow->setBlurRadius(22);
    shadow->setOffset(0, 3);
    shadow->setColor(QColor(0, 0, 0, 230));
    m_label->setGraphicsEffect(shadow);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(kPaddingX, kPaddingY, kPaddingX, kPaddingY + kAccentHeight);
    layout->addWidget(m_label);

    m_holdTimer.setSingleShot(true);
    m_holdTimer.setTimerType(Qt::PreciseTimer); // the display time is part of the notice
    connect(&m_holdTimer, &QTimer::timeout, this, &OsdWindow::fadeOut);
    m_fade = new QPropertyAnimation(this, "windowOpacity", this);
    m_fade->setDuration(kFadeMs);
    m_fade->setStartValue(1.0);
    m_fade->setEndValue(0.0);
    connect(m_fade, &QPropertyAnimation::finished, this, &QWidget::hide);
}

void OsdWindow::showMessage(const OsdMessage &message)
{
    m_fade->stop();
    m_holdTimer.stop();
    if (message.text.isEmpty()) {
        hide();
        return;
    }
    m_color = message.color;
    QFont font(message.fontFamily.isEmpty() ? QStringLiteral("Arial") : message.fontFamily);
    font.setPixelSize(qBound<int>(kMinFontPixels, int(qMin<quint32>(message.fontPixelSize, kMaxFontPixels)), kMaxFontPixels));
    font.setBold(true);
    m_label->setFont(font);
    QPalette palette = m_label->palette();
    palette.setColor(QPalette::WindowText, m_color);
    m_label->setPalette(palette);
    m_label->setText(message.text);

    setWindowOpacity(1.0);
    adjustSize();
    placeOnScreen();
    show(); // always on top by its flags; raising would ask for activation
    update();
    m_holdTimer.start(qBound<int>(kMinDurationMs, int(qMin<quint32>(message.durationMs, kMaxDurationMs)), kMaxDurationMs));
}

QString OsdWindow::text() const
{
    return isVisible() ? m_label->text() : QString();
}

QFont OsdWindow::textFont() const
{
    return m_label->font();
}

int OsdWindow::remainingMs() const
{
    return m_holdTimer.isActive() ? m_holdTimer.remainingTime() : -1;
}

void OsdWindow::placeOnScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // Centred, in the lower fifth: where notices do not cover the work.
    const int x = area.center().x() - width() / 2;
    const int y = area.bottom() - area.height() / 5 - height() / 2;
    move(x, y);
}

void OsdWindow::fadeOut()
{
    m_fade->start();
}

void OsdWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF panel = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(panel, kRadius, kRadius);
    painter.fillPath(shape, kPanel);
    // A thin bar in the notice's colour along the bottom edge.
    painter.setClipPath(shape);
    QColor accent = m_color;
    accent.setAlpha(220);
    painter.fillRect(QRectF(panel.left(), panel.bottom() - kAccentHeight, panel.width(), kAccentHeight), accent);
}
