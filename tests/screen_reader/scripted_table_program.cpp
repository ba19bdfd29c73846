// The real table window for the screen reader test: the real clock, sounds and translations, with the
// cards scripted on the command line in the order they are drawn. Each argument is either a deal,
// "deal=UP,FIRST,SECOND" (the dealer's up card and the player's two cards), or one card drawn after it
// (a hit, the double, the dealer's cards), all as card numbers 1 to 52.
#include "play/round_model.h"
#include "support/scripted_platform.h"
#include "table/table_window.h"
#include "table/translations_setup.h"

#include <QApplication>
#include <QLocale>
#include <cstdio>

namespace {

bool scriptCards(ScriptedRandom &random, const QStringList &arguments) {
    for (const QString &argument : arguments) {
        const bool deal = argument.startsWith(QLatin1String("deal="));
        std::vector<int> cards;
        for (const QString &number : argument.mid(deal ? 5 : 0).split(QLatin1Char(','))) {
            bool ok = false;
            cards.push_back(number.toInt(&ok));
            if (!ok || cards.back() < 1 || cards.back() > 52)
                return false;
        }
        if (deal && cards.size() == 3)
            random.pushDeal(cards[0], cards[1], cards[2]);
        else if (!deal && cards.size() == 1)
            random.pushCards({cards[0]});
        else
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    installTranslations(QLocale::system().uiLanguages(), &app);
    auto random = std::make_unique<ScriptedRandom>();
    if (!scriptCards(*random, QApplication::arguments().mid(1))) {
        std::fputs("usage: scripted_table [deal=UP,FIRST,SECOND | CARD]...\n", stderr);
        return 2;
    }
    PlatformBundle platform = PlatformBundle::system();
    platform.random = std::move(random);
    RoundModel round(*platform.random, *platform.clock);
    BJMain table(round, *platform.wave, platform.programDirectory);
    table.show();
    return QApplication::exec();
}
