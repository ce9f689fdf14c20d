#pragma once
// The running program's own file and folder, and file names handed to Qt.
#include <string>

#include <QString>

// The absolute path of the running executable ("" when it cannot be read).
std::string ExecutablePath();
// Its file name without the folder: the title of the message boxes.
std::string ExecutableFileName();

// The folder of the running executable, ending with "/" ("" when it cannot be read).
// Tests point it elsewhere with SetExecutableFolder (an empty text goes back to the real
// folder).
std::string ExecutableFolder();
void SetExecutableFolder(const std::string& folder);

// A file name as the system spells it (bytes), for Qt's file and process classes.
QString LocalFileName(const std::string& name);
