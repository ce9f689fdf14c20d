#include "classlib/screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

// The host counts whole pixels per inch.
bool IsLargeFontsDpi(double logicalDpi) { return std::lround(logicalDpi) != 96; }

bool ScreenHasLargeFonts()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return false;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen && IsLargeFontsDpi(screen->logicalDotsPerInch());
}

float ScaleFactorFor(bool largeFonts) { return largeFonts ? kLargeFontsScale : 1.0f; }

int ScalePixels(int pixels, float scale) { return static_cast<int>(static_cast<float>(pixels) * scale); }
