#pragma once
// Beep and the millisecond tick count.
#include <cstdint>

// Sounds the desktop's bell (frequency and duration are not adjustable here) and counts
// it. Returns true.
bool Beep(unsigned frequency, unsigned duration);
// How many beeps were sounded since the program started.
unsigned long BeepCount();

// Milliseconds on a monotonic clock since an arbitrary start, wrapping at 2^32; measure
// intervals as the unsigned difference of two readings.
uint32_t GetTickCount();
// Adds bias to every later reading (for exercising the wrap of the count).
void SetTickCountBias(uint32_t bias);
