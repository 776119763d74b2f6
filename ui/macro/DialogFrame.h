#pragma once
// What the macro dialogs share with the message box: a frameless translucent
// window drawn from a skin picture with a rim in the theme colour, a caption
// label and Yes/No buttons.
#include <QDialog>
#include <QPixmap>

class QLabel;
class QToolButton;

class DialogFrame : public QDialog
{
    Q_OBJECT

public:
    // width and height are unscaled pixels; background is a skin file name.
    DialogFrame(int width, int height, const QString &background, QWidget *parent, Qt::WindowFlags flags);

protected:
    QToolButton *makeDialogButton(const QString &text, const char *objectName);
    QLabel *makeCaption(const QString &text, const char *objectName, int pixelSize);
    // A message over this dialog (caption "Warning").
    void warn(const QString &message);
    void paintEvent(QPaintEvent *event) override;
    // Lets the window be dragged by its background.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // Enter presses the focused answer or the first one made (Yes), Esc the last one made (No).
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPixmap m_background;
    QPoint m_dragOffset;
    bool m_dragging = false;
    QToolButton *m_firstAnswer = nullptr;
    QToolButton *m_lastAnswer = nullptr;
};
