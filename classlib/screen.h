#pragma once
// Large fonts: a screen whose logical resolution is not 96 pixels per inch. Windows that
// scale multiply their pixel sizes by 1.25 then, truncated toward zero.

inline constexpr float kLargeFontsScale = 1.25f;

// Whether the primary screen uses large fonts (false without a screen).
bool ScreenHasLargeFonts();
bool IsLargeFontsDpi(double logicalDpi);
// 1.25 for large fonts, else 1.0.
float ScaleFactorFor(bool largeFonts);
// pixels x scale, truncated toward zero.
int ScalePixels(int pixels, float scale);
