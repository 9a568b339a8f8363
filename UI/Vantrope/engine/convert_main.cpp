// vantrope-convert: converts HEIC photos to JPEG files without a window, with
// the program's own engine (the shared queue, four batch workers, the batch
// output location rule and the decoder library beside the program).

#include "ConvertQueue.h"
#include "ConvertThread.h"
#include "EngineStartup.h"
#include "Heif2jpg.h"
#include "PhotoFiles.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <csignal>
#include <cstdio>
#include <memory>
#include <vector>

#include <unistd.h>

namespace {

// Writes the text in the locale's encoding and flushes it at once. Names are
// thereby written back in the file system's own bytes (the locale codec is
// the file-name codec). False when the stream did not take all of it.
bool writeText(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream) == size_t(bytes.size())
        && std::fflush(stream) == 0;
}

const char *const kTempFileNames[] = {"temp1.hevc", "temp2.hevc", "temp3.hevc", "temp4.hevc"};

// Prints to standard output. When the reader goes away (`| head -1`), the
// batch goes on and nothing more is printed.
class Reporter
{
public:
    Reporter(int total)
        : m_total(total)
        , m_interactive(isatty(fileno(stdout)))
    {
    }

    void converted(const QString &input, const QString &output)
    {
        ++m_converted;
        line(QStringLiteral("%1 -> %2").arg(input, output));
    }

    // A further image of a photo: a line of its own, not counted.
    void imageConverted(const QString &input, const QString &output)
    {
        line(QStringLiteral("%1 -> %2").arg(input, output));
    }

    void failed(const QString &input, const QString &reason)
    {
        ++m_failed;
        line(QStringLiteral("%1: not converted: %2").arg(input, reason));
    }

    void progress()
    {
        if (m_interactive)
            print(QStringLiteral("\r\033[K[%1/%2] converting...").arg(m_converted + m_failed).arg(m_total));
    }

    void summary()
    {
        clearProgress();
        print(QStringLiteral("%1 of %2 files converted, %3 failed.\n").arg(m_converted).arg(m_total).arg(m_failed));
    }

    bool allConverted() const { return m_converted == m_total; }

private:
    void clearProgress()
    {
        if (m_interactive)
            print(QStringLiteral("\r\033[K"));
    }

    void line(const QString &text)
    {
        clearProgress();
        print(text + QLatin1Char('\n'));
        progress();
    }

    void print(const QString &text)
    {
        if (m_outputGone)
            return;
        if (!writeText(stdout, text))
            m_outputGone = true;
    }

    int m_total;
    int m_converted = 0;
    int m_failed = 0;
    bool m_interactive;
    bool m_outputGone = false;
};

void printError(const QString &text)
{
    writeText(stderr, QStringLiteral("vantrope-convert: ") + text + QLatin1Char('\n'));
}

} // namespace

int main(int argc, char *argv[])
{
    // Before the arguments are read: names that are not UTF-8 stay the
    // file system's own bytes.
    EngineStartup::prepareProcess(argv);
    // A reader that stops early (`| head -1`) must not end the batch: writes
    // to it fail with EPIPE instead, and printing stops.
    std::signal(SIGPIPE, SIG_IGN);

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
        "Each FILE becomes a JPEG named like it, with \".HEIC\" and \".heic\" replaced by \".jpg\"\n"
        "(and any other HEIF suffix at its end, such as \".heif\" or \".HIF\", too), in the folder\n"
        "FOLDER/Quorvix (FOLDER itself when its path contains \"/Quorvix\"; without -o, the\n"
        "folder Quorvix on the desktop). FOLDER must exist; the Quorvix folder in it is created\n"
        "when missing, and must be a real folder of the user's own, not a symbolic link.\n"
        "A folder given as FILE adds the HEIF photos in it (.heic, .heif, .hif, any case); with -r\n"
        "also those in its subfolders, whose JPEGs go into the same subfolders inside the output\n"
        "folder (PHOTOS/a/b/x.heic -> FOLDER/Quorvix/a/b/x.jpg).\n"
        "\n"
        "The photo's EXIF and ICC profile are kept; a portrait photo comes out upright. Each JPEG\n"
        "is dated when the photo was taken (EXIF), else like its photo file. A photo's HDR gain map\n"
        "is kept as a second picture in the JPEG (Ultra HDR layout) unless --sdr is given.\n"
        "With --all-images, a photo holding several images (a collection, a burst, a stereo pair)\n"
        "gives one JPEG for each: NAME.jpg for its primary image, NAME-2.jpg, NAME-3.jpg, ...\n"
        "Names are given in the order of the files: two inputs with the same name get \"name.jpg\"\n"
        "and \"name (2).jpg\", ... A file that is already in the folder is replaced, a symbolic link\n"
        "there is replaced by the JPEG itself; an input is never overwritten.\n"
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
    QCommandLineOption recursiveOption({QStringLiteral("r"), QStringLiteral("recursive")},
                                       QStringLiteral("Also convert the photos in the subfolders of a folder, "
                                                      "keeping the folder tree."));
    QCommandLineOption besideOption(QStringLiteral("beside"),
                                    QStringLiteral("Write each JPEG next to its photo instead (not with -o)."));
    QCommandLineOption allImagesOption(
        QStringLiteral("all-images"),
        QStringLiteral("Also convert a photo's other images (collections, bursts, pairs) as NAME-2.jpg, NAME-3.jpg, ..."));
    QCommandLineOption sdrOption(QStringLiteral("sdr"),
                                 QStringLiteral("Write plain SDR JPEGs of one picture, without the HDR gain map "
                                                "(for services that refuse multi-picture JPEGs)."));
    parser.addOption(qualityOption);
    parser.addOption(outputOption);
    parser.addOption(recursiveOption);
    parser.addOption(besideOption);
    parser.addOption(sdrOption);
    parser.addOption(allImagesOption);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("HEIC photos, or folders of them, to convert."),
                                 QStringLiteral("FILE..."));
    parser.process(app);

    bool qualityOk = false;
    const int quality = parser.value(qualityOption).toInt(&qualityOk);
    if (!qualityOk || quality < 0 || quality > 100) {
        printError(QStringLiteral("the quality must be a number from 0 to 100"));
        return 1;
    }
    const bool beside = parser.isSet(besideOption);
    if (beside && parser.isSet(outputOption)) {
        printError(QStringLiteral("--beside and --output exclude each other"));
        return 1;
    }
    const QStringList arguments = parser.positionalArguments();
    if (arguments.isEmpty()) {
        printError(QStringLiteral("no files given (see --help)"));
        return 1;
    }

    // A named file is converted whatever its name; a folder stands for the
    // HEIF photos in it, each keeping its place in the tree below the folder.
    std::vector<ConvertQueue::Item> items;
    for (const QString &argument : arguments) {
        if (!QFileInfo(argument).isDir()) {
            ConvertQueue::Item item;
            item.path = argument;
            item.beside = beside;
            items.push_back(item);
            continue;
        }
        const PhotoFiles::Collected found = PhotoFiles::collect({argument}, parser.isSet(recursiveOption));
        if (found.photos.isEmpty())
            printError(QStringLiteral("no HEIF photos in %1").arg(argument));
        const QDir root(QFileInfo(argument).absoluteFilePath());
        for (const QString &photo : found.photos) {
            ConvertQueue::Item item;
            item.path = photo;
            item.beside = beside;
            const QString relative = root.relativeFilePath(QFileInfo(photo).absolutePath());
            if (relative != QLatin1String("."))
                item.subfolder = relative;
            items.push_back(item);
        }
    }
    if (items.empty())
        return 1;

    const Heif2jpgFunc decoder = bindDecoder();
    if (!decoder)
        printError(QStringLiteral("the decoder library libTarnwick.so was not found"));

    ConvertQueue &queue = convertQueue();
    queue.beginBatch();
    for (ConvertQueue::Item &item : items)
        queue.push(std::move(item));

    Reporter reporter(int(items.size()));
    std::vector<std::unique_ptr<ConvertThread>> workers;
    int running = 0;
    for (const char *tempFileName : kTempFileNames) {
        auto worker = std::make_unique<ConvertThread>();
        QObject::connect(worker.get(), &ConvertThread::signal_FileConverted, &app,
                         [&](const QString &in, const QString &out) { reporter.converted(in, out); });
        QObject::connect(worker.get(), &ConvertThread::signal_FileFailed, &app,
                         [&](const QString &in, const QString &why) { reporter.failed(in, why); });
        QObject::connect(worker.get(), &ConvertThread::signal_ImageConverted, &app,
                         [&](const QString &in, const QString &out) { reporter.imageConverted(in, out); });
        QObject::connect(worker.get(), &ConvertThread::signal_FileWarning, &app,
                         [](const QString &in, const QString &warning) {
                             printError(in + QStringLiteral(": ") + warning);
                         });
        QObject::connect(worker.get(), &QThread::finished, &app, [&] {
            if (--running == 0)
                QCoreApplication::quit();
        });
        worker->setDecoder(decoder);
        worker->setQuality(quality);
        worker->setSavePath(parser.value(outputOption));
        worker->setTempFileName(tempFileName);
        worker->setDecoderFlags(parser.isSet(sdrOption) ? kDecoderFlagSdrOnly : 0);
        worker->setAllImages(parser.isSet(allImagesOption));
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
