#pragma once

#include <QString>

// The bankroll, the stake and the totals are held as label captions. These convert between a caption and
// its number in the system's locale, the same locale both ways.

// The number a caption holds. A caption the program wrote always converts back to the number written;
// text that is no number in the locale is tried as plain C-locale digits, and otherwise reads as 0.
double amountFromCaption(const QString &caption);

// A number as a caption: at most 15 significant digits, no group separators, no trailing zeros and the
// locale's decimal separator only when there is a fraction ("515", "7.5", or "7,5" in German).
QString captionFromAmount(double amount);
