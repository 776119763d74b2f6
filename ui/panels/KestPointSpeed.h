#pragma once
// Pointer speed (1..20) and wheel scroll value (1..20) of a profile the main
// window owns; edits go straight into that profile.
#include "storage/MouseSettings.h"
#include <QWidget>

class KestLabel;
class QLabel;
class QSlider;
class QSpinBox;

class KestPointSpeed : public QWidget
{
    Q_OBJECT

public:
    KestPointSpeed(ProfileData *profile, QWidget *parent = nullptr);

    // Lays out for the scale and shows the profile's values.
    void refresh(double scale);
    QSlider *speedSlider() const { return m_slider; }
    QSpinBox *scrollSpinBox() const { return m_spin; }
    void retranslate();

    static constexpr int BASE_WIDTH = 140;
    static constexpr int BASE_HEIGHT = 150;

public slots:
    void sValueChangedSlot(int s);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void onSliderChanged(int value);

    ProfileData *m_profile;
    double m_scale = 1.0;
    KestLabel *m_speedLabel;
    QSlider *m_slider;
    KestLabel *m_speedValue;
    KestLabel *m_scrollLabel;
    QSpinBox *m_spin;
};
