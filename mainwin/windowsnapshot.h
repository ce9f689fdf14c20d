#pragma once
// For the demo on a machine without a screen: pictures of the main window in a PNG file.
//
// run.sh starts the program on a private virtual display and names the file in the
// environment variable TRQ3100_SNAPSHOT. The first picture is taken once the window is on
// the screen and no exchange with the device is outstanding (the first read has ended),
// then one every intervalMs, each replacing the file whole. The first one is announced on
// standard output with the file's path.
#include <QString>

class QWidget;

inline constexpr char SNAPSHOT_VARIABLE[] = "TRQ3100_SNAPSHOT";
inline constexpr int SNAPSHOT_INTERVAL_MS = 5000;

// Starts the pictures of window (they end with it). Does nothing for an empty file name.
void StartWindowSnapshots(QWidget* window, const QString& file, int intervalMs);
