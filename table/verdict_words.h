#pragma once

#include "odds/choice_grade.h"
#include "odds/session_record.h"
#include "table/coach_words.h"

#include <QString>

// The coach's verdict on a choice just made, in the table's language. A choice that gave something away
// names the better one and what it gave away: "Stand was better: Hit gives away 0.07 on average." One
// within a cent of the best is a close call; a best choice gets a brief word.
QString verdictInWords(const ChoiceGrade &grade);

// The record's lines on the decisions: how many, the best ones as a count and a share, and the average
// given away per decision.
QList<RecordLine> decisionsInWords(const SessionTotals &totals);
