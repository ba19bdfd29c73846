#pragma once

#include <QString>
#include <QStringList>

// Media names are stored the way the program has always written them, some with a backslash
// ("\win.swf"). Appended to the program's directory they form the path as built; this turns such a
// path into the name of the file on this system, taking a backslash as a directory separator.
QString mediaFileOnDisk(const QString &builtPath);

// Where a media file is looked for when it is not beside the program, in order: the player's own data
// folder ($XDG_DATA_HOME/corvane), where a sound or a clip can be replaced without root, then the data
// folder installed with the program (share/corvane beside its bin/), so that any install prefix works.
QStringList mediaFallbackFolders(const QString &programDirectory, const QString &playerDataHome);

// The file to open for a built media path: the file at that path when it is there, else the first file
// of the same name in `fallbackFolders`. Only a regular file counts: a directory, a FIFO, a socket or a
// device under a media name is passed over like a missing file, since opening one could block the game.
// Empty when no folder has the file: the caller treats it as missing.
QString locateMediaFile(const QString &builtPath, const QStringList &fallbackFolders);

// The same lookup in the running program's own fallback folders.
QString locateMediaFile(const QString &builtPath);
