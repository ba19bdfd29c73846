#pragma once

#include <QString>

// The bankroll, the stake and the totals as the table's labels show them, in the system's locale.
// A number as a caption: at most 15 significant digits, no group separators, no trailing zeros and the
// locale's decimal separator only when there is a fraction ("515", "7.5", or "7,5" in German).
QString captionFromAmount(double amount);
