// The styled table: whole-row single selection, no editing, no sorting by the
// header, and cells painted without a focus rectangle.

#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QTest>

#include "NoFocusDelegate.h"
#include "ZoStyleTableWidget.h"

namespace {

void fill(QTableWidget &table)
{
    table.setColumnCount(3);
    table.setRowCount(3);
    table.setHorizontalHeaderLabels({"Name", "Size", "File Directory"});
    const char *names[] = {"b.HEIC", "a.HEIC", "c.HEIC"};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            table.setItem(r, c, new QTableWidgetItem(c == 0 ? QString::fromLatin1(names[r]) : QString::number(r * 10 + c)));
}

QPoint cellCentre(QTableWidget &table, int row, int column)
{
    return table.visualRect(table.model()->index(row, column)).center();
}

QList<int> selectedRows(QTableWidget &table)
{
    QList<int> rows;
    for (const QModelIndex &i : table.selectionModel()->selectedRows())
        rows << i.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

// One cell painted by a delegate, with or without keyboard focus.
QImage paintCell(QStyledItemDelegate &delegate, QTableWidget &table, bool focus)
{
    QImage image(120, 40, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QStyleOptionViewItem option;
    option.initFrom(table.viewport());
    option.rect = QRect(0, 0, 120, 40);
    option.state |= QStyle::State_Enabled | QStyle::State_Selected | QStyle::State_Active;
    if (focus)
        option.state |= QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
    delegate.paint(&painter, option, table.model()->index(0, 0));
    painter.end();
    return image;
}

} // namespace

class TestZoStyleTableWidget : public QObject
{
    Q_OBJECT

private slots:
    void clickSelectsOneWholeRow()
    {
        ZoStyleTableWidget table;
        table.resize(400, 300);
        fill(table);
        table.show();
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, cellCentre(table, 1, 1));
        QCOMPARE(selectedRows(table), QList<int>{1});
        QCOMPARE(table.selectedItems().size(), 3);
        QTest::mouseClick(table.viewport(), Qt::LeftButton, Qt::ControlModifier, cellCentre(table, 2, 0));
        QCOMPARE(selectedRows(table), QList<int>{2});
    }

    void doubleClickOpensNoEditor()
    {
        ZoStyleTableWidget table;
        table.resize(400, 300);
        fill(table);
        table.show();
        const QPoint at = cellCentre(table, 0, 0);
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, at);
        QTest::keyClick(&table, Qt::Key_F2);
        QVERIFY(!table.viewport()->findChild<QLineEdit *>());
        QCOMPARE(table.item(0, 0)->text(), QStringLiteral("b.HEIC"));
    }

    void headerClickNeitherSortsNorSelects()
    {
        ZoStyleTableWidget table;
        table.resize(400, 300);
        fill(table);
        table.show();
        QHeaderView *header = table.horizontalHeader();
        QCOMPARE(header->minimumHeight(), 40);
        const QPoint section(header->sectionViewportPosition(0) + 5, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, section);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, section);
        QCOMPARE(table.item(0, 0)->text(), QStringLiteral("b.HEIC"));
        QVERIFY(selectedRows(table).isEmpty());
        QVERIFY(table.selectionModel()->selectedColumns().isEmpty());
    }

    void cellsHaveNoFocusRectangle()
    {
        ZoStyleTableWidget table;
        fill(table);
        auto *delegate = qobject_cast<NoFocusDelegate *>(table.itemDelegate());
        QVERIFY(delegate);
        QCOMPARE(delegate->parent(), &table);
        // Focus changes nothing in what NoFocusDelegate paints, while the plain
        // delegate does draw a focus frame for the same option.
        QCOMPARE(paintCell(*delegate, table, true), paintCell(*delegate, table, false));
        QStyledItemDelegate plain;
        QVERIFY(paintCell(plain, table, true) != paintCell(plain, table, false));
    }
};

QTEST_MAIN(TestZoStyleTableWidget)
#include "tst_zostyletablewidget.moc"
