#pragma once

#include <QtGlobal>

// The game's only refusals, each shown as the "Corvane Alert" message box. The words are the English
// originals; a view translates them in the "Alert" context.
enum class Alert { NotEnoughMoney, BetFirst };

constexpr const char *alertText(Alert alert) {
    return alert == Alert::NotEnoughMoney ? QT_TRANSLATE_NOOP("Alert", "You have not enough money!!")
                                          : QT_TRANSLATE_NOOP("Alert", "Please bet first!!");
}
