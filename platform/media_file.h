#pragma once

#include <QString>

// Media names are stored the way the program has always written them, some with a backslash
// ("\win.swf"). Appended to the program's directory they form the path as built; this turns such a
// path into the name of the file on this system, taking a backslash as a directory separator.
QString mediaFileOnDisk(const QString &builtPath);
