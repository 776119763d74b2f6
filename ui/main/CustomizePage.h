#pragma once
// The CUSTOMIZE page: the button assignment panel in its scroll area, editing
// the session's active profile through a pointer, and the numbered hot-spots
// on the window's front and side pictures and the two wheel hot-spots that
// select the panel's slots and open their menus.
#include <QList>
#include <QPixmap>
#include <QString>
#include <QWidget>

class ApplySession;
class KestBtnWindow;
class KestPushButton;
class QLabel;
class QScrollArea;

class CustomizePage : public QWidget
{
    Q_OBJECT
public:
    static constexpr int HOT_SPOT_COUNT = 20;
    enum HotSpotView { FrontView, SideView, WheelView, HOT_SPOT_VIEW_COUNT };

    // The pictures and the Front/Side buttons belong to the window, which places them.
    CustomizePage(ApplySession *session, QLabel *frontPicture, QLabel *sidePicture, KestPushButton *frontButton,
                  KestPushButton *sideButton, QWidget *parent = nullptr);

    KestBtnWindow *buttonPanel() const { return m_pBtnWindow; }
    // Hot-spot index of a view (wheel: 0 up, 1 down); nullptr outside the range.
    KestPushButton *hotSpot(int view, int index) const;
    int selectedHotSpot(int view) const;
    int currentView() const { return m_iCurrentView; }
    bool frontView() const { return m_bFrontView; }
    // The picture the next showing of the page starts with (another mouse: the front).
    void setFrontView(bool front) { m_bFrontView = front; }

    // Points the panel at the working record's active profile.
    void refresh();
    // Selects a hot-spot of a view (KestBtnWindow::NO_SELECTION: none).
    void SelBtnChanged(quint8 iBtn, quint8 iType);

public slots:
    // Hover feedback from the panel: the button's hot-spot and picture light up.
    void slotMouseOver(KestPushButton *button, bool bType);

signals:
    // Front or side picture chosen: the window shows the pictures again.
    void viewChanged();
    // The panel asks for another page (the macro editor).
    void pageRequested(int page);
    // A refusal to show to the user.
    void warning(const QString &text);

private:
    void showView(bool bFront);
    void buildHotSpots();
    void placeHotSpots();
    void refreshHotSpotTips();
    void onHotSpotClicked(int view, int index);
    void showButtonPicture(int index, bool lit);

    ApplySession *m_session;
    QLabel *m_frontPicture;
    QLabel *m_sidePicture;
    KestPushButton *m_frontButton;
    KestPushButton *m_sideButton;
    KestBtnWindow *m_pBtnWindow = nullptr;
    QScrollArea *m_btnScrollArea = nullptr;
    QList<KestPushButton *> m_hotSpots[HOT_SPOT_VIEW_COUNT];
    int m_iHotSpotSel[HOT_SPOT_VIEW_COUNT] = {-1, -1, -1};
    int m_iCurrentView = FrontView;
    int m_iRememberedView = FrontView;
    bool m_bFrontView = true;
    QPixmap m_plainFrontPicture; // kept while a lit picture is shown
    double m_customizeScale = 0;
    QString m_hotSpotProduct; // the model the hot-spots are placed for
};
