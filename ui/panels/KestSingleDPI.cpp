#include "ui/panels/KestSingleDPI.h"
#include "storage/ConfigStorage.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/KestLabel.h"
#include "ui/panels/KestTwoBarSlider.h"
#include <QSlider>
#include "ui/panels/PanelStyle.h"
#include "model/SensorRanges.h"
#include <QCheckBox>
#include <QDebug>
#include <QEvent>
#include <QIntValidator>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QSignalBlocker>
#include <cmath>
#include <iterator>

namespace {
// Places inside a 440 x 46 row at scale 1 (rows are 48 high, 2 of it spacing).
const QRect kSelectPlace(0, 0, 44, 22);
const QRect kValuePlace(46, 0, 104, 22);
const QRect kEditPlace(152, 1, 62, 20);
const QRect kLinkPlace(330, 0, 110, 22);
const QRect kEnablePlace(4, 26, 16, 16);
const QRect kMinPlace(22, 23, 46, 22);
const QRect kSliderPlace(72, 22, 292, 24);
const QRect kMaxPlace(370, 23, 70, 22);

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, color);
    widget->setPalette(pal);
    widget->update();
}
} // namespace

KestSingleDPI::KestSingleDPI(QWidget *parent, int stage) : QWidget(parent), m_iStage(stage)
{
    setObjectName(QString("dpiStage%1").arg(stage));
    m_accent = themeColor();

    m_slider = new KestTwoBarSlider(this);
    m_linkBox = new QCheckBox(this);
    m_linkBox->setObjectName("linkBox");
    m_enableBox = new QCheckBox(this);
    m_enableBox->setObjectName("enableBox");
    m_selectButton = new QRadioButton(QString::number(stage + 1), this);
    m_selectButton->setObjectName("selectButton");
    for (QWidget *box : {static_cast<QWidget *>(m_linkBox), static_cast<QWidget *>(m_enableBox),
                         static_cast<QWidget *>(m_selectButton)})
        box->setFocusPolicy(Qt::TabFocus);
    m_minLabel = new KestLabel(this);
    m_minLabel->setObjectName("minLabel");
    m_minLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_minLabel->setPixelSize(11);
    m_maxLabel = new KestLabel(this);
    m_maxLabel->setObjectName("maxLabel");
    m_maxLabel->setPixelSize(11);
    m_valueLabel = new KestLabel(this);
    m_valueLabel->setObjectName("valueLabel");
    m_valueLabel->setPixelSize(14);
    m_dpiEdit = new QLineEdit(this);
    m_dpiEdit->setObjectName("dpiEdit");
    m_dpiEdit->setAlignment(Qt::AlignCenter);
    m_dpiEdit->setValidator(new QIntValidator(0, 99999, m_dpiEdit));
    connect(m_dpiEdit, &QLineEdit::editingFinished, this, &KestSingleDPI::takeTypedDpi);
    // Along the row as it reads: stage, enable, slider, typed value, link.
    QWidget *const chain[] = {m_selectButton, m_enableBox, m_slider->xSlider(), m_slider->ySlider(),
                              m_slider->linkedSlider(), m_dpiEdit, m_linkBox};
    for (size_t i = 1; i < std::size(chain); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);

    connect(m_slider, SIGNAL(SliderChangedSignal(int, int)), this, SLOT(onSliderChanged(int, int)));
    connect(m_linkBox, SIGNAL(stateChanged(int)), this, SLOT(onStateChanged(int)));
    connect(m_enableBox, SIGNAL(stateChanged(int)), this, SLOT(onStateChanged(int)));
    connect(m_valueLabel, SIGNAL(EnterSignal(KestLabel *)), this, SLOT(slotLabelClick(KestLabel *)));
    connect(m_minLabel, SIGNAL(EnterSignal(KestLabel *)), this, SLOT(slotLabelClick(KestLabel *)));
    connect(m_maxLabel, SIGNAL(EnterSignal(KestLabel *)), this, SLOT(slotLabelClick(KestLabel *)));

    setSensor(m_iSensor);
    setLink(0);
    retranslate();
    setScale(1.0);
    setSelected(false, m_accent);
}

void KestSingleDPI::retranslate()
{
    m_linkBox->setText(tr("Link XY"));
    m_enableBox->setToolTip(tr("Use this stage"));
    m_selectButton->setToolTip(tr("Make this the active stage"));
    m_dpiEdit->setToolTip(tr("Type a DPI value and press Enter"));
    showValue();
}

void KestSingleDPI::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void KestSingleDPI::setSensor(int sensor)
{
    const SensorRange *range = sensorRange(sensor, currentProductName());
    if (!range)
        return;
    m_iSensor = sensor;
    m_slider->setRange(range->rawMax, range->rawMin);
    m_minLabel->setNumber(sensorDpi(range->rawMin, sensor));
    m_maxLabel->setNumber(sensorDpi(range->rawMax, sensor));
    m_linkBox->setVisible(range->linkShown);
    showValue();
}

void KestSingleDPI::setLink(uchar link)
{
    m_link = link == 1 ? 1 : 0;
    const QSignalBlocker block(m_linkBox);
    m_linkBox->setChecked(m_link == 1);
    m_slider->setLinked(m_link == 1);
}

void KestSingleDPI::setUsed(uchar used)
{
    m_used = used == 1 ? 1 : 0;
    const QSignalBlocker block(m_enableBox);
    m_enableBox->setChecked(m_used == 1);
}

void KestSingleDPI::setValues(int x, int y)
{
    m_x = x;
    m_y = y;
    m_slider->setValues(x, y);
    showValue();
}

void KestSingleDPI::showValue()
{
    m_valueLabel->setText(tr("DPI : %1").arg(sensorDpi(m_y, m_iSensor)));
    if (!m_dpiEdit->hasFocus())
        m_dpiEdit->setText(QString::number(sensorDpi(m_y, m_iSensor)));
}

// Rounded to the sensor as mousectl rounds it; both axes take it.
void KestSingleDPI::takeTypedDpi()
{
    const SensorRange *range = sensorRange(m_iSensor, currentProductName());
    bool ok = false;
    const int dpi = m_dpiEdit->text().toInt(&ok);
    if (!range || !ok) {
        m_dpiEdit->setText(QString::number(sensorDpi(m_y, m_iSensor)));
        return;
    }
    const int raw = nearestRaw(*range, m_iSensor, dpi);
    m_dpiEdit->setText(QString::number(sensorDpi(raw, m_iSensor)));
    if (raw == m_x && raw == m_y)
        return;
    m_slider->setValues(raw, raw);
    onSliderChanged(raw, raw);
}

void KestSingleDPI::onSliderChanged(int x, int y)
{
    m_x = x;
    m_y = y;
    qDebug("ix = %d", x);
    showValue();
    emit DPISignal(x, y, uchar(m_iStage));
}

void KestSingleDPI::onStateChanged(int state)
{
    const uchar on = state == Qt::Checked ? 1 : 0;
    if (sender() == m_linkBox) {
        m_link = on;
        m_slider->setLinked(on == 1);
        emit LinkSignal(on, uchar(m_iStage));
    } else if (sender() == m_enableBox) {
        m_used = on;
        emit EnableSignal(on, uchar(m_iStage));
    }
}

void KestSingleDPI::slotLabelClick(KestLabel *label)
{
    Q_UNUSED(label);
    emit MouseinSignal(uchar(m_iStage));
}

void KestSingleDPI::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit MouseinSignal(uchar(m_iStage));
    QWidget::mousePressEvent(event);
}

void KestSingleDPI::setSelected(bool selected, const QColor &accent)
{
    m_selected = selected;
    m_accent = accent;
    const QColor text = selected ? accent : QColor(Qt::white);
    for (QWidget *label : {static_cast<QWidget *>(this), static_cast<QWidget *>(m_valueLabel),
                           static_cast<QWidget *>(m_minLabel), static_cast<QWidget *>(m_maxLabel)})
        setTextColor(label, text);
    {
        const QSignalBlocker block(m_selectButton);
        m_selectButton->setChecked(selected);
    }
    m_slider->setAccent(accent);
    update();
}

void KestSingleDPI::setScale(double scale)
{
    m_scale = scale;
    applyStyleSheet(m_linkBox, checkBoxStyleSheet(scale));
    applyStyleSheet(m_enableBox, checkBoxStyleSheet(scale));
    applyStyleSheet(m_selectButton, radioStyleSheet(scale));
    m_selectButton->setFont(languageFont(14));
    m_linkBox->setFont(languageFont());
    applyStyleSheet(m_dpiEdit, fieldStyleSheet(m_accent, scale));
    m_dpiEdit->setFont(languageFont(12));
    m_slider->setScale(scale);
    relayout();
}

void KestSingleDPI::relayout()
{
    const auto place = [this](QWidget *widget, const QRect &r) {
        widget->setGeometry(QRect(int(r.x() * m_scale), int(r.y() * m_scale), int(std::ceil(r.width() * m_scale)),
                                  int(std::ceil(r.height() * m_scale))));
    };
    place(m_selectButton, kSelectPlace);
    place(m_valueLabel, kValuePlace);
    place(m_dpiEdit, kEditPlace);
    place(m_linkBox, kLinkPlace);
    place(m_enableBox, kEnablePlace);
    place(m_minLabel, kMinPlace);
    place(m_slider, kSliderPlace);
    place(m_maxLabel, kMaxPlace);
}

void KestSingleDPI::paintEvent(QPaintEvent *)
{
    if (!m_selected)
        return;
    // The active stage sits on a faint accent wash.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QColor wash = m_accent;
    wash.setAlpha(28);
    p.setPen(Qt::NoPen);
    p.setBrush(wash);
    p.drawRoundedRect(QRectF(rect()), 4 * m_scale, 4 * m_scale);
}
