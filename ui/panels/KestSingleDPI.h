#pragma once
// One DPI stage row: a selection button with the stage number, the stage's
// DPI, "Link XY", an enable box and the slider group between the DPI figures
// of the sensor's range ends.
#include <QWidget>

class KestLabel;
class KestTwoBarSlider;
class QCheckBox;
class QLineEdit;
class QRadioButton;

class KestSingleDPI : public QWidget
{
    Q_OBJECT

public:
    KestSingleDPI(QWidget *parent, int stage);

    int stage() const { return m_iStage; }
    int sensor() const { return m_iSensor; }
    // Range, end labels and "Link XY" for the sensor; an unknown sensor keeps the previous ones.
    void setSensor(int sensor);
    void setLink(uchar link);
    void setUsed(uchar used);
    void setValues(int x, int y);
    void setScale(double scale);
    // The active stage is drawn in the accent colour.
    void setSelected(bool selected, const QColor &accent);
    bool isSelected() const { return m_selected; }

    KestTwoBarSlider *slider() const { return m_slider; }
    QCheckBox *linkBox() const { return m_linkBox; }
    QCheckBox *enableBox() const { return m_enableBox; }
    QRadioButton *selectButton() const { return m_selectButton; }
    KestLabel *valueLabel() const { return m_valueLabel; }
    // A DPI typed here goes to the nearest value the sensor offers.
    QLineEdit *dpiEdit() const { return m_dpiEdit; }
    KestLabel *minLabel() const { return m_minLabel; }
    KestLabel *maxLabel() const { return m_maxLabel; }

    void retranslate();

signals:
    void DPISignal(int x, int y, uchar stage);
    void LinkSignal(uchar link, uchar stage);
    void EnableSignal(uchar used, uchar stage);
    void MouseinSignal(uchar stage);

public slots:
    void onSliderChanged(int x, int y);
    void onStateChanged(int state);
    void slotLabelClick(KestLabel *label);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void showValue();
    void takeTypedDpi();
    void relayout();

    const int m_iStage;
    int m_iSensor = 3325;
    double m_scale = 1.0;
    uchar m_link = 0;
    uchar m_used = 0;
    int m_x = 0;
    int m_y = 0;
    bool m_selected = false;
    QColor m_accent;

    KestTwoBarSlider *m_slider;
    QCheckBox *m_linkBox;
    QCheckBox *m_enableBox;
    QRadioButton *m_selectButton;
    KestLabel *m_minLabel;
    KestLabel *m_maxLabel;
    KestLabel *m_valueLabel;
    QLineEdit *m_dpiEdit;
};
