#pragma once

class QWidget;

// Moves a top-level window, already at its final size, to the centre of the screen it will appear on.
void centreOnScreen(QWidget *window);
