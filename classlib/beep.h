#pragma once
// The desktop's bell.

// Sounds the desktop's bell (frequency and duration are not adjustable here) and counts
// it. Returns true.
bool Beep(unsigned frequency, unsigned duration);
// How many beeps were sounded since the program started.
unsigned long BeepCount();
