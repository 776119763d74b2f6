#pragma once
// Report rate of the active profile (menu of four rates) and the global
// lift-off distance (1 or 2 mm). Works on a private copy of the profile; the
// lift-off choice goes to the main window through RefreshLift.
#include "storage/MouseSettings.h"
#include <QWidget>

class KestLabel;
class KestPushButton;
class QButtonGroup;
class QLabel;
class QMenu;
class QRadioButton;

class KestReportRate : public QWidget
{
    Q_OBJECT

public:
    explicit KestReportRate(QWidget *parent = nullptr);

    void setProfile(const ProfileData &profile, uchar lift);
    const ProfileData &profileData() const { return m_ProfileData; }
    uchar lift() const { return m_iLift; }
    QString rateText() const;
    KestPushButton *rateButton() const { return m_rateButton; }
    QMenu *rateMenu() const { return m_menu; }
    QRadioButton *liftButton(int id) const;
    void setScale(double scale);
    void retranslate();

    static constexpr int BASE_WIDTH = 140;
    static constexpr int BASE_HEIGHT = 146;

signals:
    void RefreshLift(uchar iLift);

public slots:
    void onRadioChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void chooseRate(int index);

    ProfileData m_ProfileData;
    uchar m_iLift = 2;
    int m_iShownRate = -1; // index of the rate the button shows
    double m_scale = 1.0;
    KestLabel *m_title;
    QLabel *m_icon;
    KestPushButton *m_rateButton;
    QMenu *m_menu;
    KestLabel *m_liftLabel;
    QButtonGroup *m_liftGroup;
    QRadioButton *m_lift1;
    QRadioButton *m_lift2;
};
