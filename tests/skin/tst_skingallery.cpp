// Renders every piece of the look to the gallery (build*/gallery/skin-*.png):
// a contact sheet of every skin and resource image with all its states side
// by side, the toolkit's widgets in use, the message box and the About dialog.
// It checks only that every image the pages name exists and loads.

#include <QDirIterator>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QTest>
#include <QVBoxLayout>

#include "ZoAbout.h"
#include "ZoMessageBox.h"
#include "ZoSkin.h"
#include "ZoStyleButton.h"
#include "ZoStyleDialog.h"
#include "ZoStyleTableWidget.h"
#include "ZoStyleWidgetTitle.h"
#include "testsupport.h"

namespace {

// Every skin file a page names, relative to the skin folder.
const char *const skinFiles[] = {
    "Button/button100_normal.png", "Button/button100_hover.png", "Button/button100_pressing.png",
    "Button/button100_2_normal.png", "Button/button100_2_hover.png", "Button/button100_2_pressing.png",
    "Button/big_button_normal.png", "Button/big_button_hover.png", "Button/big_button_pressing.png",
    "Button/big_button_disable.png",
    "Button/home_button_normal.png", "Button/home_button_hover.png", "Button/home_button_pressing.png",
    "Button/tools_icon_normal.png", "Button/tools_icon_hover.png", "Button/tools_icon_pressing.png",
    "Button/mini_icon_normal.png", "Button/mini_icon_hover.png", "Button/mini_icon_pressing.png",
    "Button/close_icon_normal.png", "Button/close_icon_hover.png", "Button/close_icon_pressing.png",
    "Button/win_close_icon_normal.png", "Button/win_icon_hover.png", "Button/win_close_icon_pressing.png",
    "Button/add_icon_normal.png", "Button/add_icon_hover.png", "Button/add_icon_pressing.png",
    "Button/delete_icon_normal.png", "Button/delete_icon_hover.png", "Button/delete_icon_pressing.png",
    "Button/delete_icon_disable.png",
    "Button/clear_icon_normal.png", "Button/clear_icon_hover.png", "Button/clear_icon_pressing.png",
    "Button/clear_icon_disable.png",
    "Button/file_add_normal.png", "Button/file_add_hover.png", "Button/file_add_pressing.png",
    "Label/win_title_bg.png", "Label/tips_confirm.png", "Label/tips_cancel.png",
    "CheckBox/checkbox_normal.png", "CheckBox/checkbox_selected.png", "CheckBox/checkbox_half_selected.png",
    "main/48x48.png", "main/heic_icon_26.png",
    "main/module1_normal.png", "main/module1_bg_hover.png", "main/module2_normal.png", "main/module2_bg_hover.png",
    "Application/Button_Normal.png", "Application/Button_Hover.png",
};

const char *const resourceFiles[] = {
    ":/Vantrope/Resources/home_bg.jpg",
    ":/Vantrope/Resources/module1_normal.png", ":/Vantrope/Resources/module1_bg_hover.png",
    ":/Vantrope/Resources/module2_normal.png", ":/Vantrope/Resources/module2_bg_hover.png",
    ":/Vantrope/Resources/file_add_bg_normal.png", ":/Vantrope/Resources/file_add_bg_over.png",
    ":/ZoRSC/logo.png",
};

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
    button->setImages(b + "_normal.png", b + "_hover.png", b + "_pressing.png",
                      withDisable ? b + "_disable.png" : QString());
    button->setText(text);
    button->setStyleSheet(style);
    return button;
}

// A frameless dialog the way the pages compose one: 5 px margins, title bar,
// white content.
struct SampleDialog : ZoStyleDialog {
    ZoStyleWidgetTitle *title;
    QWidget *content;
    explicit SampleDialog(const QString &caption, QSize size)
    {
        setFixedSize(size);
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(5, 5, 5, 5);
        layout->setSpacing(0);
        title = new ZoStyleWidgetTitle(this);
        title->setFixedHeight(34);
        title->setDragTarget(this, QPoint(5, 5), true);
        title->setTitleText(caption);
        content = new QWidget(this);
        layout->addWidget(title);
        layout->addWidget(content, 1);
    }
};

} // namespace

class TestSkinGallery : public QObject
{
    Q_OBJECT

private slots:
    void everyNamedImageLoads()
    {
        const QString skin = ZoSkin().skinDir();
        for (const char *f : skinFiles)
            QVERIFY2(!QImage(skin + '/' + f).isNull(), f);
        for (const char *f : resourceFiles)
            QVERIFY2(!QImage(QString::fromLatin1(f)).isNull(), f);
        // Sizes the pages lay them out at, so nothing is stretched out of shape.
        QCOMPARE(QImage(skin + "/main/48x48.png").size(), QSize(48, 48));
        QCOMPARE(QImage(skin + "/main/heic_icon_26.png").size(), QSize(26, 26));
        QCOMPARE(QImage(skin + "/Button/big_button_normal.png").size(), QSize(168, 43));
        QCOMPARE(QImage(skin + "/main/module1_normal.png").size(), QSize(290, 350));
        QCOMPARE(QImage(":/Vantrope/Resources/home_bg.jpg").size(), QSize(1000, 569));
        QCOMPARE(QImage(":/Vantrope/Resources/file_add_bg_normal.png").size(), QSize(670, 400));
    }

    void contactSheets()
    {
        const QString skin = ZoSkin().skinDir();
        QStringList buttons, others, tiles;
        for (const char *f : skinFiles) {
            const QString path = skin + '/' + f;
            if (QString(f).startsWith("main/module"))
                tiles << path;
            else if (QString(f).startsWith("Button/"))
                buttons << path;
            else
                others << path;
        }
        QStringList resources;
        for (const char *f : resourceFiles)
            if (!QString(f).contains("module"))
                resources << QString::fromLatin1(f);
        std::unique_ptr<QLabel> a(imageLabel(contactSheet(buttons, 4)));
        TestSupport::saveToGallery(a.get(), "skin-sheet-buttons");
        std::unique_ptr<QLabel> b(imageLabel(contactSheet(others, 3)));
        TestSupport::saveToGallery(b.get(), "skin-sheet-labels-icons");
        std::unique_ptr<QLabel> c(imageLabel(contactSheet(tiles, 2)));
        TestSupport::saveToGallery(c.get(), "skin-sheet-tiles");
        std::unique_ptr<QLabel> d(imageLabel(contactSheet(resources, 2)));
        TestSupport::saveToGallery(d.get(), "skin-sheet-resources");
    }

    void buttonsInUse()
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
        auto *add = skinButton(&panel, "add_icon", "", "", QSize(60, 20));
        auto *del = skinButton(&panel, "delete_icon", "", "", QSize(76, 20), true);
        auto *clear = skinButton(&panel, "clear_icon", "", "", QSize(68, 20), true);
        auto *delOff = skinButton(&panel, "delete_icon", "", "", QSize(76, 20), true);
        auto *clearOff = skinButton(&panel, "clear_icon", "", "", QSize(68, 20), true);
        delOff->setEnabled(false);
        clearOff->setEnabled(false);
        row({add, del, clear, delOff, clearOff});
        auto *home = skinButton(&panel, "home_button", "", "text-align: right; color: #3598fe;", QSize(90, 30));
        home->setTextOption(QTextOption(Qt::AlignRight | Qt::AlignHCenter));
        home->setFont(skin.font(38));
        auto *start = skinButton(&panel, "big_button", "Start", "color:#FFFFFF", QSize(168, 43));
        start->setFont(skin.font(39));
        auto *menu = skinButton(&panel, "tools_icon", "", "", QSize(18, 18));
        auto *mini = skinButton(&panel, "mini_icon", "", "", QSize(18, 18));
        auto *close = skinButton(&panel, "close_icon", "", "", QSize(18, 18));
        auto *fileAdd = skinButton(&panel, "file_add", "", "background-color: rgb(255, 255, 255);", QSize(80, 80));
        row({home, start, menu, mini, close, fileAdd});
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
        for (ZoStyleButton *b : {openHover, okHover, startHover, startPress})
            QApplication::sendEvent(b, &enter);
        QMouseEvent press(QEvent::MouseButtonPress, QPoint(5, 5), QPoint(5, 5), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(startPress, &press);
        TestSupport::saveToGallery(&panel, "skin-buttons-in-use");
    }

    void dialogs()
    {
        SampleDialog dialog(QStringLiteral("Conversion Settings"), QSize(480, 220));
        dialog.content->setStyleSheet("background: white;");
        auto *layout = new QVBoxLayout(dialog.content);
        layout->setContentsMargins(30, 24, 30, 20);
        auto *text = new QLabel(QStringLiteral("Are you sure to quit the program?"), dialog.content);
        text->setFont(ZoSkin().font(38));
        text->setStyleSheet("color:#484848");
        auto *tip = new QLabel(dialog.content);
        tip->setPixmap(QPixmap(ZoSkin().skinDir() + "/Label/tips_confirm.png"));
        auto *line = new QHBoxLayout;
        line->addWidget(tip);
        line->addWidget(text, 1);
        layout->addLayout(line);
        layout->addStretch(1);
        auto *buttons = new QHBoxLayout;
        buttons->addStretch(1);
        auto *yes = skinButton(dialog.content, "button100", "Yes", "color:#3598fe", QSize(100, 30));
        auto *no = skinButton(dialog.content, "button100_2", "No", "color:#ffffff", QSize(100, 30));
        yes->setFont(ZoSkin().font(34));
        no->setFont(ZoSkin().font(34));
        buttons->setSpacing(16);
        buttons->addWidget(yes);
        buttons->addWidget(no);
        layout->addLayout(buttons);
        TestSupport::saveToGallery(&dialog, "skin-dialog-frame");

        ZoMessageBox all(QStringLiteral("The output folder does not exist. Create it now?"),
                         QStringLiteral("Output Folder"), 15);
        TestSupport::saveToGallery(&all, "skin-messagebox-all");
        ZoMessageBox ok(QStringLiteral("All photos have been converted."), QString(), 4);
        TestSupport::saveToGallery(&ok, "skin-messagebox-ok");

        ZoAbout about;
        TestSupport::saveToGallery(&about, "skin-about");
    }

    void table()
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
        TestSupport::saveToGallery(&page, "skin-table");
    }

    void homeAndDropMockups()
    {
        // The home view and the drop zone as the pages compose them, to judge
        // the tiles, the backdrop and the frame together.
        QWidget home;
        home.setFixedSize(1000, 569);
        home.setObjectName("home");
        // As the main window's form has it: a rule without selector, which the
        // tiles inherit too.
        home.setStyleSheet("background-color: rgb(255, 255, 255);\nbackground-image: url(:/Vantrope/Resources/home_bg.jpg);");
        auto *single = new QLabel(&home);
        single->setGeometry(146, 94, 290, 350);
        single->setStyleSheet("background-image: url(:/Vantrope/Resources/module1_normal.png);");
        auto *batch = new QLabel(&home);
        batch->setGeometry(564, 94, 290, 350);
        batch->setStyleSheet("background-image: url(" + ZoSkin().skinDir() + "/main/module2_bg_hover.png);");
        for (QPoint at : {QPoint(205, 344), QPoint(630, 344)}) {
            auto *start = skinButton(&home, "big_button", "Start", "color:#FFFFFF", QSize(168, 43));
            start->setFont(ZoSkin().font(39));
            start->move(at);
        }
        TestSupport::saveToGallery(&home, "skin-home-mockup");

        QWidget drop;
        drop.setFixedSize(1000, 569);
        drop.setObjectName("drop");
        drop.setStyleSheet("#drop{background:white;}");
        auto *zone = new QWidget(&drop);
        zone->setObjectName("zone");
        zone->setGeometry(165, 85, 670, 400);
        zone->setStyleSheet("#zone {background-color: rgb(255, 255, 255); background-image: url(:/Vantrope/Resources/file_add_bg_normal.png);}");
        auto *add = skinButton(zone, "file_add", "", "background-color: rgb(255, 255, 255);", QSize(80, 80));
        add->move(295, 124);
        auto *tip = new QLabel("Select A File", zone);
        tip->setFont(ZoSkin().font(43));
        tip->setStyleSheet("color:#3598fe;background-color: rgb(255, 255, 255);");
        tip->setAlignment(Qt::AlignCenter);
        tip->setGeometry(5, 236, 660, 22);
        auto *dropTip = new QLabel("Or you can directly drop a HEIC file here.", zone);
        dropTip->setFont(ZoSkin().font(34));
        dropTip->setStyleSheet("color:#787878;background-color: rgb(255, 255, 255);");
        dropTip->setAlignment(Qt::AlignCenter);
        dropTip->setGeometry(5, 274, 660, 16);
        TestSupport::saveToGallery(&drop, "skin-drop-mockup");
    }

    void fontSizes()
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
        TestSupport::saveToGallery(&panel, "skin-fonts");
        QVERIFY(QFontInfo(skin.font(34)).family().size() > 0);
    }
};

QTEST_MAIN(TestSkinGallery)
#include "tst_skingallery.moc"
