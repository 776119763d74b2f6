#pragma once
// The notice itself: a frameless, translucent, always-on-top strip low on the
// primary screen that never takes the focus. Each notice replaces the one on
// screen and stays for its display time, then fades out.
#include "platform/OsdChannel.h"
#include <QTimer>
#include <QWidget>

class QLabel;
class QPropertyAnimation;

class OsdWindow : public QWidget
{
    Q_OBJECT

public:
    explicit OsdWindow(QWidget *parent = nullptr);

    // Out-of-range sizes and times from a block are brought into these bounds.
    static constexpr int kMinFontPixels = 8;
    static constexpr int kMaxFontPixels = 200;
    static constexpr int kMinDurationMs = 200;
    static constexpr int kMaxDurationMs = 10000;
    static constexpr int kFadeMs = 250;

    void showMessage(const OsdMessage &message);

    QString text() const;
    QColor textColor() const { return m_color; }
    QFont textFont() const;
    // How long the current notice stays before it fades; -1 when none is shown.
    int remainingMs() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void placeOnScreen();
    void fadeOut();

    QLabel *m_label = nullptr;
    QColor m_color;
    QTimer m_holdTimer;
    QPropertyAnimation *m_fade = nullptr;
};
