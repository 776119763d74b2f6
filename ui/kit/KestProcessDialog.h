#pragma once
// Modal busy window shown while a write runs; the write thread's
// DoProcessDlg() (queued) ends it.
#include <QDialog>
#include <QPixmap>

class QLabel;
class QMovie;

class KestProcessDialog : public QDialog
{
    Q_OBJECT

public:
    explicit KestProcessDialog(QWidget *mainWindow = nullptr);

    QMovie *movie() const { return m_movie; }

public slots:
    void slotProcessDlg();
    void updateProgress();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_plate;
    QLabel *m_animation = nullptr;
    QMovie *m_movie = nullptr;
};
