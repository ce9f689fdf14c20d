#pragma once
// The application object: the widget application with the class library's exception
// display and an early termination request.
#include <exception>
#include <string>

#include <QApplication>

// The class library's exception display: a message box with the error icon and an OK
// button, titled with the executable's file name. As the class library does, a full
// stop is added when the last character comes after "." in the character order (a
// letter, a digit, "?", ...), but not after ".", "!", ")" or a blank.
void ShowException(const std::string& message);
void ShowException(const std::exception& e);

class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);

    // Delivers the event; an exception that escapes the handler is shown by
    // ShowException and the event counts as handled.
    bool notify(QObject* receiver, QEvent* event) override;

    // Ends the message loop as soon as it runs (or at once, when it runs already).
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Runs the message loop unless Terminate was called; returns its exit code.
    int Run();
    void ProcessMessages();

private:
    bool terminated_ = false;
};
