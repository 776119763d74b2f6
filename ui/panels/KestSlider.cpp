#include "ui/panels/KestSlider.h"
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>

KestSlider::KestSlider(Qt::Orientation orientation, QWidget *parent) : QSlider(orientation, parent)
{
    connect(this, &QSlider::valueChanged, this, [this] {
        if (m_pressed)
            showValue();
    });
}

void KestSlider::setValueLabel(QLabel *label)
{
    if (m_label)
        m_label->hide();
    m_label = label;
    if (m_label)
        m_label->setVisible(m_pressed);
}

void KestSlider::showValue()
{
    if (!m_label)
        return;
    m_label->setText(QString::number(value()));
    m_label->adjustSize();
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const QPoint centre = mapTo(parentWidget(), handle.center());
    m_label->move(centre.x() - m_label->width() / 2, y() - m_label->height());
    m_label->raise();
    m_label->show();
}

void KestSlider::mousePressEvent(QMouseEvent *event)
{
    m_pressed = true;
    QSlider::mousePressEvent(event);
    showValue();
}

void KestSlider::mouseReleaseEvent(QMouseEvent *event)
{
    QSlider::mouseReleaseEvent(event);
    m_pressed = false;
    if (m_label)
        m_label->hide();
    emit MouseChange();
}
