#include "SingalConverterHome.h"
#include "ui_SingalConverterHome.h"

#include "PhotoFiles.h"
#include "DroppedPaths.h"
#include "DroppedPhoto.h"
#include "filedialogs.h"
#include "ZoKeyboard.h"
#include "ZoAccessible.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QStringList>

namespace {

// A multi-file drag is usable when it holds a HEIF photo or a folder (which
// may hold some). Folders are walked only on the drop, never while dragging.
bool holdsPhotoOrFolder(const QStringList &paths)
{
    for (const QString &path : paths) {
        if (PhotoFiles::isHeifPhotoName(path) || (!path.isEmpty() && QFileInfo(path).isDir()))
            return true;
    }
    return false;
}

} // namespace

SingalConverterHome::SingalConverterHome(QWidget *parent)
    : QWidget(parent)
    , form(new Ui::SingalConverterHome)
{
    qRegisterMetaType<QVector<QString>>("QVector<QString>");
    form->setupUi(this);

    form->label_SelectTip->setFont(skin.font(ZoSkin::HeadingFont));
    form->label_DropTip->setFont(skin.font(ZoSkin::BodyFont));

    form->pushButton_SelectPhoto->setSkinImages(QStringLiteral("file_add"));

    ZoAccessible::describe(form->pushButton_SelectPhoto, tr("Select A File"),
                           tr("Choose a HEIC photo to convert"));

    // Both accept drops, so a drop anywhere on the page reaches this view's
    // handlers: widget_SingleMain has no handlers of its own and passes the
    // events up to its parent.
    setAcceptDrops(true);
    form->widget_SingleMain->setAcceptDrops(true);

    connect(form->pushButton_SelectPhoto, SIGNAL(clicked()), this, SLOT(slot_SelectHEIC()));
    // Ctrl+O opens the file dialog (a photo, or photos in multi-file mode).
    ZoKeyboard::bindShortcut(this, QKeySequence::Open, form->pushButton_SelectPhoto);
}

SingalConverterHome::~SingalConverterHome()
{
    delete form;
}

void SingalConverterHome::setMultiFileMode(bool bMultiFileMode)
{
    multiFileMode = bMultiFileMode;
    form->pushButton_SelectPhoto->setAccessibleDescription(
        bMultiFileMode ? tr("Choose the HEIC photos to convert") : tr("Choose a HEIC photo to convert"));
}

void SingalConverterHome::setSelectTipText(const QString &strText)
{
    form->label_SelectTip->setText(strText);
    // The button is read out by the caption shown under it.
    form->pushButton_SelectPhoto->setAccessibleName(strText);
}

void SingalConverterHome::setDropTipText(const QString &strText)
{
    form->label_DropTip->setText(strText);
}

void SingalConverterHome::slot_SelectHEIC()
{
    const QString filter = PhotoFiles::fileDialogFilter(tr("Image Files"));
    if (!multiFileMode) {
        const QString path = FileDialogs::getOpenFileName(this, tr("Choose Image"),
                                                          QStringLiteral("."), filter);
        if (path.isEmpty() || !PhotoFiles::isHeifPhotoName(path))
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
    const QStringList paths = DroppedPaths::localPaths(event->mimeData());
    if (multiFileMode ? holdsPhotoOrFolder(paths) : DroppedPhoto::firstIsPhoto(paths))
        event->acceptProposedAction();
}

void SingalConverterHome::dropEvent(QDropEvent *event)
{
    const QStringList paths = DroppedPaths::localPaths(event->mimeData());
    if (paths.isEmpty())
        return;

    if (!multiFileMode) {
        if (!DroppedPhoto::firstIsPhoto(paths))
            return;
        currentPath = paths.first();
        event->acceptProposedAction();
        emit signal_ToPreviewView(currentPath);
        return;
    }

    // The photos among the dropped files and inside the dropped folders (at
    // any depth); everything else is left out.
    const PhotoFiles::Collected collected = PhotoFiles::collect(paths, true);
    if (collected.photos.isEmpty()) {
        form->label_DropTip->setText(tr("No HEIC photos were found in what you dropped."));
        return;
    }
    currentPath = collected.photos.last();
    event->acceptProposedAction();
    emit signal_addHeicFile(collected.photos);
}
