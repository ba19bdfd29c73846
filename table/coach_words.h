#pragma once

#include "odds/coach.h"
#include "odds/session_record.h"

#include <QList>
#include <QString>
#include <optional>

// The coach's answer in the table's language, best choice first: "Stand: lose $1.54 on average. Hit:
// lose $2.21." Outside a decision it says that there is nothing to decide.
QString hintInWords(const std::optional<Decision> &decision, const Coach &coach);

// One figure of the session's record: what it is ("Net result") and its value ("+$15"). Money is
// written as the table writes it, after the table's dollar sign, with a sign where it can be either.
struct RecordLine {
    QString name;
    QString value;
};

QList<RecordLine> recordInWords(const SessionTotals &totals);
