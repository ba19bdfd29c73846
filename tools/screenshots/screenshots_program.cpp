// Pictures of the table and its windows in one language, as a player sees them after a won round:
//
//   corvane_screenshots LANGUAGE FOLDER
//   corvane_screenshots --zoom FOLDER
//
// writes FOLDER/table.png, insurance.png, alert.png, help.png, hint.png and record.png; with --zoom,
// the English table at 100%, 200% and 300% as FOLDER/zoom-100.png, zoom-200.png and zoom-300.png, which
// takes a screen large enough for the largest. The cards are scripted and the windows drawn offscreen;
// tools/screenshots.sh runs it for several languages at 100% and 200%, and for the zoom.
#include "platform/animation_player.h"
#include "support/cards.h"
#include "support/scripted_platform.h"
#include "support/table_controls.h"
#include "table/coach_windows.h"
#include "table/corvane_alert.h"
#include "table/help_window.h"
#include "table/insurance_dialog.h"
#include "table/table_window.h"
#include "table/table_zoom.h"
#include "table/translations_setup.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTest>
#include <cstdio>

namespace {

bool save(QWidget *window, const QString &folder, const char *name) {
    if (!window || !QTest::qWaitForWindowExposed(window))
        return false;
    return window->grab().save(QDir(folder).filePath(QLatin1String(name) + QStringLiteral(".png")));
}

// 19 against the dealer's 17: a won round, with the winner's clip. The scripted table's program folder
// holds no clips; they stand beside this program.
void playAWonRound(ScriptedTable &table) {
    table.stake(20, 480);
    table.deal(clubs(10), hearts(10), spades(9));
    table.stand({diamonds(7)});
    table.ui->Flash->setMovie(QCoreApplication::applicationDirPath() + table.ui->clip());
}

bool saveZoomedTable(ScriptedTable &table, const QString &folder) {
    bool saved = true;
    auto *zoomIn = table->findChild<QAction *>(QStringLiteral("ZoomIn"));
    const TableZoom *zoom = TableZoom::of(table.window.get());
    for (const int percent : {100, 200, 300}) {
        while (zoom->percent() < percent && zoomIn->isEnabled())
            zoomIn->trigger();
        const QByteArray name = "zoom-" + QByteArray::number(percent);
        saved &= zoom->percent() == percent && save(table.window.get(), folder, name.constData());
    }
    return saved;
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s LANGUAGE|--zoom FOLDER\n", argv[0]);
        return 2;
    }
    const QString language = QString::fromLocal8Bit(argv[1]);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(folder);
    bool saved = true;
    ScriptedTable table;
    table->show();
    if (language == QLatin1String("--zoom")) {
        playAWonRound(table);
        saved = saveZoomedTable(table, folder);
        if (!saved)
            std::fprintf(stderr,
                         "%s: the zoomed table could not be written to %s (is the screen large enough?)\n",
                         argv[0], argv[2]);
        return saved ? 0 : 1;
    }
    QObject translations;
    installTranslations({language}, &translations);
    playAWonRound(table);
    table->findChild<QAction *>(QStringLiteral("Statistics"))->trigger();
    saved &= save(windowOnScreen<BJStats>(), folder, "record");
    saved &= save(table.window.get(), folder, "table");

    table.stake(20, 480);
    table.deal(clubs(10), hearts(6), spades(5));
    table->findChild<QAction *>(QStringLiteral("Hint"))->trigger();
    saved &= save(windowOnScreen<BJHint>(), folder, "hint");

    BJInsurWindow offer(nullptr);
    offer.show();
    saved &= save(&offer, folder, "insurance");
    QMessageBox *alert =
        showCorvaneAlert(nullptr, QCoreApplication::translate("Alert", "Please bet first!!"));
    saved &= save(alert, folder, "alert");
    alert->close();
    table.ui->Help->trigger();
    saved &= save(windowOnScreen<BJHelp>(), folder, "help");
    windowOnScreen<BJHelp>()->close();
    if (!saved)
        std::fprintf(stderr, "%s: a picture could not be written to %s\n", argv[0], argv[2]);
    return saved ? 0 : 1;
}
