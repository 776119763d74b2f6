#pragma once
// "SNIPER": the DPI step a mouse button switches to while held, chosen on a
// slider whose range depends on the sensor ("MouseSenSor/1").
#include "ui/buttons/KestSettingDialog.h"

class QLabel;
class QSlider;

class KestSniperWindow : public KestSettingDialog
{
    Q_OBJECT

public:
    explicit KestSniperWindow(QWidget *parent = nullptr);

    // Preset: a step outside the sensor's accepted range opens at its default.
    void setStep(int step);
    quint8 step() const { return m_step; }
    int sensor() const { return m_sensor; }
    QSlider *slider() const { return m_slider; }
    QString dpiText() const;

signals:
    void SetSniperValue(quint8 iStep);

private slots:
    void onSliderChanged(int value);

private:
    int m_sensor = 0;
    quint8 m_step = 0;
    QSlider *m_slider = nullptr;
    QLabel *m_dpiLabel = nullptr;
};
