#pragma once

#include <initializer_list>

class QLabel;

// The table's own colours where the desktop asks for more contrast or a dark scheme; otherwise the
// table keeps its usual look. Both follow the desktop's settings while the game runs.

// Under more contrast each total stands on a black plate: the pink digits measure under 3:1 against the
// felt, and almost 10:1 against black.
void standTotalsOnPlates(std::initializer_list<QLabel *> totals);

// The insurance question's pink on the dialog's pale yellow measures about 2:1. Under more contrast,
// or on a dark desktop (by its settings or by its palette), where the dialog keeps its light look among
// windows that follow the dark scheme, the question is drawn in a deep magenta of the same hue, at 9:1.
void keepInsuranceQuestionLegible(QLabel *question);
