#include "app/CBatchEditorApp.h"

#include "app/CBatchEditorDlg.h"
#include "app/CMessageBoxPrompt.h"
#include "platform/CProfileFile.h"

#include "Version.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

CBatchEditorApp::CBatchEditorApp(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setWindowIcon(AppIcon());
    // Window managers show it after each window's own title.
    setApplicationDisplayName(CMessageBoxPrompt::ProgramName());
    setDesktopFileName(QStringLiteral("quelbrook"));
}

QStringList CBatchEditorApp::ReadCommandLine(int& argc, char** argv)
{
    // Parsed before the windowing system is reached, so that --help and
    // --version also work without a display; both print and end the program.
    const QCoreApplication parsing(argc, argv);
    QCoreApplication::setApplicationVersion(QString::fromLatin1(QuelbrookVersion));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Changes WAV file header information."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("paths"),
                                 QStringLiteral("WAV files to list; folders give the WAV files in them and in "
                                                "their subfolders."),
                                 QStringLiteral("[FILE|FOLDER...]"));
    parser.process(parsing);
    return parser.positionalArguments();
}

bool CBatchEditorApp::StartUp(const QStringList& paths)
{
    const QString profilePath = ProfilePath();
    QDir().mkpath(QFileInfo(profilePath).absolutePath());
    CProfileFile profile(QFile::encodeName(profilePath).toStdString());

    CMessageBoxPrompt prompt;
    CBatchEditorDlg dialog(profile, prompt);
    prompt.SetOwner(&dialog);
    dialog.show();
    dialog.AddFilesAndFolders(paths);
    dialog.exec();
    return false;
}

QIcon CBatchEditorApp::AppIcon()
{
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/quelbrook/icons/quelbrook-%1.png").arg(size), QSize(size, size));
    return icon;
}

QString CBatchEditorApp::ProfilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/')
        + CMessageBoxPrompt::ExecutableName() + QStringLiteral(".INI");
}
