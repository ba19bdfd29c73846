#pragma once

class QMessageBox;
class QString;
class QWidget;

// The game's refusals: a message box titled "Corvane Alert" with one OK button and no icon, modal to
// `parent` and opened without waiting; it deletes itself once closed.
QMessageBox *showCorvaneAlert(QWidget *parent, const QString &text);
