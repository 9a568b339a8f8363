// vantrope-convert: converts HEIC photos to JPEG files without a window, with
// the program's own engine (BatchRun, the batch output location rule and the
// decoder library beside the program).

#include "BatchRun.h"
#include "ConvertQueue.h"
#include "EngineStartup.h"
#include "Heif2jpg.h"
#include "OutputLocation.h"
#include "PhotoFiles.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <csignal>
#include <cstdio>

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

// Prints the outcome of every input in the order of the inputs: a line waits
// for the inputs before it. Conversions go to standard output; failures to
// standard error. When the reader of standard output goes away
// (`| head -1`), the batch goes on and nothing more is printed there.
class Reporter
{
public:
    explicit Reporter(const BatchRun &batch)
        : m_batch(batch)
        , m_interactive(isatty(fileno(stdout)))
    {
    }

    // Prints every line whose turn has come.
    void fileDone()
    {
        const QVector<BatchRun::FileResult> &results = m_batch.results();
        bool printed = false;
        while (m_next < results.size() && results.at(m_next).outcome != BatchRun::Outcome::Pending) {
            const BatchRun::FileResult &result = results.at(m_next++);
            if (!printed)
                clearProgress();
            printed = true;
            switch (result.outcome) {
            case BatchRun::Outcome::Converted:
                print(QStringLiteral("%1 -> %2\n").arg(result.input, result.output));
                // A photo's further images: a line each, not counted.
                for (const QString &other : result.otherOutputs)
                    print(QStringLiteral("%1 -> %2\n").arg(result.input, other));
                break;
            case BatchRun::Outcome::Skipped:
                print(QStringLiteral("%1: skipped: %2 is already there\n").arg(result.input, result.output));
                break;
            default:
                writeText(stderr, QStringLiteral("%1: not converted: %2\n").arg(result.input, result.reason));
                break;
            }
            for (const QString &warning : result.warnings)
                writeText(stderr, QStringLiteral("%1: %2\n").arg(result.input, warning));
        }
        if (printed)
            progress();
    }

    void progress()
    {
        if (m_interactive)
            print(QStringLiteral("\r\033[K[%1/%2] converting...").arg(m_batch.processedCount()).arg(m_batch.total()));
    }

    void summary()
    {
        clearProgress();
        QString text = QStringLiteral("%1 of %2 files converted, %3 failed")
                           .arg(m_batch.convertedCount())
                           .arg(m_batch.total())
                           .arg(m_batch.failedCount());
        if (m_batch.skippedCount() > 0)
            text += QStringLiteral(", %1 skipped").arg(m_batch.skippedCount());
        print(text + QStringLiteral(".\n"));
    }

private:
    void clearProgress()
    {
        if (m_interactive)
            print(QStringLiteral("\r\033[K"));
    }

    void print(const QString &text)
    {
        if (m_outputGone)
            return;
        if (!writeText(stdout, text))
            m_outputGone = true;
    }

    const BatchRun &m_batch;
    int m_next = 0;
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
        "folder Quorvix on the desktop). FOLDER and the Quorvix folder in it are created\n"
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
        "and \"name (2).jpg\", ... A file that is already in the folder (a name that differs only in\n"
        "case counts as the same) is kept and the JPEG takes the next free name; --existing\n"
        "replace replaces it (a symbolic link there is replaced by the JPEG itself), --existing\n"
        "skip leaves the photo unconverted. An input is never overwritten.\n"
        "\n"
        "Prints one line per file, in the order of the files: the JPEG written on standard output,\n"
        "or why it was not converted on standard error; then a summary.\n"
        "Exit status: 0 when every file was converted or skipped, 1 otherwise."));
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
    QCommandLineOption existingOption(QStringLiteral("existing"),
                                      QStringLiteral("When a file of the JPEG's name is already there: keep both "
                                                     "(default), replace it, or skip the photo."),
                                      QStringLiteral("keep|replace|skip"), QStringLiteral("keep"));
    parser.addOption(qualityOption);
    parser.addOption(outputOption);
    parser.addOption(recursiveOption);
    parser.addOption(besideOption);
    parser.addOption(sdrOption);
    parser.addOption(allImagesOption);
    parser.addOption(existingOption);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("HEIC photos, or folders of them, to convert."),
                                 QStringLiteral("FILE..."));
    parser.process(app);

    bool qualityOk = false;
    const int quality = parser.value(qualityOption).toInt(&qualityOk);
    if (!qualityOk || quality < 0 || quality > 100) {
        printError(QStringLiteral("the quality must be a number from 0 to 100"));
        return 1;
    }
    const QString existingValue = parser.value(existingOption);
    OutputLocation::Existing existing;
    if (existingValue == QLatin1String("keep")) {
        existing = OutputLocation::Existing::KeepBoth;
    } else if (existingValue == QLatin1String("replace")) {
        existing = OutputLocation::Existing::Replace;
    } else if (existingValue == QLatin1String("skip")) {
        existing = OutputLocation::Existing::Skip;
    } else {
        printError(QStringLiteral("--existing takes keep, replace or skip"));
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
    QVector<ConvertQueue::Item> items;
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
    if (items.isEmpty())
        return 1;

    if (parser.isSet(outputOption)) {
        QString reason;
        if (!OutputLocation::prepareFolderTree(parser.value(outputOption), &reason)) {
            printError(reason);
            return 1;
        }
    }

    const Heif2jpgFunc decoder = bindDecoder();
    if (!decoder)
        printError(QStringLiteral("the decoder library libTarnwick.so was not found"));

    BatchRun batch;
    Reporter reporter(batch);
    QObject::connect(&batch, &BatchRun::fileDone, &app, [&reporter] { reporter.fileDone(); });
    QObject::connect(&batch, &BatchRun::finished, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    BatchRun::Settings settings;
    settings.decoder = decoder;
    settings.quality = quality;
    settings.savePath = parser.value(outputOption);
    settings.existing = existing;
    settings.decoderFlags = parser.isSet(sdrOption) ? kDecoderFlagSdrOnly : 0;
    settings.allImages = parser.isSet(allImagesOption);
    batch.start(items, settings);
    reporter.progress();
    app.exec();

    reporter.summary();
    return batch.failedCount() == 0 && batch.processedCount() == batch.total() ? 0 : 1;
}
