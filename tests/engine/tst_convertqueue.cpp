#include "ConvertQueue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <thread>
#include <vector>

class TestConvertQueue : public QObject
{
    Q_OBJECT

private slots:
    void init() { convertQueue().clear(); convertQueue().beginBatch(); }

    void firstInFirstOutThenEmpty();
    void exitIsAnOrdinaryPath();
    void clearEmptiesTheQueue();
    void reservedNamesAreNumberedPerBatch_data();
    void reservedNamesAreNumberedPerBatch();
    void concurrentReservationsAreDistinct();
    void takeNamesQueuedFilesInOrderAroundInputs();
};

void TestConvertQueue::firstInFirstOutThenEmpty()
{
    ConvertQueue &q = convertQueue();
    QVERIFY(!q.pop());
    q.push("/a/1.HEIC");
    q.push("/a/2.HEIC");
    QCOMPARE(q.pop().value(), QString("/a/1.HEIC"));
    QCOMPARE(q.pop().value(), QString("/a/2.HEIC"));
    QVERIFY(!q.pop());
    QVERIFY(!q.pop());
}

void TestConvertQueue::exitIsAnOrdinaryPath()
{
    ConvertQueue &q = convertQueue();
    q.push("exit");
    q.push("");
    QCOMPARE(q.pop().value(), QString("exit"));
    const std::optional<QString> empty = q.pop();
    QVERIFY(empty.has_value());
    QVERIFY(empty->isEmpty());
    QVERIFY(!q.pop());
}

void TestConvertQueue::clearEmptiesTheQueue()
{
    ConvertQueue &q = convertQueue();
    for (int i = 0; i < 5; ++i)
        q.push(QString::number(i));
    q.clear();
    QVERIFY(!q.pop());
}

void TestConvertQueue::reservedNamesAreNumberedPerBatch_data()
{
    QTest::addColumn<QStringList>("wanted");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("distinct") << QStringList{"/o/a.jpg", "/o/b.jpg"} << QStringList{"/o/a.jpg", "/o/b.jpg"};
    QTest::newRow("three alike") << QStringList{"/o/IMG_1.jpg", "/o/IMG_1.jpg", "/o/IMG_1.jpg"}
                                 << QStringList{"/o/IMG_1.jpg", "/o/IMG_1 (2).jpg", "/o/IMG_1 (3).jpg"};
    QTest::newRow("numbered name taken") << QStringList{"/o/a (2).jpg", "/o/a.jpg", "/o/a.jpg"}
                                         << QStringList{"/o/a (2).jpg", "/o/a.jpg", "/o/a (3).jpg"};
    QTest::newRow("no suffix") << QStringList{"/o/exit", "/o/exit"} << QStringList{"/o/exit", "/o/exit (2)"};
    QTest::newRow("dot in folder only") << QStringList{"/o.d/x", "/o.d/x"} << QStringList{"/o.d/x", "/o.d/x (2)"};
    QTest::newRow("percent in name") << QStringList{"/o/%1%2.jpg", "/o/%1%2.jpg"}
                                     << QStringList{"/o/%1%2.jpg", "/o/%1%2 (2).jpg"};
    QTest::newRow("other folder") << QStringList{"/o/a.jpg", "/p/a.jpg"} << QStringList{"/o/a.jpg", "/p/a.jpg"};
}

void TestConvertQueue::reservedNamesAreNumberedPerBatch()
{
    QFETCH(QStringList, wanted);
    QFETCH(QStringList, expected);
    QStringList got;
    for (const QString &w : wanted)
        got << convertQueue().reserveOutputPath(w);
    QCOMPARE(got, expected);

    // A new batch may write the same names again (replacing its own earlier output).
    convertQueue().beginBatch();
    QCOMPARE(convertQueue().reserveOutputPath(wanted.first()), wanted.first());
}

void TestConvertQueue::concurrentReservationsAreDistinct()
{
    constexpr int kThreads = 4, kEach = 200;
    std::vector<QStringList> results(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&results, t] {
            for (int i = 0; i < kEach; ++i)
                results[t] << convertQueue().reserveOutputPath("/o/IMG.jpg");
        });
    for (auto &t : threads)
        t.join();
    QSet<QString> all;
    for (const QStringList &r : results)
        for (const QString &s : r)
            all.insert(s);
    QCOMPARE(all.size(), kThreads * kEach);
    QVERIFY(all.contains("/o/IMG.jpg"));
    QVERIFY(all.contains(QString("/o/IMG (%1).jpg").arg(kThreads * kEach)));
}

void TestConvertQueue::takeNamesQueuedFilesInOrderAroundInputs()
{
    // real/c.jpg is an input, named through a link to its folder; the JPEG of
    // real/c.heic must not take its name.
    QTemporaryDir dir;
    const QString real = dir.path() + "/real", alias = dir.path() + "/alias";
    QVERIFY(QDir().mkpath(real));
    QVERIFY(QFile::link(real, alias));
    for (const char *name : {"c.heic", "c.jpg"})
        QVERIFY(QFile(real + "/" + name).open(QIODevice::WriteOnly));
    ConvertQueue &q = convertQueue();
    q.push(real + "/c.heic");
    q.push(alias + "/c.jpg");
    q.push(dir.path() + "/other/c.HEIC");
    int asked = 0;
    auto wanted = [&](const ConvertQueue::Item &item) {
        ++asked;
        return real + "/" + QFileInfo(item.path).completeBaseName() + ".jpg";
    };
    QStringList outputs;
    while (std::optional<ConvertQueue::Item> item = q.take(wanted))
        outputs << item->outputPath;
    QCOMPARE(outputs, (QStringList{real + "/c (2).jpg", real + "/c (3).jpg", real + "/c (4).jpg"}));
    QCOMPARE(asked, 3); // each named once, all at the first take

    // Pushed later in the same batch: named when taken, after the others.
    q.push(dir.path() + "/late/c.heic");
    QCOMPARE(q.take(wanted)->outputPath, real + "/c (5).jpg");
}

QTEST_GUILESS_MAIN(TestConvertQueue)
#include "tst_convertqueue.moc"
