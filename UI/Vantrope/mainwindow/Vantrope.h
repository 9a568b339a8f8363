#pragma once

#include "Heif2jpg.h"
#include "ZoShadowFrame.h"
#include "ZoSkin.h"

#include <QMainWindow>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

namespace Ui {
class VantropeClass;
}

class HeicFileTable;
class PhotoInfo;
class PreviewHEIC;
class QAction;
class QLabel;
class QMenu;
class QTimer;
class SingalConverterHome;
class TipDialog;
class ZoStyleButton;

// The program's only top-level window: a frameless, fixed 1010 x 630 window
// with its own title bar and a content area that shows either the home view
// (two tiles with a "Start" button each) or exactly one page: the drop page
// in single-photo or multi-file mode, the preview page or the batch table.
//
// The window is built centred and hidden; its creator shows it, once (a
// hand-over of files only brings it forward). A page is created when it is
// entered, put on show by showPage and released with deleteLater when it is
// left, so going home discards a file list or a decoded photo. The
// decoder entry is bound once, as the last step of construction, and handed
// to every page that converts.
class Vantrope : public QMainWindow
{
    Q_OBJECT

public:
    explicit Vantrope(QWidget *parent = nullptr);
    ~Vantrope() override;

    // The web page each link entry opens when the menu table has no address
    // for it; indexed by menu number 3 to 8, empty for other numbers.
    static QString defaultLinkAddress(int nMenuNumber);

public slots:
    void slot_SinglePhotoView();
    void slot_BatchPhotoView();
    void slot_ToHome();
    void slot_ToPreviewView(QString strFilePath);
    void slot_PhotoInfo(const QString &strName, const QString &strCreateDate,
                        const QString &strFileSize, const QString &strResolution);
    void slot_addHeicFileToTable(QVector<QString> vStrPath);

    void slot_AddToolMenu();
    void slot_TutorialURL();
    void slot_Frequently_Asked_QuestionsURL();
    void slot_WriteProductReviewURL();
    void slot_ContactUsURL();
    void slot_FacebookURL();
    void slot_FollowUS();
    void slot_About();

    void slot_Exit();

    // Photos or folders given on the command line or handed over by a later
    // start: brings the window forward and shows them. One photo opens its
    // preview; several, or a folder, open the batch table with the folders'
    // photos. While the batch table is on show they are added to it, so a
    // gathered list is never thrown away. While a dialog of the window is open
    // (a batch or a conversion in progress, a question) they wait until it
    // has closed, then come in order. Paths that are no photos are left out;
    // with nothing left the window only comes forward.
    void slot_OpenFiles(QStringList vStrPath);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    // A close asked for by the window system (Alt+F4, the window list) goes
    // through the quit confirmation, as the title bar's close button does.
    void closeEvent(QCloseEvent *event) override;

private:
    // The Home button: asks before a listed batch is dropped.
    void leaveToHome();
    void enterPageWithCaption(const QString &strCaption);
    SingalConverterHome *createDropPage();
    // Puts a new page into the content area, sized to it.
    void placePage(QWidget *page);
    // Releases the page on show (deferred), if any.
    void closeCurrentPage();
    // Puts page on show in place of the current one, which is released, and
    // gives it the keyboard.
    void showPage(QWidget *page);
    // After a page change: the title bar's buttons come last in Tab order,
    // and the focus goes to the first control of what is on show.
    void settleKeyboard(QWidget *shown);
    void openLink(int nMenuNumber);
    void bringToFront();
    void showPendingFiles();
    void showFiles(const QStringList &paths);

    Ui::VantropeClass *ui;
    ZoSkin skin;
    ZoShadowFrame frame;

    ZoStyleButton *singleStartButton = nullptr;
    ZoStyleButton *batchStartButton = nullptr;
    Heif2jpgFunc decoder = nullptr;
    TipDialog *quitDialog = nullptr;
    // Set once the user has confirmed quitting: the next close goes through.
    bool quitConfirmed = false;

    // Files handed in while a dialog was open, one list per hand-over.
    QList<QStringList> pendingFiles;
    QTimer *pendingTimer = nullptr;

    // Pages and navigation.
    SingalConverterHome *dropPage = nullptr;
    PreviewHEIC *previewPage = nullptr;
    QWidget *currentPage = nullptr;
    QLabel *captionLabel = nullptr;
    PhotoInfo *photoInfoDialog = nullptr;
    HeicFileTable *fileTablePage = nullptr;

    // Tool menu, built on the first click of the menu button: one action per
    // link entry (in menu order, also those the table hides), About, Exit.
    QMenu *toolMenu = nullptr;
    QList<QAction *> linkActions;
    QAction *aboutAction = nullptr;
    QAction *exitAction = nullptr;
};
