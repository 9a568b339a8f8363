#pragma once

#include <QString>
#include <QStringList>

// The files the program was started with (a file manager's "Open With", a
// desktop entry's %F, a terminal), after Qt has taken its own options.
namespace LaunchFiles {

// Every argument as an absolute path, resolved against the current folder
// of this process (a copy that runs already has another one); "file:" URLs
// become local paths. Empty arguments are dropped; order is kept.
QStringList fromArguments(const QStringList &arguments);

// The arguments that name neither a folder nor an existing HEIF photo, for a
// word on the terminal: the window leaves them out.
QStringList unusable(const QStringList &paths);

} // namespace LaunchFiles
