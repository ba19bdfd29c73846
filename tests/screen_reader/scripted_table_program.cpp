// The real table window for the screen reader test: the real clock, sounds, voice and translations, with
// the cards scripted on the command line in the order they are drawn. Each argument is either a deal,
// "deal=UP,FIRST,SECOND" (the dealer's up card and the player's two cards), or one card drawn after it
// (a hit, the double, the dealer's cards), all as card numbers 1 to 52.
//
// The window is shown only once Qt's accessibility bridge is up. The bridge connects to the accessibility
// bus in the background; a window activated before that has its activation lost to the screen reader,
// which then never presents the table.
//
// Each modifier key that reaches a control is reported on standard output ("pressed Alt"), for the test
// to send the key it modifies only once the table has the modifier.
#include "play/round_model.h"
#include "support/scripted_platform.h"
#include "table/table_window.h"
#include "table/translations_setup.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QTimer>
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

// Shows the window once accessibility is active. The bridge reports itself active before it has asked the
// registry which events are listened to, so the window waits for the event loop's next turn.
class ShowWhenAccessible : public QAccessible::ActivationObserver {
public:
    explicit ShowWhenAccessible(QWidget *window) : m_window(window) {
        if (QAccessible::isActive())
            show();
        else
            QAccessible::installActivationObserver(this);
    }
    ~ShowWhenAccessible() override { QAccessible::removeActivationObserver(this); }
    ShowWhenAccessible(const ShowWhenAccessible &) = delete;
    ShowWhenAccessible &operator=(const ShowWhenAccessible &) = delete;

    void accessibilityActiveChanged(bool active) override {
        if (active)
            QTimer::singleShot(0, m_window, [this] { show(); });
    }

private:
    void show() {
        if (m_window->isVisible())
            return;
        std::fputs("scripted_table: accessibility is active; showing the table\n", stderr);
        m_window->show();
    }

    QWidget *m_window;
};

// Qt's accessibility bridge holds each key until the screen reader has seen it, while a shortcut's key
// acts at once: Alt held back past the N of Alt+N reaches the menu bar alone, which then opens its menu.
// This filter is installed before the bridge's, so it runs after it and sees the keys as the controls get
// them; a key that goes from control to parent is seen more than once.
class ModifierReporter : public QObject {
protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) &&
            watched->isWidgetType()) {
            const char *name = nullptr;
            switch (static_cast<QKeyEvent *>(event)->key()) {
            case Qt::Key_Alt:
                name = "Alt";
                break;
            case Qt::Key_Control:
                name = "Control";
                break;
            case Qt::Key_Shift:
                name = "Shift";
                break;
            default:
                break;
            }
            if (name) {
                std::printf("%s %s\n", event->type() == QEvent::KeyPress ? "pressed" : "released", name);
                std::fflush(stdout);
            }
        }
        return false;
    }
};

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    ModifierReporter modifiers;
    app.installEventFilter(&modifiers);
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
    table.speakResultsWith(platform.voice.get());
    ShowWhenAccessible shower(&table);
    return QApplication::exec();
}
