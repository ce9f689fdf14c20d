// The binary's world: the main window on a private simulator with the shipped chassis.
#include "windowworld.h"

[[maybe_unused]] static const bool g_world = wintest::UseWindowWorld();
