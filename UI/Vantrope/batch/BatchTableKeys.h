#pragma once

#include <QObject>

class QTableWidget;
class QWidget;
class ZoStyleCheckBox;

// The keyboard of the batch page. Tab visits Add, Delete, Clear, the
// select-all box, the table and Convert, then leaves the page (Tab never
// walks the table's cells, and the rows' own boxes take no focus: the row is
// the unit). In the table the arrow keys move between rows and Space ticks or
// clears the current row as a click on its box does.
//
// Anywhere on the page, while no dialog is open:
//   Ctrl+A       ticks every row; when all are ticked, clears them all
//   Delete       deletes the ticked rows, as the Delete button does
//   Ctrl+O       adds photos through the file dialog
//   Ctrl+Return  starts Convert, while Convert is enabled
//
// The page opens with the focus in the table. The helper finds the page's
// controls by their object names and is a child of the page.
class BatchTableKeys : public QObject
{
    Q_OBJECT
public:
    static BatchTableKeys *install(QWidget *page);

    bool eventFilter(QObject *watched, QEvent *event) override;

    // Ctrl+A: all rows ticked, or none when all were.
    void tickAllOrNone();
    // Space in the table: toggles the current row's box.
    void tickCurrentRow();

private:
    explicit BatchTableKeys(QWidget *page);

    QTableWidget *table = nullptr;
    ZoStyleCheckBox *selectAll = nullptr;
};
