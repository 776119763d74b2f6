#include "ui/main/CustomizePage.h"
#include "ui/main/ApplySession.h"
#include "storage/AppPaths.h"
#include "storage/ConfigStorage.h"
#include "ui/buttons/HotSpotPlaces.h"
#include "ui/buttons/KestBtnWindow.h"
#include "ui/kit/KestPushButton.h"
#include "ui/kit/Skin.h"
#include "ui/kit/UiScale.h"
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <functional>

namespace {
constexpr int kPanelWidth = 336;   // slot column plus the number badges and a margin
constexpr int kHotSpotSize = 24;
constexpr int kPictureWidth = 300; // the box the pictures are scaled into
constexpr int kPictureHeight = 400;

// Calls back whenever a watched widget receives an event of the given type.
class EventWatcher : public QObject
{
public:
    EventWatcher(QObject *parent, QEvent::Type type, std::function<void()> callback)
        : QObject(parent), m_type(type), m_callback(std::move(callback))
    {
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == m_type)
            m_callback();
        return QObject::eventFilter(watched, event);
    }

private:
    QEvent::Type m_type;
    std::function<void()> m_callback;
};

QString frontPicturePath(const QString &product)
{
    return appDir() + "/skin/mouse/" + product + "/Mouse.png";
}

QString sidePicturePath(const QString &product)
{
    return appDir() + "/skin/mouse/" + product + "_Side.png";
}

// Where a point of a picture file lands in its label: the picture is scaled
// into the box keeping its aspect and centred in the label.
QPoint pictureToLabel(const QPoint &point, const QSize &pictureSize, const QSize &labelSize, double scale)
{
    if (pictureSize.isEmpty())
        return point * scale;
    const QSize shown = pictureSize.scaled(QSize(kPictureWidth, kPictureHeight) * scale, Qt::KeepAspectRatio);
    const double ratio = double(shown.width()) / pictureSize.width();
    const QPoint offset((labelSize.width() - shown.width()) / 2, (labelSize.height() - shown.height()) / 2);
    return offset + QPoint(qRound(point.x() * ratio), qRound(point.y() * ratio));
}

QStringList hotSpotImages()
{
    return {skinPath("btn_2.png"), skinPath("btn_1.png"), skinPath("btn_1.png")};
}

QStringList wheelImages(const QString &product, bool up)
{
    const bool square = hasSquareWheelHotSpots(product);
    const QString base = up ? "btn_up" : "btn_down";
    const QString normal = base + (square ? "4" : "2") + ".png";
    const QString lit = base + (square ? "3" : "1") + ".png";
    return {skinPath(normal), skinPath(lit), skinPath(lit)};
}
} // namespace

CustomizePage::CustomizePage(ApplySession *session, QLabel *frontPicture, QLabel *sidePicture,
                             KestPushButton *frontButton, KestPushButton *sideButton, QWidget *parent)
    : QWidget(parent), m_session(session), m_frontPicture(frontPicture), m_sidePicture(sidePicture),
      m_frontButton(frontButton), m_sideButton(sideButton)
{
    QWidget *page = this;
    m_btnScrollArea = new QScrollArea(page);
    m_btnScrollArea->setObjectName("buttonScrollArea");
    m_btnScrollArea->setFrameShape(QFrame::NoFrame);
    m_btnScrollArea->setWidgetResizable(true);
    m_btnScrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_btnScrollArea->setStyleSheet("QScrollArea, QScrollArea > QWidget > QWidget {background: transparent;}");
    m_btnScrollArea->viewport()->setAutoFillBackground(false);
    m_pBtnWindow = new KestBtnWindow;
    m_btnScrollArea->setWidget(m_pBtnWindow);

    auto *layout = new QHBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    layout->addWidget(m_btnScrollArea);
    layout->addStretch(1);

    connect(m_pBtnWindow, SIGNAL(SelBtnControl(KestPushButton *, bool)), this, SLOT(slotMouseOver(KestPushButton *, bool)));
    connect(m_pBtnWindow, &KestBtnWindow::GotoMacroTab, this, [this](quint8 page) { emit pageRequested(page); });
    connect(m_pBtnWindow, &KestBtnWindow::PopOneClickBox, this,
            [this] { emit warning(QCoreApplication::translate("MousecfgWidget", "AT LEAST ONE CLICK FUNCTION TO BE RETAINED.")); });

    buildHotSpots();
    connect(m_frontButton, &QPushButton::clicked, this, [this] { showView(true); });
    connect(m_sideButton, &QPushButton::clicked, this, [this] { showView(false); });

    // The window scales its children by resizing them: follow with the panel
    // and the hot-spots.
    auto *watcher = new EventWatcher(this, QEvent::Resize, [this] {
        const double scale = uiScale();
        if (m_customizeScale != scale) {
            m_customizeScale = scale;
            m_pBtnWindow->setScale(scale);
            m_btnScrollArea->setFixedWidth(int(kPanelWidth * scale) + m_btnScrollArea->verticalScrollBar()->sizeHint().width());
        }
        placeHotSpots();
    });
    page->installEventFilter(watcher);
    m_frontPicture->installEventFilter(watcher);
    m_sidePicture->installEventFilter(watcher);
    // The hot-spots' tooltips name the functions in the current language.
    page->installEventFilter(new EventWatcher(this, QEvent::LanguageChange, [this] { refreshHotSpotTips(); }));
    showView(m_bFrontView);
}

void CustomizePage::refresh()
{
    m_pBtnWindow->setProfileRecord(&m_session->activeProfile());
    placeHotSpots();
}

void CustomizePage::buildHotSpots()
{
    QLabel *const pictures[HOT_SPOT_VIEW_COUNT] = {m_frontPicture, m_sidePicture, m_frontPicture};
    const int counts[HOT_SPOT_VIEW_COUNT] = {HOT_SPOT_COUNT, HOT_SPOT_COUNT, 2};
    for (int view = 0; view < HOT_SPOT_VIEW_COUNT; ++view) {
        for (int i = 0; i < counts[view]; ++i) {
            // Children of their picture: they show and hide with it.
            auto *spot = new KestPushButton(view == WheelView ? QStringList() : hotSpotImages(), pictures[view]);
            spot->setObjectName(QString("hotSpot%1_%2").arg(view).arg(i));
            spot->setCheckable(true);
            spot->setCursor(Qt::PointingHandCursor);
            spot->setPixelSize(11);
            spot->setGeometry(0, 0, 0, 0);
            connect(spot, &QPushButton::clicked, this, [this, view, i] { onHotSpotClicked(view, i); });
            if (view != WheelView) {
                connect(spot, &KestPushButton::OverSignal, this, [this, i](KestPushButton *, bool over) {
                    showButtonPicture(i, over);
                });
            }
            m_hotSpots[view] << spot;
        }
    }
}

KestPushButton *CustomizePage::hotSpot(int view, int index) const
{
    if (view < 0 || view >= HOT_SPOT_VIEW_COUNT)
        return nullptr;
    return m_hotSpots[view].value(index);
}

int CustomizePage::selectedHotSpot(int view) const
{
    return view >= 0 && view < HOT_SPOT_VIEW_COUNT ? m_iHotSpotSel[view] : -1;
}

void CustomizePage::placeHotSpots()
{
    if (!m_pBtnWindow)
        return;
    const QString product = currentProductName();
    if (product != m_hotSpotProduct) {
        // Another model: its buttons are others, nothing stays selected.
        m_hotSpotProduct = product;
        for (int view = 0; view < HOT_SPOT_VIEW_COUNT; ++view)
            SelBtnChanged(KestBtnWindow::NO_SELECTION, quint8(view));
    }
    const QSize frontSize = QImageReader(frontPicturePath(product)).size();
    const QSize sideSize = QImageReader(sidePicturePath(product)).size();
    const QVector<bool> &visible = m_pBtnWindow->visibleMainSlots();
    const HotSpotPlaces places = hotSpotPlaces(product, visible, frontSize.isValid() ? frontSize : QSize(kPictureWidth, kPictureHeight));
    const double scale = uiScale();
    const int size = qMax(1, int(kHotSpotSize * scale));

    auto place = [&](KestPushButton *spot, const QPoint &point, const QSize &picture, const QLabel *label) {
        if (point.isNull()) {
            spot->setGeometry(0, 0, 0, 0);
            spot->hide();
            return;
        }
        const QPoint centre = pictureToLabel(point, picture, label->size(), scale);
        spot->setGeometry(centre.x() - size / 2, centre.y() - size / 2, size, size);
        spot->show();
    };
    for (int i = 0; i < HOT_SPOT_COUNT; ++i) {
        const int number = m_pBtnWindow->slotNumber(0, i);
        m_hotSpots[FrontView][i]->setText(number ? QString::asprintf("%d", number) : QString());
        m_hotSpots[SideView][i]->setText(m_hotSpots[FrontView][i]->text());
        place(m_hotSpots[FrontView][i], places.front[i], frontSize, m_frontPicture);
        place(m_hotSpots[SideView][i], places.side[i], sideSize, m_sidePicture);
    }
    for (int i = 0; i < 2; ++i) {
        m_hotSpots[WheelView][i]->setImages(wheelImages(product, i == 0));
        place(m_hotSpots[WheelView][i], places.wheel[i], frontSize, m_frontPicture);
    }
    refreshHotSpotTips();
}

void CustomizePage::refreshHotSpotTips()
{
    const ProfileData *profile = m_pBtnWindow->profileRecord();
    if (!profile)
        return;
    for (int view = 0; view < HOT_SPOT_VIEW_COUNT; ++view) {
        for (int i = 0; i < m_hotSpots[view].size(); ++i) {
            const int record = view == WheelView ? 2 * HOT_SPOT_COUNT + i : i;
            m_hotSpots[view][i]->setToolTip(KestBtnWindow::labelOf(profile->buttonInfo[record]));
        }
    }
}

void CustomizePage::onHotSpotClicked(int view, int index)
{
    SelBtnChanged(quint8(index), quint8(view));
    KestPushButton *spot = m_hotSpots[view].value(index);
    const quint8 group = view == WheelView ? 2 : 0;
    m_pBtnWindow->setCurrentButton(quint8(index), group);
    if (spot)
        m_pBtnWindow->popupMenu(quint8(index), group, spot->mapToGlobal(QPoint(spot->width() / 2, spot->height())));
}

void CustomizePage::SelBtnChanged(quint8 iBtn, quint8 iType)
{
    if (iType >= HOT_SPOT_VIEW_COUNT)
        return;
    m_iHotSpotSel[iType] = iBtn < m_hotSpots[iType].size() ? int(iBtn) : -1;
    for (int i = 0; i < m_hotSpots[iType].size(); ++i)
        m_hotSpots[iType][i]->setChecked(i == m_iHotSpotSel[iType]);
}

void CustomizePage::showView(bool bFront)
{
    if (bFront && m_iCurrentView == SideView) {
        m_iCurrentView = m_iRememberedView;
    } else if (!bFront && m_iCurrentView != SideView) {
        m_iRememberedView = m_iCurrentView;
        m_iCurrentView = SideView;
    }
    m_bFrontView = bFront;
    m_frontButton->setChecked(bFront);
    m_sideButton->setChecked(!bFront);
    emit viewChanged();
    const int selected = m_iHotSpotSel[m_iCurrentView];
    m_pBtnWindow->setCurrentButton(selected < 0 ? KestBtnWindow::NO_SELECTION : quint8(selected),
                                   m_iCurrentView == WheelView ? 2 : 0);
}

void CustomizePage::showButtonPicture(int index, bool lit)
{
    if (lit) {
        const QPixmap picture = sharedPixmap(appDir() + "/skin/mouse/" + currentProductName() + "/" + QString::asprintf("mouse_%d.png", index + 1));
        if (picture.isNull())
            return;
        if (m_plainFrontPicture.isNull())
            m_plainFrontPicture = m_frontPicture->pixmap(Qt::ReturnByValue);
        m_frontPicture->setPixmap(picture.scaled(QSize(kPictureWidth, kPictureHeight) * uiScale(), Qt::KeepAspectRatio,
                                                 Qt::SmoothTransformation));
    } else if (!m_plainFrontPicture.isNull()) {
        m_frontPicture->setPixmap(m_plainFrontPicture);
        m_plainFrontPicture = QPixmap();
    }
}

void CustomizePage::slotMouseOver(KestPushButton *button, bool bType)
{
    int group = 0;
    int index = 0;
    if (!m_pBtnWindow->slotOf(button, group, index))
        return;
    const int view = group == 2 ? WheelView : FrontView;
    if (group != 1) {
        if (KestPushButton *spot = m_hotSpots[view].value(index))
            spot->setChecked(bType || index == m_iHotSpotSel[view]);
    }
    if (group == 0)
        showButtonPicture(index, bType);
    if (!bType)
        refreshHotSpotTips();
}
