#pragma once

#include <QSet>
#include <QString>

// The output location rule: where the JPEG of one input goes.
//
// The save path is the output folder as the user gave it, empty for the
// default. The rule completes it and the completed value is stored back where
// it came from, so the caller passes its own member by reference:
//
//   save path        batch form                 single-photo form
//   empty            desktop + "/Quorvix/"      desktop + "/Quorvix"
//   no "/Quorvix"    + "/Quorvix"               ends in ":/" (D:/): + "Quorvix",
//                                               otherwise + "/Quorvix"
//   has "/Quorvix"   unchanged                  unchanged
//
// ("/Quorvix" is looked for case-sensitively anywhere in the string.)
// The output name is the input's file name with every ".HEIC", then every
// ".heic" replaced by ".jpg", and a HEIF suffix of any case that is still left
// at its end replaced by ".jpg"; it is joined to the folder with "/".
//
// The output folder is used only when it is a real folder (not a symbolic
// link) that belongs to the user running the program: a folder someone else
// prepared there, or a link to one, would receive the user's photos.
namespace OutputLocation {

enum class Form { Batch, SinglePhoto };

// What happens when a file of the output name is already in the folder
// (before the conversion): the JPEG takes the next free "(n)" name, replaces
// it, or the photo is left unconverted. Names that differ only in case count
// as the same name on every file system, since FAT and exFAT (memory cards)
// and many network shares ignore case, and a folder may later be copied to
// one of them.
enum class Existing { KeepBoth, Replace, Skip };

// The names of the entries in folder, case-folded (none when it cannot be
// read or does not exist).
QSet<QString> foldedEntryNames(const QString &folder);

// The name as foldedEntryNames holds it.
inline QString foldedName(const QString &name)
{
    return name.toCaseFolded();
}

// IMG_0001.HEIC -> IMG_0001.jpg, x.heic.heic -> x.jpg.jpg, b.Heic -> b.jpg,
// x.HIF -> x.jpg; a name that is still no JPEG name gets ".jpg" appended
// (exit -> exit.jpg, photo.png -> photo.png.jpg; c.jpg and d.JPEG stay).
QString outputName(const QString &fileName);

// "IMG_1.jpg", 2 -> "IMG_1 (2).jpg"; the suffix is what follows the last dot
// (none for "exit" or ".jpg").
QString numberedName(const QString &name, int n);

// The name of a photo's further image (imageNumber 2, 3, ...) beside its
// primary's JPEG: "IMG_1.jpg", 2 -> "IMG_1-2.jpg" (the path's folder kept).
// The work queue then settles collisions as for any other output.
QString otherImagePath(const QString &primaryOutputPath, int imageNumber);

// Completes savePath in place by the table above. Touches no file.
void completeSavePath(QString &savePath, Form form);

// True when folder is a real folder owned by the user; otherwise *reason
// (when given) says why not ("the folder ... is a symbolic link", "...
// belongs to another user", "... does not exist").
bool isUsableFolder(const QString &folder, QString *reason = nullptr);

// Makes sure the folder exists and is usable. A default folder (the save path
// was empty) is created with all missing parents, so the default works even
// without a desktop folder; a folder the user chose is created one level only
// (its parent must exist). True when the folder is usable afterwards; else
// *reason (when given) says why, in the system's words where it has them.
bool prepareFolder(const QString &folder, bool isDefaultFolder, QString *reason = nullptr);

// Creates the folders of relative path subfolder ("a/b") inside root, each
// level held to the rules of isUsableFolder (an existing link is refused,
// never followed). An empty subfolder is root itself. "." and ".." levels are
// refused.
bool prepareSubfolder(const QString &root, const QString &subfolder, QString *reason = nullptr);

// Creates folder with every missing parent (mkdir -p); each level created
// below the nearest existing folder is held to the rules of isUsableFolder.
// A folder that exists is left as it is (true).
bool prepareFolderTree(const QString &folder, QString *reason = nullptr);

// The folder the JPEG of inputPath goes to: the input's own folder when
// beside is true, else the completed save path, followed by "/" + subfolder
// when that is not empty.
QString outputFolder(const QString &completedSavePath, const QString &inputPath, const QString &subfolder,
                     bool beside);

// Where the JPEG of inputPath goes before any collision is settled:
// outputFolder(...) + "/" + outputName(the input's file name).
QString wantedOutputPath(const QString &completedSavePath, const QString &inputPath, const QString &subfolder,
                         bool beside);

// The whole rule for one input: completes savePath in place, prepares the
// folder and returns the output path (folder + "/" + output name). The result
// never names the input itself: when it would (an input "c.jpg" inside the
// target folder), the first numbered name is used instead ("c (2).jpg").
// *folderReady (when given) tells whether the folder is usable, *reason
// (when given) why not. With existing KeepBoth a name taken in the folder
// (in any case) is passed over as well; with Skip *existingPath (when given)
// receives the entry that has the name, and stays empty when there is none.
QString resolve(QString &savePath, const QString &inputPath, Form form, bool *folderReady = nullptr,
                QString *reason = nullptr, Existing existing = Existing::Replace, QString *existingPath = nullptr);

// The two forms by name. The preview page calls the single-photo form; the
// batch workers take wantedOutputPath instead, since the work queue settles
// name collisions among the whole batch.
inline QString batchOutputPath(QString &savePath, const QString &inputPath, bool *folderReady = nullptr,
                               QString *reason = nullptr)
{
    return resolve(savePath, inputPath, Form::Batch, folderReady, reason);
}
inline QString singlePhotoOutputPath(QString &savePath, const QString &inputPath, bool *folderReady = nullptr,
                                     QString *reason = nullptr, Existing existing = Existing::Replace,
                                     QString *existingPath = nullptr)
{
    return resolve(savePath, inputPath, Form::SinglePhoto, folderReady, reason, existing, existingPath);
}

} // namespace OutputLocation
