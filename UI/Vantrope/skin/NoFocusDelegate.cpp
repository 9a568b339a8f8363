#include "NoFocusDelegate.h"

NoFocusDelegate::NoFocusDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

void NoFocusDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                            const QModelIndex &index) const
{
    QStyleOptionViewItem copy(option);
    if (copy.state & QStyle::State_HasFocus)
        copy.state = copy.state ^ QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, copy, index);
}
