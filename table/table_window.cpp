#include "table/table_window.h"

#include "play/round_model.h"
#include "table/chip_label.h"
#include "table/coach_at_play.h"
#include "table/coach_hint.h"
#include "table/coach_words.h"
#include "table/corvane_alert.h"
#include "table/dealer_pause_timer.h"
#include "table/help_window.h"
#include "table/insurance_dialog.h"
#include "table/narrator.h"
#include "table/outcome_cues.h"
#include "table/record_keeper.h"
#include "table/table_cues.h"
#include "table/table_pictures.h"
#include "table/table_screen.h"
#include "table/table_zoom.h"
#include "table/window_placement.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

BJMain::BJMain(RoundModel &round, WavePlayer &wave, QString programDirectory, QWidget *parent)
    : QMainWindow(parent), round(round), wave(wave), programDirectory(std::move(programDirectory)),
      hold([this](Alert alert) { return showRefusal(alert); }) {
    // The pictures decode while the controls are built and their fonts loaded.
    decodeTablePicturesAhead();
    setObjectName(QStringLiteral("BJMain"));
    // The program's name, the same in every language.
    setWindowTitle(QStringLiteral("Nimbrel - Corvane"));
    // Fixed size, no maximise button: the table is laid out to the pixel.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    // Before any window that follows it, so that the table has its new size when they take theirs.
    zoom = new TableZoom(this);
    connect(zoom, &TableZoom::changed, this, &BJMain::zoomChanged);
    buildMenu();
    screen = std::make_unique<TableScreen>(this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    centreOnScreen(this);
    enableZoomEntries();
    buildListeners();
    connectHandlers();
    Form_Load();
    screen->CmdNew->setFocus();
    // Last, when its decoding has had the longest to finish.
    setWindowIcon(corvaneIcon());
}

// The record's window and the hint's go with the table; the help stays open.
BJMain::~BJMain() {
    round.removeListener(hold);
}

void BJMain::buildMenu() {
    File = menuBar()->addMenu(tr("&File "));
    File->setObjectName(QStringLiteral("File"));
    New_Game = File->addAction(tr("Re-Start &New Game"));
    New_Game->setObjectName(QStringLiteral("New_Game"));
    New_Game->setShortcut(Qt::Key_F2);
    line = File->addSeparator();
    line->setObjectName(QStringLiteral("line"));
    Exit = File->addAction(tr("E&xit"));
    Exit->setObjectName(QStringLiteral("Exit"));
    Exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));

    // Where KDE and GNOME programs keep their zoom, with their keys; Ctrl+= is Ctrl+Plus without Shift on
    // layouts that put the plus sign over the equals sign.
    View = menuBar()->addMenu(tr("&View"));
    View->setObjectName(QStringLiteral("View"));
    ZoomIn = View->addAction(tr("Zoom &In"));
    ZoomIn->setObjectName(QStringLiteral("ZoomIn"));
    ZoomIn->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    ZoomOut = View->addAction(tr("Zoom &Out"));
    ZoomOut->setObjectName(QStringLiteral("ZoomOut"));
    ZoomOut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    ActualSize = View->addAction(tr("&Actual Size"));
    ActualSize->setObjectName(QStringLiteral("ActualSize"));
    ActualSize->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));

    Sound1 = menuBar()->addMenu(tr("&Sound"));
    Sound1->setObjectName(QStringLiteral("Sound1"));
    Sound = Sound1->addAction(tr("&On"));
    Sound->setObjectName(QStringLiteral("Sound"));
    Sound->setShortcut(Qt::Key_F5);
    Sound->setCheckable(true);
    Sound->setChecked(true);

    About = menuBar()->addMenu(tr("&Other"));
    About->setObjectName(QStringLiteral("About"));
    Help = About->addAction(tr("&Help"));
    Help->setObjectName(QStringLiteral("Help"));
    Help->setShortcut(Qt::Key_F1);
    Statistics = About->addAction(tr("&Statistics"));
    Statistics->setObjectName(QStringLiteral("Statistics"));
    // F1 to F3 and F5 are taken; F4 alone, without Alt, closes nothing.
    Hint = About->addAction(tr("H&int"));
    Hint->setObjectName(QStringLiteral("Hint"));
    Hint->setShortcut(Qt::Key_F4);
    // F6, the first function key no other command takes.
    Coach = About->addAction(tr("&Coach"));
    Coach->setObjectName(QStringLiteral("Coach"));
    Coach->setShortcut(Qt::Key_F6);
    Coach->setCheckable(true);

    ReadTable = new QAction(tr("Read the table"), this);
    ReadTable->setObjectName(QStringLiteral("ReadTable"));
    ReadTable->setShortcut(Qt::Key_F3);
    addAction(ReadTable);

    // F7, the first function key that no command takes.
    RepeatNews = new QAction(tr("Repeat the news"), this);
    RepeatNews->setObjectName(QStringLiteral("RepeatNews"));
    RepeatNews->setShortcut(Qt::Key_F7);
    addAction(RepeatNews);
}

// Each listener hears every report, in the order they join: what is shown first, then what is heard.
void BJMain::buildListeners() {
    cues = std::make_unique<TableCues>(*screen->Flash, wave, programDirectory);
    narrator = new Narrator(this);
    pauseTimer = new DealerPauseTimer(round);
    pauseTimer->setParent(this);
    // The record starts with the money a fresh table holds.
    record = std::make_unique<RecordKeeper>(coach, 500);
    hint = std::make_unique<CoachHint>(
        this, [this] { return hintInWords(decisionAt(round), coach.get()); },
        [this] { return screen->occupiedAreas(); });
    coachAtPlay = std::make_unique<CoachAtPlay>(
        this, coach, [this] { return screen->occupiedAreas(); },
        [this](const QString &words) { narrator->addToNews(words); });
    for (RoundListener *listener : std::initializer_list<RoundListener *>{
             screen.get(), cues.get(), narrator, pauseTimer, record.get(), hint.get(), coachAtPlay.get()})
        hold.addListener(*listener);
    round.addListener(hold);
}

void BJMain::connectHandlers() {
    connect(screen->CmdNew, &QPushButton::clicked, this, &BJMain::CmdNew_Click);
    connect(screen->CmdHit, &QPushButton::clicked, this, &BJMain::CmdHit_Click);
    connect(screen->CmdStand, &QPushButton::clicked, this, &BJMain::CmdStand_Click);
    connect(screen->cmdDouble, &QPushButton::clicked, this, &BJMain::cmdDouble_Click);
    connect(screen->lblBet5, &ChipLabel::clicked, this, &BJMain::lblBet5_Click);
    connect(screen->lblBet10, &ChipLabel::clicked, this, &BJMain::lblBet10_Click);
    connect(screen->lblBet50, &ChipLabel::clicked, this, &BJMain::lblBet50_Click);
    connect(New_Game, &QAction::triggered, this, &BJMain::New_Game_Click);
    connect(Exit, &QAction::triggered, this, &BJMain::Exit_Click);
    // Qt flips a checkable entry before it reports the click; the handler does the flip itself.
    connect(Sound, &QAction::triggered, this, [this] {
        Sound->setChecked(!Sound->isChecked());
        Sound_Click();
    });
    connect(Help, &QAction::triggered, this, &BJMain::Help_Click);
    connect(ZoomIn, &QAction::triggered, this, &BJMain::ZoomIn_Click);
    connect(ZoomOut, &QAction::triggered, this, &BJMain::ZoomOut_Click);
    connect(ActualSize, &QAction::triggered, this, &BJMain::ActualSize_Click);
    connect(ReadTable, &QAction::triggered, this, &BJMain::ReadTable_Click);
    connect(RepeatNews, &QAction::triggered, this, &BJMain::RepeatNews_Click);
    connect(Statistics, &QAction::triggered, this, &BJMain::Statistics_Click);
    connect(Hint, &QAction::triggered, this, &BJMain::Hint_Click);
    connect(Coach, &QAction::triggered, this, [this] {
        Coach->setChecked(!Coach->isChecked());
        Coach_Click();
    });
}

void BJMain::speakResultsWith(SpeechVoice *voice) {
    narrator->speakResultsWith(voice);
}

void BJMain::Form_Load() {
    cues->setSoundOn(true);
    Sound->setChecked(true);
    // The last step belongs to the insurance dialog, which exists from now on.
    if (!BJInsurDialog) {
        BJInsurDialog = std::make_unique<BJInsur>(
            wave, programDirectory + QLatin1String(media::insuranceCall),
            [this](InsuranceAnswer answer) { round.answerInsurance(answer); },
            QList{ReadTable, RepeatNews, Hint, Coach});
        BJInsurDialog->showOffersOver(this,
                                      [this](double cost) { return narrator->insuranceQuestion(cost); });
        hold.addListener(*BJInsurDialog);
    }
    round.load();
}

// Every click goes to the round model, which reports to the listeners what the table is to show.
void BJMain::CmdNew_Click() {
    round.deal();
}

void BJMain::CmdHit_Click() {
    round.hit();
}

void BJMain::cmdDouble_Click() {
    round.doubleDown();
}

void BJMain::CmdStand_Click() {
    round.stand();
}

void BJMain::lblBet5_Click() {
    round.placeChip(5);
}

void BJMain::lblBet10_Click() {
    round.placeChip(10);
}

void BJMain::lblBet50_Click() {
    round.placeChip(50);
}

// A restart drops the stake on the table without payout and gives up any round in play: a dealer's
// play waiting in its pause stops there, drawing, cueing and settling nothing more.
void BJMain::New_Game_Click() {
    round.restart();
    // The table is idle again, whatever it was doing.
    screen->CmdNew->setFocus();
}

// A toggle from its key gives the screen reader nothing to say of its own: the table says where it is.
void BJMain::Sound_Click() {
    cues->setSoundOn(!cues->soundOn());
    Sound->setChecked(cues->soundOn());
    narrator->tell(cues->soundOn() ? tr("Sound on.") : tr("Sound off."));
}

void BJMain::Help_Click() {
    if (!BJHelpWindow) {
        BJHelpWindow = new BJHelp;
        QWidget *help = BJHelpWindow;
        zoom->follow(help, [help] { keepOnScreen(help); });
        centreOnScreen(help);
    }
    BJHelpWindow->show();
}

void BJMain::ZoomIn_Click() {
    zoom->zoomIn(largestZoom());
}

void BJMain::ZoomOut_Click() {
    zoom->zoomOut();
}

void BJMain::ActualSize_Click() {
    zoom->actualSize();
}

int BJMain::largestZoom() const {
    const QScreen *shownOn = QWidget::screen() ? QWidget::screen() : QGuiApplication::primaryScreen();
    if (!shownOn)
        return 100;
    const QSize felt = centralWidget()->size();
    const QSize feltAtFullSize(qRound(felt.width() / zoom->factor()), qRound(felt.height() / zoom->factor()));
    return TableZoom::largestStep(devicePixelRatioF(), shownOn->availableGeometry().size(), feltAtFullSize,
                                  frameGeometry().size() - felt);
}

// The menu bar keeps the desktop's size, as every program's does; the table below it grows.
void BJMain::zoomChanged() {
    screen->setZoom(zoom->factor());
    adjustSize();
    keepOnScreen(this);
    enableZoomEntries();
    //: What a screen reader says as the table is zoomed; %1 is the size in percent.
    narrator->tell(tr("Zoom %1%").arg(zoom->percent()));
}

void BJMain::enableZoomEntries() {
    const int largest = largestZoom();
    ZoomIn->setEnabled(zoom->percent() < largest);
    ZoomOut->setEnabled(zoom->percent() > 100);
    ActualSize->setEnabled(zoom->percent() != 100);
}

void BJMain::ReadTable_Click() {
    TableShown shown = screen->shown();
    shown.insuranceOffered = BJInsurDialog->window() != nullptr;
    narrator->readTable(shown);
}

void BJMain::RepeatNews_Click() {
    narrator->repeatNews();
}

void BJMain::Statistics_Click() {
    record->showWindow(this);
}

// The coach only answers: it never makes a choice. Its words are spoken from the table, as F3's are,
// so that they come whether the table or the insurance offer has the focus.
void BJMain::Hint_Click() {
    narrator->tell(hint->show());
}

void BJMain::Coach_Click() {
    coachAtPlay->setOn(!coachAtPlay->isOn());
    Coach->setChecked(coachAtPlay->isOn());
    narrator->tell(coachAtPlay->isOn() ? tr("Coach on.") : tr("Coach off."));
}

// A refusal of the insurance shows over the offer, which is still on screen.
QWidget *BJMain::showRefusal(Alert alert) {
    QWidget *offer = BJInsurDialog ? BJInsurDialog->window() : nullptr;
    return showCorvaneAlert(offer ? offer : this, QCoreApplication::translate("Alert", alertText(alert)));
}

// The help window is left open; the program ends once the player closes it too.
void BJMain::Exit_Click() {
    BJInsurDialog->Unload();
    close();
}

// Framed and on its screen at last: the largest zoom is known for certain.
void BJMain::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    enableZoomEntries();
    connect(windowHandle(), &QWindow::screenChanged, this, &BJMain::screenChanged, Qt::UniqueConnection);
}

void BJMain::screenChanged() {
    if (!zoom->keepWithin(largestZoom()))
        enableZoomEntries();
}

void BJMain::closeEvent(QCloseEvent *event) {
    // A dealer's play waiting in its pause, or a deal waiting for the insurance answer, stops there.
    round.giveUp();
    record->closeWindow();
    hint->close();
    coachAtPlay->close();
    QMainWindow::closeEvent(event);
}
