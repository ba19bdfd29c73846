#pragma once

#include <thread>

// Reads the system's font configuration on a thread of its own while the application starts. Qt's font
// database on Linux rests on fontconfig, whose first call parses every configuration file and loads the
// font caches: several milliseconds that the table's first caption would otherwise wait for, and that can
// overlap the connection to the display instead. Where Qt was built without fontconfig, it does nothing.
class FontConfigurationPreload {
public:
    FontConfigurationPreload();

private:
    std::jthread reader;
};
