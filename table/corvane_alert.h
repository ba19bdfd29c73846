#pragma once

class QString;
class QWidget;

// The game's refusals: a modal message box titled "Corvane Alert" with one OK button and no icon.
void showCorvaneAlert(QWidget *parent, const QString &text);
