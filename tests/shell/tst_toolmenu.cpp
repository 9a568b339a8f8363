// The tool menu and its links, over the menu table file "Version.ini" that
// sits beside the running executable.
//
// The table is read from the executable's own folder, which other tests
// share; this test therefore runs from a private copy of itself (see main).
#include "Vantrope.h"
#include "ZoAbout.h"
#include "ZoStyleButton.h"
#include "desktopopener.h"
#include "shellhelpers.h"
#include "testsupport.h"

#include <QAction>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/wait.h>
#include <unistd.h>

namespace {

const char *const keys[] = {
    "QUORVIX_MENU_TUTORIAL",          "QUORVIX_MENU_FREQUENTLY_ASKED_QUESTIONS",
    "QUORVIX_MENU_WRITE_A_PRODUCT_REVIEW", "QUORVIX_MENU_CONTACT_US",
    "QUORVIX_MENU_VIEW_FACEBOOK_FAN_PAGE", "QUORVIX_MENU_FOLLOW_US_ON_TWITTER",
};
const char *const entryTexts[] = {
    "Tutorial", "Frequently Asked Questions", "Write a Product Review", "Contact Us",
    "View Facebook Fan Page", "Follow Us on Twitter",
};

QString versionIniPath()
{
    return QCoreApplication::applicationDirPath() + "/Version.ini";
}

// Writes the menu table: states and addresses by menu number 3 to 8; a
// missing number leaves its keys out. Written in UTF-16 so that any address
// survives the file's encoding.
void writeMenuTable(const QMap<int, QString> &states, const QMap<int, QString> &addresses)
{
    QString text = "[VERSION]\r\n";
    for (auto it = addresses.begin(); it != addresses.end(); ++it)
        text += QString(keys[it.key() - 3]) + "=" + it.value() + "\r\n";
    text += "[STATE]\r\n";
    for (auto it = states.begin(); it != states.end(); ++it)
        text += QString(keys[it.key() - 3]) + "=" + it.value() + "\r\n";
    QFile file(versionIniPath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QByteArray bytes("\xFF\xFE");
    for (const QChar c : text) {
        bytes += char(c.unicode() & 0xFF);
        bytes += char(c.unicode() >> 8);
    }
    file.write(bytes);
}

// The menu's entries, separators as "-".
QStringList entriesOf(QMenu *menu)
{
    QStringList entries;
    for (QAction *action : menu->actions())
        entries << (action->isSeparator() ? QString("-") : action->text());
    return entries;
}

} // namespace

class TestToolMenu : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void entriesFollowTableStates_data();
    void entriesFollowTableStates();
    void linkOpensTableAddressElseDefault_data();
    void linkOpensTableAddressElseDefault();
    void changedTableChangesAddressNotEntries();
    void aboutAndExitEntries();

private:
    QMenu *openMenu();

    QScopedPointer<Vantrope> window;
    QList<QUrl> opened;
};

void TestToolMenu::init()
{
    QFile::remove(versionIniPath());
    opened.clear();
    DesktopOpener::setOpener([this](const QUrl &url) {
        opened << url;
        return true;
    });
    window.reset(new Vantrope);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.data()));
}

void TestToolMenu::cleanup()
{
    window.reset();
    flushDeferredDeletes();
    QFile::remove(versionIniPath());
}

QMenu *TestToolMenu::openMenu()
{
    auto *menuButton = window->findChild<ZoStyleButton *>("pushButton_Menu");
    QMetaObject::invokeMethod(window.data(), "slot_AddToolMenu");
    QMenu *menu = menuButton->menu();
    if (menu)
        menu->hide();
    return menu;
}

void TestToolMenu::entriesFollowTableStates_data()
{
    QTest::addColumn<QString>("stateLine"); // states of numbers 3..8, "." for a missing key
    QTest::addColumn<QStringList>("entries");

    const QStringList all = {"Tutorial", "Frequently Asked Questions", "Write a Product Review",
                             "Contact Us", "-", "View Facebook Fan Page", "Follow Us on Twitter",
                             "-", "About", "Exit"};
    QTest::newRow("no table file") << QString() << all;
    QTest::newRow("every state 1") << QString("1 1 1 1 1 1") << all;
    QTest::newRow("keys missing") << QString(". . . . . .") << all;
    QTest::newRow("every state other than 1")
        << QString("0 2 -1 0 abc 11") << QStringList{"About", "Exit"};
    QTest::newRow("Contact Us hidden")
        << QString("1 1 1 0 1 1")
        << QStringList{"Tutorial", "Frequently Asked Questions", "Write a Product Review",
                       "View Facebook Fan Page", "Follow Us on Twitter", "-", "About", "Exit"};
    QTest::newRow("Twitter hidden")
        << QString("0 0 0 1 1 0") << QStringList{"Contact Us", "-", "View Facebook Fan Page", "About", "Exit"};
    QTest::newRow("state not a number") << QString("x 1 1 1 1 1")
        << QStringList(all.mid(1));
}

void TestToolMenu::entriesFollowTableStates()
{
    QFETCH(QString, stateLine);
    QFETCH(QStringList, entries);

    if (!stateLine.isNull()) {
        QMap<int, QString> states;
        const QStringList values = stateLine.split(' ');
        for (int n = 3; n <= 8; ++n) {
            if (values.at(n - 3) != ".")
                states[n] = values.at(n - 3);
        }
        writeMenuTable(states, {});
    }
    QMenu *menu = openMenu();
    QVERIFY(menu);
    QCOMPARE(entriesOf(menu), entries);
    if (stateLine.isNull()) {
        menu->show();
        TestSupport::saveToGallery(menu, "shell-tool-menu");
        menu->hide();
    }
}

void TestToolMenu::linkOpensTableAddressElseDefault_data()
{
    QTest::addColumn<int>("menuNumber");
    QTest::addColumn<QString>("tableAddress");
    QTest::addColumn<QString>("expected");

    for (int n = 3; n <= 8; ++n) {
        QTest::addRow("%s, default", entryTexts[n - 3])
            << n << QString() << Vantrope::defaultLinkAddress(n);
        const QString address = QString("https://example.org/link-%1?from=menu").arg(n);
        QTest::addRow("%s, table address", entryTexts[n - 3]) << n << address << address;
    }
    // Characters outside Latin-1 reach the browser unchanged.
    const QString international = QString::fromUtf8(u8"https://example.org/guía/教程");
    QTest::newRow("address beyond Latin-1") << 3 << international << international;
}

void TestToolMenu::linkOpensTableAddressElseDefault()
{
    QFETCH(int, menuNumber);
    QFETCH(QString, tableAddress);
    QFETCH(QString, expected);

    QMap<int, QString> addresses;
    if (!tableAddress.isEmpty())
        addresses[menuNumber] = tableAddress;
    writeMenuTable({}, addresses);

    QMenu *menu = openMenu();
    QVERIFY(menu);
    QAction *entry = nullptr;
    for (QAction *action : menu->actions()) {
        if (action->text() == entryTexts[menuNumber - 3])
            entry = action;
    }
    QVERIFY(entry);
    entry->trigger();
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened.first(), QUrl(expected, QUrl::TolerantMode));
    QVERIFY(opened.first().isValid());
    QVERIFY(opened.first().scheme() == "https");
}

void TestToolMenu::changedTableChangesAddressNotEntries()
{
    writeMenuTable({{3, "1"}, {4, "1"}, {5, "1"}, {6, "1"}, {7, "1"}, {8, "1"}},
                   {{3, "https://example.org/first"}});
    QMenu *menu = openMenu();
    const QStringList before = entriesOf(menu);
    QCOMPARE(before.size(), 10);

    writeMenuTable({{3, "1"}, {4, "0"}, {5, "0"}, {6, "0"}, {7, "0"}, {8, "0"}},
                   {{3, "https://example.org/second"}});
    QCOMPARE(entriesOf(openMenu()), before);
    menu->actions().first()->trigger();
    QCOMPARE(opened, QList<QUrl>{QUrl("https://example.org/second")});
}

void TestToolMenu::aboutAndExitEntries()
{
    QMenu *menu = openMenu();
    QList<QAction *> actions = menu->actions();

    auto aboutShown = whenModal<ZoAbout>([](ZoAbout *about) {
        TestSupport::saveToGallery(about, "shell-about");
        about->close();
    });
    actions.at(actions.size() - 2)->trigger();
    QVERIFY(*aboutShown);
    flushDeferredDeletes();
    QCOMPARE(window->findChildren<ZoAbout *>().size(), 0); // a local object, gone again

    auto quitAsked = whenModal<QDialog>([](QDialog *dialog) {
        dialog->findChild<QPushButton *>("pushButton_Yes")->click();
    });
    actions.last()->trigger();
    QVERIFY(*quitAsked);
    QVERIFY(!window->isVisible());
}

// Runs the tests from a private copy of this executable, with the skin and
// the decoder linked in beside it, so its "Version.ini" is its own.
int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("VANTROPE_TOOLMENU_PRIVATE_COPY")) {
        char self[4096];
        const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
        if (n <= 0)
            return 1;
        self[n] = 0;
        const std::string selfPath(self);
        const std::string selfDir = selfPath.substr(0, selfPath.rfind('/'));
        char folderTemplate[] = "/tmp/vantrope-toolmenu-XXXXXX";
        if (!mkdtemp(folderTemplate))
            return 1;
        const std::string folder(folderTemplate);
        const std::string copy = folder + "/tst_shell_toolmenu";
        const std::string command = "cp '" + selfPath + "' '" + copy + "' && ln -s '" + selfDir
            + "/Skin' '" + folder + "/Skin' && ln -s '" + selfDir + "/libTarnwick.so' '" + folder
            + "/libTarnwick.so'";
        int result = 1;
        if (std::system(command.c_str()) == 0) {
            setenv("VANTROPE_TOOLMENU_PRIVATE_COPY", "1", 1);
            const pid_t child = fork();
            if (child == 0) {
                argv[0] = const_cast<char *>(copy.c_str());
                execv(copy.c_str(), argv);
                _exit(127);
            }
            int status = 0;
            if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status))
                result = WEXITSTATUS(status);
        }
        std::system(("rm -rf '" + folder + "'").c_str());
        return result;
    }
    QApplication app(argc, argv);
    qRegisterMetaType<QVector<QString>>("QVector<QString>");
    TestToolMenu test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_toolmenu.moc"
