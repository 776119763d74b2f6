#include "ui/macro/KestMacroItemDelegate.h"
#include "storage/ConfigStorage.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/Skin.h"
#include "ui/kit/UiScale.h"
#include "model/MacroActions.h"
#include "ui/macro/MacroEventModel.h"
#include "ui/macro/MacroStyle.h"
#include <QPainter>

namespace {
// Movement pictures in MoveDirection order.
const char *const kMovePictures[4] = {"up1.png", "down1.png", "left1.png", "right1.png"};
} // namespace

KestMacroItemDelegate::KestMacroItemDelegate(QObject *parent) : QStyledItemDelegate(parent)
{
    m_mouse = skinPixmap("insert_mouse_key_1.png");
    for (int i = 0; i < 4; ++i)
        m_moves[i] = skinPixmap(kMovePictures[i]);
}

QPixmap KestMacroItemDelegate::kindPicture(const QModelIndex &index) const
{
    const auto *model = qobject_cast<const MacroEventModel *>(index.model());
    const RowKind kind = RowKind(index.data(MacroEventModel::KindRole).toInt());
    if (kind == RowKind::MouseButton)
        return m_mouse;
    if (kind == RowKind::Move && model) {
        MoveDirection direction;
        int distance = 0;
        decodeMove(model->event(index.row()), direction, distance);
        return m_moves[direction];
    }
    return QPixmap();
}

void KestMacroItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                  const QModelIndex &index) const
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    const QColor accent = themeColor();
    const bool selected = option.state & QStyle::State_Selected;
    const bool enabled = option.state & QStyle::State_Enabled;
    QRect r = option.rect;

    if (selected) {
        QColor fill = accent;
        fill.setAlpha(enabled ? 140 : 70);
        painter->fillRect(r, fill);
    } else if (index.row() % 2) {
        painter->fillRect(r, QColor(255, 255, 255, 10));
    }

    const RowKind kind = RowKind(index.data(MacroEventModel::KindRole).toInt());
    const bool press = index.data(MacroEventModel::PressRole).toBool();
    const int pad = scaled(4);
    r.adjust(pad, 0, -pad, 0);

    if (index.column() == MacroEventModel::KeyColumn) {
        const int side = qMin(r.height() - scaled(6), scaled(16));
        const QRect picture(r.left(), r.center().y() - side / 2, side, side);
        const QPixmap pixmap = kindPicture(index);
        if (!pixmap.isNull()) {
            painter->drawPixmap(picture, pixmap);
        } else if (kind == RowKind::Key) {
            // A key cap outline.
            painter->setPen(QPen(QColor(160, 160, 170), 1));
            painter->setBrush(QColor(40, 40, 46));
            painter->drawRoundedRect(QRectF(picture).adjusted(1.5, 2.5, -1.5, -1.5), 2, 2);
        } else if (kind == RowKind::Delay) {
            // A clock face.
            painter->setPen(QPen(QColor(150, 150, 160), 1.2));
            painter->setBrush(Qt::NoBrush);
            const QRectF face = QRectF(picture).adjusted(2, 2, -2, -2);
            painter->drawEllipse(face);
            painter->drawLine(face.center(), QPointF(face.center().x(), face.top() + 2));
            painter->drawLine(face.center(), QPointF(face.right() - 2, face.center().y()));
        }
        r.setLeft(picture.right() + pad + scaled(2));
    } else if (index.column() == MacroEventModel::ActionColumn
               && (kind == RowKind::Key || kind == RowKind::MouseButton)) {
        // Down arrow for a press in the accent colour, up arrow for a release.
        const int side = scaled(8);
        const QPointF c(r.left() + side / 2.0, r.center().y() + 0.5);
        QPolygonF arrow;
        if (press)
            arrow << QPointF(c.x() - side / 2.0, c.y() - side / 3.0) << QPointF(c.x() + side / 2.0, c.y() - side / 3.0)
                  << QPointF(c.x(), c.y() + side / 2.5);
        else
            arrow << QPointF(c.x() - side / 2.0, c.y() + side / 3.0) << QPointF(c.x() + side / 2.0, c.y() + side / 3.0)
                  << QPointF(c.x(), c.y() - side / 2.5);
        painter->setPen(Qt::NoPen);
        painter->setBrush(press ? (selected ? QColor(Qt::white) : accent) : QColor(150, 150, 160));
        painter->drawPolygon(arrow);
        r.setLeft(r.left() + side + pad);
    }

    QColor ink = press || kind == RowKind::Move || kind == RowKind::Delay ? QColor(235, 235, 240) : QColor(180, 180, 188);
    if (!enabled)
        ink = QColor(110, 110, 118);
    painter->setPen(ink);
    painter->setFont(languageFont(MACRO_TEXT_PX));
    const int alignment = index.data(Qt::TextAlignmentRole).toInt();
    const QString text = painter->fontMetrics().elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideRight, r.width());
    painter->drawText(r, alignment, text);
    painter->restore();
}

QSize KestMacroItemDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(scaled(22));
    return size;
}
