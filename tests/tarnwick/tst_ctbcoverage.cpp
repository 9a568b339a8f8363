// findUnwrittenBlocks (tarnwick/src/ctbcoverage.h) on planes built here:
// which 16x16 blocks count as never written, and that plane descriptions
// which do not fit their memory are refused without reading.
#include "ctbcoverage.h"

#include <QtTest>

#include <vector>

namespace {

constexpr uint8_t kFill = 0x01;

struct Write {
    int plane, x, y;
    uint16_t value;
};
using Writes = std::vector<Write>;

// Planes of a coded picture filled with kFill, rows padded past their width
// so that the stride matters.
struct Planes {
    std::vector<uint8_t> memory[3];
    tarnwick::FilledPicture picture;

    Planes(int width, int height, const QString &format, int sampleBytes)
    {
        picture.planeCount = format == "mono" ? 1 : 3;
        picture.chromaShiftX = format == "420" || format == "422" ? 1 : 0;
        picture.chromaShiftY = format == "420" ? 1 : 0;
        for (int c = 0; c < picture.planeCount; ++c) {
            tarnwick::FilledPlane &p = picture.planes[c];
            p.width = c == 0 ? width : width >> picture.chromaShiftX;
            p.height = c == 0 ? height : height >> picture.chromaShiftY;
            p.sampleBytes = sampleBytes;
            p.strideBytes = size_t(p.width + 5) * size_t(sampleBytes);
            memory[c].assign(p.strideBytes * size_t(p.height), kFill);
            p.memory = memory[c].data();
            p.bytes = memory[c].size();
        }
    }

    void write(const Write &w)
    {
        const tarnwick::FilledPlane &p = picture.planes[w.plane];
        uint8_t *sample = memory[w.plane].data() + size_t(w.y) * p.strideBytes + size_t(w.x) * size_t(p.sampleBytes);
        sample[0] = uint8_t(w.value);
        if (p.sampleBytes == 2)
            sample[1] = uint8_t(w.value >> 8);
    }
};

// Block flags as rows of '0' (written) and '1' (unwritten) joined by '/'.
QString drawn(const std::vector<uint8_t> &blocks, int columns)
{
    QString s;
    for (size_t i = 0; i < blocks.size(); ++i) {
        if (i > 0 && i % size_t(columns) == 0)
            s += '/';
        s += blocks[i] ? '1' : '0';
    }
    return s;
}

} // namespace

Q_DECLARE_METATYPE(Writes)

class TestCtbCoverage : public QObject {
    Q_OBJECT

private slots:
    void blocksNeverWrittenAreFound_data();
    void blocksNeverWrittenAreFound();
    void planesOutsideTheirMemoryAreRefused_data();
    void planesOutsideTheirMemoryAreRefused();
};

void TestCtbCoverage::blocksNeverWrittenAreFound_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("sampleBytes");
    QTest::addColumn<Writes>("writes");
    QTest::addColumn<QString>("expected");

    // 48x48: the middle block shares all four sides with other blocks.
    QTest::newRow("nothing written") << 48 << 48 << "420" << 1 << Writes{} << "111/111/111";
    QTest::newRow("luma just inside the middle block's reach")
        << 48 << 48 << "420" << 1 << Writes{{0, 19, 28, 0x80}} << "111/101/111";
    QTest::newRow("luma within 3 of the middle block's sides")
        << 48 << 48 << "420" << 1
        << Writes{{0, 16, 20, 0x80}, {0, 18, 20, 0x80}, {0, 29, 20, 0x80}, {0, 31, 20, 0x80},
                  {0, 20, 16, 0x80}, {0, 20, 18, 0x80}, {0, 20, 29, 0x80}, {0, 20, 31, 0x80}}
        << "111/111/111";
    QTest::newRow("chroma within 1 of the middle block's sides")
        << 48 << 48 << "420" << 1 << Writes{{1, 8, 10, 0x80}, {2, 15, 10, 0x80}, {2, 10, 8, 0x80}, {1, 10, 15, 0x80}}
        << "111/111/111";
    QTest::newRow("chroma past that") << 48 << 48 << "420" << 1 << Writes{{2, 9, 14, 0x80}} << "111/101/111";
    QTest::newRow("the picture's own edges are judged to the edge")
        << 48 << 48 << "420" << 1 << Writes{{0, 0, 0, 0x80}, {0, 47, 47, 0x80}} << "011/111/110";
    // 40x24: the last column of blocks is 8 wide, the last row 8 high.
    QTest::newRow("a cut-short block, written at its picture corner")
        << 40 << 24 << "420" << 1 << Writes{{0, 39, 23, 0x80}} << "111/110";
    QTest::newRow("a cut-short block, written only within reach of its inner side")
        << 40 << 24 << "420" << 1 << Writes{{0, 34, 20, 0x80}, {0, 36, 18, 0x80}} << "111/111";
    QTest::newRow("a sliver too narrow to judge counts as unwritten")
        << 18 << 16 << "mono" << 1 << Writes{{0, 17, 4, 0x80}} << "11";
    QTest::newRow("monochrome") << 32 << 32 << "mono" << 1 << Writes{{0, 5, 5, 0x80}} << "01/11";
    QTest::newRow("4:2:2 chroma has half the columns and every row")
        << 32 << 32 << "422" << 1 << Writes{{1, 12, 20, 0x80}, {2, 4, 16, 0x80}} << "11/10";
    QTest::newRow("4:4:4 chroma, one sample past the reach")
        << 32 << 32 << "444" << 1 << Writes{{2, 17, 17, 0x80}, {1, 16, 4, 0x80}} << "11/10";
    QTest::newRow("two-byte samples: one byte equal to the fill, the other not")
        << 32 << 32 << "420" << 2 << Writes{{0, 20, 20, 0x0201}, {0, 5, 5, 0x0101}} << "11/10";
}

void TestCtbCoverage::blocksNeverWrittenAreFound()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QString, format);
    QFETCH(int, sampleBytes);
    QFETCH(Writes, writes);
    QFETCH(QString, expected);
    Planes planes(width, height, format, sampleBytes);
    for (const Write &w : writes)
        planes.write(w);
    std::vector<uint8_t> blocks;
    QVERIFY(tarnwick::findUnwrittenBlocks(planes.picture, kFill, blocks));
    QCOMPARE(drawn(blocks, (width + 15) / 16), expected);
}

void TestCtbCoverage::planesOutsideTheirMemoryAreRefused_data()
{
    QTest::addColumn<int>("damage");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("exactly fits: the last row ends the memory") << 0 << true;
    QTest::newRow("one byte short") << 1 << false;
    QTest::newRow("no memory") << 2 << false;
    QTest::newRow("stride shorter than a row") << 3 << false;
    QTest::newRow("three-byte samples") << 4 << false;
    QTest::newRow("two planes") << 5 << false;
    QTest::newRow("chroma a quarter of the width") << 6 << false;
}

void TestCtbCoverage::planesOutsideTheirMemoryAreRefused()
{
    QFETCH(int, damage);
    QFETCH(bool, accepted);
    Planes planes(32, 32, "420", 2);
    tarnwick::FilledPicture &picture = planes.picture;
    tarnwick::FilledPlane &cr = picture.planes[2];
    // The last row needs no stride padding after it.
    cr.bytes = cr.strideBytes * size_t(cr.height - 1) + size_t(cr.width) * 2;
    switch (damage) {
    case 1:
        --cr.bytes;
        break;
    case 2:
        cr.memory = nullptr;
        break;
    case 3:
        cr.strideBytes = size_t(cr.width) * 2 - 1;
        break;
    case 4:
        cr.sampleBytes = 3;
        break;
    case 5:
        picture.planeCount = 2;
        break;
    case 6:
        picture.chromaShiftX = 2;
        break;
    }
    std::vector<uint8_t> blocks{1, 2, 3};
    QCOMPARE(tarnwick::findUnwrittenBlocks(picture, kFill, blocks), accepted);
    QCOMPARE(blocks.size(), accepted ? size_t(4) : size_t(0));
}

QTEST_GUILESS_MAIN(TestCtbCoverage)
#include "tst_ctbcoverage.moc"
