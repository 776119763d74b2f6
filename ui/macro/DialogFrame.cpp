#include "ui/macro/DialogFrame.h"
#include "storage/ConfigStorage.h"
#include "ui/kit/DialogKeys.h"
#include "ui/kit/KestMessageBox.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/Skin.h"
#include "ui/kit/UiScale.h"
#include "ui/macro/MacroStyle.h"
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

namespace {
constexpr int kButtonWidth = 110;
constexpr int kButtonHeight = 32;
constexpr int kButtonTextPx = 15;
} // namespace

DialogFrame::DialogFrame(int width, int height, const QString &background, QWidget *parent, Qt::WindowFlags flags)
    : QDialog(parent, flags | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(scaled(width), scaled(height));
    m_background = skinPixmap(background);
}

QToolButton *DialogFrame::makeDialogButton(const QString &text, const char *objectName)
{
    auto *b = new QToolButton(this);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setText(text);
    b->setStyleSheet(dialogButtonStyleSheet());
    b->setFocusPolicy(Qt::StrongFocus);
    b->setFixedSize(scaled(kButtonWidth), scaled(kButtonHeight));
    b->setFont(languageFont(kButtonTextPx));
    if (!m_firstAnswer)
        m_firstAnswer = b;
    m_lastAnswer = b;
    return b;
}

QLabel *DialogFrame::makeCaption(const QString &text, const char *objectName, int pixelSize)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setFont(languageFont(pixelSize));
    label->setStyleSheet(QStringLiteral("color: rgb(255, 255, 255); background: transparent;"));
    return label;
}

void DialogFrame::warn(const QString &message)
{
    KestMessageBox box(2, QString(), tr("Warning"), message, this);
    box.exec();
}

void DialogFrame::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_background.isNull())
        p.drawPixmap(rect(), m_background);
    else
        p.fillRect(rect(), QColor(20, 20, 24));
    p.setPen(QPen(themeColor(), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(1, 1, -1, -1));
}

void DialogFrame::keyPressEvent(QKeyEvent *event)
{
    if (!answerDialogKey(this, event, m_firstAnswer, m_lastAnswer))
        QDialog::keyPressEvent(event);
}

void DialogFrame::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;
        m_dragOffset = event->globalPos() - frameGeometry().topLeft();
    }
    QDialog::mousePressEvent(event);
}

void DialogFrame::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        move(event->globalPos() - m_dragOffset);
    QDialog::mouseMoveEvent(event);
}

void DialogFrame::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    QDialog::mouseReleaseEvent(event);
}
