#pragma once
// A private world for start-up tests: a temporary folder holding the registry file, the
// executable's folder and the current directory, and the program-wide start-up state
// reset before and after each test.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <string>
#include <vector>

class TMainForm;

class StartupWorld : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The main window as the program entry makes it (TMainForm::Create), with the
    // requests' time-out set to Timeout before its first read.
    TMainForm* createMainForm(const std::vector<std::string>& arguments);
    // Hundredths of a second: the main window reads the chassis as it starts; where no
    // switch answers, a short time-out keeps that short.
    int Timeout = 10;

    // The settings file of 127.0.0.1 that points the program at a simulator on port:
    // SNMPv1 (version "0") or SNMPv2c (version "1") with the communities of the command line.
    void writeSimulatorSettings(int port, const char* version = "1") const;

    // root + relative path.
    std::string path(const std::string& relative) const;
    // Writes bytes to root + relative, creating folders.
    void writeFile(const std::string& relative, const std::string& bytes) const;
    std::string readFile(const std::string& relative) const;
    // The registry file's text.
    void writeRegistry(const std::string& text) const;
    // Makes the executable's folder root + relative (ending with "/"), creating it.
    std::string setExeFolder(const std::string& relative) const;

    QTemporaryDir dir;
    std::string root; // ends with "/"

private:
    std::string savedCwd_;
};

// A settings file as the settings window writes it, from key/value pairs (each value
// ended by a NUL, lines by CR LF).
std::string settingsFile(std::initializer_list<std::pair<const char*, const char*>> keys);
