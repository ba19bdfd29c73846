#pragma once

#include "table/card_deck.h"

#include <QIcon>
#include <QPixmap>

// The pictures stored with the table window, compiled in as resources. Each is loaded once and then
// shared, so every card box showing the back holds the very same picture.
// Makes the pictures and the help text compiled into the library reachable under ":/".
void ensureTableResources();

// The felt, title and chip stacks, 560 x 410 logical pixels at `zoom` times that size, for a screen of
// `devicePixelRatio` device pixels per pixel. Drawn from the art artScaleFor() (platform/art_scale.h) picks
// for the two together:
// as it is where that art has exactly the pixels needed, reduced smoothly to the exact device size where
// it has more, and left for the painter to enlarge only past the largest art. The pictures at zoom 1 are
// kept for the session; those of a larger zoom only until another zoom asks for its own, so that the
// larger art costs nothing until a zoom needs it. The art at three times, which only a zoom needs, is read
// from beside the program, where the clips are, and not built into it; where it is missing the art at
// two times stands in.
QPixmap backgroundPicture(qreal devicePixelRatio, qreal zoom = 1.0);
// The face-down card, 71 x 96 logical pixels at `zoom` times that size, chosen the same way. Like the
// faces it is transparent in the few pixels its rounded corners cut away.
CardPicture cardBackPicture(qreal devicePixelRatio, qreal zoom = 1.0);
// Both at the application's device pixel ratio, the ratio the card faces are rendered for.
QPixmap backgroundPicture();
CardPicture cardBackPicture();

// Starts decoding the window icon's sizes and the felt for the application's ratio on a thread of their
// own, so that the window's first frame finds them ready instead of decoding them while the player waits.
// The first corvaneIcon() and backgroundPicture() take what was decoded, waiting for it if need be.
void decodeTablePicturesAhead();

// The icon sizes the program's windows carry, the smaller of those the desktop's launcher shows.
inline constexpr int windowIconSizes[] = {16, 22, 24, 32, 48, 64};
// The program's window icon in those sizes, the same pictures as the installed icon theme's.
const QIcon &corvaneIcon();
