#include "table/amount_captions.h"

#include <QLocale>

namespace {

QLocale captionLocale() {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

} // namespace

QString captionFromAmount(double amount) {
    // 0 rather than "-0" when a sum comes out as negative zero.
    if (amount == 0.0)
        amount = 0.0;
    return captionLocale().toString(amount, 'g', 15);
}
