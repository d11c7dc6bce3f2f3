#include "WavBuilder.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

struct Outcome {
    int exitCode = -1;
    bool stillRunning = false;
    QString out;
    QString err;
};

// Runs the desktop program with its settings in a temporary folder. One that
// is to keep running and still runs after two seconds has started its window
// and is ended; one that is to end has half a minute (sanitizers are slow).
Outcome Start(const QStringList& arguments, bool display, bool keepsRunning = false)
{
    const testwav::TempDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(home.Path().string()));
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QLatin1String(name));
    if (display)
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUELBROOK_EXECUTABLE), arguments);
    Outcome run;
    run.stillRunning = program.waitForStarted() && !program.waitForFinished(keepsRunning ? 2000 : 30000);
    if (run.stillRunning) {
        program.kill();
        program.waitForFinished();
    } else
        run.exitCode = program.exitCode();
    run.out = QString::fromLocal8Bit(program.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(program.readAllStandardError());
    return run;
}

const QStringList qtOptions{"-style", "fusion", "-reverse", "-stylesheet", "x", "-qwindowgeometry", "640x480+10+10"};

TEST(CommandLine, QtTakesItsOwnOptionsBeforeTheProgramParsesTheRest)
{
    // All of Qt's options together start the window.
    EXPECT_TRUE(Start(QStringList{"-platform", "offscreen"} + qtOptions, false, true).stillRunning);

    // An option of neither is the only one reported.
    const Outcome bad = Start(qtOptions + QStringList{"--bogus"}, true);
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("Unknown option 'bogus'"))) << bad.err.toStdString();
    EXPECT_FALSE(bad.err.contains(QStringLiteral("s, t, y"))) << bad.err.toStdString();

    // --help and --version among Qt's options still need no display.
    const Outcome help = Start(qtOptions + QStringList{"--help"}, false);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("[FILE|FOLDER...]"))) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains(QStringLiteral("Qt's standard options"))) << help.out.toStdString();
    const Outcome version = Start(QStringList{"-style", "fusion", "--version"}, false);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.startsWith(QStringLiteral("quelbrook "))) << version.out.toStdString();
}

}  // namespace
