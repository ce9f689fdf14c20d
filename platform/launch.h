#pragma once
// Starting another program.
#include <functional>
#include <string>
#include <vector>

inline constexpr int SW_SHOW = 5;
inline constexpr unsigned ERROR_FILE_NOT_FOUND = 2;
inline constexpr unsigned ERROR_BAD_FORMAT = 11;

// Starts args[0] with the remaining arguments as they stand (no shell, no quoting),
// detached: nothing waits for or watches it. A program name without a "/" is looked up
// in PATH. Returns a value above 31 when the program started, else ERROR_FILE_NOT_FOUND
// (empty vector or no such program) or ERROR_BAD_FORMAT (found but could not start).
unsigned WinExec(const std::vector<std::string>& args, int showCommand = SW_SHOW);

// Replaces the starter (tests). An empty function restores the real one; the setter
// returns the previous function.
using ProgramStarter = std::function<bool(const std::string& program, const std::vector<std::string>& arguments)>;
ProgramStarter SetProgramStarter(ProgramStarter starter);
