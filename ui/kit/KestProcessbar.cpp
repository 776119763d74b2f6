#include "ui/kit/KestProcessbar.h"
#include "ui/kit/Fonts.h"
#include <QPainter>

KestProcessbar::KestProcessbar(QWidget *parent) : QProgressBar(parent) {}

void KestProcessbar::setText(const QString &text)
{
    m_text = text;
    update();
}

void KestProcessbar::paintEvent(QPaintEvent *event)
{
    QProgressBar::paintEvent(event);
    if (m_text.isEmpty())
        return;
    QPainter p(this);
    p.setFont(languageFont());
    p.setPen(Qt::white);
    p.drawText(rect(), Qt::AlignCenter, m_text);
}
