#include "betting/amounts.h"

#include <QLocale>

namespace {

QLocale captionLocale() {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

} // namespace

double amountFromCaption(const QString &caption) {
    bool converted = false;
    const QString text = caption.trimmed();
    const double amount = captionLocale().toDouble(text, &converted);
    if (converted)
        return amount;
    const double plain = QLocale::c().toDouble(text, &converted);
    return converted ? plain : 0.0;
}

QString captionFromAmount(double amount) {
    // 0 rather than "-0" when a sum comes out as negative zero.
    if (amount == 0.0)
        amount = 0.0;
    return captionLocale().toString(amount, 'g', 15);
}
