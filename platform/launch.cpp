#include "platform/launch.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include "platform/paths.h"

namespace {

ProgramStarter& programStarter()
{
    static ProgramStarter s;
    return s;
}

bool startDetached(const std::string& program, const std::vector<std::string>& arguments)
{
    QStringList args;
    for (const std::string& a : arguments)
        args << LocalFileName(a);
    return QProcess::startDetached(LocalFileName(program), args);
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

    const QString name = LocalFileName(program);
    const QString found = name.contains(QLatin1Char('/')) ? (QFileInfo(name).isFile() ? name : QString())
                                                          : QStandardPaths::findExecutable(name);
    if (found.isEmpty())
        return ERROR_FILE_NOT_FOUND;
    return startDetached(program, arguments) ? 33 : ERROR_BAD_FORMAT;
}

ProgramStarter SetProgramStarter(ProgramStarter starter)
{
    ProgramStarter previous = std::move(programStarter());
    programStarter() = std::move(starter);
    return previous;
}
