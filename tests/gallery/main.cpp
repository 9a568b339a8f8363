// vantrope-gallery: renders every view, page and dialog of the program and
// every piece of the skin to PNG files, for judging the look by eye. It
// asserts nothing; the tests do that.
//
//   vantrope-gallery [--scale N] [--locale LANGUAGE] [--out FOLDER]
//
// --scale 2 renders as on a screen scaled 200 % (QT_SCALE_FACTOR), so the
// PNGs show twice the pixels and whether every image is sharp there. Runs on
// any platform plugin; the build's "gallery" target runs it headless
// (offscreen) into build/gallery and build/gallery/2x.
//
// --locale de renders the program's texts in that language (as a user with
// that locale sees them), to check that longer texts fit; without it the
// texts stay English whatever the system's locale.

#include "AppTranslations.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>

#include "BatchConvertProgress.h"
#include "ConvertsionSet.h"
#include "HeicFileTable.h"
#include "Heif2jpg.h"
#include "PhotoInfo.h"
#include "PreviewHEIC.h"
#include "SingleConverting.h"
#include "TipDialog.h"
#include "Vantrope.h"
#include "ZoAbout.h"
#include "ZoMessageBox.h"
#include "ZoShadowFrame.h"
#include "ZoSkin.h"
#include "skinfiles.h"
#include "visiblepage.h"
#include "widgetsnapshot.h"
#include "ZoStyleButton.h"
#include "ZoStyleTableWidget.h"
#include "heicfixture.h"

namespace {

using SkinFiles::resourceFiles;
using SkinFiles::skinFiles;

QString g_out;
int g_written = 0;

void settle()
{
    for (int i = 0; i < 5; ++i)
        flushDeferredDeletes();
}

// Shows the widget, lets it lay out and paint, and writes <out>/<name>.png.
void save(QWidget *widget, const QString &name)
{
    const QString path = QDir(g_out).absoluteFilePath(name + QStringLiteral(".png"));
    if (writeSnapshot(widget, path, settle)) {
        ++g_written;
        std::printf("%s\n", qPrintable(path));
    } else {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    }
}

void waitUntil(const std::function<bool()> &done, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
}

// Groups state variants: "button100_hover.png" -> "button100".
QString setName(const QString &path)
{
    QString base = QFileInfo(path).completeBaseName();
    if (base.startsWith("win_close") || base.startsWith("win_icon"))
        return QStringLiteral("Button/win_close_icon");
    for (const char *s : {"_bg_hover", "_normal", "_hover", "_pressing", "_disable", "_Normal", "_Hover"}) {
        if (base.endsWith(QLatin1String(s)))
            return QFileInfo(path).path().section('/', -1) + '/' + base.left(base.size() - int(strlen(s)));
    }
    return QFileInfo(path).path().section('/', -1) + '/' + base;
}

// The size an image is shown at on a contact sheet: small ones enlarged 2x,
// large ones fitted into a cell.
QSize shownSize(const QSize &size, int cellW)
{
    QSize shown = size.width() <= 80 && size.height() <= 80 ? size * 2 : size;
    if (shown.height() > 360 || shown.width() > cellW - 20)
        shown.scale(cellW - 20, 360, Qt::KeepAspectRatio);
    return shown;
}

// A contact sheet of images: one row per set, states side by side, each image
// at its own size (enlarged 2x when small) on white or, for the pieces made
// for the blue title bar, on that bar's blue.
QImage contactSheet(const QStringList &paths, int columns)
{
    QMap<QString, QStringList> sets;
    QStringList order;
    for (const QString &p : paths) {
        const QString key = setName(p);
        if (!sets.contains(key))
            order << key;
        sets[key] << p;
    }
    const int cellW = 310, labelW = 170;
    QList<int> rowHeights;
    for (const QString &key : order) {
        int h = 0;
        for (const QString &p : sets[key])
            h = qMax(h, shownSize(QImage(p).size(), cellW).height() + 26);
        rowHeights << h + 12;
    }
    int total = 0;
    for (int h : rowHeights)
        total += h;
    QImage sheet(labelW + columns * cellW, total + 10, QImage::Format_ARGB32);
    sheet.fill(QColor(0xf3, 0xf4, 0xf6));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    p.setFont(font);
    int y = 5;
    for (int r = 0; r < order.size(); ++r) {
        const QString key = order[r];
        p.setPen(QColor(0x48, 0x48, 0x48));
        p.drawText(QRect(8, y, labelW - 12, rowHeights[r]), Qt::AlignVCenter | Qt::TextWordWrap, key);
        int x = labelW;
        for (const QString &path : sets[key]) {
            const QImage image(path);
            const QSize shown = shownSize(image.size(), cellW);
            const QRect cell(x + 4, y + 4, cellW - 8, rowHeights[r] - 8);
            const bool onBlue = key.contains("win_close") || key.contains("win_title");
            p.fillRect(cell, onBlue ? QColor(0x35, 0x98, 0xfe) : QColor(Qt::white));
            p.drawImage(QRect(cell.left() + 6, cell.top() + 6, shown.width(), shown.height()), image);
            p.setPen(onBlue ? QColor(Qt::white) : QColor(0x78, 0x78, 0x78));
            p.drawText(QRect(cell.left() + 6, cell.bottom() - 18, cell.width() - 8, 16), Qt::AlignLeft,
                       QFileInfo(path).fileName() + QString(" %1x%2").arg(image.width()).arg(image.height()));
            x += cellW;
        }
        y += rowHeights[r];
    }
    return sheet;
}

QLabel *imageLabel(const QImage &image)
{
    auto *label = new QLabel;
    label->setPixmap(QPixmap::fromImage(image));
    label->resize(image.size());
    return label;
}

ZoStyleButton *skinButton(QWidget *parent, const QString &set, const QString &text, const QString &style,
                          QSize size, bool withDisable = false)
{
    const QString b = ZoSkin().skinDir() + "/Button/" + set;
    auto *button = new ZoStyleButton(parent);
    button->setFixedSize(size);
    if (!set.isEmpty())
        button->setImages(b + "_normal.png", b + "_hover.png", b + "_pressing.png",
                          withDisable ? b + "_disable.png" : QString());
    button->setText(text);
    button->setStyleSheet(style);
    return button;
}

// ---------------------------------------------------------------- the program


void renderViews(const QString &photoDir)
{
    Vantrope window;
    window.show();
    save(&window, "home");

    window.slot_SinglePhotoView();
    save(&window, "single-drop");
    window.slot_ToHome();
    window.slot_BatchPhotoView();
    save(&window, "batch-drop");

    // The batch page: six files of plausible sizes, two of them checked.
    QVector<QString> paths;
    const qint64 sizes[] = {2621440, 1843200, 3145728, 1048576, 2202009, 2936012};
    for (int i = 0; i < 6; ++i) {
        const QString path = photoDir + QStringLiteral("/IMG_%1.HEIC").arg(4012 + i);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.resize(sizes[i]);
        paths << path;
    }
    window.slot_addHeicFileToTable(paths);
    settle();
    if (HeicFileTable *table = visiblePage<HeicFileTable>(&window)) {
        auto *grid = table->findChild<QTableWidget *>(QStringLiteral("tableWidget"));
        for (int row : {1, 3}) {
            if (QWidget *box = grid->cellWidget(row, 0))
                if (auto *check = box->findChild<QCheckBox *>())
                    check->click();
        }
        grid->selectRow(3);
    }
    save(&window, "batch-page");

    // The preview page, with a photo made here.
    window.slot_ToHome();
    HeicFixture::Options photo;
    photo.width = 640;
    photo.height = 480;
    const QString photoPath = photoDir + QStringLiteral("/IMG_0420.HEIC");
    if (HeicFixture::write(photoPath.toStdString(), photo)) {
        window.slot_SinglePhotoView();
        window.slot_ToPreviewView(photoPath);
        settle();
        if (PreviewHEIC *preview = visiblePage<PreviewHEIC>(&window)) {
            auto *box = preview->findChild<QLabel *>(QStringLiteral("label_HEIC"));
            waitUntil([box] { return box && !box->pixmap(Qt::ReturnByValue).isNull(); }, 30000);
        }
        save(&window, "preview");
    }
    window.slot_ToHome();
    settle();
}

void renderDialogs()
{
    const char *modes[] = {"cancelConfirm", "cancelled", "clear", "quit"};
    for (const char *mode : modes) {
        TipDialog tip;
        if (!std::strcmp(mode, "cancelConfirm")) {
            tip.setCancelConfirmMode();
        } else if (!std::strcmp(mode, "cancelled")) {
            tip.setCancelledMode();
            tip.setConvertedCount(2);
        } else if (!std::strcmp(mode, "clear")) {
            tip.setClearConfirmMode();
        } else {
            tip.setQuitConfirmMode();
        }
        save(&tip, QStringLiteral("tip-%1").arg(QString::fromLatin1(mode)));
    }
    {
        // The same dialog as a desktop without translucent windows shows it.
        struct PlainTip : TipDialog {
            void paintEvent(QPaintEvent *) override { ZoShadowFrame().paintFrame(this, ZoShadowFrame::Plain); }
        } tip;
        tip.setQuitConfirmMode();
        save(&tip, "tip-quit-plain-frame");
    }
    // Worded as the batch table words them, with the decoder's reason for a
    // file that is no photo.
    bindDecoder();
    const QStringList problems = {
        QCoreApplication::translate("HeicFileTable", "%1: skipped: %2 is already there")
            .arg("/media/card/DCIM/100APPLE/IMG_0007.HEIC", "/home/me/Pictures/Holiday 2026/Quorvix/IMG_0007.jpg"),
        QCoreApplication::translate("HeicFileTable", "%1: not converted: %2")
            .arg("/media/card/DCIM/100APPLE/IMG_0011.HEIC", decoderErrorText(-3))};
    {
        TipDialog tip;
        tip.setCancelledMode();
        tip.setConvertedCount(1);
        tip.setProblems(1, 1, problems);
        save(&tip, "tip-cancelled-with-failures");
    }
    {
        ConvertsionSet settings;
        save(&settings, "batch-settings");
    }
    {
        BatchConvertProgress progress;
        progress.setProgress(60, "3/5");
        save(&progress, "batch-progress-running");
        progress.showSuccess(5);
        progress.showReport("/home/me/Pictures/Holiday 2026/Quorvix", {}, 0);
        save(&progress, "batch-progress-completed");
    }
    {
        BatchConvertProgress progress;
        progress.setProgress(100, "5/5");
        progress.showSuccess(3, 1);
        progress.showReport("/home/me/Pictures/Holiday 2026/Quorvix", problems, 1);
        save(&progress, "batch-progress-completed-with-failures");
    }
    {
        PhotoInfo info;
        info.setName("IMG_0420.HEIC");
        info.setCreateDate("12-09-2026");
        info.setFileSize("1.50MB");
        info.setResolution("4032*3024");
        save(&info, "single-photo-info");
    }
    {
        SingleConverting done;
        done.setSavedFile("/home/me/Pictures/Holiday 2026/Quorvix/IMG_0420.jpg");
        save(&done, "single-done-dialog");
    }
    {
        ZoMessageBox all(QStringLiteral("The output folder does not exist. Create it now?"),
                         QStringLiteral("Output Folder"), 15);
        save(&all, "messagebox-all");
        ZoMessageBox ok(QStringLiteral("All photos have been converted."), QString(), 4);
        save(&ok, "messagebox-ok");
    }
    {
        ZoAbout about;
        save(&about, "about");
    }
}

// ---------------------------------------------------------------- the skin

void renderContactSheets()
{
    const QString skin = ZoSkin().skinDir();
    QStringList buttons, others, tiles;
    for (const QString &f : skinFiles()) {
        const QString path = skin + '/' + f;
        if (f.startsWith("main/module"))
            tiles << path;
        else if (f.startsWith("Button/"))
            buttons << path;
        else
            others << path;
    }
    QStringList resources;
    for (const QString &f : resourceFiles())
        if (!f.contains("module"))
            resources << f;
    std::unique_ptr<QLabel> a(imageLabel(contactSheet(buttons, 4)));
    save(a.get(), "skin-sheet-buttons");
    std::unique_ptr<QLabel> b(imageLabel(contactSheet(others, 3)));
    save(b.get(), "skin-sheet-labels-icons");
    std::unique_ptr<QLabel> c(imageLabel(contactSheet(tiles, 2)));
    save(c.get(), "skin-sheet-tiles");
    std::unique_ptr<QLabel> d(imageLabel(contactSheet(resources, 2)));
    save(d.get(), "skin-sheet-resources");
}

void renderButtonsInUse()
{
    // Each kind of button with its caption, normal beside disabled where
    // the pages disable it.
    QWidget panel;
    panel.setStyleSheet(QStringLiteral("QWidget#panel{background:white;}"));
    panel.setObjectName("panel");
    auto *grid = new QVBoxLayout(&panel);
    grid->setContentsMargins(24, 20, 24, 20);
    grid->setSpacing(14);
    ZoSkin skin;
    auto row = [&](std::initializer_list<QWidget *> widgets) {
        auto *line = new QHBoxLayout;
        line->setSpacing(16);
        for (QWidget *w : widgets)
            line->addWidget(w);
        line->addStretch(1);
        grid->addLayout(line);
    };
    auto *open = skinButton(&panel, "button100", "Open Folder", "color:#3598fe", QSize(100, 30));
    auto *ok = skinButton(&panel, "button100_2", "OK", "color:#ffffff", QSize(100, 30));
    auto *convert = skinButton(&panel, "big_button", "Convert", "color:#FFFFFF", QSize(168, 43), true);
    auto *disabled = skinButton(&panel, "big_button", "Convert", "color:#FFFFFF", QSize(168, 43), true);
    disabled->setEnabled(false);
    for (ZoStyleButton *b : {open, ok})
        b->setFont(skin.font(34));
    for (ZoStyleButton *b : {convert, disabled})
        b->setFont(skin.font(42));
    row({open, ok, convert, disabled});
    // The tool bar links and Home, as the pages set them up: icon and caption.
    auto link = [&](const char *icon, const QString &caption, int width) {
        auto *b = skinButton(&panel, "", caption, "", QSize(width, 20));
        b->setSkinIcon(QLatin1String(icon), 2);
        b->setFont(skin.font(ZoSkin::SmallFont));
        b->setCaptionInks(ZoStyleButton::linkInks());
        b->setHoverUnderline(true);
        b->setTextOption(QTextOption(Qt::AlignLeft | Qt::AlignVCenter));
        b->fitToCaption(width);
        return b;
    };
    auto *add = link("add_icon", "Add", 60);
    auto *del = link("delete_icon", "Delete", 76);
    auto *clear = link("clear_icon", "Clear", 68);
    auto *delOff = link("delete_icon", "Delete", 76);
    auto *clearOff = link("clear_icon", "Clear", 68);
    auto *addHover = link("add_icon", "Add", 60);
    delOff->setEnabled(false);
    clearOff->setEnabled(false);
    row({add, del, clear, delOff, clearOff, addHover});
    auto home = [&](const QString &caption) {
        auto *b = skinButton(&panel, "home_button", caption, "", QSize(90, 30));
        b->setSkinIcon(QStringLiteral("home_icon"), 7);
        b->setFont(skin.font(ZoSkin::NavigationFont));
        b->setCaptionInks(ZoStyleButton::navigationInks());
        b->fitToCaption(90, 10);
        return b;
    };
    auto *homeNormal = home("Home");
    auto *homeHover = home("Home");
    auto *homeLong = home("Startseite");
    auto *start = skinButton(&panel, "big_button", "Start", "color:#FFFFFF", QSize(168, 43));
    start->setFont(skin.font(39));
    auto *menu = skinButton(&panel, "tools_icon", "", "", QSize(18, 18));
    auto *mini = skinButton(&panel, "mini_icon", "", "", QSize(18, 18));
    auto *close = skinButton(&panel, "close_icon", "", "", QSize(18, 18));
    auto *fileAdd = skinButton(&panel, "file_add", "", "background-color: rgb(255, 255, 255);", QSize(80, 80));
    row({homeNormal, homeHover, homeLong, start, menu, mini, close, fileAdd});
    // Hover and pressing looks of the captioned buttons.
    auto *openHover = skinButton(&panel, "button100", "Open Folder", "color:#ffffff", QSize(100, 30));
    auto *okHover = skinButton(&panel, "button100_2", "OK", "color:#ffffff", QSize(100, 30));
    auto *startHover = skinButton(&panel, "big_button", "Start", "color:#FFFFFF", QSize(168, 43));
    auto *startPress = skinButton(&panel, "big_button", "Start", "color:#FFFFFF", QSize(168, 43));
    for (ZoStyleButton *b : {openHover, okHover})
        b->setFont(skin.font(34));
    for (ZoStyleButton *b : {startHover, startPress})
        b->setFont(skin.font(39));
    row({openHover, okHover, startHover, startPress});
    panel.resize(820, 300);
    panel.show();
    QEvent enter(QEvent::Enter);
    for (ZoStyleButton *b : {openHover, okHover, startHover, startPress, addHover, homeHover, homeLong})
        QApplication::sendEvent(b, &enter);
    QMouseEvent press(QEvent::MouseButtonPress, QPoint(5, 5), QPoint(5, 5), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(startPress, &press);
    save(&panel, "skin-buttons-in-use");
}

void renderTable()
{
    QWidget page;
    page.setStyleSheet("QWidget#page{background:white;}");
    page.setObjectName("page");
    auto *layout = new QVBoxLayout(&page);
    auto *table = new ZoStyleTableWidget(&page);
    layout->addWidget(table);
    table->setColumnCount(4);
    table->setHorizontalHeaderLabels({"", "Name", "Size", "File Directory"});
    table->setRowCount(14);
    for (int r = 0; r < 14; ++r) {
        table->setItem(r, 1, new QTableWidgetItem(QString("IMG_%1.HEIC").arg(4100 + r)));
        table->setItem(r, 2, new QTableWidgetItem(QString("%1MB").arg(1.2 + r * 0.37, 0, 'f', 2)));
        table->setItem(r, 3, new QTableWidgetItem(QString("/home/user/Pictures/IMG_%1.HEIC").arg(4100 + r)));
    }
    table->setColumnWidth(0, 40);
    table->setColumnWidth(1, 200);
    table->setColumnWidth(2, 100);
    page.resize(640, 360);
    page.show();
    table->setFocus();
    table->selectRow(2);
    save(&page, "skin-table");
}

void renderFonts()
{
    // The substitute for the skin's font family at every style size.
    QWidget panel;
    panel.setObjectName("panel");
    panel.setStyleSheet("#panel{background:white;}");
    auto *layout = new QVBoxLayout(&panel);
    layout->setSpacing(2);
    ZoSkin skin;
    for (int style : {23, 4, 5, 1, 7, 0, 3, 31, 34, 35, 38, 39, 42, 43, 10, 11, 20, 21, 22, 56}) {
        const QFont f = skin.font(style);
        auto *label = new QLabel(QString("%1: %2 px %3 - Convert Photos in Batch 0123456789")
                                     .arg(style).arg(f.pixelSize()).arg(f.weight() > 50 ? "bold" : "normal"),
                                 &panel);
        label->setFont(f);
        label->setStyleSheet("color:#484848");
        layout->addWidget(label);
    }
    save(&panel, "skin-fonts");
}

} // namespace

int main(int argc, char **argv)
{
    QString scale = QStringLiteral("1");
    QString out;
    QString locale;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--scale") && i + 1 < argc) {
            scale = QString::fromLocal8Bit(argv[++i]);
        } else if (arg == QLatin1String("--out") && i + 1 < argc) {
            out = QString::fromLocal8Bit(argv[++i]);
        } else if (arg == QLatin1String("--locale") && i + 1 < argc) {
            locale = QString::fromLocal8Bit(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: vantrope-gallery [--scale N] [--locale LANGUAGE] [--out FOLDER]\n");
            return 2;
        }
    }
    if (scale != QLatin1String("1"))
        qputenv("QT_SCALE_FACTOR", scale.toLatin1());
    ZoSkin::enableHighDpi();
    QApplication app(argc, argv);
    qRegisterMetaType<QVector<QString>>("QVector<QString>");
    if (!locale.isEmpty() && AppTranslations::install(QLocale(locale)).isEmpty()) {
        std::fprintf(stderr, "no translation for %s\n", qPrintable(locale));
        return 2;
    }

    g_out = out.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/../gallery") : out;
    if (!QDir().mkpath(g_out)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(g_out));
        return 1;
    }
    QTemporaryDir photos;
    renderViews(photos.path());
    renderDialogs();
    renderContactSheets();
    renderButtonsInUse();
    renderTable();
    renderFonts();
    std::printf("%d images in %s\n", g_written, qPrintable(QDir(g_out).absolutePath()));
    return g_written > 0 ? 0 : 1;
}
