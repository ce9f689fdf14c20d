#include "classlib/application.h"

#include "classlib/dialogs.h"

#include <QThreadPool>

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

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // Qt's raster painting hands the fills of a large area to the threads of the global
    // pool and waits for them. For windows of this size the fill is shorter than waking
    // the threads: with one pool thread the windows with port grids show their first read
    // about a fifth sooner. Nothing of ours runs in that pool.
    QThreadPool::globalInstance()->setMaxThreadCount(1);
}

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
