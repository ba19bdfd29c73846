#include "table/table_window.h"

#include "platform/animation_player.h"
#include "table/amount_captions.h"
#include "table/card_box.h"
#include "table/chip_label.h"
#include "table/coach_windows.h"
#include "table/fitted_text.h"
#include "table/help_window.h"
#include "table/insurance_dialog.h"
#include "table/mnemonic_priority.h"
#include "table/narrator.h"
#include "table/outcome_cues.h"
#include "table/table_felt.h"
#include "table/table_pictures.h"
#include "table/twips.h"
#include "table/window_placement.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

namespace {

constexpr QSize clientSize{559, 410};

const QColor pink{255, 128, 255};
const QColor lightCyan{128, 255, 255};

QFont sansFont(qreal points) {
    QFont font = QGuiApplication::font();
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}

// The nearest fixed-pitch face to the old OEM screen font.
QFont fixedFont(qreal points, bool italic) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(points);
    font.setItalic(italic);
    return font;
}

// A caption longer in another language than in English is shown whole in a smaller size of its font.
QLabel *makeLabel(QWidget *parent, const char *name, const QString &caption, QRect geometry,
                  const QFont &font) {
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFittedText(label, caption, font);
    return label;
}

void setColours(QLabel *label, const QColor &text, const QColor &background) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, text);
    if (background.isValid()) {
        palette.setColor(QPalette::Window, background);
        label->setAutoFillBackground(true);
    }
    label->setPalette(palette);
}

// A label that shows a number keeps its live text as what a screen reader speaks, and says what it is
// in its description; a set accessible name would hide the text.
void describeNumber(QLabel *label, const QString &description) {
    label->setAccessibleDescription(description);
}

} // namespace

BJMain::BJMain(PlatformBundle platformParts, QWidget *parent)
    : QMainWindow(parent), platform(std::move(platformParts)),
      round(hold, *platform.random, *platform.clock) {
    setObjectName(QStringLiteral("BJMain"));
    // The program's name, the same in every language.
    setWindowTitle(QStringLiteral("Nimbrel - Corvane"));
    setWindowIcon(corvaneIcon());
    // Fixed size, no maximise button: the table is laid out to the pixel.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    narrator = new Narrator(this);
    buildMenu();
    buildControls();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    centreOnScreen(this);
    connectHandlers();
    Form_Load();
    CmdNew->setFocus();
}

// The record's window goes with the table, as the hint's does as its child; the help stays open.
BJMain::~BJMain() {
    delete BJStatsWindow.data();
}

BJHelp *BJMain::helpWindow() const {
    return BJHelpWindow.data();
}

BJInsurWindow *BJMain::insuranceWindow() const {
    return BJInsurDialog ? BJInsurDialog->window() : nullptr;
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

    ReadTable = new QAction(tr("Read the table"), this);
    ReadTable->setObjectName(QStringLiteral("ReadTable"));
    ReadTable->setShortcut(Qt::Key_F3);
    addAction(ReadTable);
}

void BJMain::buildControls() {
    auto *felt = new TableFelt(this);
    felt->setObjectName(QStringLiteral("Felt"));
    felt->setFixedSize(clientSize);
    setCentralWidget(felt);

    PicBack = new CardBox(felt);
    PicBack->setObjectName(QStringLiteral("PicBack"));
    PicBack->setGeometry(rectFromTwips(120, 2640, 1095, 1455));
    PicBack->setPicture(faceDownCard());
    PicBack->hide();

    // Each box lies over the one before it, so they are made left to right.
    for (int i = 0; i < 7; ++i) {
        PicCom[i] = new CardBox(felt);
        PicCom[i]->setObjectName(QStringLiteral("PicCom%1").arg(i + 1));
        PicCom[i]->setGeometry(rectFromTwips(2520 + 360 * i, 360, 1095, 1455));
        PicPlay[i] = new CardBox(felt);
        PicPlay[i]->setObjectName(QStringLiteral("PicPlay%1").arg(i + 1));
        PicPlay[i]->setGeometry(rectFromTwips(2280 + 360 * i, 3480, 1095, 1455));
        if (i >= 2)
            PicPlay[i]->hide();
    }
    for (CardBox *box : {PicCom[0], PicPlay[0], PicPlay[1]})
        box->setPicture(faceDownCard());

    const auto makeButton = [felt](const char *name, const QString &caption, int left) {
        auto *button = new QPushButton(caption, felt);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(rectFromTwips(left, 5280, 1095, 615));
        return button;
    };
    CmdNew = makeButton("CmdNew", tr("&New Game"), 3240);
    CmdHit = makeButton("CmdHit", tr("&Hit"), 4560);
    CmdStand = makeButton("CmdStand", tr("&Stand"), 5880);
    cmdDouble = makeButton("cmdDouble", tr("&Double"), 7200);
    cmdDouble->setEnabled(false);
    // Stand shares its letter with the Sound menu; while the player may stand, the letter stands.
    new MnemonicPriority(CmdStand);

    const auto makeChip = [felt](const char *name, int amount, QRect geometry) {
        auto *chip = new ChipLabel(felt);
        chip->setObjectName(QLatin1String(name));
        chip->setGeometry(geometry);
        //: A chip as a screen reader names it; %1 is its amount.
        chip->setAccessibleName(tr("Bet %1").arg(captionFromAmount(amount)));
        return chip;
    };
    lblBet10 = makeChip("lblBet10", 10, rectFromTwips(90, 4800, 975, 1320));
    lblBet5 = makeChip("lblBet5", 5, rectFromTwips(1060, 4920, 975, 1150));
    lblBet50 = makeChip("lblBet50", 50, rectFromTwips(2040, 4920, 975, 1155));

    const QColor titleBarText = Qt::white;
    const QColor windowColour = Qt::white;
    const QColor windowText = Qt::black;
    const QColor buttonText = Qt::black;

    // Every amount and total is written by the one conversion, the starting ones too, so that a locale
    // with digits of its own shows them all alike.
    lblCom =
        makeLabel(felt, "lblCom", captionFromAmount(0), rectFromTwips(1440, 1200, 615, 615), sansFont(18));
    setColours(lblCom, pink, QColor());
    describeNumber(lblCom, tr("Dealer total"));
    lblPlay =
        makeLabel(felt, "lblPlay", captionFromAmount(0), rectFromTwips(6240, 4320, 615, 615), sansFont(18));
    setColours(lblPlay, pink, QColor());
    describeNumber(lblPlay, tr("Player total"));

    //: The title of the bet box: a short word, the box is narrow.
    lblBettitle =
        makeLabel(felt, "lblBettitle", tr("Bet"), rectFromTwips(120, 4320, 615, 375), fixedFont(13.5, true));
    setColours(lblBettitle, buttonText, lightCyan);
    Label4 = makeLabel(felt, "Label4", QStringLiteral("$"), rectFromTwips(960, 4320, 255, 375),
                       fixedFont(13.5, false));
    setColours(Label4, buttonText, Qt::white);
    Label4->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    betFont = fixedFont(13.5, false);
    lblBet = makeLabel(felt, "lblBet", captionFromAmount(0), rectFromTwips(1200, 4320, 855, 375), betFont);
    setColours(lblBet, buttonText, titleBarText);
    //: What the bet box's number is, as a screen reader says it.
    describeNumber(lblBet, tr("Bet"));

    lblMoneytitle = makeLabel(felt, "lblMoneytitle", tr("Your Money"), rectFromTwips(6480, 240, 1695, 375),
                              fixedFont(13.5, true));
    setColours(lblMoneytitle, buttonText, lightCyan);
    lblMoneytitle->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2 = makeLabel(felt, "Label2", QStringLiteral("$"), rectFromTwips(6480, 720, 375, 615), sansFont(24));
    setColours(Label2, buttonText, Qt::white);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    moneyFont = sansFont(24);
    lblmoney =
        makeLabel(felt, "lblmoney", captionFromAmount(500), rectFromTwips(6840, 720, 1335, 615), moneyFont);
    setColours(lblmoney, windowText, windowColour);
    describeNumber(lblmoney, tr("Your money"));

    // Two boxes of one-pixel lines: the money box, then the bet box.
    const QRect moneyBox(QPoint(pixelsFromTwips(6480), pixelsFromTwips(720)),
                         QPoint(pixelsFromTwips(8160), pixelsFromTwips(1320)));
    const QRect betBox(QPoint(pixelsFromTwips(960), pixelsFromTwips(4320)),
                       QPoint(pixelsFromTwips(2040), pixelsFromTwips(4680)));
    int next = 0;
    for (const QRect &box : {moneyBox, betBox}) {
        for (const QRect &edge :
             {QRect(box.left(), box.top(), box.width(), 1), QRect(box.left(), box.bottom(), box.width(), 1),
              QRect(box.left(), box.top(), 1, box.height()),
              QRect(box.right(), box.top(), 1, box.height())}) {
            auto *frameLine = new QFrame(felt);
            frameLine->setObjectName(QStringLiteral("Line%1").arg(next + 1));
            frameLine->setGeometry(edge);
            frameLine->setAutoFillBackground(true);
            QPalette palette = frameLine->palette();
            palette.setColor(QPalette::Window, windowText);
            frameLine->setPalette(palette);
            TableFelt::markDecorative(frameLine);
            Line[next++] = frameLine;
        }
    }

    Flash = new AnimationPlayer(felt);
    Flash->setObjectName(QStringLiteral("Flash"));
    Flash->setGeometry(rectFromTwips(2520, 2640, 3375, 735));
    tellNoOutcome();
}

CardPicture BJMain::faceDownCard() const {
    return CardPicture{cardBackPicture().pixmap, tr("Face-down card")};
}

void BJMain::connectHandlers() {
    connect(CmdNew, &QPushButton::clicked, this, &BJMain::CmdNew_Click);
    connect(CmdHit, &QPushButton::clicked, this, &BJMain::CmdHit_Click);
    connect(CmdStand, &QPushButton::clicked, this, &BJMain::CmdStand_Click);
    connect(cmdDouble, &QPushButton::clicked, this, &BJMain::cmdDouble_Click);
    connect(lblBet5, &ChipLabel::clicked, this, &BJMain::lblBet5_Click);
    connect(lblBet10, &ChipLabel::clicked, this, &BJMain::lblBet10_Click);
    connect(lblBet50, &ChipLabel::clicked, this, &BJMain::lblBet50_Click);
    connect(New_Game, &QAction::triggered, this, &BJMain::New_Game_Click);
    connect(Exit, &QAction::triggered, this, &BJMain::Exit_Click);
    // Qt flips a checkable entry before it reports the click; the handler does the flip itself.
    connect(Sound, &QAction::triggered, this, [this] {
        Sound->setChecked(!Sound->isChecked());
        Sound_Click();
    });
    connect(Help, &QAction::triggered, this, &BJMain::Help_Click);
    connect(ReadTable, &QAction::triggered, this, &BJMain::ReadTable_Click);
    connect(Statistics, &QAction::triggered, this, &BJMain::Statistics_Click);
    connect(Hint, &QAction::triggered, this, &BJMain::Hint_Click);
    // Precise: a coarse timer may wake up to 5% early, and each early wake-up only asks for another.
    dealerPauseTimer.setTimerType(Qt::PreciseTimer);
    dealerPauseTimer.setSingleShot(true);
    connect(&dealerPauseTimer, &QTimer::timeout, this, [this] {
        round.endDealerPause();
        recordRoundEnd();
    });
}

void BJMain::Form_Load() {
    Sound->setChecked(true);
    // The last step belongs to the insurance dialog, which exists from now on.
    if (!BJInsurDialog)
        BJInsurDialog = std::make_unique<BJInsur>(
            *platform.wave, mediaPath(QLatin1String(media::insuranceCall)),
            [this](InsuranceAnswer answer) {
                const std::optional<Decision> open = decisionAt(round);
                round.answerInsurance(answer);
                // An insurance the money cannot cover is refused, and the hand goes on uninsured.
                recordChoice(open, round.cards().InsYes == 1 ? Choice::Insure : Choice::DeclineInsurance);
            },
            QList{ReadTable, Hint});
    round.load();
}

// Every click goes to the round model, which reports back what the table is to show.
void BJMain::CmdNew_Click() {
    round.deal();
    recordRoundEnd();
}

void BJMain::CmdHit_Click() {
    const std::optional<Decision> open = decisionAt(round);
    round.hit();
    recordChoice(open, Choice::Hit);
}

void BJMain::cmdDouble_Click() {
    const std::optional<Decision> open = decisionAt(round);
    round.doubleDown();
    recordChoice(open, Choice::Double);
}

void BJMain::CmdStand_Click() {
    const std::optional<Decision> open = decisionAt(round);
    round.stand();
    recordChoice(open, Choice::Stand);
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

void BJMain::closeEvent(QCloseEvent *event) {
    // A dealer's play waiting in its pause, or a deal waiting for the insurance answer, stops there.
    round.giveUp();
    if (BJStatsWindow)
        BJStatsWindow->close();
    QMainWindow::closeEvent(event);
}
