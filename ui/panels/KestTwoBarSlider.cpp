#include "ui/panels/KestTwoBarSlider.h"
#include "storage/ConfigStorage.h"
#include "ui/kit/Fonts.h"
#include "ui/panels/PanelStyle.h"
#include <QKeyEvent>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>

KestTwoBarSlider::KestTwoBarSlider(QWidget *parent) : QWidget(parent), m_accent(themeColor())
{
    m_x = makeSlider("xSlider");
    m_y = makeSlider("ySlider");
    m_linkedSlider = makeSlider("linkedSlider");
    // Every slider follows the one moved, so whichever is shown next holds the stored values.
    const auto follow = [](QSlider *slider, int v) {
        const QSignalBlocker block(slider);
        slider->setValue(v);
    };
    connect(m_x, &QSlider::valueChanged, this, [this, follow](int v) {
        follow(m_linkedSlider, v);
        emit SliderChangedSignal(v, m_y->value());
    });
    connect(m_y, &QSlider::valueChanged, this, [this](int v) { emit SliderChangedSignal(m_x->value(), v); });
    connect(m_linkedSlider, &QSlider::valueChanged, this, [this, follow](int v) {
        follow(m_x, v);
        follow(m_y, v);
        emit SliderChangedSignal(v, v);
    });

    // Axis letters beside the two sliders while they are apart.
    m_xCaption = new QLabel(QStringLiteral("X"), this);
    m_yCaption = new QLabel(QStringLiteral("Y"), this);
    for (QLabel *caption : {m_xCaption, m_yCaption}) {
        caption->setAlignment(Qt::AlignCenter);
        applyStyleSheet(caption, QStringLiteral("color: rgb(150,150,160); background: transparent;"));
    }
    setScale(1.0);
    setLinked(false);
}

QSlider *KestTwoBarSlider::makeSlider(const char *objectName)
{
    auto *slider = new QSlider(Qt::Horizontal, this);
    slider->setObjectName(QLatin1String(objectName));
    slider->setSingleStep(1);
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::NoTicks);
    slider->setFocusPolicy(Qt::StrongFocus);
    slider->installEventFilter(this);
    return slider;
}

int KestTwoBarSlider::keyPageStep() const
{
    return qMax(1, (maximum() - minimum()) / 10);
}

bool KestTwoBarSlider::eventFilter(QObject *watched, QEvent *event)
{
    auto *slider = qobject_cast<QSlider *>(watched);
    if (!slider || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key != Qt::Key_PageUp && key != Qt::Key_PageDown)
        return false;
    slider->setValue(slider->value() + (key == Qt::Key_PageUp ? keyPageStep() : -keyPageStep()));
    return true;
}

void KestTwoBarSlider::setRange(int max, int min)
{
    for (QSlider *slider : {m_x, m_y, m_linkedSlider}) {
        const QSignalBlocker block(slider);
        slider->setRange(min, max);
    }
}

int KestTwoBarSlider::minimum() const
{
    return m_x->minimum();
}

int KestTwoBarSlider::maximum() const
{
    return m_x->maximum();
}

void KestTwoBarSlider::setLinked(bool linked)
{
    m_linked = linked;
    m_linkedSlider->setVisible(linked);
    m_x->setVisible(!linked);
    m_y->setVisible(!linked);
    m_xCaption->setVisible(!linked);
    m_yCaption->setVisible(!linked);
}

void KestTwoBarSlider::setValues(int x, int y)
{
    const QSignalBlocker bx(m_x), by(m_y), bl(m_linkedSlider);
    m_x->setValue(x);
    m_y->setValue(y);
    m_linkedSlider->setValue(x);
}

void KestTwoBarSlider::setAccent(const QColor &accent)
{
    if (accent == m_accent)
        return;
    m_accent = accent;
    setScale(m_scale);
}

void KestTwoBarSlider::setScale(double scale)
{
    m_scale = scale;
    // The two sliders share the height of the linked one, so their handles are smaller.
    applyStyleSheet(m_linkedSlider, sliderStyleSheet(m_accent, scale));
    const QString apart = sliderStyleSheet(m_accent, scale, 10);
    applyStyleSheet(m_x, apart);
    applyStyleSheet(m_y, apart);
    const QFont font = languageFont(10);
    m_xCaption->setFont(font);
    m_yCaption->setFont(font);
    relayout();
}

void KestTwoBarSlider::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void KestTwoBarSlider::relayout()
{
    const int w = width();
    const int h = height();
    m_linkedSlider->setGeometry(0, 0, w, h);
    const int caption = int(12 * m_scale);
    const int half = h / 2;
    m_xCaption->setGeometry(0, 0, caption, half);
    m_yCaption->setGeometry(0, half, caption, h - half);
    m_x->setGeometry(caption, 0, w - caption, half);
    m_y->setGeometry(caption, half, w - caption, h - half);
}
