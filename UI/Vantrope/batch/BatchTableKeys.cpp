#include "BatchTableKeys.h"

#include "ZoKeyboard.h"
#include "ZoStyleButton.h"
#include "ZoStyleCheckBox.h"

#include <QAction>
#include <QCheckBox>
#include <QChildEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTableWidget>

BatchTableKeys *BatchTableKeys::install(QWidget *page)
{
    return new BatchTableKeys(page);
}

BatchTableKeys::BatchTableKeys(QWidget *page)
    : QObject(page)
{
    table = page->findChild<QTableWidget *>(QStringLiteral("tableWidget"));
    selectAll = page->findChild<ZoStyleCheckBox *>(QStringLiteral("checkBox_SelectAll"));
    auto button = [page](const char *name) {
        return page->findChild<ZoStyleButton *>(QLatin1String(name));
    };
    ZoStyleButton *add = button("pushButton_Add");
    ZoStyleButton *remove = button("pushButton_Delete");
    ZoStyleButton *clear = button("pushButton_Clear");
    ZoStyleButton *convert = button("pushButton_Convert");
    Q_ASSERT(table && selectAll && add && remove && clear && convert);

    table->setTabKeyNavigation(false);
    table->setFocusPolicy(Qt::StrongFocus);
    table->installEventFilter(this);
    table->viewport()->installEventFilter(this);
    ZoKeyboard::setFirstFocus(page, table);

    ZoKeyboard::setTabChain({add, remove, clear, selectAll->findChild<QCheckBox *>(), table, convert});

    ZoKeyboard::bindShortcut(page, QKeySequence(Qt::CTRL + Qt::Key_A), [this]() { tickAllOrNone(); });
    ZoKeyboard::bindShortcut(page, QKeySequence(Qt::Key_Delete), remove);
    ZoKeyboard::bindShortcut(page, ZoKeyboard::controlReturn(), convert);
    ZoKeyboard::bindShortcut(page, ZoKeyboard::controlEnter(), convert);
    QAction *addPhotos = page->findChild<QAction *>(QStringLiteral("action_AddPhotos"));
    ZoKeyboard::bindShortcut(page, QKeySequence::Open, [addPhotos]() {
        if (addPhotos)
            addPhotos->trigger();
    });
}

bool BatchTableKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == table->viewport()) {
        // The rows' boxes are cell widgets, children of the viewport.
        if (event->type() == QEvent::ChildAdded) {
            if (auto *box = qobject_cast<ZoStyleCheckBox *>(static_cast<QChildEvent *>(event)->child())) {
                box->setFocusPolicy(Qt::NoFocus);
                for (QWidget *inner : box->findChildren<QWidget *>())
                    inner->setFocusPolicy(Qt::NoFocus);
            }
        }
        return false;
    }
    if (watched != table)
        return false;
    if (event->type() == QEvent::FocusIn) {
        // Show where Space acts: the current row is the selected one.
        if (table->rowCount() > 0) {
            const int row = table->currentRow() >= 0 ? table->currentRow() : 0;
            table->setCurrentCell(row, 1);
            table->selectRow(row);
        }
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
            if (!key->isAutoRepeat())
                tickCurrentRow();
            return true;
        }
    }
    return false;
}

void BatchTableKeys::tickCurrentRow()
{
    const int row = table->currentRow();
    if (row < 0)
        return;
    if (auto *box = qobject_cast<ZoStyleCheckBox *>(table->cellWidget(row, 0)))
        box->click();
}

void BatchTableKeys::tickAllOrNone()
{
    int rows = 0;
    int ticked = 0;
    for (int row = 0; row < table->rowCount(); ++row) {
        if (auto *box = qobject_cast<ZoStyleCheckBox *>(table->cellWidget(row, 0))) {
            ++rows;
            if (box->checkState() == Qt::Checked)
                ++ticked;
        }
    }
    if (rows == 0)
        return;
    // The select-all box ticks or clears every row, and the page follows it.
    const int wanted = ticked == rows ? Qt::Unchecked : Qt::Checked;
    if (selectAll->checkState() == wanted)
        selectAll->setCheckState(Qt::PartiallyChecked);
    selectAll->setCheckState(wanted);
}
