#include "ui/kit/KestPushButton.h"
#include "ui/kit/AccessibleNames.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/Skin.h"
#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int kNormal = 0;
constexpr int kHover = 1;
constexpr int kPressed = 2;
constexpr int kDisabled = 3;
} // namespace

KestPushButton::KestPushButton(const QStringList &imagePaths, QWidget *parent, const QString &text)
    : QPushButton(text, parent), m_text(text)
{
    // Captions sit on dark skin images; style sheets may still override.
    QPalette pal = palette();
    pal.setColor(QPalette::ButtonText, Qt::white);
    setPalette(pal);
    // Reached by Tab, not taken by a click (a click must not pull the focus out of an edit).
    setFocusPolicy(Qt::TabFocus);
    // In a dialog Enter belongs to the focused button only (key dialogs capture it).
    setAutoDefault(false);
    setImages(imagePaths);
    installAccessibleNames();
}

void KestPushButton::setImages(const QStringList &imagePaths)
{
    m_images.clear();
    for (const QString &path : imagePaths)
        m_images << sharedPixmap(path);
    updateGeometry();
    update();
}

void KestPushButton::setFixedPixmap(const QPixmap &pixmap)
{
    m_fixed = pixmap;
    updateGeometry();
    update();
}

void KestPushButton::setText(const QString &text)
{
    m_text = text;
    QPushButton::setText(text); // keeps accessibility and mnemonics in step
    update();
}

void KestPushButton::setPixelSize(int pixelSize)
{
    m_pixelSize = pixelSize;
    update();
}

void KestPushButton::setTextAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void KestPushButton::setCheckable(bool checkable)
{
    m_checkable = checkable;
    m_curIndex = kNormal;
    update();
}

void KestPushButton::setChecked(bool checked)
{
    const bool changed = m_checked != checked;
    m_checked = checked;
    m_curIndex = checked ? kHover : kNormal;
    update();
    if (changed) {
        QAccessible::State state;
        state.checked = true;
        QAccessibleStateChangeEvent event(this, state);
        QAccessible::updateAccessibility(&event);
    }
}

void KestPushButton::setEnabled(bool enabled)
{
    QWidget::setEnabled(enabled);
    // changeEvent sets the index; it also covers a parent being disabled.
}

void KestPushButton::setCurIndex(int index)
{
    m_curIndex = index;
    update();
}

int KestPushButton::restingIndex() const
{
    return m_checkable && m_checked ? kHover : kNormal;
}

void KestPushButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        m_curIndex = isEnabled() ? restingIndex() : kDisabled;
        update();
    }
    QPushButton::changeEvent(event);
}

void KestPushButton::enterEvent(QEvent *event)
{
    if (isEnabled()) {
        emit OverSignal(this, true);
        if (m_images.size() > 1)
            setCurIndex(kHover);
    }
    QPushButton::enterEvent(event);
}

void KestPushButton::leaveEvent(QEvent *event)
{
    if (isEnabled()) {
        if (!m_pressedSinceLeave)
            emit OverSignal(this, false);
        setCurIndex(restingIndex());
    }
    m_pressedSinceLeave = false;
    QPushButton::leaveEvent(event);
}

void KestPushButton::mousePressEvent(QMouseEvent *event)
{
    if (!isEnabled())
        return;
    if (event->button() == Qt::LeftButton) {
        // Only a checkable button has a state to toggle; a plain one always
        // shows its pressed image.
        const bool wasChecked = m_checkable && m_checked;
        if (m_checkable)
            m_checked = !m_checked;
        if (m_images.size() > 2)
            setCurIndex(wasChecked ? kNormal : kPressed);
        m_pressedSinceLeave = true;
        emit EnterSignal(this);
    }
    QPushButton::mousePressEvent(event);
}

void KestPushButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (!isEnabled())
        return;
    if (event->button() == Qt::LeftButton && m_images.size() > 1)
        setCurIndex(kHover);
    QPushButton::mouseReleaseEvent(event); // emits clicked
}

void KestPushButton::keyPressEvent(QKeyEvent *event)
{
    // Space presses a focused button already; Enter does too outside dialogs.
    if (isEnabled() && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

const QPixmap *KestPushButton::currentPixmap() const
{
    if (m_curIndex >= 0 && m_curIndex < m_images.size())
        return &m_images.at(m_curIndex);
    if (!m_images.isEmpty())
        return &m_images.first();
    return nullptr;
}

QSize KestPushButton::sizeHint() const
{
    if (!m_fixed.isNull())
        return m_fixed.size();
    if (const QPixmap *pm = currentPixmap())
        return pm->size();
    return QPushButton::sizeHint();
}

void KestPushButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const bool dimmed = !isEnabled() && m_curIndex >= m_images.size();
    if (dimmed)
        p.setOpacity(0.5);
    if (const QPixmap *pm = currentPixmap())
        p.drawPixmap(rect(), *pm);
    if (!m_fixed.isNull()) {
        const QPixmap fixed = m_fixed.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        p.drawPixmap(QPoint((width() - fixed.width()) / 2, (height() - fixed.height()) / 2), fixed);
    }
    if (!m_text.isEmpty()) {
        p.setFont(languageFont(m_pixelSize));
        p.setPen(palette().color(QPalette::ButtonText));
        p.drawText(rect(), int(m_alignment), m_text);
    }
    if (hasFocus()) {
        p.setOpacity(1.0);
        p.setPen(QPen(Qt::white, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}
