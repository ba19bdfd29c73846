#pragma once

#include "odds/coach.h"
#include "odds/session_record.h"

#include <QString>
#include <QStringList>
#include <optional>

// The coach's answer in the table's language, best choice first: "Stand: lose 1.54 on average. Hit:
// lose 2.21." Outside a decision it says that there is nothing to decide.
QString hintInWords(const std::optional<Decision> &decision, const Coach &coach);

// The session's record, one line a figure: "Rounds played: 12".
QStringList recordInWords(const SessionTotals &totals);
