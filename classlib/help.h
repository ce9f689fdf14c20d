#pragma once
// Opening a help file with the desktop's viewer.
#include <functional>
#include <string>

#include <QUrl>

class QWidget;

inline constexpr unsigned HELP_QUIT = 2;
inline constexpr unsigned HELP_CONTENTS = 3;

// The URL under which a help file is opened: a file URL of the absolute path.
QUrl HelpFileUrl(const std::string& file);
// Opens the help file with the desktop's viewer (HELP_CONTENTS and any other command
// but HELP_QUIT, which does nothing). Returns whether the viewer could be asked: false
// when the file is not there or no viewer is registered for it; the caller reports it.
// A replaced opener (SetHelpOpener) is asked whether or not the file is there.
bool WinHelpA(QWidget* window, const std::string& file, unsigned command, unsigned long data);

// Replaces the opener (tests). An empty function restores the real one; the setter
// returns the previous function.
using UrlOpener = std::function<bool(const QUrl&)>;
UrlOpener SetHelpOpener(UrlOpener opener);
