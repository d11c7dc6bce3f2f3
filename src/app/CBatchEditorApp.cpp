#include "app/CBatchEditorApp.h"

#include "app/CBatchEditorDlg.h"
#include "app/CMessageBoxPrompt.h"
#include "platform/CProfileFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

CBatchEditorApp::CBatchEditorApp(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setWindowIcon(AppIcon());
    setDesktopFileName(QStringLiteral("quelbrook"));
}

bool CBatchEditorApp::StartUp()
{
    const QString profilePath = ProfilePath();
    QDir().mkpath(QFileInfo(profilePath).absolutePath());
    CProfileFile profile(QFile::encodeName(profilePath).toStdString());

    CMessageBoxPrompt prompt;
    CBatchEditorDlg dialog(profile, prompt);
    prompt.SetOwner(&dialog);
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
        + CMessageBoxPrompt::ApplicationName() + QStringLiteral(".INI");
}
