#include "SingalConverterHome.h"
#include "ui_SingalConverterHome.h"

#include "filedialogs.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QStringList>
#include <QUrl>

namespace {

const char kUriListFormat[] = "text/uri-list";

// The suffix tests compare the last five characters exactly, so "x.Heic" and
// "x.HEIF" fail them; a path shorter than five characters fails as well.
bool hasSuffix(const QString &path, const QString &suffix)
{
    return path.right(5) == suffix;
}

} // namespace

SingalConverterHome::SingalConverterHome(QWidget *parent)
    : QWidget(parent)
    , form(new Ui::SingalConverterHome)
{
    qRegisterMetaType<QVector<QString>>("QVector<QString>");
    form->setupUi(this);

    form->label_SelectTip->setFont(skin.font(43));
    form->label_DropTip->setFont(skin.font(34));

    const QString skinFolder = skin.skinDir();
    form->pushButton_SelectPhoto->setImages(skinFolder + QStringLiteral("/Button/file_add_normal.png"),
                                            skinFolder + QStringLiteral("/Button/file_add_hover.png"),
                                            skinFolder + QStringLiteral("/Button/file_add_pressing.png"));

    // Both accept drops, so a drop anywhere on the page reaches this view's
    // handlers: widget_SingleMain has no handlers of its own and passes the
    // events up to its parent.
    setAcceptDrops(true);
    form->widget_SingleMain->setAcceptDrops(true);

    connect(form->pushButton_SelectPhoto, SIGNAL(clicked()), this, SLOT(slot_SelectHEIC()));
}

SingalConverterHome::~SingalConverterHome()
{
    delete form;
}

void SingalConverterHome::setMultiFileMode(bool bMultiFileMode)
{
    multiFileMode = bMultiFileMode;
}

void SingalConverterHome::setSelectTipText(const QString &strText)
{
    form->label_SelectTip->setText(strText);
}

void SingalConverterHome::setDropTipText(const QString &strText)
{
    form->label_DropTip->setText(strText);
}

void SingalConverterHome::slot_SelectHEIC()
{
    const QString filter = tr("Image Files(*.HEIC)");
    if (!multiFileMode) {
        const QString path = FileDialogs::getOpenFileName(this, tr("Choose Image"),
                                                          QStringLiteral("."), filter);
        if (path.isEmpty() || !hasSuffix(path, QStringLiteral(".HEIC")))
            return;
        currentPath = path;
        emit signal_ToPreviewView(currentPath);
        return;
    }

    const QStringList paths = FileDialogs::getOpenFileNames(this, tr("Choose Images"),
                                                            QStringLiteral("."), filter);
    QVector<QString> vStrPath;
    vStrPath.reserve(paths.size());
    for (const QString &path : paths)
        vStrPath.append(path);
    // Also emitted when the dialog was cancelled: the owner moves on to the
    // (then empty) file table either way.
    emit signal_addHeicFile(vStrPath);
}

void SingalConverterHome::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasFormat(QLatin1String(kUriListFormat)))
        event->acceptProposedAction();
}

void SingalConverterHome::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty())
        return;

    if (!multiFileMode) {
        // A URL that is not a local file gives an empty path, which fails the test.
        const QString path = urls.first().toLocalFile();
        if (!hasSuffix(path, QStringLiteral(".HEIC")) && !hasSuffix(path, QStringLiteral(".heic")))
            return;
        currentPath = path;
        event->acceptProposedAction();
        emit signal_ToPreviewView(currentPath);
        return;
    }

    QVector<QString> vStrPath;
    vStrPath.reserve(urls.size());
    for (const QUrl &url : urls) {
        const QString path = url.toLocalFile();
        if (!hasSuffix(path, QStringLiteral(".HEIC")))
            return; // one file that fails rejects the whole drop
        currentPath = path;
        vStrPath.append(path);
    }
    event->acceptProposedAction();
    emit signal_addHeicFile(vStrPath);
}
