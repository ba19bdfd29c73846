#pragma once

#include "table/card_deck.h"

#include <QIcon>
#include <QPixmap>

// The pictures stored with the table window, compiled in as resources. Each is loaded once and then
// shared, so every card box showing the back holds the very same picture.
// Makes the pictures and the help text compiled into the library reachable under ":/".
void ensureTableResources();

// The felt, title and chip stacks, 560 x 410 in logical pixels at every ratio. A screen of more than one
// device pixel per pixel gets the picture drawn at twice the size: as it is at a ratio of two, reduced
// smoothly to the exact device size between one and two, and left for the painter to enlarge above.
const QPixmap &backgroundPicture(qreal devicePixelRatio);
// The face-down card, 71 x 96 in logical pixels, chosen for a ratio the same way. Like the faces it is
// transparent in the few pixels its rounded corners cut away.
const CardPicture &cardBackPicture(qreal devicePixelRatio);
// Both at the application's device pixel ratio, the ratio the card faces are rendered for.
const QPixmap &backgroundPicture();
const CardPicture &cardBackPicture();

// Starts decoding the window icon's sizes and the felt for the application's ratio on a thread of their
// own, so that the window's first frame finds them ready instead of decoding them while the player waits.
// The first corvaneIcon() and backgroundPicture() take what was decoded, waiting for it if need be.
void decodeTablePicturesAhead();

// The icon sizes the program's windows carry, the smaller of those the desktop's launcher shows.
inline constexpr int windowIconSizes[] = {16, 22, 24, 32, 48, 64};
// The program's window icon in those sizes, the same pictures as the installed icon theme's.
const QIcon &corvaneIcon();
