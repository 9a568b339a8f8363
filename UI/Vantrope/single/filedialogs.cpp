#include "filedialogs.h"

namespace FileDialogs {
namespace {

Hooks &currentHooks()
{
    static Hooks hooks;
    return hooks;
}

} // namespace

QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                        const QString &filter)
{
    if (const auto hook = currentHooks().openFileName)
        return hook(parent, caption, dir, filter);
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QStringList getOpenFileNames(QWidget *parent, const QString &caption, const QString &dir,
                             const QString &filter)
{
    if (const auto hook = currentHooks().openFileNames)
        return hook(parent, caption, dir, filter);
    return QFileDialog::getOpenFileNames(parent, caption, dir, filter);
}

QString getExistingDirectory(QWidget *parent, const QString &caption, const QString &dir,
                             QFileDialog::Options options)
{
    if (const auto hook = currentHooks().existingDirectory)
        return hook(parent, caption, dir, options);
    return QFileDialog::getExistingDirectory(parent, caption, dir, options);
}

Hooks setHooks(Hooks hooks)
{
    Hooks previous = std::move(currentHooks());
    currentHooks() = std::move(hooks);
    return previous;
}

} // namespace FileDialogs
