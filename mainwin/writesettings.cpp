// Writes a per-device settings file exactly as the SNMP settings window does, for the
// demo (run.sh) and the tests:
//     trq3100-writesettings <file> [Key=value ...]
// Keys are the file's own (AgentIP, AgentPort, Version, SecurityName, AuthPassword,
// PrivPassword, AuthProtocol, PrivProtocol, ContextEngineID, SecurityLevel, ContextName,
// SetCommStr), each value as the file holds it; a key not given is written as the window
// writes an untouched field. UpdateDate and UpdateTime are the time of writing.
#include <cstdio>
#include <string>

#include "mainwin/settingsfile.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <file> [Key=value ...]\n", argv[0]);
        return 2;
    }
    TSettingsFileContent content;
    content.Updated = QDateTime::currentDateTime();
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        const std::size_t eq = argument.find('=');
        // The value may be a pass phrase: an error names the key, never the value.
        if (eq == std::string::npos) {
            std::fprintf(stderr, "%s: argument %d is not Key=value\n", argv[0], i);
            return 2;
        }
        const std::string key = argument.substr(0, eq);
        if (!SetSettingsValue(content, key, argument.substr(eq + 1))) {
            std::fprintf(stderr, "%s: cannot write the key \"%s\"\n", argv[0], key.c_str());
            return 2;
        }
    }
    if (!WriteSettingsFile(argv[1], content)) {
        std::fprintf(stderr, "%s: cannot write the file %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
