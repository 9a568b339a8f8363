// The batch page as a file table: rows, check boxes, select-all, the tool bar
// buttons and the summary line.

#include "HeicFileTable.h"
#include "PhotoFiles.h"
#include "TipDialog.h"
#include "ZoMessageBox.h"
#include "ZoStyleButton.h"
#include "ZoStyleCheckBox.h"
#include "modaldriver.h"
#include "simulatedinput.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTableWidget>
#include <QUrl>
#include <QWindow>
#include <QTemporaryDir>
#include <QTest>

namespace {

template <typename T>
T *child(QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

// A page with helpers to reach its parts as the user sees them.
struct Page
{
    HeicFileTable table{nullptr};

    QTableWidget *grid() { return child<QTableWidget>(&table, "tableWidget"); }
    ZoStyleButton *button(const char *name) { return child<ZoStyleButton>(&table, name); }
    QString label(const char *name) { return child<QLabel>(&table, name)->text(); }
    ZoStyleCheckBox *rowBox(int row) { return qobject_cast<ZoStyleCheckBox *>(grid()->cellWidget(row, 0)); }
    // The select-all box is the one check box that is not in a cell.
    ZoStyleCheckBox *selectAll()
    {
        for (ZoStyleCheckBox *box : table.findChildren<ZoStyleCheckBox *>(QString(), Qt::FindDirectChildrenOnly))
            return box;
        qFatal("no select-all box");
        return nullptr;
    }
    // A user's click on a row's box (reports the state, then the click).
    void clickRow(int row) { child<QCheckBox>(rowBox(row), "checkBox")->click(); }
    void clickSelectAll() { child<QCheckBox>(selectAll(), "checkBox")->click(); }
    bool enabled(const char *name) { return button(name)->isEnabled(); }
};

// Files of given sizes in a temporary folder (their content is never decoded).
struct Files
{
    QTemporaryDir dir;

    QString make(const QString &name, qint64 bytes = 1000)
    {
        const QString path = dir.path() + "/" + name;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !file.resize(bytes))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    QString folder(const QString &name)
    {
        const QString path = dir.path() + "/" + name;
        if (!QDir().mkpath(path))
            qFatal("cannot make %s", qPrintable(path));
        return path;
    }
    QVector<QString> make(int count, qint64 bytes = 1000)
    {
        QVector<QString> paths;
        for (int i = 0; i < count; ++i)
            paths << make(QString("IMG_%1.HEIC").arg(i), bytes);
        return paths;
    }
};

// Chooses an entry of the Add menu with the mouse, once it is open.
void chooseFromAddMenu(const QString &entry, const QString &galleryName = QString())
{
    QTimer::singleShot(0, [entry, galleryName] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            qFatal("the Add menu did not open");
        if (!galleryName.isEmpty())
            TestSupport::saveToGallery(menu, galleryName);
        for (QAction *action : menu->actions()) {
            if (action->text() == entry) {
                QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(action).center());
                return;
            }
        }
        menu->close();
    });
}

} // namespace

class TestHeicFileTable : public QObject
{
    Q_OBJECT

private slots:
    void startsEmpty();
    void addFilesBuildsRowsAndSkipsMissing();
    void sizeTexts_data();
    void sizeTexts();
    void checkingOrderIsKept();
    void selectAllChecksInRowOrder();
    void selectAllStateAndButtons_data();
    void selectAllStateAndButtons();
    void selectAllPartialClickChangesNoRow();
    void nextListAfterClearStartsFresh();
    void handedOverPhotosComeTickedBesideTheUsersTicks();
    void duplicatesAreDeletedTogether();
    void deletingEverythingDisablesSelectAll();
    void clear_data();
    void clear();
    void vanishedFileLeavesBlankRow();
    void deleteWithVanishedFilesKeepsUncheckedRows();
    void selectAllKeepsItsSkinWhenDisabled();
    void longNamesStayOnOneLine();
    void addButtonFileDialog();
    void addFolderSearchesRecursively();
    void drops_data();
    void drops();
    void nothingFoundIsSaid_data();
    void nothingFoundIsSaid();
};

void TestHeicFileTable::startsEmpty()
{
    Page page;
    QCOMPARE(page.table.size(), QSize(1000, 579));
    QCOMPARE(page.grid()->rowCount(), 0);
    QCOMPARE(page.label("label_FileCount"), QString("0 File(s), "));
    QCOMPARE(page.label("label_FileSize"), QString("0 MB"));
    QVERIFY(!page.enabled("pushButton_Convert"));
    QVERIFY(page.enabled("pushButton_Add"));
    QVERIFY(page.selectAll()->isEnabled());
    QCOMPARE(page.selectAll()->checkState(), 0);
    QCOMPARE(page.selectAll()->pos(), QPoint(33, 58));
}

void TestHeicFileTable::addFilesBuildsRowsAndSkipsMissing()
{
    Files files;
    const QString a = files.make("a.HEIC", 2621440);
    const QString b = files.make("b.HEIC", 1048576);
    Page page;
    page.table.addFiles({a, files.dir.path() + "/missing.HEIC", b});

    QCOMPARE(page.grid()->rowCount(), 2);
    QCOMPARE(page.grid()->item(0, 1)->text(), QString("a.HEIC"));
    QCOMPARE(page.grid()->item(0, 2)->text(), QString("2.5MB"));
    QCOMPARE(page.grid()->item(0, 3)->text(), a);
    QCOMPARE(page.grid()->item(1, 1)->text(), QString("b.HEIC"));
    QVERIFY(page.rowBox(0) && page.rowBox(1));
    QCOMPARE(page.rowBox(1)->checkState(), 0);
    QCOMPARE(page.label("label_FileCount"), QString("2 File(s), "));
    QCOMPARE(page.label("label_FileSize"), QString("3.5MB"));
    QVERIFY(page.enabled("pushButton_Clear"));
    QVERIFY(!page.enabled("pushButton_Convert")); // nothing checked yet

    // A second hand-over appends; a folder stands for the photos in it.
    files.folder("more/inner");
    const QString inner = files.make("more/inner/c.hif");
    files.make("more/notes.txt");
    page.table.addFiles({a, files.dir.path() + "/more"});
    QCOMPARE(page.grid()->rowCount(), 4);
    QCOMPARE(page.grid()->item(3, 3)->text(), inner);
    QCOMPARE(page.label("label_FileCount"), QString("4 File(s), "));
}

void TestHeicFileTable::sizeTexts_data()
{
    QTest::addColumn<QList<qint64>>("sizes");
    QTest::addColumn<QString>("firstRow");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("total");
    QTest::newRow("1 MiB") << QList<qint64>{1048576} << "1.0MB" << "1 File(s), " << "1.0MB";
    QTest::newRow("2.5 MiB") << QList<qint64>{2621440} << "2.5MB" << "1 File(s), " << "2.5MB";
    QTest::newRow("1000 bytes") << QList<qint64>{1000} << "0.0MB" << "1 File(s), " << "0.0MB";
    QTest::newRow("two of 1 MiB") << QList<qint64>{1048576, 1048576} << "1.0MB" << "2 File(s), " << "2.0MB";
}

void TestHeicFileTable::sizeTexts()
{
    QFETCH(QList<qint64>, sizes);
    QFETCH(QString, firstRow);
    QFETCH(QString, count);
    QFETCH(QString, total);
    Files files;
    QVector<QString> paths;
    for (int i = 0; i < sizes.size(); ++i)
        paths << files.make(QString("f%1.HEIC").arg(i), sizes[i]);
    Page page;
    page.table.addFiles(paths);
    QCOMPARE(page.grid()->item(0, 2)->text(), firstRow);
    QCOMPARE(page.label("label_FileCount"), count);
    QCOMPARE(page.label("label_FileSize"), total);
}

void TestHeicFileTable::checkingOrderIsKept()
{
    Files files;
    Page page;
    page.table.addFiles(files.make(5));
    for (int row : {3, 1, 2})
        page.clickRow(row);
    QCOMPARE(page.table.checkedRowOrder(), QList<int>({3, 1, 2}));
    page.clickRow(1); // unchecking removes just that index
    page.clickRow(1);
    QCOMPARE(page.table.checkedRowOrder(), QList<int>({3, 2, 1}));
}

void TestHeicFileTable::selectAllChecksInRowOrder()
{
    Files files;
    Page page;
    page.table.addFiles(files.make(4));
    page.clickSelectAll();
    QCOMPARE(page.table.checkedRowOrder(), QList<int>({0, 1, 2, 3}));
    for (int row = 0; row < 4; ++row)
        QCOMPARE(page.rowBox(row)->checkState(), 2);
    QVERIFY(page.enabled("pushButton_Convert"));
    QVERIFY(page.enabled("pushButton_Delete"));

    page.clickSelectAll();
    QVERIFY(page.table.checkedRowOrder().isEmpty());
    QVERIFY(!page.enabled("pushButton_Convert"));
    QVERIFY(!page.enabled("pushButton_Delete"));

    // With some rows checked already, select-all adds the others in row order.
    page.clickRow(2);
    QCOMPARE(page.selectAll()->checkState(), 1);
    page.clickSelectAll(); // partial -> checked
    QCOMPARE(page.table.checkedRowOrder(), QList<int>({2, 0, 1, 3}));
}

void TestHeicFileTable::selectAllStateAndButtons_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<int>("selectAll");
    QTest::addColumn<bool>("convertAndDelete");
    QTest::newRow("one of three") << QList<int>{1} << 1 << true;
    QTest::newRow("two of three") << QList<int>{0, 2} << 1 << true;
    QTest::newRow("all three") << QList<int>{0, 1, 2} << 2 << true;
    QTest::newRow("all, then all unchecked") << QList<int>{0, 1, 2, 2, 1, 0} << 0 << false;
    QTest::newRow("checked and unchecked") << QList<int>{1, 1} << 0 << false;
}

void TestHeicFileTable::selectAllStateAndButtons()
{
    QFETCH(QList<int>, clicks);
    QFETCH(int, selectAll);
    QFETCH(bool, convertAndDelete);
    Files files;
    Page page;
    page.table.addFiles(files.make(3));
    for (int row : clicks)
        page.clickRow(row);
    QCOMPARE(page.selectAll()->checkState(), selectAll);
    QCOMPARE(page.enabled("pushButton_Convert"), convertAndDelete);
    QCOMPARE(page.enabled("pushButton_Delete"), convertAndDelete);
    QVERIFY(page.enabled("pushButton_Clear"));
}

void TestHeicFileTable::selectAllPartialClickChangesNoRow()
{
    Files files;
    Page page;
    page.table.addFiles(files.make(3));
    page.clickRow(0);
    page.clickSelectAll(); // partial -> checked: all rows
    page.clickSelectAll(); // checked -> unchecked: no row
    QVERIFY(page.table.checkedRowOrder().isEmpty());
    page.clickRow(1);
    page.clickRow(1);
    QCOMPARE(page.selectAll()->checkState(), 0);
    page.clickSelectAll(); // having shown "-" once, it still ticks every row
    QCOMPARE(page.selectAll()->checkState(), int(Qt::Checked));
    QCOMPARE(page.table.checkedRowOrder(), (QList<int>{0, 1, 2}));
    QVERIFY(page.enabled("pushButton_Convert"));
}

void TestHeicFileTable::nextListAfterClearStartsFresh()
{
    Files files;
    Page page;
    page.table.addFiles(files.make(3));
    QVERIFY(!page.enabled("pushButton_Delete")); // nothing ticked yet
    page.clickRow(1);
    QCOMPARE(page.selectAll()->checkState(), int(Qt::PartiallyChecked));
    QVERIFY(page.enabled("pushButton_Delete"));
    page.table.slot_ClearTable();

    page.table.addFiles(QVector<QString>{files.make("next.HEIC"), files.make("other.HEIC")});
    QCOMPARE(page.selectAll()->checkState(), int(Qt::Unchecked));
    QVERIFY(!page.enabled("pushButton_Delete"));
    page.clickSelectAll();
    QCOMPARE(page.table.checkedRowOrder(), (QList<int>{0, 1}));
    QVERIFY(page.enabled("pushButton_Delete"));
}

void TestHeicFileTable::handedOverPhotosComeTickedBesideTheUsersTicks()
{
    Files files;
    Page page;
    page.table.addFiles(files.make(3));
    page.clickRow(2);
    page.clickRow(0);
    page.table.handOverFiles({files.make("late.HEIC"), files.make("later.HEIC")});
    QCOMPARE(page.grid()->rowCount(), 5);
    QCOMPARE(page.table.checkedRowOrder(), (QList<int>{2, 0, 3, 4}));
    QCOMPARE(page.rowBox(1)->checkState(), int(Qt::Unchecked));
    QCOMPARE(page.selectAll()->checkState(), int(Qt::PartiallyChecked));
    QVERIFY(page.enabled("pushButton_Convert"));
}

void TestHeicFileTable::duplicatesAreDeletedTogether()
{
    Files files;
    const QString a = files.make("a.HEIC");
    const QString b = files.make("b.HEIC");
    Page page;
    page.table.addFiles({a, b, a});
    QCOMPARE(page.grid()->rowCount(), 3);

    page.clickRow(2);
    page.button("pushButton_Delete")->click();
    QCOMPARE(page.grid()->rowCount(), 1);
    QCOMPARE(page.grid()->item(0, 1)->text(), QString("b.HEIC"));
    QCOMPARE(page.rowBox(0)->checkState(), 0);
    QVERIFY(page.table.checkedRowOrder().isEmpty());
    QCOMPARE(page.label("label_FileCount"), QString("1 File(s), "));
    QVERIFY(!page.enabled("pushButton_Convert"));
    QVERIFY(!page.enabled("pushButton_Delete"));
    QVERIFY(page.selectAll()->isEnabled());
    QVERIFY(QFile::exists(a)); // deleting a row never touches the file

    // The rebuilt row works like any other.
    page.clickRow(0);
    QCOMPARE(page.table.checkedRowOrder(), QList<int>({0}));
    QCOMPARE(page.selectAll()->checkState(), 2);
}

void TestHeicFileTable::deletingEverythingDisablesSelectAll()
{
    Files files;
    Page page;
    page.table.addFiles(files.make(2));
    page.clickSelectAll();
    page.button("pushButton_Delete")->click();
    QCOMPARE(page.grid()->rowCount(), 0);
    QVERIFY(!page.selectAll()->isEnabled());
    QVERIFY(!page.enabled("pushButton_Convert"));
    QVERIFY(!page.enabled("pushButton_Delete"));
    QVERIFY(!page.enabled("pushButton_Clear"));
    QCOMPARE(page.label("label_FileCount"), QString("0 File(s), "));
    QCOMPARE(page.label("label_FileSize"), QString("0.0MB"));
}

void TestHeicFileTable::clear_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("Yes empties the table") << true;
    QTest::newRow("No keeps everything") << false;
}

void TestHeicFileTable::clear()
{
    QFETCH(bool, confirm);
    Files files;
    Page page;
    page.table.addFiles(files.make(3));
    page.clickRow(1);

    QString question;
    auto answered = whenModal<TipDialog>([&](TipDialog *tip) {
        question = child<QLabel>(tip, "label_StatesText")->text();
        child<ZoStyleButton>(tip, confirm ? "pushButton_Yes" : "pushButton_OK")->click();
    });
    page.button("pushButton_Clear")->click();
    QVERIFY(*answered);
    QCOMPARE(question, QString("Are you sure to trash all the files here?"));

    if (confirm) {
        QCOMPARE(page.grid()->rowCount(), 0);
        QCOMPARE(page.label("label_FileCount"), QString("0 File(s), "));
        QCOMPARE(page.label("label_FileSize"), QString("0 MB"));
        QVERIFY(page.table.checkedRowOrder().isEmpty());
        for (const char *name : {"pushButton_Convert", "pushButton_Delete", "pushButton_Clear"})
            QVERIFY2(!page.enabled(name), name);
        QVERIFY(!page.selectAll()->isEnabled());
        QVERIFY(page.enabled("pushButton_Add"));
    } else {
        QCOMPARE(page.grid()->rowCount(), 3);
        QCOMPARE(page.table.checkedRowOrder(), QList<int>({1}));
        QVERIFY(page.enabled("pushButton_Convert"));
    }
    // The confirmation is gone either way; no dialog is left behind.
    QTRY_VERIFY(page.table.findChildren<TipDialog *>().isEmpty());
}

void TestHeicFileTable::vanishedFileLeavesBlankRow()
{
    Files files;
    const QString a = files.make("a.HEIC", 1048576);
    const QString b = files.make("b.HEIC", 1048576);
    const QString c = files.make("c.HEIC", 1048576);
    Page page;
    page.table.addFiles({a, b, c});
    QVERIFY(QFile::remove(b));

    page.clickRow(0);
    page.button("pushButton_Delete")->click(); // rebuilds the rest

    QCOMPARE(page.grid()->rowCount(), 2);
    QVERIFY(!page.grid()->item(0, 1));
    QVERIFY(!page.rowBox(0));
    QCOMPARE(page.grid()->item(1, 1)->text(), QString("c.HEIC"));
    QCOMPARE(page.rowBox(1)->checkState(), 0);
    QCOMPARE(page.label("label_FileCount"), QString("2 File(s), "));
    QCOMPARE(page.label("label_FileSize"), QString("1.0MB"));

    page.clickSelectAll(); // checked: every row that has a box
    QCOMPARE(page.table.checkedRowOrder(), QList<int>({1}));
    QCOMPARE(page.selectAll()->checkState(), 2);
}

void TestHeicFileTable::deleteWithVanishedFilesKeepsUncheckedRows()
{
    Files files;
    const QString a = files.make("a.HEIC");
    const QString b = files.make("b.HEIC");
    const QString c = files.make("c.HEIC");
    Page page;
    page.table.addFiles({a, b, c});
    QVERIFY(QFile::remove(b));
    QVERIFY(QFile::remove(c));

    page.clickRow(1);
    page.button("pushButton_Delete")->click();
    QCOMPARE(page.grid()->rowCount(), 2);
    QCOMPARE(page.grid()->item(0, 1)->text(), QString("a.HEIC"));
    QVERIFY(!page.grid()->item(1, 1)); // c: gone from disk, still listed
    QCOMPARE(page.label("label_FileCount"), QString("2 File(s), "));
}

void TestHeicFileTable::selectAllKeepsItsSkinWhenDisabled()
{
    Files files;
    Page page;
    page.table.addFiles(files.make(2));
    page.table.show();
    const QImage enabled = page.selectAll()->grab().toImage();

    auto answered = whenModal<TipDialog>([](TipDialog *tip) { child<ZoStyleButton>(tip, "pushButton_Yes")->click(); });
    page.button("pushButton_Clear")->click();
    QVERIFY(*answered);
    QVERIFY(!page.selectAll()->isEnabled());
    QCOMPARE(page.selectAll()->grab().toImage(), enabled);
    TestSupport::saveToGallery(&page.table, "batch-page-cleared");
}

void TestHeicFileTable::longNamesStayOnOneLine()
{
    Files files;
    const QString name = "IMG-2024-05-17-holiday-on-the-beach-with-family-and-friends-0042.heic";
    const QString path = files.make(name);
    Page page;
    page.table.addFiles({path, files.make("b.HEIC")});
    QCOMPARE(page.grid()->item(0, 1)->text(), name);
    QCOMPARE(page.grid()->item(0, 1)->toolTip(), path);
    QCOMPARE(page.grid()->item(0, 3)->toolTip(), path);
    QVERIFY(!page.grid()->wordWrap());
    QCOMPARE(page.grid()->textElideMode(), Qt::ElideMiddle);
    page.grid()->selectRow(1);
    TestSupport::saveToGallery(&page.table, "batch-page-long-names");
}

void TestHeicFileTable::addButtonFileDialog()
{
    Files files;
    const QString a = files.make("a.heif", 2621440);
    Page page;

    QString caption;
    QStringList filters;
    auto cancelled = whenModal<QFileDialog>([&](QFileDialog *dialog) {
        caption = dialog->windowTitle();
        filters = dialog->nameFilters();
        dialog->reject();
    });
    chooseFromAddMenu("Add Photos...");
    page.button("pushButton_Add")->click();
    QVERIFY(*cancelled);
    QCOMPARE(caption, QString("Choose Images"));
    QCOMPARE(filters, QStringList({"Image Files (*.heic *.heif *.hif *.HEIC *.HEIF *.HIF)"}));
    QCOMPARE(page.grid()->rowCount(), 0);
    QCOMPARE(page.label("label_FileCount"), QString("0 File(s), "));
    QVERIFY(!page.enabled("pushButton_Convert"));

    auto chosen = whenModal<QFileDialog>([&](QFileDialog *dialog) {
        dialog->setDirectory(files.dir.path());
        // Typed as a user would: selectFile() leaves the name box alone while
        // it has the focus, which it has once the dialog is shown.
        auto *nameEdit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (!nameEdit) {
            dialog->reject();
            return;
        }
        nameEdit->setText(a);
        static_cast<QDialog *>(dialog)->accept(); // QFileDialog::accept is protected; still the one that runs
        if (dialog->isVisible())
            dialog->reject(); // a refused choice fails the test instead of hanging it
    });
    chooseFromAddMenu("Add Photos...");
    page.button("pushButton_Add")->click();
    QVERIFY(*chosen);
    QCOMPARE(page.grid()->rowCount(), 1);
    QCOMPARE(page.grid()->item(0, 3)->text(), a);
    QCOMPARE(page.label("label_FileCount"), QString("1 File(s), "));
    QCOMPARE(page.label("label_FileSize"), QString("2.5MB"));
    QVERIFY(page.enabled("pushButton_Clear"));
    QVERIFY(!page.enabled("pushButton_Convert")); // settled by the (unchecked) rows
    QCOMPARE(page.selectAll()->checkState(), 0);

    // The next dialog starts where the last file came from.
    QString startFolder;
    auto again = whenModal<QFileDialog>([&](QFileDialog *dialog) {
        startFolder = dialog->directory().absolutePath();
        dialog->reject();
    });
    chooseFromAddMenu("Add Photos...");
    page.button("pushButton_Add")->click();
    QVERIFY(*again);
    QCOMPARE(startFolder, QDir(files.dir.path()).absolutePath());
    QCOMPARE(page.grid()->rowCount(), 1);
}

void TestHeicFileTable::addFolderSearchesRecursively()
{
    Files files;
    files.folder("trip/day2");
    const QString top = files.make("trip/IMG_1.HEIC");
    const QString deep = files.make("trip/day2/IMG_2.hif");
    files.make("trip/day2/notes.txt");
    files.make("trip/day2/IMG_3.jpg");
    Page page;
    page.table.addFiles({files.make("first.heic")});
    page.clickRow(0);

    QString caption;
    auto chosen = whenModal<QFileDialog>([&](QFileDialog *dialog) {
        caption = dialog->windowTitle();
        QVERIFY(dialog->testOption(QFileDialog::ShowDirsOnly));
        dialog->setDirectory(files.dir.path() + "/trip");
        static_cast<QDialog *>(dialog)->accept();
    });
    chooseFromAddMenu("Add Folder...", "batch-add-menu");
    page.button("pushButton_Add")->click();
    QVERIFY(*chosen);
    QCOMPARE(caption, QString("Choose a Folder"));
    QCOMPARE(page.grid()->rowCount(), 3);
    QCOMPARE(page.grid()->item(1, 3)->text(), top);
    QCOMPARE(page.grid()->item(2, 3)->text(), deep);
    QCOMPARE(page.table.checkedRowOrder(), QList<int>({0})); // checks are kept
    QCOMPARE(page.selectAll()->checkState(), 1);
    QVERIFY(page.enabled("pushButton_Convert"));
}

// Drops on the table, one after another, as Add takes them: HEIF photos in
// any letter case, folders searched recursively, anything else refused.
void TestHeicFileTable::drops_data()
{
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    QTest::addColumn<bool>("secondTaken");
    QTest::addColumn<QStringList>("names"); // the rows afterwards

    QTest::newRow("every HEIF suffix, any case")
        << QStringList{"a.heic", "b.HEIC"} << QStringList{"c.heif", "d.hif", "e.HIF", "f.HeIf"} << true
        << QStringList{"a.heic", "b.HEIC", "c.heif", "d.hif", "e.HIF", "f.HeIf"};
    QTest::newRow("other files are left out") << QStringList{"a.heic"} << QStringList{"x.jpg", "y.HEIC.txt", "z.heic"}
                                              << true << QStringList{"a.heic", "z.heic"};
    QTest::newRow("nothing HEIF is refused")
        << QStringList{"a.heic"} << QStringList{"x.jpg", "heic"} << false << QStringList{"a.heic"};
    QTest::newRow("a folder, recursively")
        << QStringList{"a.heic"} << QStringList{"album/"} << true
        << QStringList{"a.heic", "IMG_1.HEIC", "IMG_2.heic", "IMG_3.hif"};
}

void TestHeicFileTable::drops()
{
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    QFETCH(bool, secondTaken);
    QFETCH(QStringList, names);

    Files files;
    files.folder("album/deeper");
    for (const char *name : {"album/IMG_1.HEIC", "album/IMG_2.heic", "album/deeper/IMG_3.hif", "album/x.png"})
        files.make(name);
    auto paths = [&](const QStringList &names) {
        QStringList out;
        for (const QString &name : names)
            out << (name.endsWith('/') ? files.folder(name.chopped(1)) : files.make(name));
        return out;
    };

    Page page;
    page.table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page.table));
    const QPoint overTable = page.grid()->geometry().center();
    QVERIFY(dropOnWindow(&page.table, overTable, paths(first)));
    page.clickRow(0);
    QCOMPARE(dropOnWindow(&page.table, overTable, paths(second)), secondTaken);

    QStringList shown;
    for (int row = 0; row < page.grid()->rowCount(); ++row)
        shown << page.grid()->item(row, 1)->text();
    QCOMPARE(shown, names);
    QCOMPARE(page.label("label_FileCount"), QString("%1 File(s), ").arg(names.size()));
    QCOMPARE(page.table.checkedRowOrder(), QList<int>({0})); // a drop keeps the checks
}

void TestHeicFileTable::nothingFoundIsSaid_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("a folder dropped") << "drop";
    QTest::newRow("a folder chosen") << "Add Folder...";
}

// A folder without photos adds nothing: the page says why, and the table
// stays as it was.
void TestHeicFileTable::nothingFoundIsSaid()
{
    QFETCH(QString, how);
    Files files;
    const QString empty = files.folder("holiday");
    files.make("holiday/notes.txt");
    Page page;
    page.table.addFiles({files.make("first.heic")});
    page.table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page.table));

    QString said;
    auto told = whenModal<ZoMessageBox>([&](ZoMessageBox *box) {
        said = child<QLabel>(box, "label")->text();
        child<QPushButton>(box, "pushButton_ok")->click();
    });
    if (how == "drop") {
        QVERIFY(dropOnWindow(&page.table, page.grid()->geometry().center(), {empty}));
    } else {
        auto chosen = whenModal<QFileDialog>([&](QFileDialog *dialog) {
            dialog->setDirectory(empty);
            static_cast<QDialog *>(dialog)->accept();
        });
        chooseFromAddMenu(how);
        page.button("pushButton_Add")->click();
        QVERIFY(*chosen);
    }
    QTRY_VERIFY(*told); // once the drop or the Add menu is over
    QCOMPARE(said, how == "drop" ? QString("No HEIC photos were found in what you dropped.")
                                 : QString("No HEIC photos were found in %1.").arg(empty));
    QCOMPARE(page.grid()->rowCount(), 1);
}

QTEST_MAIN(TestHeicFileTable)
#include "tst_heicfiletable.moc"
