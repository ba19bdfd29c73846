#pragma once

#include "odds/exact_analysis.h"

#include <string>

// The best play as a chart a person can check: the player's total down, the dealer's up card across (and
// a last column for an insured hand under an ace), S stand, H hit, D double (hit where the double is not
// offered). Each cell holds the play for the fewest cards that make the total; the hands with more cards
// that are played otherwise are listed below the chart, followed by the insurance decisions.
std::string strategyChart(const ExactAnalysis &bestPlay);
