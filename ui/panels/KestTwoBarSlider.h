#pragma once
// The slider group of one DPI stage: an X and a Y slider, or one slider that
// moves both while the stage is linked. All three share one range.
#include <QWidget>

class QLabel;
class QSlider;

class KestTwoBarSlider : public QWidget
{
    Q_OBJECT

public:
    explicit KestTwoBarSlider(QWidget *parent = nullptr);

    void setRange(int max, int min);
    void setLinked(bool linked);
    bool isLinked() const { return m_linked; }
    // Shows x on the X slider (and the linked one) and y on the Y slider; emits nothing.
    void setValues(int x, int y);
    void setScale(double scale);
    void setAccent(const QColor &accent);

    // Page Up and Page Down move a tenth of the range (a click on the groove
    // still moves one step).
    int keyPageStep() const;

    int minimum() const;
    int maximum() const;
    QSlider *xSlider() const { return m_x; }
    QSlider *ySlider() const { return m_y; }
    QSlider *linkedSlider() const { return m_linkedSlider; }

signals:
    void SliderChangedSignal(int x, int y);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QSlider *makeSlider(const char *objectName);
    void relayout();

    QSlider *m_x;
    QSlider *m_y;
    QSlider *m_linkedSlider;
    QLabel *m_xCaption;
    QLabel *m_yCaption;
    bool m_linked = false;
    double m_scale = 1.0;
    QColor m_accent;
};
