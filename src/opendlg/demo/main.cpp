// Opens the open dialog on its own, so it can be tried without the main window.
// Usage: quelbrook-opendlg-demo [starting folder]

#include "i18n/CTranslations.h"
#include "opendlg/CXDlg2.h"
#include "platform/CProfileFile.h"
#include "wave/CUserPrompt.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTextStream>

#include <cstdio>

namespace {

class CDemoPrompt : public CUserPrompt {
public:
    void ShowMessage(const CoreText& text) override
    {
        QMessageBox::warning(nullptr, QApplication::applicationName(), QString::fromStdString(RenderEnglish(text)));
    }
    bool AskClearReadOnly(const std::string&) override { return false; }
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const CTranslations translations;
    const QString base = QFileInfo(QApplication::applicationFilePath()).completeBaseName();
    CProfileFile profile(
        (QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' + base + ".INI").toStdString());
    CDemoPrompt prompt;

    CXDlg2 dialog(profile, prompt);
    if (argc > 1)
        dialog.setDirectory(QString::fromLocal8Bit(argv[1]));
    dialog.setWindowTitle(QStringLiteral("Select Sound Files"));
    dialog.SetOkButtonText(QStringLiteral("Select"));
    if (dialog.RunModal() != 1)
        return 1;
    QTextStream out(stdout);
    for (const QString& path : dialog.ChosenPaths())
        out << path << '\n';
    return 0;
}
