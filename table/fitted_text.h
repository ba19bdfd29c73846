#pragma once

#include <QFont>

class QLabel;
class QString;

// The largest size of `font`, at most its own, at which `text` fits in `width` pixels on one line; never
// smaller than `smallestPoints`.
QFont fontFittingWidth(QFont font, const QString &text, int width, qreal smallestPoints = 6);

// Shows `text` in `label` whole: in `font` where it fits, else in the largest smaller size that does.
// The label keeps its size and place.
void setFittedText(QLabel *label, const QString &text, const QFont &font);
