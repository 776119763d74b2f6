#include "ui/panels/KestReportRate.h"
#include "storage/ConfigStorage.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/KestAction.h"
#include "ui/kit/KestLabel.h"
#include "ui/kit/KestPushButton.h"
#include "ui/kit/Skin.h"
#include "ui/panels/PanelStyle.h"
#include "model/RateTable.h"
#include <QButtonGroup>
#include <QDebug>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QRadioButton>

KestReportRate::KestReportRate(QWidget *parent) : QWidget(parent)
{
    setObjectName("reportRate");
    m_title = new KestLabel(this);
    m_title->setObjectName("rateTitle");
    m_title->setPixelSize(PANEL_TITLE_PX);
    m_icon = new QLabel(this);
    m_icon->setScaledContents(true);
    m_icon->setPixmap(skinPixmap("rate.png"));
    const QString dropDown = skinPath("profilesel.png");
    m_rateButton = new KestPushButton({dropDown, dropDown, dropDown}, this);
    m_rateButton->setObjectName("rateButton");
    m_menu = new QMenu(this);
    m_menu->setObjectName("rateMenu");
    applyPopupMenuStyle(m_menu);
    for (int i = 0; i < RATE_COUNT; ++i) {
        auto *action = new KestAction(m_menu);
        connect(action, &QAction::triggered, this, [this, i] { chooseRate(i); });
        m_menu->addAction(action);
    }
    m_rateButton->setMenu(m_menu);

    m_liftLabel = new KestLabel(this);
    m_liftLabel->setObjectName("liftLabel");
    m_lift1 = new QRadioButton(this);
    m_lift1->setObjectName("lift1mm");
    m_lift2 = new QRadioButton(this);
    m_lift2->setObjectName("lift2mm");
    m_liftGroup = new QButtonGroup(this);
    m_liftGroup->setExclusive(true);
    m_liftGroup->addButton(m_lift1, 0);
    m_liftGroup->addButton(m_lift2, 1);
    for (QRadioButton *button : {m_lift1, m_lift2})
        button->setFocusPolicy(Qt::NoFocus);
    m_lift2->setChecked(true);
    connect(m_liftGroup, SIGNAL(idClicked(int)), this, SLOT(onRadioChanged()));

    retranslate();
    setScale(1.0);
}

QRadioButton *KestReportRate::liftButton(int id) const
{
    return qobject_cast<QRadioButton *>(m_liftGroup->button(id));
}

QString KestReportRate::rateText() const
{
    return m_rateButton->text();
}

void KestReportRate::retranslate()
{
    m_title->setText(tr("REPORT RATE"));
    m_liftLabel->setText(tr("Lift off Distance"));
    m_lift1->setText(tr("1 mm"));
    m_lift2->setText(tr("2 mm"));
    // No report to the mouse carries it: say so where it is chosen.
    const QString liftNote = tr("Kept with your settings only: the mouse is not told the lift-off distance.");
    for (QWidget *w : {static_cast<QWidget *>(m_liftLabel), static_cast<QWidget *>(m_lift1),
                       static_cast<QWidget *>(m_lift2)})
        w->setToolTip(liftNote);
    const QList<QAction *> actions = m_menu->actions();
    for (int i = 0; i < RATE_COUNT && i < actions.size(); ++i) {
        if (auto *action = qobject_cast<KestAction *>(actions[i]))
            action->setText(tr(rateEntries()[i].text)); // also takes the language's font
    }
    if (m_iShownRate >= 0)
        m_rateButton->setText(tr(rateEntries()[m_iShownRate].text));
}

void KestReportRate::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void KestReportRate::setProfile(const ProfileData &profile, uchar lift)
{
    m_ProfileData = profile;
    const int index = rateIndex(profile.pollrate);
    if (index >= 0) {
        m_iShownRate = index;
        m_rateButton->setText(tr(rateEntries()[index].text));
    }
    m_iLift = lift == 1 || lift == 2 ? lift : 2;
    m_liftGroup->button(m_iLift - 1)->setChecked(true);
}

void KestReportRate::chooseRate(int index)
{
    if (index < 0 || index >= RATE_COUNT)
        return;
    m_ProfileData.pollrate = uint8_t(rateEntries()[index].pollrate);
    m_iShownRate = index;
    m_rateButton->setText(tr(rateEntries()[index].text));
}

void KestReportRate::onRadioChanged()
{
    const int id = m_liftGroup->checkedId();
    if (id < 0)
        return;
    m_iLift = uchar(id + 1);
    qDebug("m_iLift = %d", m_iLift);
    emit RefreshLift(m_iLift);
}

void KestReportRate::setScale(double scale)
{
    m_scale = scale;
    const auto s = [scale](int x, int y, int w, int h) {
        return QRect(int(x * scale), int(y * scale), int(w * scale), int(h * scale));
    };
    m_title->setGeometry(s(10, 6, 124, 20));
    m_icon->setGeometry(s(8, 38, 30, 30));
    m_rateButton->setGeometry(s(42, 38, 90, 30));
    m_menu->setMinimumWidth(int(90 * scale));
    m_menu->setFont(languageFont());
    m_liftLabel->setGeometry(s(10, 80, 124, 20));
    m_lift1->setGeometry(s(10, 106, 60, 24));
    m_lift2->setGeometry(s(72, 106, 62, 24));
    const QString radio = radioStyleSheet(scale);
    for (QRadioButton *button : {m_lift1, m_lift2}) {
        applyStyleSheet(button, radio);
        button->setFont(languageFont());
    }
    update();
}

void KestReportRate::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paintPanelPlate(p, rect(), themeColor(), m_scale);
}
