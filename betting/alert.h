#pragma once

#include <QString>

class QWidget;

// The game's only refusals: a modal message box titled "Corvane Alert" with one OK button and no icon.
void showCorvaneAlert(QWidget *parent, const QString &text);

inline const QString notEnoughMoneyText = QStringLiteral("You have not enough money!!");
inline const QString betFirstText = QStringLiteral("Please bet first!!");
