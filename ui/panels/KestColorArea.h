#pragma once
// The colour editor dialog: hue bar, saturation/value square, old/new
// preview, HSV and RGB spin boxes, a hexadecimal field and seven presets,
// all kept in step. After exec() returns Accepted the caller reads color().
#include <QColor>
#include <QDialog>
#include <QPixmap>

class DefaultColorArea;
class HColorArea;
class PreviewColorArea;
class QLabel;
class QLineEdit;
class QSpinBox;
class QToolButton;
class SVColorArea;

class KestColorArea : public QDialog
{
    Q_OBJECT

public:
    KestColorArea(QWidget *parent = nullptr, double scale = 1.0);

    void setColor(const QColor &color);
    // The preview's new colour.
    QColor color() const;
    QString hexText() const;

    HColorArea *hueArea() const { return m_hueArea; }
    SVColorArea *svArea() const { return m_svArea; }
    PreviewColorArea *preview() const { return m_preview; }
    QSpinBox *spinBox(char channel) const; // 'H', 'S', 'V', 'R', 'G' or 'B'
    QLineEdit *hexEdit() const { return m_hexEdit; }
    DefaultColorArea *preset(int index) const;
    QToolButton *confirmButton() const { return m_yesButton; }
    QToolButton *cancelButton() const { return m_noButton; }
    void retranslate();

    static constexpr int PRESET_COUNT = 7;
    static const QColor &presetColor(int index); // red, green, blue, cyan, yellow, magenta, white
    // The six hexadecimal digits a partial entry stands for ("000000" when empty).
    static QString completeHex(const QString &text);

signals:
    void KestChangeColor(QColor color);
    void ApplyColor();

public slots:
    void color_clicked();
    void hValueChangedSlot(int h);
    void sValueChangedSlot(int s);
    void vValueChangedSlot(int v);
    void rValueChangedSlot(int r);
    void gValueChangedSlot(int g);
    void bValueChangedSlot(int b);
    void updateEditData(int h, int s, int v);
    void editChangedSlot(const QString &text);
    void editFinishedSlot();
    void MouseReleaseSlot();

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // Enter takes the colour (or presses the focused answer), Esc leaves it.
    void keyPressEvent(QKeyEvent *event) override;

private:
    QSpinBox *makeSpinBox(const char *objectName, int maximum);
    QLabel *makeCaption();
    QToolButton *makeButton(const char *objectName, const QString &icon);
    void layoutFor(double scale);
    // Shows colour in every editor except the ones that produced it.
    enum Source { FromHsv, FromRgb, FromHex, FromAreas, FromOutside };
    void showColor(const QColor &color, Source source, int hue = -1);
    void fromRgbSpins();
    void fromHsvSpins();

    double m_scale;
    QPixmap m_background;
    QLabel *m_caption;
    HColorArea *m_hueArea;
    SVColorArea *m_svArea;
    PreviewColorArea *m_preview;
    QSpinBox *m_hSpin, *m_sSpin, *m_vSpin, *m_rSpin, *m_gSpin, *m_bSpin;
    QLabel *m_hCaption, *m_sCaption, *m_vCaption, *m_rCaption, *m_gCaption, *m_bCaption;
    QLabel *m_hashLabel;
    QLineEdit *m_hexEdit;
    DefaultColorArea *m_presets[PRESET_COUNT] = {};
    QToolButton *m_yesButton;
    QToolButton *m_noButton;
    bool m_dragging = false;
    QPoint m_dragOffset;
};
