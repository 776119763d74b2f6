#include "ui/panels/KestDPIWindow.h"
#include "storage/ConfigStorage.h"
#include "storage/DeviceDescription.h"
#include "ui/kit/KestLabel.h"
#include "ui/panels/KestSingleDPI.h"
#include "ui/panels/PanelStyle.h"
#include <QButtonGroup>
#include <QDebug>
#include <QEvent>
#include <QPainter>
#include <QRadioButton>

KestDPIWindow::KestDPIWindow(const ProfileData &profile, QWidget *parent) : QWidget(parent), m_ProfileData(profile)
{
    setObjectName("dpiWindow");
    m_title = new KestLabel(this);
    m_title->setObjectName("dpiTitle");
    m_title->setPixelSize(PANEL_TITLE_PX);
    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);
    for (int i = 0; i < DPI_STAGE_COUNT; ++i) {
        auto *row = new KestSingleDPI(this, i);
        m_rows[i] = row;
        m_group->addButton(row->selectButton(), i);
        connect(row, SIGNAL(DPISignal(int, int, uchar)), this, SLOT(onSliderChanged(int, int, uchar)));
        connect(row, SIGNAL(LinkSignal(uchar, uchar)), this, SLOT(onLinkChanged(uchar, uchar)));
        connect(row, SIGNAL(EnableSignal(uchar, uchar)), this, SLOT(onEnableChanged(uchar, uchar)));
        connect(row, SIGNAL(MouseinSignal(uchar)), this, SLOT(MouseinSignal(uchar)));
    }
    connect(m_group, SIGNAL(idClicked(int)), this, SLOT(onRadioChanged()));

    m_iStageCount = shownDpiStageCount();
    for (KestSingleDPI *row : m_rows)
        row->setSensor(m_iSensor);
    retranslate();
    setScale(1.0);
    highlightStage(m_ProfileData.dpi);
}

KestSingleDPI *KestDPIWindow::row(int stage) const
{
    return stage >= 0 && stage < DPI_STAGE_COUNT ? m_rows[stage] : nullptr;
}

void KestDPIWindow::retranslate()
{
    m_title->setText(tr("DPI"));
}

void KestDPIWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void KestDPIWindow::setProfile(const ProfileData &profile, int sensor)
{
    for (KestSingleDPI *row : m_rows)
        row->setSensor(sensor);
    if (m_rows[0]->sensor() == sensor)
        m_iSensor = sensor;
    m_ProfileData = profile;
    for (int i = 0; i < DPI_STAGE_COUNT; ++i) {
        const DpiStage &stage = m_ProfileData.dpiInfo[i];
        m_rows[i]->setLink(stage.link);
        m_rows[i]->setUsed(stage.used);
        m_rows[i]->setValues(int(stage.x), int(stage.y));
    }
    // A stage index beyond the table (a damaged file) is kept as it is, with no row lit.
    highlightStage(m_ProfileData.dpi);
}

void KestDPIWindow::selectStage(int stage)
{
    if (stage < 0 || stage >= DPI_STAGE_COUNT)
        return;
    m_ProfileData.dpi = uint8_t(stage);
    highlightStage(stage);
}

void KestDPIWindow::highlightStage(int stage)
{
    // Not exclusive while updating, so that no stage at all may be lit.
    m_group->setExclusive(false);
    const QColor accent = themeColor();
    for (int i = 0; i < DPI_STAGE_COUNT; ++i)
        m_rows[i]->setSelected(i == stage, accent);
    m_group->setExclusive(true);
}

void KestDPIWindow::onSliderChanged(int x, int y, uchar stage)
{
    if (stage >= DPI_STAGE_COUNT)
        return;
    m_ProfileData.dpiInfo[stage].x = uint32_t(x);
    m_ProfileData.dpiInfo[stage].y = uint32_t(y);
}

void KestDPIWindow::onLinkChanged(uchar link, uchar stage)
{
    if (stage < DPI_STAGE_COUNT)
        m_ProfileData.dpiInfo[stage].link = link;
}

void KestDPIWindow::onEnableChanged(uchar used, uchar stage)
{
    if (stage < DPI_STAGE_COUNT)
        m_ProfileData.dpiInfo[stage].used = used;
}

void KestDPIWindow::MouseinSignal(uchar stage)
{
    selectStage(stage);
}

void KestDPIWindow::onRadioChanged()
{
    const int id = m_group->checkedId();
    if (id < 0)
        return;
    selectStage(id);
    qDebug("m_ProfileData.dpi = %d", m_ProfileData.dpi);
}

void KestDPIWindow::setScale(double scale)
{
    m_scale = scale;
    const auto s = [scale](int v) { return int(v * scale); };
    // Titles of all panels on this page sit alike.
    m_title->setGeometry(s(10), s(6), s(120), s(20));
    // Rows are 50 apart; eight of them close up a little so the last one
    // stays inside the page.
    const int step = m_iStageCount < DPI_STAGE_COUNT ? 50 : 48;
    for (int i = 0; i < DPI_STAGE_COUNT; ++i) {
        m_rows[i]->setScale(scale);
        if (i < m_iStageCount)
            m_rows[i]->setGeometry(s(15), s(step * i + 43), s(440), s(48));
        else
            m_rows[i]->setGeometry(QRect());
        m_rows[i]->setVisible(i < m_iStageCount);
    }
    update();
}

void KestDPIWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paintPanelPlate(p, rect(), themeColor(), m_scale);
}
