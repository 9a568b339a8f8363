#pragma once

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
// ".heic" replaced by ".jpg"; it is joined to the folder with "/".
namespace OutputLocation {

enum class Form { Batch, SinglePhoto };

// IMG_0001.HEIC -> IMG_0001.jpg, x.heic.heic -> x.jpg.jpg, b.Heic -> b.Heic.
QString outputName(const QString &fileName);

// Completes savePath in place by the table above. Touches no file.
void completeSavePath(QString &savePath, Form form);

// Makes sure the folder exists. A default folder (the save path was empty) is
// created with all missing parents, so the default works even without a
// desktop folder; a folder the user chose is created one level only (its
// parent must exist). True when the folder exists afterwards.
bool prepareFolder(const QString &folder, bool isDefaultFolder);

// The whole rule for one input: completes savePath in place, prepares the
// folder and returns the output path (folder + "/" + output name). The result
// never names the input itself: when it would (b.Heic inside the target
// folder), ".jpg" is appended to the input's name instead (b.Heic.jpg).
// *folderReady (when given) tells whether the folder exists.
QString resolve(QString &savePath, const QString &inputPath, Form form, bool *folderReady = nullptr);

// The two forms by name, as the batch workers and the preview page call them.
inline QString batchOutputPath(QString &savePath, const QString &inputPath, bool *folderReady = nullptr)
{
    return resolve(savePath, inputPath, Form::Batch, folderReady);
}
inline QString singlePhotoOutputPath(QString &savePath, const QString &inputPath, bool *folderReady = nullptr)
{
    return resolve(savePath, inputPath, Form::SinglePhoto, folderReady);
}

} // namespace OutputLocation
