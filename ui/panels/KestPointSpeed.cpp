#include "ui/panels/KestPointSpeed.h"
#include "storage/ConfigStorage.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/KestLabel.h"
#include "model/PanelLimits.h"
#include "ui/panels/PanelStyle.h"
#include <QDebug>
#include <QEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

namespace {
constexpr int kMinimum = SPEED_SETTING_MIN;
constexpr int kMaximum = SPEED_SETTING_MAX;
} // namespace

KestPointSpeed::KestPointSpeed(ProfileData *profile, QWidget *parent) : QWidget(parent), m_profile(profile)
{
    setObjectName("pointSpeed");
    m_speedLabel = new KestLabel(this);
    m_speedLabel->setObjectName("pointerSpeedTitle");
    m_speedLabel->setPixelSize(PANEL_TITLE_PX);
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setObjectName("pointerSpeedSlider");
    m_slider->setRange(kMinimum, kMaximum);
    m_slider->setSingleStep(1);
    m_slider->setPageStep(1);
    m_slider->setTickPosition(QSlider::NoTicks);
    m_slider->setFocusPolicy(Qt::NoFocus);
    m_speedValue = new KestLabel(this);
    m_speedValue->setObjectName("pointerSpeedValue");
    m_speedValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_scrollLabel = new KestLabel(this);
    m_scrollLabel->setObjectName("scrollSpeedTitle");
    m_scrollLabel->setPixelSize(PANEL_TITLE_PX);
    m_spin = new QSpinBox(this);
    m_spin->setObjectName("scrollSpeedSpinBox");
    m_spin->setRange(kMinimum, kMaximum);
    m_spin->setAlignment(Qt::AlignCenter);
    connect(m_slider, &QSlider::valueChanged, this, &KestPointSpeed::onSliderChanged);
    connect(m_spin, SIGNAL(valueChanged(int)), this, SLOT(sValueChangedSlot(int)));
    retranslate();
    refresh(1.0);
}

void KestPointSpeed::retranslate()
{
    m_speedLabel->setText(tr("POINTER SPEED"));
    m_scrollLabel->setText(tr("SCROLL SPEED"));
}

void KestPointSpeed::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void KestPointSpeed::refresh(double scale)
{
    m_scale = scale;
    const auto s = [scale](int x, int y, int w, int h) {
        return QRect(int(x * scale), int(y * scale), int(w * scale), int(h * scale));
    };
    m_speedLabel->setGeometry(s(10, 6, 124, 20));
    m_slider->setGeometry(s(10, 40, 98, 24));
    m_speedValue->setGeometry(s(108, 40, 24, 24));
    m_scrollLabel->setGeometry(s(10, 80, 124, 20));
    m_spin->setGeometry(s(10, 110, 72, 26));
    const QColor accent = themeColor();
    applyStyleSheet(m_slider, sliderStyleSheet(accent, scale));
    applyStyleSheet(m_spin, fieldStyleSheet(accent, scale));
    m_spin->setFont(languageFont());

    const QSignalBlocker blockSlider(m_slider), blockSpin(m_spin);
    if (m_profile) {
        m_slider->setValue(m_profile->mouseSpeed);
        m_spin->setValue(m_profile->scrollSpeed);
    }
    m_speedValue->setNumber(m_slider->value());
    update();
}

void KestPointSpeed::onSliderChanged(int value)
{
    qDebug("slider_clicked 1 = %d", value);
    m_speedValue->setNumber(value);
    if (m_profile)
        m_profile->mouseSpeed = uint8_t(value);
}

void KestPointSpeed::sValueChangedSlot(int s)
{
    qDebug("slider_clicked 1 = %d", s);
    if (m_profile)
        m_profile->scrollSpeed = uint8_t(s);
}

void KestPointSpeed::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paintPanelPlate(p, rect(), themeColor(), m_scale);
}
