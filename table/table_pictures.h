#pragma once

#include "platform/card_deck.h"

#include <QIcon>
#include <QPixmap>

// The pictures stored with the table window, compiled in as resources. Each is loaded once and then
// shared, so every card box showing the back holds the very same picture.
const QPixmap &backgroundPicture();
const CardPicture &cardBackPicture();
const QIcon &corvaneIcon();
