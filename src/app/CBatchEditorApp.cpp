#include "app/CBatchEditorApp.h"

#include "app/CBatchEditorDlg.h"
#include "app/CMessageBoxPrompt.h"
#include "platform/CProfileFile.h"

#include "Version.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

CBatchEditorApp::CBatchEditorApp(int& argc, char** argv) : QApplication(argc, argv)
{
    setWindowIcon(AppIcon());
    // Window managers show it after each window's own title.
    setApplicationDisplayName(CMessageBoxPrompt::ProgramName());
    setDesktopFileName(QStringLiteral("quelbrook"));
}

namespace {

// The program's own options and arguments; Qt's are taken by the
// application object before this parser sees the rest.
void DescribeOptions(QCommandLineParser& parser)
{
    QCoreApplication::setApplicationVersion(QString::fromLatin1(QuelbrookVersion));
    parser.setApplicationDescription(
        CBatchEditorApp::tr("Changes WAV file header information.\n\n"
                            "Qt's standard options are accepted too, such as -style NAME, -platform NAME, -reverse,\n"
                            "-stylesheet FILE and -qwindowgeometry WxH+X+Y."));
    // "-reverse" is one option, as Qt reads it, not -r -e -v ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(CBatchEditorApp::tr("paths"),
                                 CBatchEditorApp::tr("WAV files to list; folders give the WAV files in them and in "
                                                     "their subfolders."),
                                 CBatchEditorApp::tr("[FILE|FOLDER...]"));
}

}  // namespace

std::optional<CBatchEditorApp::Answer> CBatchEditorApp::AnswerWithoutDisplay(int argc, char** argv)
{
    static const QSet<QByteArray> asking{"-h", "--help", "-?", "--help-all", "-v", "--version"};
    bool asked = false;
    for (int i = 1; i < argc && !asked && qstrcmp(argv[i], "--") != 0; ++i)
        asked = asking.contains(QByteArray(argv[i]));
    if (!asked)
        return std::nullopt;

    // A core application only: it reaches no windowing system. Qt's own
    // options are unknown to this parser, which does not stop it from
    // seeing --help or --version among them.
    int coreArgc = argc;
    const QCoreApplication core(coreArgc, argv);
    const CTranslations translations;
    QCommandLineParser parser;
    DescribeOptions(parser);
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(QStringLiteral("version")))
        return Answer{QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion()
                          + QLatin1Char('\n'),
                      0};
    return Answer{parser.helpText(), 0};
}

QStringList CBatchEditorApp::ReadCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    DescribeOptions(parser);
    parser.process(arguments);
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
