#include "classlib/help.h"

#include <QDesktopServices>
#include <QFileInfo>

#include "platform/paths.h"

namespace {

UrlOpener& helpOpener()
{
    static UrlOpener o;
    return o;
}

} // namespace

QUrl HelpFileUrl(const std::string& file) { return QUrl::fromLocalFile(QFileInfo(LocalFileName(file)).absoluteFilePath()); }

bool WinHelpA(QWidget* /*window*/, const std::string& file, unsigned command, unsigned long /*data*/)
{
    if (command == HELP_QUIT)
        return true;
    if (file.empty())
        return false;
    const QUrl url = HelpFileUrl(file);
    if (const UrlOpener opener = helpOpener())
        return opener(url);
    // A file that is not there is not handed to the desktop: no viewer could show it.
    if (!QFileInfo(url.toLocalFile()).isFile())
        return false;
    return QDesktopServices::openUrl(url);
}

UrlOpener SetHelpOpener(UrlOpener opener)
{
    UrlOpener previous = std::move(helpOpener());
    helpOpener() = std::move(opener);
    return previous;
}
