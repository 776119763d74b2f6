#include "ui/buttons/KestSniperWindow.h"
#include "storage/ConfigStorage.h"
#include "storage/MouseSettings.h"
#include "model/SniperRange.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/Skin.h"
#include "ui/kit/UiScale.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

namespace {
constexpr int kDefaultMin = 1;
constexpr int kDefaultMax = 10;
constexpr int kHandle = 16;
constexpr int kGroove = 8;

QString sliderStyle()
{
    const QColor accent = themeColor();
    return QString("QSlider::groove:horizontal{border-image: url(%1); height: %2px;}"
                   "QSlider::sub-page:horizontal{background: rgba(%3, %4, %5, 150); border-radius: %6px;}"
                   "QSlider::handle:horizontal{background: rgb(%3, %4, %5); width: %7px; height: %7px;"
                   " margin: -%8px 0; border-radius: %9px; border: 1px solid rgb(255, 255, 255);}")
        .arg(skinPath("pspeed.png"))
        .arg(scaled(kGroove))
        .arg(accent.red())
        .arg(accent.green())
        .arg(accent.blue())
        .arg(scaled(kGroove) / 2)
        .arg(scaled(kHandle))
        .arg((scaled(kHandle) - scaled(kGroove)) / 2 + 1)
        .arg(scaled(kHandle) / 2 + 1);
}
} // namespace

KestSniperWindow::KestSniperWindow(QWidget *parent) : KestSettingDialog(parent)
{
    setObjectName("KestSniperWindow");
    setTitle(tr("Sniper Setting"));

    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setObjectName("sniperSlider");
    m_slider->setRange(kDefaultMin, kDefaultMax);
    m_slider->setSingleStep(1);
    m_slider->setPageStep(1);
    m_slider->setStyleSheet(sliderStyle());
    m_slider->setFixedHeight(scaled(kHandle + 8));
    connect(m_slider, &QSlider::valueChanged, this, &KestSniperWindow::onSliderChanged);

    auto *caption = new QLabel(tr("DPI"), this);
    caption->setFont(languageFont());
    caption->setStyleSheet("color: rgb(200, 200, 200);");
    m_dpiLabel = new QLabel(this);
    m_dpiLabel->setObjectName("dpiLabel");
    m_dpiLabel->setFont(displayFont(22));
    m_dpiLabel->setStyleSheet("color: rgb(255, 255, 255);");
    auto *value = new QHBoxLayout;
    value->addStretch();
    value->addWidget(caption, 0, Qt::AlignBottom);
    value->addSpacing(scaled(10));
    value->addWidget(m_dpiLabel, 0, Qt::AlignBottom);
    value->addStretch();

    contentLayout()->addStretch();
    contentLayout()->addLayout(value);
    contentLayout()->addSpacing(scaled(8));
    contentLayout()->addWidget(m_slider);
    contentLayout()->addStretch();

    m_sensor = mouseSensor();
    const SniperRange &range = sniperRange(m_sensor);
    m_slider->setRange(range.sliderMin, range.sliderMax);
    setStep(0);
}

QString KestSniperWindow::dpiText() const
{
    return m_dpiLabel->text();
}

void KestSniperWindow::setStep(int step)
{
    m_slider->setValue(sniperPresetStep(step, m_sensor));
    // The slider reports only a change; take what it holds either way.
    onSliderChanged(m_slider->value());
    emit SetSniperValue(m_step);
}

void KestSniperWindow::onSliderChanged(int value)
{
    m_step = quint8(value);
    m_dpiLabel->setText(QString::asprintf("%d", sensorDpi(value, m_sensor)));
}
