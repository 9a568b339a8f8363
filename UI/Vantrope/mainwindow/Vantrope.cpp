#include "Vantrope.h"
#include "ui_Vantrope.h"

#include "DialogPlacement.h"
#include "HeicFileTable.h"
#include "HomeTile.h"
#include "PhotoInfo.h"
#include "PreviewHEIC.h"
#include "SingalConverterHome.h"
#include "TipDialog.h"
#include "ProductWords.h"
#include "ZoAbout.h"
#include "ZoKeyboard.h"
#include "ZoStyleSheets.h"
#include "ZoAccessible.h"
#include "ZoStyleButton.h"
#include "ZoStyleWidget.h"
#include "PhotoFiles.h"
#include "desktopopener.h"
#include "menutable.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopWidget>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMetaType>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QUrl>

namespace {

// Menu numbers of the link entries in the menu table.
enum MenuNumber {
    MenuTutorial = 3,
    MenuFrequentlyAskedQuestions = 4,
    MenuWriteProductReview = 5,
    MenuContactUs = 6,
    MenuFacebook = 7,
    MenuTwitter = 8
};

// The tool menu's link entries in menu order: the entry's text, the slot its
// action triggers, and the address it opens when the menu table has none.
struct LinkEntry
{
    int number;
    const char *text; // translated in the Vantrope context
    void (Vantrope::*slot)();
    const char *defaultAddress;
    bool separatorAfter;
};

const LinkEntry linkEntries[] = {
    {MenuTutorial, QT_TRANSLATE_NOOP("Vantrope", "Tutorial"), &Vantrope::slot_TutorialURL,
     "https://www.quorvix.com/vantrope/user-guide.html", false},
    {MenuFrequentlyAskedQuestions, QT_TRANSLATE_NOOP("Vantrope", "Frequently Asked Questions"),
     &Vantrope::slot_Frequently_Asked_QuestionsURL, "https://www.quorvix.com/support/faq.html", false},
    {MenuWriteProductReview, QT_TRANSLATE_NOOP("Vantrope", "Write a Product Review"),
     &Vantrope::slot_WriteProductReviewURL, "https://www.quorvix.com/vantrope/review.html", false},
    {MenuContactUs, QT_TRANSLATE_NOOP("Vantrope", "Contact Us"), &Vantrope::slot_ContactUsURL,
     "https://www.quorvix.com/support/contact.html", true},
    {MenuFacebook, QT_TRANSLATE_NOOP("Vantrope", "View Facebook Fan Page"), &Vantrope::slot_FacebookURL,
     "https://www.facebook.com/quorvix", false},
    {MenuTwitter, QT_TRANSLATE_NOOP("Vantrope", "Follow Us on Twitter"), &Vantrope::slot_FollowUS,
     "https://twitter.com/quorvix", true},
};

} // namespace

Vantrope::Vantrope(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::VantropeClass)
{
    ProductWords::install();
    ui->setupUi(this);
    setWindowTitle(tr("Vantrope"));

    // Each Start button lies on its tile, as a child: the pointer on it
    // still hovers the tile, and a screen reader finds it in the tile's group.
    singleStartButton = new ZoStyleButton(ui->label_SignalPhoto);
    singleStartButton->setObjectName("pushButton_SingleStart");
    batchStartButton = new ZoStyleButton(ui->label_BatchPhoto);
    batchStartButton->setObjectName("pushButton_BatchStart");

    resize(1010, 630);
    setMinimumSize(1010, 630);
    setMaximumSize(1010, 630);

    setWindowFlags(Qt::FramelessWindowHint);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinMaxButtonsHint);
    setAttribute(Qt::WA_TranslucentBackground, true);

    const QString skinDir = skin.skinDir();
    setWindowIcon(QIcon(skinDir + "/main/48x48.png"));
    ui->title_Widget->setDragTarget(this, QPoint(5, 5), true);
    ui->label_Icon->setPixmap(ZoSkin::pixmap(skinDir + "/main/heic_icon_26.png"));

    ui->pushButton_Menu->setSkinImages(QStringLiteral("tools_icon"));
    ui->pushButton_Min->setSkinImages(QStringLiteral("mini_icon"));
    ui->pushButton_Close->setSkinImages(QStringLiteral("close_icon"));
    ui->pushButton_BackHome->setSkinImages(QStringLiteral("home_button"));

    // House and caption centred on the pill, which widens for a longer word.
    ui->pushButton_BackHome->setSkinIcon(QStringLiteral("home_icon"), 7);
    ui->pushButton_BackHome->setText(tr("Home"));
    ui->pushButton_BackHome->setCaptionInks(ZoStyleButton::navigationInks());
    ui->pushButton_BackHome->hide();

    ui->label_Company->setText(tr("Quorvix"));
    ui->label_TitleName->setText(tr("Vantrope"));
    ui->label_Company->setFont(skin.font(ZoSkin::CaptionFont));
    ui->label_TitleName->setFont(skin.font(ZoSkin::CaptionFont));

    for (ZoStyleButton *start : {singleStartButton, batchStartButton}) {
        start->setFixedSize(168, 43);
        start->setSkinImages(QStringLiteral("big_button"));
    }
    ui->pushButton_BackHome->setFont(skin.font(ZoSkin::NavigationFont));
    ui->pushButton_BackHome->fitToCaption(90, 10);
    ui->label_SignalPhoto->setTexts(HomeTile::tr("Single Photo"),
                                    HomeTile::tr("Preview one photo, check its details and convert it."));
    ui->label_BatchPhoto->setTexts(HomeTile::tr("Batch Convert"),
                                   HomeTile::tr("Gather many photos and convert them all at once."));
    // Centred under the tile's description, over the card's foot.
    for (ZoStyleButton *start : {singleStartButton, batchStartButton})
        start->move((290 - start->width()) / 2, 251);
    for (ZoStyleButton *start : {singleStartButton, batchStartButton}) {
        start->setText(tr("Start"));
        start->setStyleSheet("color:#FFFFFF");
        start->setFont(skin.font(ZoSkin::CaptionFont));
    }

    // Image buttons carry no text of their own; both start buttons read
    // "Start", so their names say which way of working each one starts.
    ZoAccessible::describe(ui->pushButton_Menu, tr("Menu"),
                           tr("Help, links, About and Exit"));
    ZoAccessible::describe(ui->pushButton_Min, tr("Minimize"));
    ZoAccessible::describe(ui->pushButton_Close, tr("Close"), tr("Quits Vantrope after asking"));
    ZoAccessible::describe(ui->pushButton_BackHome, tr("Home"), tr("Back to the start page"));
    ZoAccessible::describe(singleStartButton, tr("Convert a single photo"),
                           tr("Preview one HEIC photo and convert it to JPEG"));
    ZoAccessible::describe(batchStartButton, tr("Convert photos in batch"),
                           tr("Collect many HEIC photos in a list and convert them to JPEG at once"));

    ui->label_SignalPhoto->installEventFilter(this);
    ui->label_BatchPhoto->installEventFilter(this);

    // Centred; whoever creates the window shows it, once.
    QDesktopWidget *desktop = QApplication::desktop();
    move((desktop->width() - width()) / 2, (desktop->height() - height()) / 2);
    settleKeyboard(singleStartButton);

    // File lists reach slot_addHeicFileToTable through a string-based
    // connection, which needs the type known by name.
    qRegisterMetaType<QVector<QString>>("QVector<QString>");
    connect(ui->pushButton_Min, SIGNAL(clicked()), this, SLOT(showMinimized()));
    connect(ui->pushButton_Close, SIGNAL(clicked()), this, SLOT(slot_Exit()));
    connect(singleStartButton, SIGNAL(clicked()), this, SLOT(slot_SinglePhotoView()));
    connect(batchStartButton, SIGNAL(clicked()), this, SLOT(slot_BatchPhotoView()));
    connect(ui->pushButton_BackHome, &QPushButton::clicked, this, &Vantrope::leaveToHome);
    connect(ui->pushButton_Menu, SIGNAL(clicked()), this, SLOT(slot_AddToolMenu()));

    decoder = bindDecoder();
}

Vantrope::~Vantrope()
{
    // The pages stop and wait for their own threads when they are destroyed;
    // they go first, while the window they report to still exists.
    delete fileTablePage;
    delete previewPage;
    delete dropPage;
    delete toolMenu;
    delete ui;
}

bool Vantrope::eventFilter(QObject *watched, QEvent *event)
{
    const QString skinDir = skin.skinDir();
    if (watched == ui->label_SignalPhoto) {
        if (event->type() == QEvent::Enter)
            ui->label_SignalPhoto->setStyleSheet("background-image: url(" + skinDir
                                                 + "/main/module1_bg_hover.png" + ");");
        else if (event->type() == QEvent::Leave)
            ui->label_SignalPhoto->setStyleSheet("background-image: url(" + skinDir
                                                 + "/main/module1_normal.png" + ");");
    } else if (watched == ui->label_BatchPhoto) {
        if (event->type() == QEvent::Enter)
            ui->label_BatchPhoto->setStyleSheet("background-image: url(" + skinDir
                                                + "/main/module2_bg_hover.png" + ");");
        else if (event->type() == QEvent::Leave)
            ui->label_BatchPhoto->setStyleSheet("background-image: url(" + skinDir
                                                + "/main/module2_normal.png" + ");");
    }
    return QMainWindow::eventFilter(watched, event);
}

void Vantrope::paintEvent(QPaintEvent *event)
{
    frame.paintFrame(this);
    QMainWindow::paintEvent(event);
}

void Vantrope::slot_Exit()
{
    if (!quitDialog) {
        quitDialog = new TipDialog(this);
        quitDialog->setQuitConfirmMode();
        // The confirmation is recorded before closing, so closeEvent lets
        // the close through.
        connect(quitDialog, &TipDialog::signal_ExitApp, this, [this]() {
            quitConfirmed = true;
            close();
        });
    }
    quitDialog->exec();
}

void Vantrope::closeEvent(QCloseEvent *event)
{
    if (quitConfirmed) {
        QMainWindow::closeEvent(event);
        return;
    }
    event->ignore();
    // Asked once the window system's request has been answered; a second
    // request while the question is up adds nothing.
    if (!quitDialog || !quitDialog->isVisible())
        QTimer::singleShot(0, this, &Vantrope::slot_Exit);
}

// ---- Files from the command line and from later starts ---------------------

void Vantrope::slot_OpenFiles(QStringList vStrPath)
{
    pendingFiles.append(vStrPath);
    bringToFront();
    showPendingFiles();
}

void Vantrope::bringToFront()
{
    // The window is on show from the start; only a minimized one comes back.
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void Vantrope::showPendingFiles()
{
    // A page is never changed under an open dialog: a running batch counts
    // its rows, a conversion writes the preview's photo, a question waits for
    // its answer. Look again a little later.
    if (QApplication::activeModalWidget()) {
        if (!pendingTimer) {
            pendingTimer = new QTimer(this);
            pendingTimer->setSingleShot(true);
            pendingTimer->setInterval(200);
            connect(pendingTimer, &QTimer::timeout, this, &Vantrope::showPendingFiles);
        }
        pendingTimer->start();
        return;
    }
    while (!pendingFiles.isEmpty())
        showFiles(pendingFiles.takeFirst());
}

void Vantrope::showFiles(const QStringList &paths)
{
    bool folderGiven = false;
    for (const QString &path : paths)
        folderGiven = folderGiven || QFileInfo(path).isDir();
    const QVector<QString> photos = PhotoFiles::collect(paths, true).photos;
    if (photos.isEmpty() && !folderGiven)
        return;

    if (fileTablePage && currentPage == fileTablePage) {
        fileTablePage->handOverFiles(QStringList(photos.cbegin(), photos.cend()));
        return;
    }

    // The rest goes the way of a file chosen on a fresh drop page.
    slot_ToHome();
    const bool onePhoto = paths.size() == 1 && photos.size() == 1 && !folderGiven;
    if (onePhoto) {
        slot_SinglePhotoView();
        emit dropPage->signal_ToPreviewView(photos.first());
    } else {
        slot_BatchPhotoView();
        emit dropPage->signal_addHeicFile(photos);
    }
}

// ---- Page navigation -------------------------------------------------------

void Vantrope::enterPageWithCaption(const QString &strCaption)
{
    ui->widget_Main->hide();
    singleStartButton->hide();
    batchStartButton->hide();
    ui->label_Icon->hide();
    ui->label_Company->hide();
    ui->label_TitleName->hide();
    ui->pushButton_BackHome->show();

    // One caption at a time: the one of the previous visit is released.
    if (captionLabel)
        captionLabel->deleteLater();
    captionLabel = new QLabel(strCaption, this);
    captionLabel->setObjectName("label_Caption");
    captionLabel->setFont(skin.font(ZoSkin::CaptionFont));
    captionLabel->setStyleSheet("color:#3598fe");
    captionLabel->setMinimumSize(190, 16);
    // Wide enough for the whole caption in whatever font the system gives.
    captionLabel->adjustSize();
    captionLabel->move(422, 15);
    // The caption lies over the title bar: a press on it drags the window.
    captionLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    captionLabel->show();
}

void Vantrope::placePage(QWidget *page)
{
    page->setGeometry(ui->widget_Main->rect());
    ui->mainLayout->addWidget(page);
}

SingalConverterHome *Vantrope::createDropPage()
{
    auto *page = new SingalConverterHome(this);
    placePage(page);
    return page;
}

void Vantrope::closeCurrentPage()
{
    if (!currentPage)
        return;
    // Deferred: the drop page is closed from inside its own signal emission.
    currentPage->hide();
    currentPage->deleteLater();
    if (currentPage == dropPage)
        dropPage = nullptr;
    else if (currentPage == previewPage)
        previewPage = nullptr;
    else if (currentPage == fileTablePage)
        fileTablePage = nullptr;
    currentPage = nullptr;
}

void Vantrope::showPage(QWidget *page)
{
    if (currentPage != page)
        closeCurrentPage();
    page->show();
    currentPage = page;
    settleKeyboard(page);
}

void Vantrope::settleKeyboard(QWidget *shown)
{
    ZoKeyboard::sendToEndOfTabChain({ui->pushButton_BackHome, ui->pushButton_Menu, ui->pushButton_Min,
                                     ui->pushButton_Close});
    if (!shown)
        return;
    if (shown->focusPolicy() & Qt::TabFocus)
        shown->setFocus(Qt::OtherFocusReason);
    else
        ZoKeyboard::focusFirst(shown);
}

void Vantrope::slot_SinglePhotoView()
{
    if (!dropPage) {
        dropPage = createDropPage();
        dropPage->setMultiFileMode(false);
        enterPageWithCaption(tr("Conver Single Photo"));
        ui->pushButton_BackHome->setStyleSheet("text-align: right; color: #3598fe;margin-top:5px");
        connect(dropPage, SIGNAL(signal_ToPreviewView(QString)), this,
                SLOT(slot_ToPreviewView(QString)));
    }
    showPage(dropPage);
}

void Vantrope::slot_BatchPhotoView()
{
    if (!dropPage) {
        dropPage = createDropPage();
        dropPage->setMultiFileMode(true);
        enterPageWithCaption(tr("Convert Photos in Batch"));
        dropPage->setSelectTipText(tr("Select Files"));
        dropPage->setDropTipText(tr("Or you can directly drop the HEIC files here."));
        connect(dropPage, SIGNAL(signal_addHeicFile(QVector<QString>)), this,
                SLOT(slot_addHeicFileToTable(QVector<QString>)));
    }
    showPage(dropPage);
}

void Vantrope::slot_ToPreviewView(QString strFilePath)
{
    if (!previewPage) {
        previewPage = new PreviewHEIC(strFilePath, this);
        placePage(previewPage);
        previewPage->setDecoder(decoder);
        previewPage->setThumbnailSource(bindThumbnail());
        previewPage->slot_Preview();
        connect(previewPage,
                SIGNAL(signal_PhotoInfo(const QString &, const QString &, const QString &,
                                        const QString &)),
                this,
                SLOT(slot_PhotoInfo(const QString &, const QString &, const QString &,
                                    const QString &)));
    }
    showPage(previewPage);
}

void Vantrope::slot_addHeicFileToTable(QVector<QString> vStrPath)
{
    if (!fileTablePage) {
        fileTablePage = new HeicFileTable(this);
        placePage(fileTablePage);
        fileTablePage->addFiles(QVector<QString>(vStrPath));
        fileTablePage->setDecoder(decoder);
    }
    showPage(fileTablePage);
}

void Vantrope::leaveToHome()
{
    // A listed batch is the user's work: it is dropped only when confirmed.
    if (fileTablePage && currentPage == fileTablePage && fileTablePage->photoCount() > 0) {
        QPointer<TipDialog> ask = new TipDialog(this);
        ask->setLeaveBatchConfirmMode(fileTablePage->photoCount());
        const int answer = DialogPlacement::execCentred(ask, this);
        if (ask)
            ask->deleteLater();
        if (answer != QDialog::Accepted)
            return;
    }
    slot_ToHome();
}

void Vantrope::slot_ToHome()
{
    closeCurrentPage();
    ui->widget_Main->show();
    singleStartButton->show();
    batchStartButton->show();
    if (captionLabel)
        captionLabel->hide();
    ui->label_Icon->show();
    ui->label_Company->show();
    ui->label_TitleName->show();
    ui->pushButton_BackHome->hide();
    settleKeyboard(singleStartButton);
}

void Vantrope::slot_PhotoInfo(const QString &strName, const QString &strCreateDate,
                              const QString &strFileSize, const QString &strResolution)
{
    if (!photoInfoDialog)
        photoInfoDialog = new PhotoInfo(this);
    photoInfoDialog->setName(strName);
    photoInfoDialog->setCreateDate(strCreateDate);
    photoInfoDialog->setFileSize(strFileSize);
    photoInfoDialog->setResolution(strResolution);
    photoInfoDialog->exec();
}

// ---- Tool menu and links ---------------------------------------------------

QString Vantrope::defaultLinkAddress(int nMenuNumber)
{
    for (const LinkEntry &link : linkEntries) {
        if (link.number == nMenuNumber)
            return QString::fromLatin1(link.defaultAddress);
    }
    return QString();
}

void Vantrope::slot_AddToolMenu()
{
    if (!toolMenu) {
        toolMenu = new QMenu();
        // The menu has no parent window, so it takes nothing from the skinned
        // window: give it the skin's font and a flat look in the same blue.
        toolMenu->setFont(skin.font(ZoSkin::MenuFont));
        toolMenu->setStyleSheet(ZoStyleSheets::popupMenu());
        // Every link's action exists; the menu holds those the table shows.
        for (const LinkEntry &link : linkEntries) {
            auto *action = new QAction(tr(link.text), toolMenu);
            linkActions.append(action);
            connect(action, &QAction::triggered, this, link.slot);
            int state = 0;
            MenuTable::stateAndAddress(link.number, &state);
            if (state != 1)
                continue;
            toolMenu->addAction(action);
            if (link.separatorAfter)
                toolMenu->addSeparator();
        }
        aboutAction = new QAction(tr("About"), toolMenu);
        exitAction = new QAction(tr("Exit"), toolMenu);
        toolMenu->addAction(aboutAction);
        toolMenu->addAction(exitAction);

        ui->pushButton_Menu->setMenu(toolMenu);

        connect(aboutAction, SIGNAL(triggered()), this, SLOT(slot_About()));
        connect(exitAction, SIGNAL(triggered()), this, SLOT(slot_Exit()));
    }
    toolMenu->move(ui->pushButton_Menu->x() + x() + 5,
                   ui->pushButton_Menu->y() + y() + ui->pushButton_Menu->height() + 8);
    toolMenu->show();
}

void Vantrope::openLink(int nMenuNumber)
{
    int state = 0;
    QString address = MenuTable::stateAndAddress(nMenuNumber, &state);
    // The address is used as the table holds it: narrowing it to Latin-1 would
    // turn every other character into '?' and open a different page.
    if (address.isEmpty())
        address = defaultLinkAddress(nMenuNumber);
    DesktopOpener::openUrl(QUrl(address, QUrl::TolerantMode));
}

void Vantrope::slot_TutorialURL()
{
    openLink(MenuTutorial);
}

void Vantrope::slot_Frequently_Asked_QuestionsURL()
{
    openLink(MenuFrequentlyAskedQuestions);
}

void Vantrope::slot_WriteProductReviewURL()
{
    openLink(MenuWriteProductReview);
}

void Vantrope::slot_ContactUsURL()
{
    openLink(MenuContactUs);
}

void Vantrope::slot_FacebookURL()
{
    openLink(MenuFacebook);
}

void Vantrope::slot_FollowUS()
{
    openLink(MenuTwitter);
}

void Vantrope::slot_About()
{
    ZoAbout about(this);
    about.exec();
}
