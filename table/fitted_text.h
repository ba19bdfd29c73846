#pragma once

#include <QFont>
#include <QString>

class QAbstractButton;
class QLabel;

// A caption as a box of fixed width shows it: the words, and the font they are drawn in.
struct FittedCaption {
    QString text;
    QFont font;
};

// How `text` is shown whole on one line in `width` pixels, its font as large as `font` wherever that can
// be done. A translation may offer shorter forms of its text after the longest, separated by U+009C (Qt's
// length variants). Tried in turn, each choice keeping the font's size:
//   the first form that fits in `font`;
//   the form that fits in `font` narrowed least, no further than ultra-condensed;
// and only when none of those fit, the last form at its narrowest in the largest smaller size that fits,
// never below `smallestPoints`.
FittedCaption fitCaption(const QString &text, const QFont &font, int width, qreal smallestPoints = 6);

// Shows `text` in `label` whole, as fitCaption() fits it in the label's own box. The label keeps its size
// and place.
void setFittedText(QLabel *label, const QString &text, const QFont &font);

// Shows `text` (with its mnemonic) on `button` whole, leaving the style's margin for a button's caption
// between the words and the button's edges.
void setFittedText(QAbstractButton *button, const QString &text);
