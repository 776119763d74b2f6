#pragma once
// "GUN SET": a recoil pattern of one to five shots, each with a pause and a
// pointer offset, turned into the events of a gun file.
#include "ui/macro/DialogFrame.h"
#include "ui/macro/GunSet.h"
#include <QVector>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

class KestGunsetDialog : public DialogFrame
{
    Q_OBJECT

public:
    KestGunsetDialog(QWidget *parent = nullptr, double scale = 1.0, Qt::WindowFlags flags = Qt::FramelessWindowHint);

    // After acceptance: the name typed and the events of the shown shots.
    QString fileName() const { return m_fileName; }
    QVector<MacroEvent> events() const { return m_events; }

    int bulletCount() const { return m_bulletCount; }
    QVector<GunShot> shots() const; // the shown rows
    QLineEdit *nameEdit() const { return m_nameEdit; }
    QSpinBox *delaySpin(int row) const { return m_delay[row]; }
    QSpinBox *xSpin(int row) const { return m_x[row]; }
    QSpinBox *ySpin(int row) const { return m_y[row]; }

public slots:
    void OnYesClick();
    // Bullet button k (1..5).
    void setBulletCount(int count);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect bulletRect(int index) const; // button index 0..4, scaled
    QSpinBox *makeSpin(const QString &objectName, int minimum, int maximum, int value);

    double m_scale;
    int m_bulletCount = GUN_MAX_BULLETS;
    QLineEdit *m_nameEdit = nullptr;
    QLabel *m_countLabel = nullptr;
    QPushButton *m_bullets[GUN_MAX_BULLETS] = {};
    QSpinBox *m_delay[GUN_MAX_BULLETS] = {};
    QSpinBox *m_x[GUN_MAX_BULLETS] = {};
    QSpinBox *m_y[GUN_MAX_BULLETS] = {};
    QPixmap m_bulletPicture;
    QPixmap m_selectionPicture;
    QPixmap m_sliderPicture;
    QString m_fileName;
    QVector<MacroEvent> m_events;
};
