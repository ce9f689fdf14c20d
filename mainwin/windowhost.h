#pragma once
// The main window as the host of the dedicated windows (dedicated/windowhost.h) and of the
// chassis view's parts (chassis/chassishost.h).

// Makes the main window (MainForm, whichever is alive) their host; set at start-up, when
// the main window is made.
void UseMainWindowAsHost();
