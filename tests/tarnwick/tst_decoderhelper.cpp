// The decoder helper process seen from the library's callers: a helper that
// crashes, hangs, exhausts its memory, breaks the protocol or is killed from
// outside costs one call; a locked-down helper that tries what it must not is
// killed; helpers are one per thread, reused and always reaped; the memory
// budget is one for all helpers.
//
// Runs with the test build of the helper (tarnwick-decoder-test, named by
// TARNWICK_HELPER), which decodes like the real one and commits the fault an
// input "TARNWICK-FAULT:<name>" asks for.
#include "Tarnwick.h"
#include "heicfixture.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <seccomp.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Bytes = std::vector<uint8_t>;

constexpr uint8_t kUnwritten = 0xA5;
constexpr size_t kGuard = 64;

struct Call {
    int32_t result = 0;
    bool writtenAnyway = false; // bytes written although nothing fitted, or past the capacity
    Bytes jpeg;
};

Call convert(const Bytes &input, int32_t capacity = -1)
{
    if (capacity < 0)
        capacity = int32_t(input.size() * 10 + 4096);
    Bytes buffer(size_t(capacity) + kGuard, kUnwritten);
    Call c;
    c.result = heif2jpg(input.data(), int32_t(input.size()), 90, buffer.data(), capacity, "temp1.hevc");
    const size_t written = c.result > 0 && c.result <= capacity ? size_t(c.result) : 0;
    for (size_t i = written; i < buffer.size(); ++i)
        c.writtenAnyway = c.writtenAnyway || buffer[i] != kUnwritten;
    c.jpeg.assign(buffer.begin(), buffer.begin() + ptrdiff_t(written));
    return c;
}

Bytes fault(const char *name)
{
    const std::string text = std::string("TARNWICK-FAULT:") + name;
    return Bytes(text.begin(), text.end());
}

const Bytes &photo()
{
    static const Bytes bytes = [] {
        HeicFixture::Options o;
        o.width = 160;
        o.height = 120;
        return HeicFixture::encode(o);
    }();
    return bytes;
}

bool isJpeg(const Bytes &b)
{
    return b.size() > 4 && b[0] == 0xFF && b[1] == 0xD8 && b[b.size() - 2] == 0xFF && b[b.size() - 1] == 0xD9;
}

struct Process {
    pid_t pid = 0;
    pid_t parent = 0;
    char state = '?';
    QByteArray name;
};

// Every process's pid, parent, state and name, from /proc.
std::vector<Process> processes()
{
    std::vector<Process> out;
    const QDir proc(QStringLiteral("/proc"));
    for (const QString &entry : proc.entryList(QDir::Dirs)) {
        bool number = false;
        const pid_t pid = pid_t(entry.toInt(&number));
        if (!number)
            continue;
        QFile stat(proc.filePath(entry + QStringLiteral("/stat")));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        const int open = line.indexOf('('), close = line.lastIndexOf(')');
        if (open < 0 || close < open)
            continue;
        const QList<QByteArray> rest = line.mid(close + 2).split(' ');
        if (rest.size() > 1)
            out.push_back({pid, pid_t(rest[1].toInt()), rest[0].isEmpty() ? '?' : rest[0][0],
                           line.mid(open + 1, close - open - 1)});
    }
    return out;
}

// This process's templates of helpers (zombies included).
std::vector<Process> templates()
{
    std::vector<Process> out;
    for (const Process &p : processes()) {
        if (p.parent == getpid() && p.name == "tarnwick-templ")
            out.push_back(p);
    }
    return out;
}

// This process's helpers (zombies included): its children whose name is the
// helper's, and its templates' children.
std::vector<pid_t> helpers()
{
    const std::vector<Process> all = processes();
    std::vector<pid_t> parents{getpid()};
    for (const Process &p : all) {
        if (p.parent == getpid() && p.name == "tarnwick-templ")
            parents.push_back(p.pid);
    }
    std::vector<pid_t> out;
    for (const Process &p : all) {
        if (std::find(parents.begin(), parents.end(), p.parent) != parents.end() && p.name.startsWith("tarnwick-dec"))
            out.push_back(p.pid);
    }
    return out;
}

// The values of /proc/PID/status lines "Name:\tvalue".
QMap<QByteArray, QByteArray> statusOf(pid_t pid)
{
    QMap<QByteArray, QByteArray> fields;
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            const int colon = line.indexOf(':');
            if (colon > 0)
                fields.insert(line.left(colon), line.mid(colon + 1).trimmed());
        }
    }
    return fields;
}

// The CPU time a process has used, in clock ticks.
long cpuTicks(pid_t pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    // utime and stime: fields 14 and 15 of the whole line.
    return fields.size() > 12 ? fields[11].toLong() + fields[12].toLong() : 0;
}

// Whether this kernel lets an unprivileged process install a seccomp filter
// (tried in a child, which then ends).
bool seccompAvailable()
{
    static const bool available = [] {
        const pid_t child = fork();
        if (child == 0) {
            scmp_filter_ctx filter = seccomp_init(SCMP_ACT_ALLOW);
            const bool ok = filter && prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 && seccomp_load(filter) == 0;
            _exit(ok ? 0 : 1);
        }
        int status = 0;
        return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }();
    return available;
}

int64_t monotonicMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return int64_t(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

} // namespace

class TestDecoderHelper : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void faultCostsOneCallAndTheNextConverts_data();
    void faultCostsOneCallAndTheNextConverts();
    void forbiddenCallKillsTheLockedDownHelper_data();
    void forbiddenCallKillsTheLockedDownHelper();
    void oneHelperPerThreadReusedAndReaped();
    void helperKilledWhileIdleIsReplacedUnnoticed();
    void helperKilledDuringABatchCostsItsPhotoOnly();
    void crasherInABatchCostsOnlyItself();
    void memoryBudgetIsSharedByAllHelpers();
    void withoutTheFilterTheHelperStillRunsApart();
    void codecMessagesAskedForPassTheFilter();
    void helpersAreForkedFromOneTemplateAndLockedDown();
    void outputRoomGrowingAndShrinkingGivesTheSameJpeg();
    void templateKilledCostsNoLaterCall();
    void helperThatDiedIsFollowedByAFreshTemplate();
};

void TestDecoderHelper::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("TARNWICK_HELPER"), "run by ctest, which names the test helper");
    QVERIFY(QFile::exists(qEnvironmentVariable("TARNWICK_HELPER")));
    QVERIFY(!photo().empty());
    QVERIFY(isJpeg(convert(photo()).jpeg));
}

void TestDecoderHelper::faultCostsOneCallAndTheNextConverts_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("alsoFine");
    QTest::newRow("segfault") << QByteArray("segv") << int(TARNWICK_ERR_DECODER_CRASHED) << 0;
    QTest::newRow("abort") << QByteArray("abort") << int(TARNWICK_ERR_DECODER_CRASHED) << 0;
    QTest::newRow("endless loop") << QByteArray("loop") << int(TARNWICK_ERR_TIMEOUT) << 0;
    // The memory limit turns the allocation down (or kills the helper).
    QTest::newRow("endless allocation") << QByteArray("allocate") << int(TARNWICK_ERR_NO_MEMORY)
                                        << int(TARNWICK_ERR_DECODER_CRASHED);
    QTest::newRow("protocol break") << QByteArray("garbage") << int(TARNWICK_ERR_DECODER_CRASHED) << 0;
}

void TestDecoderHelper::faultCostsOneCallAndTheNextConverts()
{
    QFETCH(QByteArray, name);
    QFETCH(int, expected);
    QFETCH(int, alsoFine);
    const Call faulted = convert(fault(name.constData()));
    QVERIFY2(faulted.result == expected || (alsoFine != 0 && faulted.result == alsoFine),
             tarnwick_error_text(faulted.result));
    QVERIFY(!faulted.writtenAnyway);
    const Call next = convert(photo());
    QVERIFY2(next.result > 0, tarnwick_error_text(next.result));
    QVERIFY(isJpeg(next.jpeg));
    QVERIFY(!next.writtenAnyway);
}

void TestDecoderHelper::forbiddenCallKillsTheLockedDownHelper_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("open a file") << QByteArray("open");
    QTest::newRow("connect a socket") << QByteArray("socket");
    QTest::newRow("start a program") << QByteArray("exec");
    QTest::newRow("start a process") << QByteArray("fork");
    QTest::newRow("trace the library") << QByteArray("ptrace");
    QTest::newRow("signal the library") << QByteArray("kill");
}

// A forbidden call that came back (allowed, or refused with an error) makes
// the test helper answer TARNWICK_ERR_INTERNAL; only the filter's kill gives
// TARNWICK_ERR_DECODER_CRASHED.
void TestDecoderHelper::forbiddenCallKillsTheLockedDownHelper()
{
    if (!seccompAvailable())
        QSKIP("seccomp filters are not available here (kernel or container): the helper runs unfiltered");
    QFETCH(QByteArray, name);
    // The trigger itself works and a harmless input passes the filter.
    QCOMPARE(convert(fault("none")).result, int32_t(TARNWICK_ERR_NOT_HEIF));
    QCOMPARE(convert(fault(name.constData())).result, int32_t(TARNWICK_ERR_DECODER_CRASHED));
    QVERIFY(isJpeg(convert(photo()).jpeg));
}

void TestDecoderHelper::oneHelperPerThreadReusedAndReaped()
{
    QVERIFY(helpers().size() == 1); // this thread's, from the calls before
    std::vector<std::vector<pid_t>> seen(3);
    std::atomic<bool> go{false};
    std::atomic<int> converted{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 3; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < 3; ++i) {
                converted += isJpeg(convert(photo()).jpeg) ? 1 : 0;
                seen[size_t(t)] = helpers();
            }
        });
    }
    for (std::thread &t : threads)
        t.join();
    QCOMPARE(converted.load(), 9);
    // Each thread saw at most four helpers (its own, this thread's, the
    // others'), never one per call.
    for (const std::vector<pid_t> &s : seen)
        QVERIFY(s.size() >= 2 && s.size() <= 4);
    // The threads' helpers are gone, reaped: no zombie is left either.
    QCOMPARE(helpers().size(), size_t(1));
}

void TestDecoderHelper::helperKilledWhileIdleIsReplacedUnnoticed()
{
    // Only this thread's helper is left once the other thread has ended.
    const std::vector<pid_t> mine = helpers();
    QCOMPARE(mine.size(), size_t(1));
    QCOMPARE(kill(mine[0], SIGKILL), 0);
    // The next call finds it gone before handing it the photo.
    const Call c = convert(photo());
    QVERIFY2(c.result > 0, tarnwick_error_text(c.result));
    QVERIFY(isJpeg(c.jpeg));
}

// One thread's helper is killed from outside while it works (on an input that
// would keep it busy until the wall-clock limit); the other threads' photos
// all convert, and the killed one's thread converts its next photo.
void TestDecoderHelper::helperKilledDuringABatchCostsItsPhotoOnly()
{
    const std::vector<pid_t> before = helpers();
    std::atomic<int32_t> killedResult{0};
    std::atomic<bool> killedThreadNextConverted{false};
    std::thread victim([&] {
        killedResult = convert(fault("loop")).result;
        killedThreadNextConverted = isJpeg(convert(photo()).jpeg);
    });
    // The victim's helper, once it is in its loop: starting takes far less
    // CPU time than this.
    const long busy = sysconf(_SC_CLK_TCK) / 4;
    pid_t target = 0;
    for (int i = 0; i < 1000 && target == 0; ++i) {
        for (pid_t pid : helpers()) {
            if (std::find(before.begin(), before.end(), pid) == before.end() && cpuTicks(pid) >= busy)
                target = pid;
        }
        if (target == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    QVERIFY2(target != 0, "the busy helper did not show");

    std::atomic<int> converted{0}, failed{0};
    std::atomic<bool> stop{false};
    std::vector<std::thread> batch;
    for (int t = 0; t < 3; ++t) {
        batch.emplace_back([&] {
            // At least four photos each, and on until the kill is done.
            for (int i = 0; i < 4 || !stop; ++i) {
                if (isJpeg(convert(photo()).jpeg))
                    ++converted;
                else
                    ++failed;
            }
        });
    }
    while (converted.load() < 3)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    QCOMPARE(kill(target, SIGKILL), 0);
    stop = true;
    victim.join();
    for (std::thread &t : batch)
        t.join();
    QCOMPARE(killedResult.load(), int32_t(TARNWICK_ERR_DECODER_CRASHED));
    QVERIFY(killedThreadNextConverted.load());
    QCOMPARE(failed.load(), 0);
    QVERIFY(converted.load() >= 12);
}

void TestDecoderHelper::crasherInABatchCostsOnlyItself()
{
    QFile file(QStringLiteral(TARNWICK_CRASHERS_DIR "/libheif-unci-cmpd-index-oob.heic"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    const Bytes crasher(data.begin(), data.end());
    std::vector<Bytes> inputs(8, photo());
    inputs[3] = crasher;
    std::vector<Call> results(inputs.size());
    std::vector<std::thread> workers;
    std::atomic<size_t> next{0};
    for (int t = 0; t < 4; ++t) {
        workers.emplace_back([&] {
            for (size_t i; (i = next++) < inputs.size();)
                results[i] = convert(inputs[i]);
        });
    }
    for (std::thread &t : workers)
        t.join();
    for (size_t i = 0; i < inputs.size(); ++i) {
        if (i == 3) {
            QVERIFY2(results[i].result < 0, "the crasher converted");
            QVERIFY(!results[i].writtenAnyway);
        } else {
            QVERIFY2(isJpeg(results[i].jpeg), tarnwick_error_text(results[i].result));
        }
    }
}

// Two helpers each asking for the whole budget: the second is granted it only
// after the first has given it back. The test helper's "hold" answers with
// the CLOCK_MONOTONIC millisecond (modulo 2^30) its reservation was granted
// and holds it 300 ms.
void TestDecoderHelper::memoryBudgetIsSharedByAllHelpers()
{
    struct Hold {
        int64_t granted = 0, returned = 0;
    };
    Hold holds[2];
    std::vector<std::thread> threads;
    for (Hold &h : holds) {
        threads.emplace_back([&h] {
            const int32_t result = convert(fault("hold")).result;
            h.returned = monotonicMs() % (int64_t(1) << 30);
            h.granted = result;
        });
    }
    for (std::thread &t : threads)
        t.join();
    QVERIFY(holds[0].granted > 0 && holds[1].granted > 0);
    const Hold &first = holds[0].granted <= holds[1].granted ? holds[0] : holds[1];
    const Hold &second = &first == &holds[0] ? holds[1] : holds[0];
    // The first holds it 300 ms from its grant (millisecond clock: one off).
    QVERIFY2(second.granted >= first.granted + 299,
             qPrintable(QString("granted at %1 and %2, first returned at %3")
                            .arg(first.granted)
                            .arg(second.granted)
                            .arg(first.returned)));
}

void TestDecoderHelper::withoutTheFilterTheHelperStillRunsApart()
{
    qputenv("TARNWICK_TEST_NO_FILTER", "1");
    std::fflush(stderr);
    FILE *capture = std::tmpfile();
    QVERIFY(capture);
    const int saved = dup(STDERR_FILENO);
    dup2(fileno(capture), STDERR_FILENO);
    int32_t open = 0, allocate = 0;
    bool converted = false;
    // Fresh threads, fresh helpers, started without the filter.
    for (int i = 0; i < 2; ++i) {
        std::thread([&] {
            open = convert(fault("open")).result;
            allocate = convert(fault("allocate")).result;
            converted = isJpeg(convert(photo()).jpeg);
        }).join();
    }
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    qunsetenv("TARNWICK_TEST_NO_FILTER");
    std::rewind(capture);
    char text[1000] = {};
    const size_t n = std::fread(text, 1, sizeof text - 1, capture);
    std::fclose(capture);
    const QStringList lines = QString::fromLocal8Bit(text, int(n)).split('\n', Qt::SkipEmptyParts);

    QCOMPARE(open, int32_t(TARNWICK_ERR_INTERNAL)); // came back: no filter
    QCOMPARE(allocate, int32_t(TARNWICK_ERR_NO_MEMORY)); // the limit holds
    QVERIFY(converted);
    if (!seccompAvailable())
        QSKIP("without seccomp here the line was said at the first call already");
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines[0].contains("seccomp"), qPrintable(lines[0]));
}

// With TARNWICK_CODEC_LOG the helper keeps stderr, and libavcodec's
// messages about a damaged stream (which first ask whether stderr is a
// terminal) must not be taken for a forbidden call.
void TestDecoderHelper::codecMessagesAskedForPassTheFilter()
{
    QFile file(QStringLiteral(TARNWICK_CRASHERS_DIR "/damaged-10bit-stale-pixels-2.heif"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    const Bytes damaged(data.begin(), data.end());
    const int32_t quiet = convert(damaged).result;
    QVERIFY(quiet < 0 && quiet != TARNWICK_ERR_DECODER_CRASHED);

    qputenv("TARNWICK_CODEC_LOG", "1");
    std::fflush(stderr);
    FILE *capture = std::tmpfile();
    QVERIFY(capture);
    const int saved = dup(STDERR_FILENO);
    dup2(fileno(capture), STDERR_FILENO);
    int32_t logged = 0;
    std::thread([&] { logged = convert(damaged).result; }).join();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    std::fclose(capture);
    qunsetenv("TARNWICK_CODEC_LOG");
    QCOMPARE(logged, quiet);
}

// The threads' helpers are forked from one template process, each locked
// down on its own: no new privileges, the filter in force, nothing open but
// its channel.
void TestDecoderHelper::helpersAreForkedFromOneTemplateAndLockedDown()
{
    QVERIFY(isJpeg(convert(photo()).jpeg));
    const std::vector<pid_t> before = helpers();
    std::atomic<bool> release{false};
    std::atomic<int> ready{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 3; ++t) {
        threads.emplace_back([&] {
            if (isJpeg(convert(photo()).jpeg))
                ++ready;
            while (!release)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
        });
    }
    while (ready.load() < 3)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    const std::vector<Process> made = templates();
    std::vector<pid_t> running;
    for (pid_t pid : helpers()) {
        if (std::find(before.begin(), before.end(), pid) == before.end())
            running.push_back(pid);
    }
    QMap<pid_t, QMap<QByteArray, QByteArray>> statuses;
    QMap<pid_t, QStringList> descriptors;
    for (pid_t pid : running) {
        statuses.insert(pid, statusOf(pid));
        descriptors.insert(pid, QDir(QStringLiteral("/proc/%1/fd").arg(pid))
                                    .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System));
    }
    release = true;
    for (std::thread &t : threads)
        t.join();

    // The three threads' helpers, all children of one template.
    QCOMPARE(running.size(), size_t(3));
    const int parent = statuses[running[0]].value("PPid").toInt();
    QVERIFY(std::any_of(made.begin(), made.end(), [&](const Process &p) { return p.pid == parent; }));
    for (pid_t pid : running) {
        const QMap<QByteArray, QByteArray> &status = statuses[pid];
        QCOMPARE(status.value("PPid").toInt(), parent);
        QCOMPARE(status.value("NoNewPrivs"), QByteArray("1"));
    }
    QCOMPARE(helpers(), before);
    if (!seccompAvailable())
        QSKIP("seccomp filters are not available here (kernel or container): the helpers run unfiltered");
    for (pid_t pid : running)
        QCOMPARE(statuses[pid].value("Seccomp"), QByteArray("2"));
    // Listing a locked-down process's descriptors takes the right to trace
    // it (root has it).
    bool listed = false;
    for (pid_t pid : running) {
        if (descriptors[pid].isEmpty())
            continue;
        listed = true;
        QCOMPARE(descriptors[pid], (QStringList{"3", "4", "5"}));
    }
    if (!listed)
        QSKIP("the helpers' descriptors cannot be listed without the right to trace them");
}

// The helper keeps its memfds mapped from call to call and maps more when a
// call needs more: room far beyond the first mapping, then less again, then
// more than the library keeps between calls, each give the same JPEG.
void TestDecoderHelper::outputRoomGrowingAndShrinkingGivesTheSameJpeg()
{
    HeicFixture::Options o;
    o.width = 640;
    o.height = 480;
    const Bytes larger = HeicFixture::encode(o);
    const std::vector<int32_t> capacities{40 << 20, 1 << 20, 70 << 20, 2 << 20};
    Call first, big, last;
    std::vector<Call> roomy;
    // A fresh thread: a fresh helper, whose first mapping is this photo's.
    std::thread([&] {
        first = convert(photo());
        for (int32_t capacity : capacities)
            roomy.push_back(convert(photo(), capacity));
        big = convert(larger);
        last = convert(photo());
    }).join();
    QVERIFY(isJpeg(first.jpeg));
    for (const Call &c : roomy) {
        QCOMPARE(c.jpeg, first.jpeg);
        QVERIFY(!c.writtenAnyway);
    }
    QVERIFY(isJpeg(big.jpeg));
    QCOMPARE(last.jpeg, first.jpeg);
}

// The template killed from outside: the helper it forked goes with it, and
// the next calls (that thread's and a new thread's) convert with helpers of
// a new template; the old one is reaped, no zombie is left.
void TestDecoderHelper::templateKilledCostsNoLaterCall()
{
    QVERIFY(isJpeg(convert(photo()).jpeg));
    const std::vector<pid_t> mine = helpers();
    QCOMPARE(mine.size(), size_t(1));
    const pid_t killed = pid_t(statusOf(mine[0]).value("PPid").toInt());
    const std::vector<Process> before = templates();
    QVERIFY(std::any_of(before.begin(), before.end(), [&](const Process &p) { return p.pid == killed; }));
    QCOMPARE(kill(killed, SIGKILL), 0);
    // The template's helper ends with it.
    for (int i = 0; i < 500 && !helpers().empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    QVERIFY(helpers().empty());

    const Call again = convert(photo());
    QVERIFY2(again.result > 0, tarnwick_error_text(again.result));
    QVERIFY(isJpeg(again.jpeg));
    Call other;
    std::thread([&] { other = convert(photo()); }).join();
    QVERIFY2(other.result > 0, tarnwick_error_text(other.result));

    // The killed template is reaped; the new one forked this thread's helper.
    for (const Process &p : templates()) {
        QVERIFY(p.pid != killed);
        QVERIFY(p.state != 'Z');
    }
    const std::vector<pid_t> now = helpers();
    QCOMPARE(now.size(), size_t(1));
    const pid_t parent = pid_t(statusOf(now[0]).value("PPid").toInt());
    QVERIFY(parent != killed && parent != getpid());
}

// A helper that died on a photo retires its template: the next helper comes
// from a new one (a fresh exec, a fresh address layout), and the retired one
// is reaped once its last helper has gone.
void TestDecoderHelper::helperThatDiedIsFollowedByAFreshTemplate()
{
    QVERIFY(isJpeg(convert(photo()).jpeg));
    const std::vector<pid_t> mine = helpers();
    QCOMPARE(mine.size(), size_t(1));
    const pid_t retired = pid_t(statusOf(mine[0]).value("PPid").toInt());
    QCOMPARE(convert(fault("segv")).result, int32_t(TARNWICK_ERR_DECODER_CRASHED));
    QVERIFY(isJpeg(convert(photo()).jpeg));
    const std::vector<pid_t> now = helpers();
    QCOMPARE(now.size(), size_t(1));
    const pid_t parent = pid_t(statusOf(now[0]).value("PPid").toInt());
    QVERIFY(parent != retired && parent != getpid());
    for (const Process &p : templates())
        QVERIFY(p.pid != retired);
}

QTEST_GUILESS_MAIN(TestDecoderHelper)
#include "tst_decoderhelper.moc"
