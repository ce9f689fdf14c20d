// The program as the host platform starts it: without arguments it says so and ends
// without entering the message loop. Without a screen, it can leave pictures of its main
// window for the demo.
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
    QString output;
};

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

ProgramRun runProgram(const QStringList& arguments)
{
    QTemporaryDir dir;
    QProcess process;
    prepare(process, dir);
    process.start(programPath(), arguments);
    ProgramRun run;
    run.finished = process.waitForFinished(20000);
    if (!run.finished)
        process.kill();
    run.exitCode = process.exitCode();
    run.output = QString::fromLocal8Bit(process.readAll());
    return run;
}

TEST(Program, EndsAtOnceWhenThereIsNothingToManage)
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
        {{QStringLiteral("/I10.1.1.7"), QStringLiteral("/vx")}, "'x' is not a valid integer value."},
    };
    for (const auto& c : cases) {
        const ProgramRun run = runProgram(c.arguments);
        ASSERT_TRUE(run.finished) << c.message;
        EXPECT_EQ(run.exitCode, 0) << c.message;
        EXPECT_TRUE(run.output.contains(QLatin1String(c.message))) << run.output.toStdString();
    }
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
