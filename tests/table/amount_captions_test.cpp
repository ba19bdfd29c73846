#include "table/amount_captions.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

// Makes a locale the default for one scope, as if the player's system were set to it.
class DefaultLocale {
public:
    explicit DefaultLocale(const QLocale &locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(saved); }

private:
    QLocale saved;
};

const QLocale captionLocales[] = {QLocale::c(), QLocale(QStringLiteral("en_US")),
                                  QLocale(QStringLiteral("de_DE")), QLocale(QStringLiteral("fr_FR")),
                                  QLocale(QStringLiteral("de_CH"))};

} // namespace

TEST(AmountCaptions, WriteWholeAmountsAsPlainDigitsInEveryLocale) {
    for (const QLocale &locale : captionLocales) {
        const DefaultLocale scope(locale);
        SCOPED_TRACE(locale.name().toStdString());
        EXPECT_EQ(captionFromAmount(515), "515");
        EXPECT_EQ(captionFromAmount(0), "0");
        EXPECT_EQ(captionFromAmount(1234567), "1234567") << "no group separators";
        EXPECT_EQ(captionFromAmount(-0.0), "0") << "no sign on a zero";
    }
}

TEST(AmountCaptions, WriteAFractionWithTheLocalesDecimalSeparator) {
    struct Case {
        const char *locale;
        double amount;
        const char *caption;
    };
    for (const Case &c : {Case{"C", 7.5, "7.5"}, Case{"en_US", 507.5, "507.5"}, Case{"de_DE", 7.5, "7,5"},
                          Case{"de_DE", 1234567.5, "1234567,5"}, Case{"fr_FR", 2.5, "2,5"}}) {
        const DefaultLocale scope{QLocale(QLatin1String(c.locale))};
        EXPECT_EQ(captionFromAmount(c.amount), c.caption) << c.locale;
    }
}

TEST(AmountCaptions, KeepFifteenSignificantDigitsAndDropTrailingZeros) {
    const DefaultLocale scope(QLocale::c());
    EXPECT_EQ(captionFromAmount(0.1 + 0.2), "0.3");
    EXPECT_EQ(captionFromAmount(1234567890.12345), "1234567890.12345");
    EXPECT_EQ(captionFromAmount(123456789.0123456), "123456789.012346");
    EXPECT_EQ(captionFromAmount(12.50), "12.5");
}
