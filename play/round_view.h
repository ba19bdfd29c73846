#pragma once

#include "betting/alerts.h"
#include "betting/cues.h"
#include "cards/round_state.h"

class DealerPause;

// Which of the round's controls are enabled: the four buttons and the three chips, which always change
// together.
struct RoundControls {
    bool CmdNew = true;
    bool CmdHit = false;
    bool CmdStand = false;
    bool cmdDouble = false;
    bool chips = true;

    bool operator==(const RoundControls &) const = default;
};

enum class InsuranceAnswer { Yes, No, Closed };

// What an outcome handler settled, told besides its clip: the insurance payout shows the loss clip.
enum class RoundOutcome { InsurancePays, Push, Loss, Win, Blackjack };

// What the round model tells the player and asks of them. The table window shows it all; a headless
// view may ignore what it is told. Amounts and totals come as numbers: the view writes the captions.
class RoundView {
public:
    virtual ~RoundView() = default;

    // A card box changed: hidden, the card back, or the face of `cardNumber` (1 to 52).
    virtual void showCardBox(Hand hand, int position, BoxShows shows, int cardNumber) = 0;
    virtual void showBankroll(double amount) = 0;
    virtual void showStake(double amount) = 0;
    virtual void showPlayerTotal(int total) = 0;
    virtual void showDealerTotal(int total) = 0;
    virtual void enableControls(const RoundControls &enabled) = 0;

    // A sound cue; the view plays it only while its sound setting is on.
    virtual void playSound(SoundCue cue) = 0;
    // Shows the animation with this clip.
    virtual void showClip(ClipCue clip) = 0;
    // Hides the animation and loads the calm clip, ready for the next outcome.
    virtual void resetClip() = 0;
    // Hides the animation; its clip stays loaded.
    virtual void hideClip() = 0;
    // An outcome handler has shown its clip; a view may also tell the outcome in words.
    virtual void tellOutcome(RoundOutcome) {}

    // A refusal, shown modally; returns once the player has seen it.
    virtual void alert(Alert alert) = 0;

    // Offers insurance and waits for the answer. The offer (with its own call, played whatever the
    // sound setting) stays on screen until closeInsuranceOffer(), so that a refusal shows over it.
    virtual InsuranceAnswer askInsurance() = 0;
    virtual void closeInsuranceOffer() {}

    // The pause before each dealer card. The window times it with `pause` and sleeps in its event loop
    // meanwhile; a headless view may return true at once. False when the round was given up during
    // the pause: then nothing more is drawn, cued or settled.
    virtual bool waitBeforeDealerCard(DealerPause &pause) = 0;
};
