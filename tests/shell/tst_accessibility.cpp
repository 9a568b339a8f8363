// What a screen reader finds, read through QAccessible as the AT-SPI bridge
// reads it: window titles, names of every control a user can operate, roles,
// and the rows of the batch table named by their photos.

#include "BatchConvertProgress.h"
#include "ConvertsionSet.h"
#include "HeicFileTable.h"
#include "PhotoInfo.h"
#include "PreviewHEIC.h"
#include "SingalConverterHome.h"
#include "SingleConverting.h"
#include "TipDialog.h"
#include "Vantrope.h"
#include "ZoAbout.h"
#include "ZoMessageBox.h"
#include "ZoStyleButton.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

struct Control {
    QAccessible::Role role;
    QString name;
    QString description;
    QString objectName;
};

bool operable(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::Slider:
    case QAccessible::ProgressBar:
    case QAccessible::Table:
        return true;
    default:
        return false;
    }
}

// Every operable control below iface that is not hidden, as the bridge walks
// the tree: through child(), not through the widgets.
void collect(QAccessibleInterface *iface, QVector<Control> &out, int depth = 0)
{
    if (!iface || depth > 40)
        return;
    if (iface->state().invisible)
        return;
    if (operable(iface->role())) {
        QObject *object = iface->object();
        out.append({iface->role(), iface->text(QAccessible::Name), iface->text(QAccessible::Description),
                    object ? object->objectName() : QString()});
    }
    if (iface->role() == QAccessible::Table)
        return; // cells are checked on their own
    for (int i = 0; i < iface->childCount(); ++i)
        collect(iface->child(i), out, depth + 1);
}

QVector<Control> controlsOf(QWidget *widget)
{
    QVector<Control> controls;
    collect(QAccessible::queryAccessibleInterface(widget), controls);
    return controls;
}

QStringList namesOf(const QVector<Control> &controls, QAccessible::Role role)
{
    QStringList names;
    for (const Control &control : controls) {
        if (control.role == role)
            names << control.name;
    }
    return names;
}

// No control a user can reach is silent: each has a name.
void verifyAllNamed(const QVector<Control> &controls)
{
    for (const Control &control : controls) {
        if (control.name.trimmed().isEmpty())
            QFAIL(qPrintable(QStringLiteral("unnamed control %1 (role %2)")
                                 .arg(control.objectName)
                                 .arg(int(control.role))));
    }
}

QString makePhotoFile(const QTemporaryDir &dir, const QString &name)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write("not decoded in this test");
    return path;
}

using MakeDialog = std::function<QDialog *(QWidget *)>;

} // namespace

Q_DECLARE_METATYPE(MakeDialog)

class tst_Accessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void mainWindow();
    void homeTiles();
    void batchTable();
    void dialogs_data();
    void dialogs();
    void pages();
};

void tst_Accessibility::initTestCase()
{
    // The tests read the tree the bridge would read; no bus needed.
    QAccessible::setActive(true);
}

void tst_Accessibility::mainWindow()
{
    Vantrope window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&window);
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::Window);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Vantrope"));

    const QVector<Control> controls = controlsOf(&window);
    verifyAllNamed(controls);
    const QStringList buttons = namesOf(controls, QAccessible::Button);
    for (const char *name : {"Menu", "Minimize", "Close", "Convert a single photo", "Convert photos in batch"})
        QVERIFY2(buttons.contains(QLatin1String(name)), name);
    // Both tiles show "Start"; a screen reader must still tell them apart.
    QCOMPARE(buttons.count(QStringLiteral("Convert a single photo")), 1);
    QCOMPARE(buttons.count(QStringLiteral("Convert photos in batch")), 1);

    // On a page, Home is reachable and named; the start buttons are gone.
    window.slot_BatchPhotoView();
    const QStringList onPage = namesOf(controlsOf(&window), QAccessible::Button);
    QVERIFY(onPage.contains(QStringLiteral("Home")));
    QVERIFY(onPage.contains(QStringLiteral("Select Files")));
    QVERIFY(!onPage.contains(QStringLiteral("Convert photos in batch")));
}

// Each home tile reads as one group named by its title and described by its
// description, holding its Start button; nothing else of the home view is
// heard, so a screen reader says each text once.
void tst_Accessibility::homeTiles()
{
    Vantrope window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget *home = window.findChild<QWidget *>("widget_Main");
    QVERIFY(home);

    struct Node {
        QAccessible::Role role;
        QString name;
        QString description;
        QStringList children;
    };
    QVector<Node> heard;
    std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *iface) {
        if (!iface || iface->state().invisible)
            return;
        const QString name = iface->text(QAccessible::Name);
        if (!name.isEmpty() || !iface->text(QAccessible::Description).isEmpty()) {
            Node node{iface->role(), name, iface->text(QAccessible::Description), {}};
            for (int i = 0; i < iface->childCount(); ++i)
                node.children << iface->child(i)->text(QAccessible::Name);
            heard.append(node);
        }
        for (int i = 0; i < iface->childCount(); ++i)
            walk(iface->child(i));
    };
    QAccessibleInterface *view = QAccessible::queryAccessibleInterface(home);
    for (int i = 0; i < view->childCount(); ++i)
        walk(view->child(i));

    QStringList names;
    for (const Node &node : heard)
        names << node.name;
    QCOMPARE(names, QStringList({"Single Photo", "Convert a single photo", "Batch Convert",
                                 "Convert photos in batch"}));
    const struct {
        int index;
        const char *description;
        const char *button;
    } tiles[] = {{0, "Preview one photo, check its details and convert it.", "Convert a single photo"},
                 {2, "Gather many photos and convert them all at once.", "Convert photos in batch"}};
    for (const auto &tile : tiles) {
        const Node &group = heard.at(tile.index);
        QCOMPARE(group.role, QAccessible::Grouping);
        QCOMPARE(group.description, QString::fromLatin1(tile.description));
        QCOMPARE(group.children, QStringList{QString::fromLatin1(tile.button)});
        QCOMPARE(heard.at(tile.index + 1).role, QAccessible::Button);
    }
}

void tst_Accessibility::batchTable()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QVector<QString> files = {makePhotoFile(dir, "IMG_0001.HEIC"), makePhotoFile(dir, "beach day.heic")};

    HeicFileTable page;
    page.addFiles(files);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    const QVector<Control> controls = controlsOf(&page);
    verifyAllNamed(controls);
    QVERIFY(namesOf(controls, QAccessible::CheckBox).contains(QStringLiteral("Select all photos")));
    for (const char *name : {"Add", "Delete", "Clear", "Convert"})
        QVERIFY2(namesOf(controls, QAccessible::Button).contains(QLatin1String(name)), name);

    // The table: named, its rows named by their photos, its cells readable.
    auto *table = page.findChild<QTableWidget *>("tableWidget");
    QVERIFY(table);
    QAccessibleInterface *tableIface = QAccessible::queryAccessibleInterface(table);
    QVERIFY(tableIface && tableIface->tableInterface());
    QCOMPARE(tableIface->role(), QAccessible::Table);
    QCOMPARE(tableIface->text(QAccessible::Name), QStringLiteral("Photos"));
    QAccessibleTableInterface *grid = tableIface->tableInterface();
    QCOMPARE(grid->rowCount(), 2);
    QStringList rowNames;
    for (int row = 0; row < grid->rowCount(); ++row) {
        rowNames << grid->rowDescription(row);
        QAccessibleInterface *nameCell = grid->cellAt(row, 1);
        QVERIFY(nameCell);
        QCOMPARE(nameCell->text(QAccessible::Name), grid->rowDescription(row));
    }
    rowNames.sort();
    QCOMPARE(rowNames, QStringList({"IMG_0001.HEIC", "beach day.heic"}));

    // A row's check box sits in the table as a cell widget, outside the
    // table's tree of cells: a screen reader meets it when it takes the
    // focus, and reads it by its photo and its state.
    QStringList boxNames;
    QCheckBox *first = nullptr;
    for (QCheckBox *box : table->viewport()->findChildren<QCheckBox *>()) {
        QAccessibleInterface *boxIface = QAccessible::queryAccessibleInterface(box);
        QCOMPARE(boxIface->role(), QAccessible::CheckBox);
        QVERIFY(!boxIface->text(QAccessible::Description).isEmpty());
        boxNames << boxIface->text(QAccessible::Name);
        if (boxNames.last() == QLatin1String("IMG_0001.HEIC"))
            first = box;
    }
    boxNames.sort();
    QCOMPARE(boxNames, QStringList({"IMG_0001.HEIC", "beach day.heic"}));
    QVERIFY(first);
    QVERIFY(!QAccessible::queryAccessibleInterface(first)->state().checked);
    first->click();
    QVERIFY(QAccessible::queryAccessibleInterface(first)->state().checked);
}

void tst_Accessibility::dialogs_data()
{
    QTest::addColumn<MakeDialog>("make");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("announced"); // the description, for dialogs that ask or tell

    using Make = MakeDialog;
    QTest::newRow("settings") << Make([](QWidget *p) { return new ConvertsionSet(p); })
                              << QStringLiteral("Conversion Settings") << QString();
    QTest::newRow("progress") << Make([](QWidget *p) { return new BatchConvertProgress(p); })
                              << QStringLiteral("Converting Photos") << QString();
    QTest::newRow("quit question") << Make([](QWidget *p) {
        auto *tip = new TipDialog(p);
        tip->setQuitConfirmMode();
        return tip;
    }) << QStringLiteral("Attention") << QStringLiteral("Are you sure to quit the program?");
    QTest::newRow("cancelled notice") << Make([](QWidget *p) {
        auto *tip = new TipDialog(p);
        tip->setCancelledMode();
        tip->setConvertedCount(3);
        return tip;
    }) << QStringLiteral("Attention")
       << QStringLiteral("Conversion Cancelled! 3 files have been successfully converted.");
    QTest::newRow("photo info") << Make([](QWidget *p) { return new PhotoInfo(p); })
                                << QStringLiteral("Photo Info") << QString();
    QTest::newRow("single done") << Make([](QWidget *p) { return new SingleConverting(p); })
                                 << QStringLiteral("Converting Photo") << QString();
    QTest::newRow("about") << Make([](QWidget *p) { return new ZoAbout(p); }) << QStringLiteral("About")
                           << QString();
    QTest::newRow("message") << Make([](QWidget *p) {
        return new ZoMessageBox("IMG_7.jpg could not be saved.", "Attention", ZoMessageBox::Ok, p);
    }) << QStringLiteral("Attention") << QStringLiteral("IMG_7.jpg could not be saved.");
}

void tst_Accessibility::dialogs()
{
    QFETCH(MakeDialog, make);
    QFETCH(QString, title);
    QFETCH(QString, announced);

    QWidget owner;
    std::unique_ptr<QDialog> dialog(make(&owner));
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));

    // The window list and the screen reader show the dialog's caption, not
    // its class name.
    QCOMPARE(dialog->windowTitle(), title);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(dialog.get());
    QCOMPARE(iface->role(), QAccessible::Dialog);
    QCOMPARE(iface->text(QAccessible::Name), title);
    if (!announced.isEmpty())
        QCOMPARE(iface->text(QAccessible::Description), announced);

    const QVector<Control> controls = controlsOf(dialog.get());
    verifyAllNamed(controls);
    QVERIFY(namesOf(controls, QAccessible::Button).contains(QStringLiteral("Close")));
}

void tst_Accessibility::pages()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    PreviewHEIC preview(makePhotoFile(dir, "IMG_0002.HEIC"));
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    const QVector<Control> previewControls = controlsOf(&preview);
    verifyAllNamed(previewControls);
    auto *slider = preview.findChild<QSlider *>("Slider_PhotoQuality");
    QAccessibleInterface *sliderIface = QAccessible::queryAccessibleInterface(slider);
    QCOMPARE(sliderIface->role(), QAccessible::Slider);
    QCOMPARE(sliderIface->text(QAccessible::Name), QStringLiteral("Photo quality"));
    QVERIFY(sliderIface->valueInterface());
    QCOMPARE(sliderIface->valueInterface()->currentValue().toInt(), 100);
    for (const char *name : {"Photo Info", "Select Folder", "Convert"})
        QVERIFY2(namesOf(previewControls, QAccessible::Button).contains(QLatin1String(name)), name);

    SingalConverterHome single;
    single.setMultiFileMode(false);
    single.show();
    QVERIFY(QTest::qWaitForWindowExposed(&single));
    const QVector<Control> singleControls = controlsOf(&single);
    verifyAllNamed(singleControls);
    QCOMPARE(namesOf(singleControls, QAccessible::Button), QStringList({"Select A File"}));
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
