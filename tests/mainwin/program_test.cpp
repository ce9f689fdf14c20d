// The program as the host platform starts it: without arguments or with a bad one it says
// so, on standard error too, and ends with status 1 without entering the message loop;
// asked for help it prints its options. Without a screen, it can leave pictures of its main
// window for the demo. run.sh, the demo, on the same errors.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace {

QString programPath()
{
    const QByteArray build = qgetenv("TRQ_BINARY_DIR");
    return QString::fromLocal8Bit(build) + QStringLiteral("/mainwin/trq3100");
}

struct ProgramRun {
    bool finished = false;
    int exitCode = -1;
    QString output; // standard output
    QString errors; // standard error
};

// The environment without a screen of any kind: no display, no Wayland, no Qt platform.
QProcessEnvironment withoutDisplay(QProcessEnvironment env)
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    return env;
}

// The program in a private folder, on the offscreen platform, without a registry.
void prepare(QProcess& process, const QTemporaryDir& dir, const QProcessEnvironment& extra = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("TRQ3100_REGISTRY"), dir.filePath(QStringLiteral("registry.ini")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
    env.insert(extra);
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(dir.path());
    process.setProcessChannelMode(QProcess::MergedChannels);
}

// Runs program with arguments and env; a run that does not end within 60 s is killed.
ProgramRun run(const QString& program, const QStringList& arguments, const QProcessEnvironment& env,
               const QString& folder)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    ProgramRun result;
    result.finished = process.waitForFinished(60000);
    if (!result.finished) {
        process.kill();
        process.waitForFinished();
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = QString::fromLocal8Bit(process.readAllStandardOutput());
    result.errors = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

ProgramRun runProgram(const QStringList& arguments)
{
    QTemporaryDir dir;
    QProcess process;
    prepare(process, dir);
    return run(programPath(), arguments, process.processEnvironment(), dir.path());
}

TEST(Program, EndsWithAnErrorWhenThereIsNothingToManage)
{
    const struct {
        QStringList arguments;
        const char* message;
    } cases[] = {
        {{}, "No parameter input"},
        {{QStringLiteral("/I../../tmp/x"), QStringLiteral("/Rpublic")}, "Invalid device address: \"../../tmp/x\""},
        {{QStringLiteral("/I10.1.1.300")}, "Invalid device address: \"10.1.1.300\""},
        {{QStringLiteral("/I"), QStringLiteral("/Rpublic")}, "Invalid device address: \"\" (the /I option is empty)"},
        {{QStringLiteral("/Rpublic"), QStringLiteral("/v1")}, "No device address: name the switch with the /I option"},
        // A number that is not one names its option.
        {{QStringLiteral("/I10.1.1.7"), QStringLiteral("/vx")}, "/v: 'x' is not a valid integer value."},
        {{QStringLiteral("/I10.1.1.7"), QStringLiteral("/v3"), QStringLiteral("/t16x")},
         "/t: '16x' is not a valid integer value."},
    };
    for (const auto& c : cases) {
        const ProgramRun result = runProgram(c.arguments);
        ASSERT_TRUE(result.finished) << c.message;
        EXPECT_EQ(result.exitCode, 1) << c.message;
        // The box's text, on standard error too: a host that starts the program unattended
        // can log it.
        EXPECT_TRUE(result.errors.contains(QLatin1String(c.message))) << result.errors.toStdString();
    }
}

// The options are printed without a screen and the program ends at once.
TEST(Program, PrintsItsOptionsWhenAsked)
{
    QTemporaryDir dir;
    for (const char* ask : {"--help", "-h", "/?"}) {
        const ProgramRun result = run(programPath(), {QStringLiteral("/I10.1.1.7"), QString::fromLatin1(ask)},
                                      withoutDisplay(QProcessEnvironment::systemEnvironment()), dir.path());
        ASSERT_TRUE(result.finished) << ask;
        EXPECT_EQ(result.exitCode, 0) << ask << result.errors.toStdString();
        EXPECT_TRUE(result.output.startsWith(QLatin1String("Usage: trq3100 /I<address>")))
            << result.output.toStdString();
        for (const char* option : {"/I", "/R", "/W", "/v", "/t", "/c", "/d", "/m", "/l", "/n", "/A", "/P", "/a", "/p"})
            EXPECT_TRUE(result.output.contains(QLatin1String("\n  ") + QLatin1String(option) + QLatin1Char('<')))
                << option;
        EXPECT_EQ(result.errors, QString());
    }
}

// run.sh: its own usage; without a display a start-up error ends the demo at once, with
// the error and run.sh's exit status not 0.
TEST(RunScript, SaysHowToUseItAndEndsOnAStartUpErrorWithoutADisplay)
{
    const QString script = qEnvironmentVariable("TRQ_SOURCE_DIR") + QStringLiteral("/run.sh");
    QTemporaryDir dir;
    QProcessEnvironment env = withoutDisplay(QProcessEnvironment::systemEnvironment());
    env.insert(QStringLiteral("TRQ_RUN_BUILD_DIR"), qEnvironmentVariable("TRQ_BINARY_DIR"));

    const ProgramRun usage = run(script, {QStringLiteral("--help")}, env, dir.path());
    ASSERT_TRUE(usage.finished);
    EXPECT_EQ(usage.exitCode, 0);
    EXPECT_TRUE(usage.output.startsWith(QLatin1String("Usage: ./run.sh"))) << usage.output.toStdString();

    const ProgramRun failed = run(script, {QStringLiteral("/vabc")}, env, dir.path());
    ASSERT_TRUE(failed.finished) << "run.sh hangs on a start-up error";
    EXPECT_EQ(failed.exitCode, 1) << failed.output.toStdString() << failed.errors.toStdString();
    EXPECT_TRUE(failed.errors.contains(QLatin1String("/v: 'abc' is not a valid integer value.")))
        << failed.errors.toStdString();
}

TEST(Program, LeavesPicturesOfTheMainWindowWhenAskedTo)
{
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("main-window.png"));
    QProcessEnvironment extra;
    extra.insert(QStringLiteral("TRQ3100_SNAPSHOT"), picture);
    QProcess process;
    prepare(process, dir, extra);
    process.start(programPath(), {QStringLiteral("/I127.0.0.1"), QStringLiteral("/Rmardle")});
    ASSERT_TRUE(process.waitForStarted());
    QString output;
    const QDeadlineTimer deadline(20000);
    while (!output.contains(QLatin1Char('\n')) && !deadline.hasExpired() && process.state() == QProcess::Running)
        if (process.waitForReadyRead(200))
            output += QString::fromLocal8Bit(process.readAll());
    process.kill();
    process.waitForFinished();
    EXPECT_EQ(output, QStringLiteral("trq3100: a picture of the main window is in %1 (renewed every 5 s)\n").arg(picture));
    const QImage image(picture);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 790);
    EXPECT_GT(image.height(), 555); // the client area and the menu bar
}

} // namespace
