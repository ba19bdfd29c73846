#pragma once

#include "table/coach_on_demand.h"
#include "table/refusal_hold.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <memory>

class BJHelp;
class BJInsur;
class CoachAtPlay;
class CoachHint;
class DealerPauseTimer;
class Narrator;
class SpeechVoice;
class QAction;
class QMenu;
class RecordKeeper;
class RoundModel;
class TableCues;
class TableScreen;
class TableZoom;
class WavePlayer;

// The table window. It builds the window, hands every click and menu command to the round model, and
// wires the round's listeners: the screen, the cues, the narrator, the insurance offer, the dealer's
// pause, the record and the hint. A refusal is seen before anything that follows it: every listener
// hears the round through the refusal hold.
class BJMain : public QMainWindow {
    Q_OBJECT

public:
    // The round must outlive the window; sounds play through `wave`, and media names are appended to
    // `programDirectory`.
    BJMain(RoundModel &round, WavePlayer &wave, QString programDirectory, QWidget *parent = nullptr);
    ~BJMain() override;

    // The voice that speaks each round's result beside a screen reader, so that no key press cuts it
    // off; it must outlive the window. Without one, the screen reader speaks everything.
    void speakResultsWith(SpeechVoice *voice);

    // Handlers of the window's events.
    void Form_Load();
    void CmdNew_Click();
    void CmdHit_Click();
    void cmdDouble_Click();
    void CmdStand_Click();
    void lblBet5_Click();
    void lblBet10_Click();
    void lblBet50_Click();
    void New_Game_Click();
    void Exit_Click();
    void Sound_Click();
    void Help_Click();
    void ReadTable_Click();
    void RepeatNews_Click();
    void Statistics_Click();
    void Hint_Click();
    void Coach_Click();
    void ZoomIn_Click();
    void ZoomOut_Click();
    void ActualSize_Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenu();
    void buildListeners();
    void connectHandlers();
    // Puts a refusal on screen, over the insurance offer while it is up.
    QWidget *showRefusal(Alert alert);
    // The largest zoom whose art has the screen's pixels and whose window fits the screen.
    int largestZoom() const;
    void zoomChanged();
    void enableZoomEntries();
    // On a screen of more device pixels or less room the table steps down to the largest zoom there.
    void screenChanged();

    RoundModel &round;
    WavePlayer &wave;
    QString programDirectory;

    QMenu *File = nullptr;
    QAction *New_Game = nullptr;
    QAction *line = nullptr;
    QAction *Exit = nullptr;
    QMenu *View = nullptr;
    QAction *ZoomIn = nullptr;
    QAction *ZoomOut = nullptr;
    QAction *ActualSize = nullptr;
    QMenu *Sound1 = nullptr;
    QAction *Sound = nullptr;
    QMenu *About = nullptr;
    QAction *Help = nullptr;
    QAction *Statistics = nullptr;
    QAction *Hint = nullptr;
    // The coach at the player's side, off at every start and never saved.
    QAction *Coach = nullptr;
    // Reads the whole table to a screen reader; a key without a menu entry, so the picture stays as it was.
    QAction *ReadTable = nullptr;
    // Says the last news again, for a player whose key press cut it off; a key without a menu entry too.
    QAction *RepeatNews = nullptr;

    // The table's size for the session; the windows beside and over it follow it.
    TableZoom *zoom = nullptr;

    // The listeners, each hearing the round through the hold.
    RefusalHold hold;
    std::unique_ptr<TableScreen> screen;
    std::unique_ptr<TableCues> cues;
    Narrator *narrator = nullptr;
    // The insurance dialog: the object lives as long as the table, its window only while the offer is up.
    std::unique_ptr<BJInsur> BJInsurDialog;
    DealerPauseTimer *pauseTimer = nullptr;
    CoachOnDemand coach;
    std::unique_ptr<RecordKeeper> record;
    std::unique_ptr<CoachHint> hint;
    std::unique_ptr<CoachAtPlay> coachAtPlay;
    QPointer<BJHelp> BJHelpWindow;
};
