#pragma once

#include "soak/soak_ledger.h"

#include <memory>
#include <string>

struct ScriptedTable;

struct SoakReport {
    long actions = 0;
    long rounds = 0;
    long naturals = 0;
    long busts = 0;
    long settlements = 0;
    long restarts = 0;
    long restartsInPause = 0;
    long restartsInOffer = 0;
    long closes = 0;
    long insuranceOffers = 0;
    long alerts = 0;
    long ledgerChecks = 0;
    // The process's resident memory at the first and the last thousandth action; -1 before any.
    long residentAtFirstThousandKb = -1;
    long residentAtLastThousandKb = -1;
    // The first break of the ledger, with the actions that led to it; empty while the money agrees.
    std::string ledgerBreak;
};

// What the soak's parts share: the table in play, the ledger it is held against, what the player has
// done to it that the window should show, and the report of the whole soak.
struct SoakSession {
    std::unique_ptr<ScriptedTable> table;
    SoakLedger ledger;
    SoakReport report;
    // Set as the player closes the window; the table is replaced once the action is over.
    bool windowClosed = false;
    // What the Sound entry should show after the player's toggles.
    bool soundOn = true;
    // The alerts answered on this table.
    int alertsSeen = 0;
    // How deep the action in hand is nested: one taken in the dealer's pause is one deep.
    int depth = 0;
};
