#include "ui/kit/KestProcessDialog.h"
#include "ui/kit/Skin.h"
#include <QLabel>
#include <QMovie>
#include <QPainter>
#include <QTimer>

// The kit is a static library: its resources must be pulled in by name.
static void initKitResources()
{
    Q_INIT_RESOURCE(kit);
}

namespace {
constexpr int kSize = 128;
constexpr int kAnimationSize = 127;
} // namespace

KestProcessDialog::KestProcessDialog(QWidget *mainWindow)
    : QDialog(mainWindow, Qt::FramelessWindowHint | Qt::Dialog)
{
    initKitResources();
    setFixedSize(kSize, kSize);
    m_plate = skinPixmap(QStringLiteral("process.png"));
    setAttribute(Qt::WA_TranslucentBackground);
    if (mainWindow) {
        const QPoint centre = mainWindow->geometry().center();
        move(centre - QPoint(kSize / 2, kSize / 2));
    }
    m_animation = new QLabel(this);
    m_animation->setGeometry(0, 0, kAnimationSize, kAnimationSize);
    m_animation->setAlignment(Qt::AlignCenter);
    m_movie = new QMovie(QStringLiteral(":/skin/loading.gif"), QByteArray(), this);
    m_animation->setMovie(m_movie);
    m_movie->start();
}

void KestProcessDialog::slotProcessDlg()
{
    // Leave the queued call first; the modal loop ends on the next turn.
    QTimer::singleShot(0, this, &KestProcessDialog::updateProgress);
}

void KestProcessDialog::updateProgress()
{
    accept();
}

void KestProcessDialog::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (!m_plate.isNull())
        p.drawPixmap(rect(), m_plate);
}
