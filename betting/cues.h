#pragma once

#include <QString>

// The media names, stored exactly as the program has always written them: the sounds with a forward
// slash, the outcome clips with a backslash. They are appended to the program's directory unchanged.
namespace Cue {
inline const QString Whoosh = QStringLiteral("/whoosh.wav");
inline const QString Insurance = QStringLiteral("/insurance.wav");
inline const QString Snore = QStringLiteral("/snore.wav");
inline const QString Hung = QStringLiteral("/hung-01.wav");
inline const QString Explode = QStringLiteral("/Explode.wav");
inline const QString Haha = QStringLiteral("/haha.wav");
inline const QString Clap = QStringLiteral("/clap.wav");

inline const QString IdleClip = QStringLiteral("/a.swf");
inline const QString LossClip = QStringLiteral("\\loss.swf");
inline const QString DrawClip = QStringLiteral("\\draw.swf");
inline const QString WinClip = QStringLiteral("\\win.swf");
inline const QString BlackjackClip = QStringLiteral("\\bj.swf");
} // namespace Cue
