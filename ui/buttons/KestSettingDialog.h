#pragma once
// The look the parameter dialogs of the button panel share: frameless and
// translucent, 400 x 258 times the UI scale, the dialog skin with a 2-pixel
// frame in the theme colour, a title, a content area and "OK" / "Cancel".
#include <QDialog>
#include <QPixmap>

class KestPushButton;
class QLabel;
class QLineEdit;
class QVBoxLayout;

class KestSettingDialog : public QDialog
{
    Q_OBJECT

public:
    explicit KestSettingDialog(QWidget *parent = nullptr);

    KestPushButton *okButton() const { return m_okButton; }
    KestPushButton *cancelButton() const { return m_cancelButton; }
    QString title() const;

    static constexpr int kWidth = 400;
    static constexpr int kHeight = 258;

protected:
    void setTitle(const QString &title);
    // Laid out between the title and the buttons.
    QVBoxLayout *contentLayout() const { return m_content; }
    // The monospaced bold face of key names and values.
    static QFont displayFont(int pixelSize);
    // A read-only box showing a key name; takes the focus so that typed keys
    // reach no button.
    QLineEdit *makeKeyDisplay();
    // A hint line over a key display, centred in the content area; returns the display.
    QLineEdit *addKeyCapture(const QString &hint);
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QPixmap m_background;
    QLabel *m_title = nullptr;
    QVBoxLayout *m_content = nullptr;
    KestPushButton *m_okButton = nullptr;
    KestPushButton *m_cancelButton = nullptr;
};
