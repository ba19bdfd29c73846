#pragma once

#include <QString>
#include <QStringList>

class QObject;

// Installs the game's translation and Qt's own for the first of `languages` (as the desktop lists them,
// "de-DE", "fr") that the game has, and returns that language as found ("de_DE"). English is the game's
// own language and needs none: a list that names English before any language the game has gets no
// translation, and the result is empty. The translators belong to `owner` and are removed with it.
//
// The game's translation is looked for as corvane_<language>.qm in the "translations" folder of the
// player's data folder, then of the installed data folder, then in the copy built into the program; Qt's
// own in the folder Qt installs its translations to. On disk only a regular file of a few MB at most counts;
// anything else under the name (a FIFO, a directory, a broken file) is passed over like a missing one.
QString installTranslations(const QStringList &languages, QObject *owner);

// The language of the game's translation in use, as its help text and its clips are named ("de",
// "pt_BR"), or "en" when there is none.
QString gameLanguage();
