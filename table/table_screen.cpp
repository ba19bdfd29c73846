#include "table/table_screen.h"

#include "platform/animation_player.h"
#include "platform/desktop_preferences.h"
#include "table/amount_captions.h"
#include "table/card_box.h"
#include "table/chip_label.h"
#include "table/desktop_look.h"
#include "table/fitted_text.h"
#include "table/mnemonic_priority.h"
#include "table/quiet_focus.h"
#include "table/table_felt.h"
#include "table/table_pictures.h"
#include "table/table_zoom.h"
#include "table/twips.h"

#include <QFontDatabase>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <utility>

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

QLabel *makeLabel(QWidget *parent, const char *name, QRect geometry) {
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
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

QRect onScreen(const QWidget *widget) {
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

} // namespace

TableScreen::TableScreen(QMainWindow *window) : window(window) {
    focusTimer.setSingleShot(true);
    focusTimer.setInterval(0);
    QObject::connect(&focusTimer, &QTimer::timeout, window, [this] { moveFocusDue(); });
    followFocusHeard();
    auto *felt = new TableFelt(window);
    tableFelt = felt;
    felt->setObjectName(QStringLiteral("Felt"));
    felt->setFixedSize(clientSize);
    window->setCentralWidget(felt);
    buildCards(felt);
    buildButtonsAndChips(felt);
    buildCaptions(felt);
    buildLines(felt);

    Flash = new AnimationPlayer(felt);
    Flash->setObjectName(QStringLiteral("Flash"));
    Flash->setGeometry(rectFromTwips(2520, 2640, 3375, 735));
    // The clips hold still while the desktop asks for less motion.
    DesktopPreferences &desktop = DesktopPreferences::shared();
    AnimationPlayer *clips = Flash;
    clips->setStill(desktop.reducedMotion());
    QObject::connect(&desktop, &DesktopPreferences::changed, clips,
                     [clips, &desktop] { clips->setStill(desktop.reducedMotion()); });
}

void TableScreen::buildCards(QWidget *felt) {
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
}

void TableScreen::buildButtonsAndChips(QWidget *felt) {
    const auto makeButton = [this, felt](const char *name, const QString &caption, int left) {
        auto *button = new QPushButton(felt);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(rectFromTwips(left, 5280, 1095, 615));
        fitted.insert(button, {caption, button->font()});
        setFittedText(button, caption);
        return button;
    };
    CmdNew = makeButton("CmdNew", tr("&New Game"), 3240);
    CmdHit = makeButton("CmdHit", tr("&Hit"), 4560);
    CmdStand = makeButton("CmdStand", tr("&Stand"), 5880);
    cmdDouble = makeButton("cmdDouble", tr("&Double"), 7200);
    cmdDouble->setEnabled(false);
    // Each letter acts on its press, where the focus is. Stand shares its letter with the Sound menu;
    // while the player may stand, the letter stands.
    new MnemonicPriority(CmdStand);
    for (QPushButton *button : {CmdNew, CmdHit, cmdDouble})
        new QuietMnemonic(button);

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
}

void TableScreen::buildCaptions(QWidget *felt) {
    const QColor titleBarText = Qt::white;
    const QColor windowColour = Qt::white;
    const QColor windowText = Qt::black;
    const QColor buttonText = Qt::black;

    // Every amount and total is written by the one conversion, the starting ones too, so that a locale
    // with digits of its own shows them all alike.
    lblCom = makeLabel(felt, "lblCom", rectFromTwips(1440, 1200, 615, 615));
    showFitted(lblCom, captionFromAmount(0), sansFont(18));
    setColours(lblCom, pink, QColor());
    describeNumber(lblCom, tr("Dealer total"));
    lblPlay = makeLabel(felt, "lblPlay", rectFromTwips(6240, 4320, 615, 615));
    showFitted(lblPlay, captionFromAmount(0), sansFont(18));
    setColours(lblPlay, pink, QColor());
    describeNumber(lblPlay, tr("Player total"));
    standTotalsOnPlates({lblCom, lblPlay});

    lblBettitle = makeLabel(felt, "lblBettitle", rectFromTwips(120, 4320, 615, 375));
    //: The title of the bet box, which has room for three letters: it is narrowed to fit a longer word,
    //: and a shorter form of the word (a length variant) is shown in its place where the long one would
    //: be squeezed hard.
    showFitted(lblBettitle, tr("Bet", "bet box title"), fixedFont(13.5, true));
    setColours(lblBettitle, buttonText, lightCyan);
    Label4 = makeLabel(felt, "Label4", rectFromTwips(960, 4320, 255, 375));
    showFitted(Label4, QStringLiteral("$"), fixedFont(13.5, false));
    setColours(Label4, buttonText, Qt::white);
    Label4->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblBet = makeLabel(felt, "lblBet", rectFromTwips(1200, 4320, 855, 375));
    showFitted(lblBet, captionFromAmount(0), fixedFont(13.5, false));
    setColours(lblBet, buttonText, titleBarText);
    //: What the bet box's number is, as a screen reader says it.
    describeNumber(lblBet, tr("Bet"));

    lblMoneytitle = makeLabel(felt, "lblMoneytitle", rectFromTwips(6480, 240, 1695, 375));
    showFitted(lblMoneytitle, tr("Your Money"), fixedFont(13.5, true));
    setColours(lblMoneytitle, buttonText, lightCyan);
    lblMoneytitle->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2 = makeLabel(felt, "Label2", rectFromTwips(6480, 720, 375, 615));
    showFitted(Label2, QStringLiteral("$"), sansFont(24));
    setColours(Label2, buttonText, Qt::white);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblmoney = makeLabel(felt, "lblmoney", rectFromTwips(6840, 720, 1335, 615));
    showFitted(lblmoney, captionFromAmount(500), sansFont(24));
    setColours(lblmoney, windowText, windowColour);
    describeNumber(lblmoney, tr("Your money"));
}

// Two boxes of one-pixel lines: the money box, then the bet box.
void TableScreen::buildLines(QWidget *felt) {
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
            palette.setColor(QPalette::Window, Qt::black);
            frameLine->setPalette(palette);
            TableFelt::markDecorative(frameLine);
            Line[next++] = frameLine;
        }
    }
}

CardPicture TableScreen::faceDownCard() const {
    return CardPicture{cardBackPicture(qGuiApp->devicePixelRatio(), zoom).pixmap, tr("Face-down card")};
}

// A caption longer in another language than in English is shown whole in its shorter form or a narrower
// cut of its font.
void TableScreen::showFitted(QLabel *label, const QString &text, const QFont &font) {
    fitted.insert(label, {text, font});
    setFittedText(label, text, zoomedFont(font, zoom));
}

void TableScreen::showFitted(QLabel *label, const QString &text) {
    showFitted(label, text, fitted.value(label).font);
}

// The fonts and places scale first; then each caption is fitted again, as hinting does not scale a
// font's widths exactly.
void TableScreen::setZoom(qreal tableZoom) {
    zoom = tableZoom;
    zoomWidgets(tableFelt, zoom);
    tableFelt->setZoom(zoom);
    for (auto caption = fitted.cbegin(); caption != fitted.cend(); ++caption) {
        if (auto *button = qobject_cast<QPushButton *>(caption.key())) {
            button->setFont(zoomedFont(caption->font, zoom));
            setFittedText(button, caption->text);
        } else {
            setFittedText(static_cast<QLabel *>(caption.key()), caption->text,
                          zoomedFont(caption->font, zoom));
        }
    }
    showPicturesAtZoom();
    for (ChipLabel *chip : {lblBet5, lblBet10, lblBet50})
        chip->setZoom(zoom);
    Flash->setZoom(zoom);
}

// Every box takes its card again, drawn for the zoom; the boxes showing the back share the stored one.
void TableScreen::showPicturesAtZoom() {
    PicBack->setPicture(faceDownCard());
    for (const auto &[boxes, cards] : {std::pair{PicCom, comShown}, std::pair{PicPlay, playShown}}) {
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (cards[i] == 0) {
                boxes[i]->setPicture(PicBack->picture());
            } else {
                Deck1.setCard(cards[i]);
                boxes[i]->setPicture(Deck1.picture(zoom));
            }
        }
    }
}

TableShown TableScreen::shown() const {
    TableShown table;
    table.enabled = {.deal = CmdNew->isEnabled(),
                     .hit = CmdHit->isEnabled(),
                     .stand = CmdStand->isEnabled(),
                     .doubleDown = cmdDouble->isEnabled(),
                     .chips = lblBet5->isEnabled()};
    table.stake = stakeShown;
    table.bankroll = bankrollShown;
    return table;
}

QList<QRect> TableScreen::occupiedAreas() const {
    QList<QRect> areas{QRect(window->menuBar()->mapToGlobal(QPoint(0, 0)), window->menuBar()->size())};
    for (const std::array<CardBox *, 7> &hand : {PicCom, PicPlay}) {
        for (const CardBox *box : hand)
            areas << onScreen(box);
    }
    for (const QWidget *control : std::initializer_list<const QWidget *>{
             CmdNew, CmdHit, CmdStand, cmdDouble, lblBet5, lblBet10, lblBet50, lblCom, lblPlay, lblBet,
             lblmoney, lblBettitle, Label4, lblMoneytitle, Label2, Flash})
        areas << onScreen(control);
    return areas;
}

void TableScreen::cardDealt(const report::CardDealt &card) {
    CardBox *box = (card.hand == Hand::Player ? PicPlay : PicCom)[card.position];
    box->show();
    Deck1.setCard(static_cast<qint32>(card.cardNumber));
    (card.hand == Hand::Player ? playShown : comShown)[card.position] = Deck1.card();
    box->setPicture(Deck1.picture(zoom));
}

void TableScreen::boxChanged(const report::BoxChanged &change) {
    CardBox *box = (change.hand == Hand::Player ? PicPlay : PicCom)[change.position];
    if (change.shows == BoxShows::Nothing) {
        box->hide();
        return;
    }
    box->show();
    (change.hand == Hand::Player ? playShown : comShown)[change.position] = 0;
    box->setPicture(PicBack->picture());
}

// The amounts and totals the player sees exist only as these captions. An amount wider than its box,
// such as "10012.5", is shown whole in a smaller size: the box keeps its size and place.
void TableScreen::amountsChanged(const report::AmountsChanged &amounts) {
    stakeShown = amounts.stake;
    bankrollShown = amounts.bankroll;
    showFitted(lblBet, captionFromAmount(amounts.stake));
    showFitted(lblmoney, captionFromAmount(amounts.bankroll));
}

void TableScreen::totalsChanged(const report::TotalsChanged &totals) {
    showFitted(lblPlay, captionFromAmount(totals.player));
    showFitted(lblCom, captionFromAmount(totals.dealer));
}

// On Hit when the deal hands the player the turn, on New Game when the round is over.
void TableScreen::controlsChanged(const report::ControlsChanged &changed) {
    const RoundControls &enabled = changed.enabled;
    const bool turnBegins = enabled.hit && !CmdHit->isEnabled();
    const bool roundEnds = enabled.deal && !CmdNew->isEnabled();
    // A control disabled under the focus would hand it to the next one at once, which a screen reader
    // names before the news; the focus leaves quietly instead, and moves on after the news.
    const std::pair<QWidget *, bool> becomes[] = {{CmdNew, enabled.deal},    {CmdHit, enabled.hit},
                                                  {CmdStand, enabled.stand}, {cmdDouble, enabled.doubleDown},
                                                  {lblBet5, enabled.chips},  {lblBet10, enabled.chips},
                                                  {lblBet50, enabled.chips}};
    for (const auto &[control, enable] : becomes) {
        if (!enable && control->hasFocus())
            control->clearFocus();
    }
    CmdNew->setEnabled(enabled.deal);
    CmdHit->setEnabled(enabled.hit);
    CmdStand->setEnabled(enabled.stand);
    cmdDouble->setEnabled(enabled.doubleDown);
    for (ChipLabel *chip : {lblBet5, lblBet10, lblBet50})
        chip->setEnabled(enabled.chips);
    // The focus moves on the next turn of the event loop, once the narrator has told the round's news.
    if (roundEnds || turnBegins) {
        focusDue = roundEnds ? CmdNew : CmdHit;
        focusTimer.start();
    }
}

// The turn's focus on Hit is heard: it tells the player the turn has come. New Game takes it quietly
// after the round, so that the outcome is all the player hears.
void TableScreen::moveFocusDue() {
    if (focusDue == CmdNew && CmdNew->isEnabled())
        moveFocusQuietly(CmdNew);
    else if (focusDue && focusDue->isEnabled())
        focusDue->setFocus();
    focusDue = nullptr;
}
