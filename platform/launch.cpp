#include "platform/launch.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include "platform/sysutils.h"

namespace {

ProgramStarter& programStarter()
{
    static ProgramStarter s;
    return s;
}

UrlOpener& helpOpener()
{
    static UrlOpener o;
    return o;
}

QString localName(const std::string& s) { return QFile::decodeName(QByteArray(s.data(), qsizetype(s.size()))); }

bool startDetached(const std::string& program, const std::vector<std::string>& arguments)
{
    QStringList args;
    for (const std::string& a : arguments)
        args << localName(a);
    return QProcess::startDetached(localName(program), args);
}

} // namespace

unsigned WinExec(const std::vector<std::string>& args, int /*showCommand*/)
{
    if (args.empty() || args[0].empty())
        return ERROR_FILE_NOT_FOUND;
    const std::string& program = args[0];
    const std::vector<std::string> arguments(args.begin() + 1, args.end());
    if (const ProgramStarter starter = programStarter())
        return starter(program, arguments) ? 33 : ERROR_FILE_NOT_FOUND;

    const QString name = localName(program);
    const QString found = name.contains(QLatin1Char('/')) ? (QFileInfo(name).isFile() ? name : QString())
                                                          : QStandardPaths::findExecutable(name);
    if (found.isEmpty())
        return ERROR_FILE_NOT_FOUND;
    return startDetached(program, arguments) ? 33 : ERROR_BAD_FORMAT;
}

QUrl HelpFileUrl(const std::string& file) { return QUrl::fromLocalFile(QFileInfo(localName(file)).absoluteFilePath()); }

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

ProgramStarter SetProgramStarter(ProgramStarter starter)
{
    ProgramStarter previous = std::move(programStarter());
    programStarter() = std::move(starter);
    return previous;
}

UrlOpener SetHelpOpener(UrlOpener opener)
{
    UrlOpener previous = std::move(helpOpener());
    helpOpener() = std::move(opener);
    return previous;
}
