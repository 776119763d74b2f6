#include "ui/kit/KestListItem.h"
#include "ui/kit/Fonts.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

KestListItem::KestListItem(const QString &text, QWidget *parent)
    : QWidget(parent), m_label(new QLabel(text, this)), m_edit(new QLineEdit(this))
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(2, 0, 2, 0);
    row->addWidget(m_label);
    row->addWidget(m_edit);
    m_label->setFont(languageFont());
    m_edit->setFont(languageFont());
    m_edit->hide();
    connect(m_edit, &QLineEdit::editingFinished, this, &KestListItem::lostFocusSlot);
}

QString KestListItem::text() const
{
    return m_label->text();
}

void KestListItem::setText(const QString &text)
{
    m_label->setText(text);
}

bool KestListItem::isEditing() const
{
    return !m_edit->isHidden();
}

void KestListItem::editPressSlot()
{
    m_edit->setText(m_label->text());
    m_label->hide();
    m_edit->show();
    m_edit->setFocus();
    m_edit->selectAll();
}

void KestListItem::lostFocusSlot()
{
    if (!isEditing())
        return;
    const QString text = m_edit->text().trimmed();
    m_edit->hide();
    m_label->show();
    if (text.isEmpty() || text == m_label->text())
        return;
    m_label->setText(text);
    emit EditFinishedSignal(this, text);
}

void KestListItem::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        editPressSlot();
    QWidget::mouseDoubleClickEvent(event);
}
