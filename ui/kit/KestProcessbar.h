#pragma once
// Battery bar: a style-sheet progress bar with an optional white overlay text
// ("MOUSE OFF" while the mouse sleeps).
#include <QProgressBar>

class KestProcessbar : public QProgressBar
{
    Q_OBJECT

public:
    explicit KestProcessbar(QWidget *parent = nullptr);

    void setText(const QString &text);
    QString overlayText() const { return m_text; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
};
