#include "classlib/application.h"

#include "classlib/dialogs.h"

void ShowException(const std::string& message)
{
    std::string text = message;
    // The class library's rule: any last character after "." in the character order
    // (letters, digits, and most others) gets a full stop.
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        text += '.';
    MessageBoxA(nullptr, text, ExecutableFileName(), MB_OK | MB_ICONSTOP);
}

void ShowException(const std::exception& e) { ShowException(std::string(e.what())); }

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ShowException(e);
    } catch (...) {
        ShowException(std::string("Unknown exception"));
    }
    return true;
}

void TApplication::Terminate()
{
    terminated_ = true;
    // exit() ends a loop that runs now; the queued quit ends one that starts later.
    exit(0);
    QMetaObject::invokeMethod(this, &QCoreApplication::quit, Qt::QueuedConnection);
}

int TApplication::Run()
{
    if (terminated_)
        return 0;
    return exec();
}

void TApplication::ProcessMessages() { processEvents(); }
