#pragma once
// Starting another program, and opening a help file.
#include <functional>
#include <string>
#include <vector>

#include <QUrl>

class QWidget;

inline constexpr int SW_SHOW = 5;
inline constexpr unsigned ERROR_FILE_NOT_FOUND = 2;
inline constexpr unsigned ERROR_BAD_FORMAT = 11;

// Starts args[0] with the remaining arguments as they stand (no shell, no quoting),
// detached: nothing waits for or watches it. A program name without a "/" is looked up
// in PATH. Returns a value above 31 when the program started, else ERROR_FILE_NOT_FOUND
// (empty vector or no such program) or ERROR_BAD_FORMAT (found but could not start).
unsigned WinExec(const std::vector<std::string>& args, int showCommand = SW_SHOW);

inline constexpr unsigned HELP_QUIT = 2;
inline constexpr unsigned HELP_CONTENTS = 3;

// The URL under which a help file is opened: a file URL of the absolute path.
QUrl HelpFileUrl(const std::string& file);
// Opens the help file with the desktop's viewer (HELP_CONTENTS and any other command
// but HELP_QUIT, which does nothing). Returns whether the viewer could be asked: false
// when the file is not there or no viewer is registered for it; the caller reports it.
// A replaced opener (SetHelpOpener) is asked whether or not the file is there.
bool WinHelpA(QWidget* window, const std::string& file, unsigned command, unsigned long data);

// Replaces the starters (tests). An empty function restores the real one; each setter
// returns the previous function.
using ProgramStarter = std::function<bool(const std::string& program, const std::vector<std::string>& arguments)>;
ProgramStarter SetProgramStarter(ProgramStarter starter);
using UrlOpener = std::function<bool(const QUrl&)>;
UrlOpener SetHelpOpener(UrlOpener opener);
