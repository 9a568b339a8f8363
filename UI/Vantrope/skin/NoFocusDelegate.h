#pragma once

#include <QStyledItemDelegate>

// An item delegate that paints cells as QStyledItemDelegate does, but never
// with the focus rectangle.
class NoFocusDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit NoFocusDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
};
