#pragma once

#include <functional>

// Waiting in the event loop, so that timers, sockets and sound streams keep being served meanwhile.

// Runs the event loop for `ms`, as the window would while a clip plays or a sound is fed.
void runEventsFor(int ms);
// Runs the event loop until `done` holds; false if it still does not after `ms`, the bound of a hang.
bool waitUntil(const std::function<bool()> &done, int ms = 10000);
