#include "ui/kit/KestLabel.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/UiScale.h"
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

KestLabel::KestLabel(QWidget *parent) : KestLabel(QString(), parent) {}

KestLabel::KestLabel(const QString &text, QWidget *parent) : QLabel(text, parent), m_text(text)
{
    setAttribute(Qt::WA_TranslucentBackground);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
}

void KestLabel::setText(const QString &text)
{
    m_text = text;
    QLabel::setText(text); // what a screen reader reads; the painting is ours
    updateGeometry();
    update();
}

void KestLabel::setNumber(int n)
{
    setText(QString::number(n));
}

void KestLabel::setPixelSize(int pixelSize)
{
    m_pixelSize = pixelSize;
    updateGeometry();
    update();
}

void KestLabel::setSizeDecrement(int decrement)
{
    m_decrement = decrement;
    updateGeometry();
    update();
}

void KestLabel::setFill(bool fill)
{
    m_fill = fill;
    update();
}

void KestLabel::setVertical(bool vertical)
{
    m_vertical = vertical;
    updateGeometry();
    update();
}

void KestLabel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

QFont KestLabel::textFont() const
{
    const int base = m_pixelSize > 0 ? m_pixelSize : languageFontPixelSize();
    QFont f = languageFont(qMax(1, base - m_decrement));
    return f;
}

QSize KestLabel::sizeHint() const
{
    const QFontMetrics fm(textFont());
    const QSize s(fm.horizontalAdvance(m_text) + 4, fm.height() + 2);
    return m_vertical ? s.transposed() : s;
}

QSize KestLabel::minimumSizeHint() const
{
    return sizeHint();
}

void KestLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_fill)
        p.fillRect(rect(), palette().color(QPalette::Window));
    p.setFont(textFont());
    p.setPen(palette().color(QPalette::WindowText));
    if (!m_vertical) {
        p.drawText(rect(), int(m_alignment), m_text);
        return;
    }
    p.translate(0, height());
    p.rotate(-90);
    p.drawText(QRect(0, 0, height(), width()), int(m_alignment), m_text);
}

void KestLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit EnterSignal(this);
    QLabel::mousePressEvent(event);
}
