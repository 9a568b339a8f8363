#pragma once

#include <QFileDialog>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// The file dialogs of the single photo pages. By default each call runs the
// matching QFileDialog static function unchanged; tests install their own
// answers so that no modal dialog has to be driven, and can read back how the
// dialog was asked for.
namespace FileDialogs {

struct Hooks {
    std::function<QString(QWidget *parent, const QString &caption, const QString &dir,
                          const QString &filter)> openFileName;
    std::function<QStringList(QWidget *parent, const QString &caption, const QString &dir,
                              const QString &filter)> openFileNames;
    std::function<QString(QWidget *parent, const QString &caption, const QString &dir,
                          QFileDialog::Options options)> existingDirectory;
};

QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                        const QString &filter);
QStringList getOpenFileNames(QWidget *parent, const QString &caption, const QString &dir,
                             const QString &filter);
QString getExistingDirectory(QWidget *parent, const QString &caption, const QString &dir,
                             QFileDialog::Options options);

// Replaces the hooks; an empty member means the real dialog. Returns the
// previous hooks. GUI thread only.
Hooks setHooks(Hooks hooks);

} // namespace FileDialogs
