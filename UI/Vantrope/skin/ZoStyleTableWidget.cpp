#include "ZoStyleTableWidget.h"

#include <QHeaderView>
#include <QScrollBar>

#include "NoFocusDelegate.h"

ZoStyleTableWidget::ZoStyleTableWidget(QWidget *parent)
    : QTableWidget(parent)
{
    horizontalHeader()->setFont(skin.font(ZoSkin::TableHeaderFont));
    horizontalHeader()->setStyleSheet(QStringLiteral(
        "QHeaderView::section {background-color: transparent;color: rgb(102, 102, 102);"
        "selection-color: #616c72;border: 1px solid #eeeeee;border-width: 1px 1px 1px 1px;"
        "border-color: #eeeeee;}"));
    horizontalHeader()->setMinimumHeight(40);
    horizontalHeader()->setStretchLastSection(true);

    const QString scrollBarStyle = QStringLiteral(
        "QScrollBar{background:transparent; width: 10px; min-width:10; min-height:10}"
        "QScrollBar::handle{background:lightgray; border:2px solid transparent; border-radius:5px;}"
        "QScrollBar::handle:hover{background:gray;}"
        "QScrollBar::sub-line{background:transparent;}"
        "QScrollBar::add-line{background:transparent;}"
        "QScrollBar{background:transparent; height:10px; min-width:10; min-height:10}"
        "QScrollBar::handle{background:lightgray; border:2px solid transparent; border-radius:5px;}"
        "QScrollBar::handle:hover{background:gray;}"
        "QScrollBar::sub-line{background:transparent;}"
        "QScrollBar::add-line{background:transparent;}");
    horizontalScrollBar()->setStyleSheet(scrollBarStyle);
    verticalScrollBar()->setStyleSheet(scrollBarStyle);

    setStyleSheet(QStringLiteral(
        "color: rgb(102, 102, 102);selection-color: rgb(102, 102, 102);"
        "selection-background-color: rgb(207, 232, 250);gridline-color: rgb(238, 238, 238);"
        "border-color: rgb(238, 238, 238);border: 0px solid #eeeeee;"));

    setItemDelegate(new NoFocusDelegate(this));

    verticalHeader()->setHidden(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    horizontalHeader()->setSectionsClickable(false);

    setFont(skin.font(ZoSkin::BodyFont));
}

ZoStyleTableWidget::~ZoStyleTableWidget() = default;
