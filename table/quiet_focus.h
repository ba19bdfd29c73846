#pragma once

class QWidget;

// Gives `control` the keyboard focus without telling assistive technology, so that a screen reader does
// not name the control over the news it is speaking. The screen reader goes on taking the control it
// last heard of as the focus until the player moves it, which it then hears of as ever.
void moveFocusQuietly(QWidget *control);

// Whether a quiet move is under way: the focus that changes now is not the screen reader's.
bool focusMovingQuietly();
