#include "support/cards.h"
#include "support/modal.h"
#include "support/scripted_platform.h"
#include "support/table_controls.h"
#include "table/coach_windows.h"
#include "table/corvane_alert.h"
#include "table/help_window.h"
#include "table/insurance_dialog.h"
#include "table/outcome_cues.h"
#include "table/table_window.h"
#include "table/translations_setup.h"

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QImageReader>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
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
    static const QRegularExpression numbersAndSigns(QStringLiteral("^[-+\u2212\u00a00-9.,$ %()]*$"));
    // "No" is the Spanish and Italian word as well.
    static const QStringList names{QStringLiteral("Nimbrel - Corvane"),
                                   QStringLiteral("Corvane"),
                                   QStringLiteral("OK"),
                                   QStringLiteral("&OK"),
                                   QStringLiteral("Blackjack!"),
                                   QStringLiteral("&No")};
    return numbersAndSigns.match(text).hasMatch() || names.contains(text) ||
           text.startsWith(QLatin1String("Corvane "));
}

// Every language the game ships besides English.
const char *const translatedLanguages[] = {"de", "fr", "es", "it", "pt_BR"};

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

    for (const char *code : translatedLanguages) {
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
                          Case{{"nl-NL", "de-AT"}, "de_AT"}, Case{{"en-US", "de-DE"}, ""}, Case{{"C"}, ""},
                          Case{{"pt-BR"}, "pt_BR"}, Case{{"nl"}, ""}, Case{{}, ""}}) {
        QObject owner;
        EXPECT_EQ(installTranslations(c.desktop, &owner), c.loaded) << c.desktop.join(',').toStdString();
    }
    EXPECT_EQ(QCoreApplication::translate("BJMain", "&Stand"), "&Stand")
        << "the translators went with their owner";
}

// The window wraps the help as it wraps, so a line of the text is a whole paragraph or a heading: a line
// ending mid-sentence is a break of the text's own that would fight the window's.
TEST(Languages, ShowTheHelpTextWrittenForThemInParagraphsTheWindowWraps) {
    struct Case {
        const char *code;
        QStringList headings;
    };
    const QString nbsp(QChar(0x00a0));
    const QRegularExpression sentenceEnd(QStringLiteral("[.:!?]$"));
    for (const Case &c :
         {Case{"en",
               {"The Rules:", "Double Down:", "Insurance:", "Rules for the Dealer:", "Keyboard:",
                "Accessibility:"}},
          Case{"de",
               {"Die Regeln:", "Verdoppeln:", "Versicherung:", "Regeln für den Croupier:", "Tastatur:",
                "Barrierefreiheit:"}},
          Case{"fr",
               {"Les règles" + nbsp + ":", "Doubler" + nbsp + ":", "Assurance" + nbsp + ":",
                "Règles du croupier" + nbsp + ":", "Clavier" + nbsp + ":", "Accessibilité" + nbsp + ":"}},
          Case{"es",
               {"Las reglas:", "Doblar:", "Seguro:", "Reglas del crupier:", "Teclado:", "Accesibilidad:"}},
          Case{"it",
               {"Le regole:", "Raddoppio:", "Assicurazione:", "Regole per il banco:", "Tastiera:",
                "Accessibilità:"}},
          Case{"pt_BR",
               {"As regras:", "Dobrar:", "Seguro:", "Regras do crupiê:", "Teclado:", "Acessibilidade:"}}}) {
        Language language{QLatin1String(c.code)};
        const QStringList lines = BJHelp::helpText().split(QLatin1Char('\n'));
        qsizetype last = -1;
        for (const QString &heading : c.headings) {
            const qsizetype at = lines.indexOf(heading);
            EXPECT_GT(at, last) << c.code << ": " << heading.toStdString();
            last = at;
        }
        EXPECT_TRUE(lines.last().startsWith(QLatin1String("Corvane "))) << c.code;

        auto *help = new BJHelp;
        help->show();
        QTextDocument *text = help->txtHelp->document();
        int wrapped = 0;
        for (QTextBlock block = text->begin(); block.isValid() && block.next().isValid();
             block = block.next()) {
            text->documentLayout()->blockBoundingRect(block);
            wrapped += block.layout()->lineCount() > 1;
            EXPECT_TRUE(block.text().isEmpty() || block.text().contains(sentenceEnd))
                << c.code << ": " << block.text().toStdString();
        }
        EXPECT_GT(wrapped, 5) << c.code;
        EXPECT_EQ(help->txtHelp->horizontalScrollBar()->maximum(), 0) << c.code;
        help->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// A caption in a box of fixed width: its words as drawn, its font, and the room the box leaves them. A
// button leaves the style's margin between its caption and its edges.
struct ShownCaption {
    QString words;
    QFont font;
    int room = 0;
};

QMap<QString, ShownCaption> captionsInFixedBoxes() {
    ScriptedTable table;
    BJInsurWindow offer(nullptr);
    QList<QWidget *> controls = table->findChildren<QWidget *>();
    controls << offer.findChildren<QWidget *>();
    QMap<QString, ShownCaption> captions;
    for (QWidget *control : controls) {
        ShownCaption caption{{}, control->font(), control->contentsRect().width()};
        if (auto *label = qobject_cast<QLabel *>(control)) {
            caption.words = label->text();
        } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
            caption.words = QString(button->text()).remove(QLatin1Char('&'));
            caption.room -= button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        }
        if (!caption.words.isEmpty())
            captions[control->objectName()] = caption;
    }
    return captions;
}

TEST(Languages, FitEveryCaptionInItsBoxAtTheSizeOfTheEnglish) {
    const QMap<QString, ShownCaption> english = captionsInFixedBoxes();
    ASSERT_TRUE(english.contains(QStringLiteral("lblBettitle")));
    ASSERT_TRUE(english.contains(QStringLiteral("cmdDouble")));
    ASSERT_TRUE(english.contains(QStringLiteral("lblInsurance")));
    for (const char *code : {"en", "de", "fr", "es", "it", "pt_BR"}) {
        SCOPED_TRACE(code);
        Language language{QLatin1String(code)};
        const QMap<QString, ShownCaption> shown = captionsInFixedBoxes();
        for (auto it = shown.cbegin(); it != shown.cend(); ++it) {
            const std::string where = it.key().toStdString() + ": " + it->words.toStdString();
            const QFontMetricsF metrics(it->font);
            const qreal width =
                std::max(metrics.horizontalAdvance(it->words), metrics.boundingRect(it->words).width());
            EXPECT_LE(width, it->room) << where;
            EXPECT_FALSE(it->words.contains(QChar(0x9c))) << where << ": one form of the words";
            EXPECT_GE(it->font.pointSizeF(), english.value(it.key()).font.pointSizeF()) << where;
        }
    }
}

// The desktop's title bar sets the title in its own face, often bold and larger, between its buttons.
TEST(Languages, GiveTheAlertRoomForItsTitle) {
    for (const char *code : {"en", "de", "fr", "es", "it", "pt_BR"}) {
        Language language{QLatin1String(code)};
        QMessageBox *alert = showCorvaneAlert(nullptr, QStringLiteral("!!"));
        QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
        titleFont.setBold(true);
        titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
        const QFontMetrics title(titleFont);
        EXPECT_GE(alert->width(), title.horizontalAdvance(alert->windowTitle()) + 4 * title.height())
            << code << ": " << alert->windowTitle().toStdString();
        alert->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// Every frame of a clip beside the program, or none when there is no such clip.
QList<QImage> framesOf(const QString &name) {
    QImageReader reader(QCoreApplication::applicationDirPath() + QLatin1Char('/') + name, "gif");
    QList<QImage> frames;
    for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read())
        frames << frame;
    return frames;
}

// The words of a clip are drawn from its translation: where a language words a clip differently, its
// clip's frames differ from the English ones at both sizes; where it does not, it has none and the
// English one is shown.
TEST(Languages, DrawTheClipsWordsFromTheirTranslations) {
    for (const char *code : translatedLanguages) {
        Language language{QLatin1String(code)};
        for (const ClipWords &clip : clipWords) {
            const QString words = QCoreApplication::translate("Clips", clip.words);
            SCOPED_TRACE(std::string(code) + ": " + words.toStdString());
            for (const char *size : {"", "@2x"}) {
                const QList<QImage> english = framesOf(QStringLiteral("%1%2.swf").arg(clip.clip, size));
                const QList<QImage> translated =
                    framesOf(QStringLiteral("%1_%2%3.swf").arg(clip.clip, gameLanguage(), size));
                ASSERT_FALSE(english.isEmpty()) << clip.clip << size;
                if (words == QLatin1String(clip.words)) {
                    EXPECT_TRUE(translated.isEmpty()) << size;
                } else {
                    ASSERT_EQ(translated.size(), english.size()) << size << ": the same animation";
                    EXPECT_TRUE(translated != english) << size << ": the words drawn differ";
                    EXPECT_EQ(translated.first().size(), english.first().size()) << size;
                }
            }
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
