#pragma once
// The DPI panel: up to eight stage rows working on a private copy of the
// active profile. The main window loads it with setProfile and copies dpi and
// dpiInfo back before a write.
#include "storage/MouseSettings.h"
#include <QWidget>

class KestLabel;
class KestSingleDPI;
class QButtonGroup;

class KestDPIWindow : public QWidget
{
    Q_OBJECT

public:
    KestDPIWindow(const ProfileData &profile, QWidget *parent = nullptr);

    void setProfile(const ProfileData &profile, int sensor);
    const ProfileData &profileData() const { return m_ProfileData; }
    int sensor() const { return m_iSensor; }
    int visibleStageCount() const { return m_iStageCount; }
    int selectedStage() const { return m_ProfileData.dpi; }
    KestSingleDPI *row(int stage) const;
    void setScale(double scale);
    void selectStage(int stage);
    void retranslate();

    // Size at scale 1.
    static constexpr int BASE_WIDTH = 462;
    static constexpr int BASE_HEIGHT = 430;

public slots:
    void onSliderChanged(int x, int y, uchar stage);
    void onLinkChanged(uchar link, uchar stage);
    void onEnableChanged(uchar used, uchar stage);
    void MouseinSignal(uchar stage);
    void onRadioChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void highlightStage(int stage);

    ProfileData m_ProfileData;
    double m_scale = 1.0;
    int m_iSensor = 3325;
    int m_iStageCount = DPI_STAGE_COUNT;
    KestSingleDPI *m_rows[DPI_STAGE_COUNT] = {};
    KestLabel *m_title;
    QButtonGroup *m_group;
};
