#include "table/fitted_text.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QLabel>
#include <QStringList>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// An italic face leans past its advance, so the inked width counts too.
qreal widthOf(const QString &text, const QFont &font) {
    const QFontMetricsF metrics(font);
    return std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).width());
}

// The narrowest a caption is drawn. Past ultra-condensed (50), for the fonts that must lean their
// italics by a slant of their own, where no oblique face is installed: such a slant adds to the width.
constexpr int narrowestStretch = 40;

int stretchOf(const QFont &font) {
    return font.stretch() == QFont::AnyStretch ? int(QFont::Unstretched) : font.stretch();
}

// `font` narrowed just enough for `text` to fit `width`, or null when even the narrowest is too wide.
// Glyphs narrow in proportion to the stretch, so the first guess is close; hinting may round a pixel
// either way, so the guess is checked and narrowed further a step at a time.
std::optional<QFont> narrowedToFit(QFont font, const QString &text, int width) {
    const qreal full = widthOf(text, font);
    if (full <= 0 || width <= 0)
        return std::nullopt;
    int stretch = std::min(stretchOf(font) - 1, int(std::floor(stretchOf(font) * width / full)));
    for (; stretch >= narrowestStretch; --stretch) {
        font.setStretch(stretch);
        if (widthOf(text, font) <= width)
            return font;
    }
    return std::nullopt;
}

// The words a caption shows, without the '&' that marks its mnemonic.
QString shownWords(QString text) {
    return text.remove(QLatin1Char('&'));
}

} // namespace

FittedCaption fitCaption(const QString &text, const QFont &font, int width, qreal smallestPoints) {
    const QStringList forms = text.split(QChar(0x9c));
    for (const QString &form : forms) {
        if (widthOf(shownWords(form), font) <= width)
            return {form, font};
    }
    // Of the forms that fit narrowed, the one narrowed least: a translator's shorter word reads better
    // than a long one squeezed hard.
    std::optional<FittedCaption> leastNarrowed;
    for (const QString &form : forms) {
        const std::optional<QFont> narrowed = narrowedToFit(font, shownWords(form), width);
        if (narrowed && (!leastNarrowed || narrowed->stretch() > leastNarrowed->font.stretch()))
            leastNarrowed = FittedCaption{form, *narrowed};
    }
    if (leastNarrowed)
        return *leastNarrowed;
    // No form fits at the font's size, as with a translation of the player's own: the shortest is shown
    // whole in a smaller size rather than cut.
    const QString shortest = forms.last();
    QFont smaller = font;
    smaller.setStretch(narrowestStretch);
    // Half a point at a time: the captions are short, and a whole point is a large step at these sizes.
    while (smaller.pointSizeF() - 0.5 >= smallestPoints && widthOf(shownWords(shortest), smaller) > width)
        smaller.setPointSizeF(smaller.pointSizeF() - 0.5);
    return {shortest, smaller};
}

void setFittedText(QLabel *label, const QString &text, const QFont &font) {
    const FittedCaption caption = fitCaption(text, font, label->contentsRect().width());
    label->setFont(caption.font);
    label->setText(caption.text);
}

void setFittedText(QAbstractButton *button, const QString &text) {
    const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    // From the button's font at its full width, whatever an earlier caption needed.
    QFont font = button->font();
    font.setStretch(QFont::Unstretched);
    const FittedCaption caption = fitCaption(text, font, button->width() - margin);
    button->setFont(caption.font);
    button->setText(caption.text);
}
