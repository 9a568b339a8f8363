// vantrope-convert: converts HEIC photos to JPEG files without a window, with
// the program's own engine (the shared queue, four batch workers, the batch
// output location rule and the decoder library beside the program).

#include "ConvertQueue.h"
#include "ConvertThread.h"
#include "EngineMemory.h"
#include "Heif2jpg.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <memory>
#include <vector>

#include <unistd.h>

namespace {

const char *const kTempFileNames[] = {"temp1.hevc", "temp2.hevc", "temp3.hevc", "temp4.hevc"};

class Reporter
{
public:
    Reporter(int total)
        : m_total(total)
        , m_interactive(isatty(fileno(stdout)))
        , m_out(stdout)
    {
    }

    void converted(const QString &input, const QString &output)
    {
        ++m_converted;
        line(QStringLiteral("%1 -> %2").arg(input, output));
    }

    void failed(const QString &input, const QString &reason)
    {
        ++m_failed;
        line(QStringLiteral("%1: not converted: %2").arg(input, reason));
    }

    void progress()
    {
        if (!m_interactive)
            return;
        m_out << QStringLiteral("\r\033[K[%1/%2] converting...").arg(m_converted + m_failed).arg(m_total);
        m_out.flush();
    }

    void summary()
    {
        clearProgress();
        m_out << QStringLiteral("%1 of %2 files converted, %3 failed.\n").arg(m_converted).arg(m_total).arg(m_failed);
        m_out.flush();
    }

    bool allConverted() const { return m_converted == m_total; }

private:
    void clearProgress()
    {
        if (m_interactive)
            m_out << "\r\033[K";
    }

    void line(const QString &text)
    {
        clearProgress();
        m_out << text << '\n';
        progress();
        m_out.flush();
    }

    int m_total;
    int m_converted = 0;
    int m_failed = 0;
    bool m_interactive;
    QTextStream m_out;
};

} // namespace

int main(int argc, char *argv[])
{
    EngineMemory::tuneAllocator();

    // Pixmaps need a GUI application, not a screen: without a platform chosen
    // by the user, use the one that needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vantrope-convert"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VANTROPE_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Converts HEIC photos to JPEG files, four at a time.\n"
        "\n"
        "Each FILE becomes a JPEG named like it, with \".HEIC\" and \".heic\" replaced by \".jpg\",\n"
        "in the folder FOLDER/Quorvix (FOLDER itself when its path contains \"/Quorvix\"; without\n"
        "-o, the folder Quorvix on the desktop). FOLDER must exist; the Quorvix folder in it is\n"
        "created when missing. The photo's EXIF and ICC profile are kept;\n"
        "a portrait photo comes out upright. Two inputs with the same name get \"name (2).jpg\", ...\n"
        "A file that is already in the folder is replaced; an input is never overwritten.\n"
        "\n"
        "Prints one line per file (the JPEG written, or why it was not converted) and a\n"
        "summary. Exit status: 0 when every file was converted, 1 otherwise."));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption qualityOption({QStringLiteral("q"), QStringLiteral("quality")},
                                     QStringLiteral("JPEG quality in percent, 0 to 100 (default 100)."),
                                     QStringLiteral("QUALITY"), QStringLiteral("100"));
    QCommandLineOption outputOption({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Folder that receives the Quorvix folder of JPEGs."),
                                    QStringLiteral("FOLDER"));
    parser.addOption(qualityOption);
    parser.addOption(outputOption);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("HEIC photos to convert."),
                                 QStringLiteral("FILE..."));
    parser.process(app);

    QTextStream err(stderr);
    bool qualityOk = false;
    const int quality = parser.value(qualityOption).toInt(&qualityOk);
    if (!qualityOk || quality < 0 || quality > 100) {
        err << "vantrope-convert: the quality must be a number from 0 to 100\n";
        return 1;
    }
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty()) {
        err << "vantrope-convert: no files given (see --help)\n";
        return 1;
    }

    const Heif2jpgFunc decoder = bindDecoder();
    if (!decoder)
        err << "vantrope-convert: the decoder library libTarnwick.so was not found\n";
    err.flush();

    ConvertQueue &queue = convertQueue();
    queue.beginBatch();
    for (const QString &file : files)
        queue.push(file);

    Reporter reporter(files.size());
    std::vector<std::unique_ptr<ConvertThread>> workers;
    int running = 0;
    for (const char *tempFileName : kTempFileNames) {
        auto worker = std::make_unique<ConvertThread>();
        QObject::connect(worker.get(), &ConvertThread::signal_FileConverted, &app,
                         [&](const QString &in, const QString &out) { reporter.converted(in, out); });
        QObject::connect(worker.get(), &ConvertThread::signal_FileFailed, &app,
                         [&](const QString &in, const QString &why) { reporter.failed(in, why); });
        QObject::connect(worker.get(), &QThread::finished, &app, [&] {
            if (--running == 0)
                QCoreApplication::quit();
        });
        worker->setDecoder(decoder);
        worker->setQuality(quality);
        worker->setSavePath(parser.value(outputOption));
        worker->setTempFileName(tempFileName);
        worker->setStop(false);
        workers.push_back(std::move(worker));
    }
    reporter.progress();
    for (auto &worker : workers) {
        ++running;
        worker->start(QThread::InheritPriority);
    }
    app.exec();
    workers.clear(); // every worker has finished: destroying them does not wait

    reporter.summary();
    return reporter.allConverted() ? 0 : 1;
}
