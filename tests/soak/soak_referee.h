#pragma once

#include "soak/soak_session.h"

#include <deque>
#include <string>

// Holds what the window shows against the ledger, counts the rounds as they end and keeps a journal of
// the last actions, so that the first break is reported with what led to it. All of it goes into the
// session's report.
class SoakReferee {
public:
    explicit SoakReferee(SoakSession &session) : session(session) {}

    // Holds the window against the ledger; the first difference breaks the soak.
    void check(const char *after);
    // Counts the round the last action ended, if it ended one.
    void countRoundEnding();
    // Records the break with the journal; only the first one counts.
    void fail(const std::string &why);
    bool broken() const { return !session.report.ledgerBreak.empty(); }
    // Notes an action in the journal, indented by how deep it is nested.
    void log(const std::string &entry);
    // Prints the soak's progress with the memory the process holds, and keeps that in the report.
    void reportMemory();

private:
    SoakSession &session;
    std::deque<std::string> recent;
};
