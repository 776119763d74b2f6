#pragma once
// Every user message: a skinned frameless dialog with Yes/No (type 1), Ok
// (types 2-4; type 4 shows the receiver picture instead of the warning sign)
// or Apply/Discard/Cancel (type 5, for edits not yet applied). Tab moves
// between the buttons, Enter presses the focused one, Esc answers No, Cancel
// or Ok.
#include <QDialog>
#include <QPixmap>
#include <functional>

class QLabel;
class QTimer;
class QToolButton;

class KestMessageBox : public QDialog
{
    Q_OBJECT

public:
    // canClose, when given, is polled every 100 ms; the box accepts itself
    // once it returns true (the "Dongle Disconnect!" box closes when a mouse
    // has been opened).
    KestMessageBox(int iType, const QString &windowTitle, const QString &caption, const QString &message,
                   QWidget *parent = nullptr, std::function<bool()> canClose = {},
                   Qt::WindowFlags flags = Qt::FramelessWindowHint);

    int type() const { return m_type; }
    // exec() of a type 5 box.
    enum UnsavedAnswer { CancelAnswer = 0, ApplyAnswer = 1, DiscardAnswer = 2 };
    static constexpr int TYPE_UNSAVED = 5;
    static constexpr int kPollIntervalMs = 100;

public slots:
    void GetPlugInSignal();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QToolButton *makeButton(const QString &text, const char *objectName);

    int m_type;
    QPixmap m_background;
    QLabel *m_icon = nullptr;
    QLabel *m_caption = nullptr;
    QLabel *m_message = nullptr;
    QToolButton *m_yesButton = nullptr;
    QToolButton *m_noButton = nullptr;
    QToolButton *m_discardButton = nullptr;
    std::function<bool()> m_canClose;
    QTimer *m_pollTimer = nullptr;
};
