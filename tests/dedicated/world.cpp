// The world of a window test binary, on the shipped chassis: the stand-in host or the main
// window, whichever world the binary links (windowworld.h). Each binary of window tests
// lists this file among its sources (an object of a library would not be linked, and the
// world would not start).
#include "windowworld.h"

[[maybe_unused]] static const bool g_world = wintest::UseWindowWorld();
