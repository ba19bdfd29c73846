#pragma once

class QWidget;

// Gives `control` the keyboard focus without telling assistive technology, so that a screen reader does
// not name the control over the news it is speaking. The screen reader goes on taking the control it
// last heard of as the focus until the player moves it, which it then hears of as ever. A screen reader
// never names a focus it believes it has already: while the control it last heard of could take the
// focus again (it is enabled), the move is told as usual.
void moveFocusQuietly(QWidget *control);

// Starts noting which control the screen reader last heard take the focus; called once the application
// exists, before the first move.
void followFocusHeard();

// Whether a quiet move is under way: the focus that changes now is not the screen reader's.
bool focusMovingQuietly();
