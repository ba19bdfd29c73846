#pragma once

// Names the application to the desktop: its name and version, and the launcher it was started from, which
// is also the app id a Wayland compositor shows the window under and the name of its icon.
void nameApplication();
