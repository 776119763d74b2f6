#pragma once
// Paints the rows of the macro event table: a small picture of the row's kind
// beside the key, press and release told apart by a coloured mark, delays
// right-aligned.
#include <QPixmap>
#include <QStyledItemDelegate>

class KestMacroItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit KestMacroItemDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    QPixmap kindPicture(const QModelIndex &index) const;

    QPixmap m_mouse;
    QPixmap m_moves[4];
};
