#include "support/cards.h"
#include "support/modal.h"
#include "support/scripted_platform.h"
#include "support/table_controls.h"
#include "table/coach_windows.h"
#include "table/help_window.h"
#include "table/insurance_dialog.h"
#include "table/table_window.h"
#include "table/translations_setup.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMap>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>

namespace {

using Strings = QMap<QString, QString>;

// Every string a window shows or speaks, keyed by where it appears.
void collectStrings(QWidget *window, const QString &where, Strings &strings) {
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *widget : widgets) {
        const QString key = where + QLatin1Char('/') + widget->objectName() + QLatin1Char('/') +
                            QLatin1String(widget->metaObject()->className());
        strings[key + QStringLiteral(" title")] = widget->isWindow() ? widget->windowTitle() : QString();
        strings[key + QStringLiteral(" name")] = widget->accessibleName();
        strings[key + QStringLiteral(" description")] = widget->accessibleDescription();
        if (auto *label = qobject_cast<QLabel *>(widget))
            strings[key + QStringLiteral(" text")] = label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            strings[key + QStringLiteral(" text")] = button->text();
        if (auto *list = qobject_cast<QListWidget *>(widget)) {
            for (int i = 0; i < list->count(); ++i)
                strings[key + QStringLiteral(" line %1").arg(i + 1)] = list->item(i)->text();
        }
        if (auto *menu = qobject_cast<QMenu *>(widget))
            strings[key + QStringLiteral(" text")] = menu->title();
        if (auto *text = qobject_cast<QPlainTextEdit *>(widget)) {
            const QStringList lines = text->toPlainText().split(QLatin1Char('\n'));
            for (int i = 0; i < lines.size(); ++i)
                strings[key + QStringLiteral(" line %1").arg(i + 1)] = lines[i];
        }
    }
    for (QAction *action : window->findChildren<QAction *>())
        strings[where + QLatin1Char('/') + action->objectName() + QStringLiteral(" action")] = action->text();
}

// What a player meets in one session: the table before and after a round, the insurance offer, an
// alert, the help window, the coach's answer and the session's record.
Strings stringsOfASession() {
    Strings strings;
    ScriptedTable table;
    table->show();
    collectStrings(table.window.get(), QStringLiteral("idle table"), strings);

    QTest::mouseClick(table.ui->CmdNew, Qt::LeftButton);
    answerModal([&strings](QWidget *alert) {
        collectStrings(alert, QStringLiteral("alert"), strings);
        alert->close();
    });

    table.stake(10, 490);
    table.deal(spades(1), hearts(12), diamonds(9));
    answerModal([&strings](QWidget *offer) {
        collectStrings(offer, QStringLiteral("insurance"), strings);
        QTest::mouseClick(offer->findChild<QAbstractButton *>(QStringLiteral("CmdYes")), Qt::LeftButton);
    });
    table->findChild<QAction *>(QStringLiteral("Hint"))->trigger();
    collectStrings(windowOnScreen<BJHint>(), QStringLiteral("hint"), strings);
    table.stand({clubs(13)});
    collectStrings(table.window.get(), QStringLiteral("settled table"), strings);
    table->findChild<QAction *>(QStringLiteral("Statistics"))->trigger();
    collectStrings(windowOnScreen<BJStats>(), QStringLiteral("statistics"), strings);
    windowOnScreen<BJStats>()->close();

    table.ui->Help->trigger();
    collectStrings(windowOnScreen<BJHelp>(), QStringLiteral("help"), strings);
    windowOnScreen<BJHelp>()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return strings;
}

// Words that are the same in every language: the program's names, the dollar, numbers, Qt's "OK".
bool sameInEveryLanguage(const QString &text) {
    static const QRegularExpression numbersAndSigns(QStringLiteral("^[-0-9.,$ ]*$"));
    static const QStringList names{QStringLiteral("Nimbrel - Corvane"), QStringLiteral("Corvane"),
                                   QStringLiteral("OK"), QStringLiteral("&OK"), QStringLiteral("Blackjack!")};
    return numbersAndSigns.match(text).hasMatch() || names.contains(text) ||
           text.startsWith(QLatin1String("Corvane "));
}

// Installs the game's translation for one language while it lives.
class Language {
public:
    explicit Language(const QString &language) { loaded = installTranslations({language}, owner.get()); }
    QString loaded;

private:
    std::unique_ptr<QObject> owner = std::make_unique<QObject>();
};

} // namespace

TEST(Languages, LeaveNoEnglishOnTheTableItsDialogsOrItsHelp) {
    const Strings english = stringsOfASession();
    ASSERT_EQ(english.value(QStringLiteral("settled table/PicPlay1/CardBox name")), "Queen of Hearts");
    ASSERT_EQ(english.value(QStringLiteral("settled table/Flash/AnimationPlayer name")), "You lose");
    ASSERT_TRUE(english.value(QStringLiteral("help/txtHelp/QPlainTextEdit line 1")).startsWith("The Rules"));
    ASSERT_TRUE(english.contains(QStringLiteral("insurance/lblInsurance/QLabel text")));
    ASSERT_EQ(english.value(QStringLiteral("alert//QMessageBox title")), "Corvane Alert");

    for (const char *code : {"de", "fr"}) {
        SCOPED_TRACE(code);
        Language language{QLatin1String(code)};
        ASSERT_EQ(language.loaded, code);
        const Strings translated = stringsOfASession();
        QStringList leftInEnglish;
        for (auto it = english.cbegin(); it != english.cend(); ++it) {
            if (translated.value(it.key()) == it.value() && !sameInEveryLanguage(it.value()))
                leftInEnglish << it.key() + QStringLiteral(": ") + it.value();
        }
        EXPECT_TRUE(leftInEnglish.isEmpty()) << leftInEnglish.join(QLatin1Char('\n')).toStdString();
        for (const QString &where : english.keys())
            EXPECT_TRUE(translated.contains(where))
                << where.toStdString() << ": the same windows and controls";
    }
}

TEST(Languages, AreChosenFromTheDesktopsListUpToEnglish) {
    struct Case {
        QStringList desktop;
        const char *loaded;
    };
    for (const Case &c : {Case{{"de-DE"}, "de_DE"}, Case{{"fr"}, "fr"}, Case{{"fr-CA", "en-CA"}, "fr_CA"},
                          Case{{"it-IT", "de-AT"}, "de_AT"}, Case{{"en-US", "de-DE"}, ""}, Case{{"C"}, ""},
                          Case{{"it"}, ""}, Case{{}, ""}}) {
        QObject owner;
        EXPECT_EQ(installTranslations(c.desktop, &owner), c.loaded) << c.desktop.join(',').toStdString();
    }
    EXPECT_EQ(QCoreApplication::translate("BJMain", "&Stand"), "&Stand")
        << "the translators went with their owner";
}

TEST(Languages, ShowTheHelpTextWrittenForThem) {
    struct Case {
        const char *code;
        QStringList headings;
    };
    const QString nbsp(QChar(0x00a0));
    for (const Case &c :
         {Case{"de",
               {"Die Regeln:", "Verdoppeln:", "Versicherung:", "Regeln für den Croupier:", "Tastatur:"}},
          Case{"fr",
               {"Les règles" + nbsp + ":", "Doubler" + nbsp + ":", "Assurance" + nbsp + ":",
                "Règles du croupier" + nbsp + ":", "Clavier" + nbsp + ":"}}}) {
        Language language{QLatin1String(c.code)};
        const QStringList lines = BJHelp::helpText().split(QLatin1Char('\n'));
        qsizetype last = -1;
        for (const QString &heading : c.headings) {
            const qsizetype at = lines.indexOf(heading);
            EXPECT_GT(at, last) << c.code << ": " << heading.toStdString();
            last = at;
        }
        EXPECT_TRUE(lines.last().startsWith(QLatin1String("Corvane "))) << c.code;
    }
}

TEST(Languages, KeepEveryCaptionWholeInItsControl) {
    for (const char *code : {"en", "de", "fr"}) {
        SCOPED_TRACE(code);
        Language language{QLatin1String(code)};
        ScriptedTable table;
        BJInsurWindow offer(nullptr);
        QList<QWidget *> controls = table->findChildren<QWidget *>();
        controls << offer.findChildren<QWidget *>();
        for (QWidget *control : controls) {
            QString caption;
            int room = control->contentsRect().width();
            if (auto *label = qobject_cast<QLabel *>(control)) {
                caption = label->text();
            } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
                caption = QString(button->text()).remove(QLatin1Char('&'));
                // The button's frame takes a few pixels on either side.
                room -= 4;
            }
            if (caption.isEmpty())
                continue;
            const QFontMetricsF metrics(control->font());
            EXPECT_LE(metrics.horizontalAdvance(caption), room) << control->objectName().toStdString();
            // A caption shrunk to fit stays readable: "Einsatz" in the narrow bet title is the smallest.
            EXPECT_GE(control->font().pointSizeF(), 7) << control->objectName().toStdString();
        }
    }
}

// The player's data folder may hold a translation of their own, or anything at all under its name: only a
// real translation there is used, and nothing else there can hold up the start.
TEST(Languages, ComeFromThePlayersFolderOnlyWhenATranslationIsThere) {
    QTemporaryDir dataHome;
    ASSERT_TRUE(dataHome.isValid());
    const QByteArray savedDataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()));
    const QString folder = dataHome.filePath(QStringLiteral("corvane/translations"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString players = folder + QStringLiteral("/corvane_de.qm");

    struct Case {
        const char *what;
        std::function<bool()> put;
        const char *stand;
    };
    const auto write = [&players](const QByteArray &bytes) {
        QFile file(players);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    const auto frenchFile = [] {
        QFile french(QStringLiteral(":/i18n/corvane_fr.qm"));
        return french.open(QIODevice::ReadOnly) ? french.readAll() : QByteArray();
    };
    const Case cases[] = {
        // A French file under the German name shows that the player's copy was the one read.
        {"the player's own translation", [&] { return write(frenchFile()); }, "&Rester"},
        {"a FIFO", [&] { return mkfifo(QFile::encodeName(players).constData(), 0600) == 0; }, "&Stehen"},
        {"a directory", [&] { return QDir().mkdir(players); }, "&Stehen"},
        {"an empty file", [&] { return write({}); }, "&Stehen"},
        {"random bytes", [&] { return write(QByteArray(4096, '\x5a')); }, "&Stehen"},
        {"a file far too large", [&] { return write(QByteArray(5 * 1024 * 1024, '\0')); }, "&Stehen"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(players);
        QDir().rmdir(players);
        ASSERT_TRUE(c.put());
        QObject owner;
        EXPECT_EQ(installTranslations({QStringLiteral("de-DE")}, &owner), "de_DE");
        EXPECT_EQ(QCoreApplication::translate("BJMain", "&Stand"), QString::fromUtf8(c.stand));
    }
    QFile::remove(players);
    QDir().rmdir(players);
    if (savedDataHome.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", savedDataHome);
}
