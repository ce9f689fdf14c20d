#pragma once
// The millisecond tick count.
#include <cstdint>

// Milliseconds on a monotonic clock since an arbitrary start, wrapping at 2^32; measure
// intervals as the unsigned difference of two readings.
uint32_t GetTickCount();
// Adds bias to every later reading (for exercising the wrap of the count).
void SetTickCountBias(uint32_t bias);
