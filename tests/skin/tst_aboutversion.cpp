// The About dialog and the version lookup behind it. This test executable
// carries the program's version block, so it sees the version the About dialog
// of the program would show.

#include <QCoreApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

#include "AboutDlg.h"
#include "ZoAbout.h"
#include "ZoProduct.h"
#include "ZoStyleWidgetTitle.h"
#include "versionblock.h"

namespace {

void put(std::vector<uint8_t> &b, size_t at, uint64_t v, int size)
{
    for (int i = 0; i < size; ++i)
        b[at + i] = uint8_t(v >> (8 * i));
}

// A minimal 64-bit little-endian ELF file whose only sections are the name
// table and, when `withSection`, a section of that name holding `contents`.
std::vector<uint8_t> elfFile(const std::string &sectionName, const std::vector<uint8_t> &contents,
                             bool withSection = true)
{
    std::string names("\0.shstrtab\0", 11);
    const size_t nameOffset = names.size();
    names += sectionName;
    names += '\0';

    std::vector<uint8_t> b(64, 0);
    const size_t namesAt = b.size();
    b.resize(namesAt + names.size());
    std::memcpy(b.data() + namesAt, names.data(), names.size());
    while (b.size() % 4)
        b.push_back(0);
    const size_t dataAt = b.size();
    b.insert(b.end(), contents.begin(), contents.end());
    while (b.size() % 8)
        b.push_back(0);
    const size_t shoff = b.size();
    const int count = withSection ? 3 : 2;
    b.resize(b.size() + 64 * count, 0);

    std::memcpy(b.data(), "\x7f" "ELF\x02\x01\x01", 7);
    put(b, 0x10, 2, 2);        // ET_EXEC
    put(b, 0x12, 62, 2);       // x86-64
    put(b, 0x14, 1, 4);
    put(b, 0x28, shoff, 8);
    put(b, 0x34, 64, 2);       // header size
    put(b, 0x3a, 64, 2);       // section header size
    put(b, 0x3c, count, 2);
    put(b, 0x3e, 1, 2);        // names are section 1
    const size_t names1 = shoff + 64;
    put(b, names1 + 0, 1, 4);
    put(b, names1 + 4, 3, 4);  // SHT_STRTAB
    put(b, names1 + 0x18, namesAt, 8);
    put(b, names1 + 0x20, names.size(), 8);
    if (withSection) {
        const size_t s = shoff + 128;
        put(b, s + 0, nameOffset, 4);
        put(b, s + 4, 1, 4);   // SHT_PROGBITS
        put(b, s + 0x18, dataAt, 8);
        put(b, s + 0x20, contents.size(), 8);
    }
    return b;
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const std::vector<uint8_t> &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(reinterpret_cast<const char *>(bytes.data()), qint64(bytes.size()));
    return path;
}

VersionBlock::Contents contentsWith(uint16_t language, uint16_t codePage, const std::string &fileVersion)
{
    VersionBlock::Contents contents;
    contents.translations = {{language, codePage}};
    contents.strings = {{"CompanyName", "Quorvix"}, {"FileVersion", fileVersion}};
    return contents;
}

} // namespace

class TestAboutVersion : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;

private slots:
    void translationCode_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("codePage");
        QTest::addColumn<QString>("code");
        QTest::newRow("U.S. English, Unicode") << 0x0409 << 0x04b0 << "040904b0";
        QTest::newRow("German, Western") << 0x0007 << 0x04e4 << "000704e4";
        QTest::newRow("all digits") << 0xabcd << 0xffff << "abcdffff";
        QTest::newRow("zero") << 0 << 0 << "00000000";
    }

    void translationCode()
    {
        QFETCH(int, language);
        QFETCH(int, codePage);
        QFETCH(QString, code);
        QCOMPARE(AboutDlg::translationCode(quint16(language), quint16(codePage)), code);
    }

    void versionFromBlockUnderFirstTranslation_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("codePage");
        QTest::newRow("040904b0") << 0x0409 << 0x04b0;
        QTest::newRow("000704e4") << 0x0007 << 0x04e4;
    }

    void versionFromBlockUnderFirstTranslation()
    {
        QFETCH(int, language);
        QFETCH(int, codePage);
        VersionBlock::Contents contents = contentsWith(uint16_t(language), uint16_t(codePage), "3.2.1.7");
        // A second translation does not change which table is read.
        contents.translations.push_back({0x0411, 0x03a4});
        const QString path = writeFile(dir, QStringLiteral("versioned"),
                                       elfFile(VersionBlock::sectionName, VersionBlock::build(contents)));
        QCOMPARE(AboutDlg::readFileVersion(path), QStringLiteral("3.2.1.7"));
    }

    void missingOrBrokenVersionGivesEmptyText_data()
    {
        QTest::addColumn<QString>("path");
        VersionBlock::Contents noFileVersion = contentsWith(0x0409, 0x04b0, "1.0");
        noFileVersion.strings = {{"CompanyName", "Quorvix"}};
        VersionBlock::Contents noTranslation = contentsWith(0x0409, 0x04b0, "1.0");
        noTranslation.translations.clear();
        std::vector<uint8_t> lyingLength = VersionBlock::build(contentsWith(0x0409, 0x04b0, "1.0"));
        lyingLength[0] = 0xff;
        lyingLength[1] = 0xff;

        QTest::newRow("no such file") << dir.filePath("absent");
        QTest::newRow("not an ELF file") << writeFile(dir, "text", {'h', 'e', 'l', 'l', 'o'});
        QTest::newRow("ELF without a version section")
            << writeFile(dir, "plain", elfFile(VersionBlock::sectionName, {}, false));
        QTest::newRow("no FileVersion string")
            << writeFile(dir, "nofv", elfFile(VersionBlock::sectionName, VersionBlock::build(noFileVersion)));
        QTest::newRow("empty translation table")
            << writeFile(dir, "notr", elfFile(VersionBlock::sectionName, VersionBlock::build(noTranslation)));
        QTest::newRow("block longer than its section")
            << writeFile(dir, "long", elfFile(VersionBlock::sectionName, lyingLength));
    }

    void missingOrBrokenVersionGivesEmptyText()
    {
        QFETCH(QString, path);
        QVERIFY(!path.isEmpty() || QTest::currentDataTag() == QByteArray("no such file"));
        QCOMPARE(AboutDlg::readFileVersion(path), QString());
    }

    void stringTableUnderOtherCodeIsNotUsed()
    {
        // The table is keyed 040904b0 but the first translation says 000704e4.
        VersionBlock::Contents contents = contentsWith(0x0409, 0x04b0, "9.9");
        std::vector<uint8_t> block = VersionBlock::build(contents);
        const std::vector<uint8_t> tail = {0x09, 0x04, 0xb0, 0x04};
        auto at = std::search(block.end() - 8, block.end(), tail.begin(), tail.end());
        QVERIFY(at != block.end());
        at[0] = 0x07; at[1] = 0x00; at[2] = 0xe4; at[3] = 0x04;
        const QString path = writeFile(dir, "mismatch", elfFile(VersionBlock::sectionName, block));
        QCOMPARE(AboutDlg::readFileVersion(path), QString());
    }

    void aboutDialogShowsThisExecutablesVersion()
    {
        QCOMPARE(AboutDlg::readFileVersion(QCoreApplication::applicationFilePath()), QStringLiteral("1.0.0"));
        // The product's words are the application's, handed in.
        ZoProduct product;
        product.name = "Test Product";
        product.company = "Test Maker";
        ZoProduct::set(product);
        ZoAbout about;
        QCOMPARE(about.size(), QSize(625, 460));
        QCOMPARE(about.minimumSize(), about.maximumSize());
        QCOMPARE(about.findChild<QLabel *>("LabelVersionText")->text(), QStringLiteral("1.0.0"));
        QCOMPARE(about.findChild<QLabel *>("LabelNameText")->text(), QStringLiteral("Test Product"));
        QCOMPARE(about.findChild<QLabel *>("LabelQuorvixName")->text(), QStringLiteral("Test Product"));
        QCOMPARE(about.findChild<QLabel *>("LabelCompanyText")->text(), QStringLiteral("Test Maker"));
        QCOMPARE(about.findChild<QLabel *>("titleLabel")->text(), QStringLiteral("About"));
        QVERIFY(!about.findChild<QLabel *>("label_logo_img")->pixmap(Qt::ReturnByValue).isNull());

        // Re-applying the texts keeps the version that was read.
        about.findChild<AboutDlg *>()->ZoTranslateUI();
        QCOMPARE(about.findChild<QLabel *>("LabelVersionText")->text(), QStringLiteral("1.0.0"));
    }

    void aboutDialogDragsByItsTitleBar()
    {
        ZoAbout about;
        about.move(50, 60);
        about.show();
        auto *title = about.findChild<ZoStyleWidgetTitle *>("widget");
        const QPoint grip = title->mapToGlobal(QPoint(100, 10));
        auto send = [&](QEvent::Type type, const QPoint &global, Qt::MouseButton b, Qt::MouseButtons bs) {
            QMouseEvent e(type, title->mapFromGlobal(global), global, b, bs, Qt::NoModifier);
            QApplication::sendEvent(title, &e);
        };
        send(QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, grip + QPoint(30, 40), Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, grip + QPoint(30, 40), Qt::LeftButton, Qt::NoButton);
        QCOMPARE(about.pos(), QPoint(80, 100));
    }
};

QTEST_MAIN(TestAboutVersion)
#include "tst_aboutversion.moc"
