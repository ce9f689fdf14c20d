#pragma once
// The main window as the host of the dedicated windows (dedicated/windowhost.h).

// Makes the main window (MainForm, whichever is alive) the dedicated windows' host; set at
// start-up, when the main window is made.
void UseMainWindowAsHost();
