#pragma once

#include "platform/card_deck.h"

#include <QIcon>
#include <QPixmap>

// The pictures stored with the table window, compiled in as resources. Each is loaded once and then
// shared, so every card box showing the back holds the very same picture.
// Makes the pictures and the help text compiled into the library reachable under ":/".
void ensureTableResources();

const QPixmap &backgroundPicture();
const CardPicture &cardBackPicture();
const QIcon &corvaneIcon();
