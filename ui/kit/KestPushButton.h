#pragma once
// Push button drawn from state images: 0 normal, 1 hover or checked,
// 2 pressed, 3 disabled. Buttons may carry fewer images; a state without its
// own image shows image 0 (dimmed when disabled).
#include <QPixmap>
#include <QPushButton>
#include <QStringList>
#include <QVector>

class KestPushButton : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(int curIndex READ curIndex WRITE setCurIndex)

public:
    explicit KestPushButton(const QStringList &imagePaths = QStringList(), QWidget *parent = nullptr,
                            const QString &text = QString());

    void setImages(const QStringList &imagePaths);
    int imageCount() const { return m_images.size(); }
    // Drawn centred over the state image; also decides the size hint.
    void setFixedPixmap(const QPixmap &pixmap);

    void setText(const QString &text);
    QString text() const { return m_text; }
    // Unscaled font pixel size for the caption; 0 = the language's size.
    void setPixelSize(int pixelSize);
    void setTextAlignment(Qt::Alignment alignment);

    // The button keeps its own checked state: it toggles on press, not on
    // release as a plain checkable QPushButton would.
    void setCheckable(bool checkable);
    bool isCheckable() const { return m_checkable; }
    void setChecked(bool checked);
    bool isChecked() const { return m_checked; }
    void setEnabled(bool enabled);

    int curIndex() const { return m_curIndex; }
    void setCurIndex(int index);

    QSize sizeHint() const override;

signals:
    void EnterSignal(KestPushButton *button);
    void OverSignal(KestPushButton *button, bool bType);

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    int restingIndex() const;
    const QPixmap *currentPixmap() const;

    QVector<QPixmap> m_images;
    QPixmap m_fixed;
    QString m_text;
    int m_pixelSize = 0;
    Qt::Alignment m_alignment = Qt::AlignCenter;
    bool m_checkable = false;
    bool m_checked = false;
    bool m_pressedSinceLeave = false;
    int m_curIndex = 0;
};
