#include "table/fitted_text.h"

#include <QFontMetricsF>
#include <QLabel>
#include <algorithm>

namespace {

// An italic face leans past its advance, so the inked width counts too.
qreal widthOf(const QString &text, const QFont &font) {
    const QFontMetricsF metrics(font);
    return std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).width());
}

} // namespace

QFont fontFittingWidth(QFont font, const QString &text, int width, qreal smallestPoints) {
    // Half a point at a time: the captions are short, and a whole point is a large step at these sizes.
    while (font.pointSizeF() - 0.5 >= smallestPoints && widthOf(text, font) > width)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    return font;
}

void setFittedText(QLabel *label, const QString &text, const QFont &font) {
    label->setFont(fontFittingWidth(font, text, label->contentsRect().width()));
    label->setText(text);
}
