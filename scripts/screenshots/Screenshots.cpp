// Renders the main window with files listed and the open dialog previewing a
// file's regions, in the language, scale and font size the environment gives.
// Usage: quelbrook_screenshots <folder> [--suffix TEXT] [--dark]
// writes <folder>/main-window<TEXT>.png and <folder>/open-dialog<TEXT>.png;
// --dark paints with a dark palette.
#include "WavBuilder.h"
#include "app/CBatchEditorApp.h"
#include "app/CBatchEditorDlg.h"
#include "app/CInvListBox.h"
#include "app/CMessageBoxPrompt.h"
#include "opendlg/CFileDialogParts.h"
#include "opendlg/CXDlg2.h"
#include "platform/CProfileFile.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeView>

#include <cstdio>

namespace {

testwav::Bytes SessionFile(std::uint32_t rate, std::uint16_t channels, std::uint16_t bits, bool regions)
{
    const auto blockAlign = static_cast<std::uint16_t>(channels * bits / 8);
    testwav::WavBuilder builder;
    builder.Fmt({1, channels, rate, rate * blockAlign, blockAlign, bits});
    builder.Chunk("bext", testwav::BextContent(std::uint64_t{rate} * 3600 * 10));
    if (regions) {
        std::vector<testwav::Region> list;
        const char* names[] = {"Intro", "Verse 1", "Chorus", "Verse 2", "Bridge", "Outro"};
        std::uint32_t at = 0;
        for (const char* name : names) {
            const std::uint32_t length = rate * (8 + static_cast<std::uint32_t>(std::string(name).size()));
            list.push_back({name, -1, at, at + length, rate * 36000 + at, rate * 36000 + at});
            at += length;
        }
        builder.Chunk("regn", testwav::RegnContent(list));
    }
    builder.Chunk("data", testwav::Pattern(std::size_t{blockAlign} * 480));
    return builder.Build();
}

// Lets the widgets lay themselves out and paint.
void Settle(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// A dark palette as desktops offer it.
QPalette DarkPalette()
{
    QPalette dark;
    const QColor window(45, 45, 48), base(30, 30, 32), text(230, 230, 230), disabled(130, 130, 130);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::ToolTipBase, base);
    dark.setColor(QPalette::ToolTipText, text);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, window);
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::BrightText, Qt::white);
    dark.setColor(QPalette::Light, window.lighter(160));
    dark.setColor(QPalette::Midlight, window.lighter(130));
    dark.setColor(QPalette::Mid, window.darker(130));
    dark.setColor(QPalette::Dark, window.darker(160));
    dark.setColor(QPalette::Shadow, Qt::black);
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Link, QColor(110, 170, 255));
    dark.setColor(QPalette::PlaceholderText, disabled);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, disabled);
    return dark;
}

bool Save(QWidget& widget, const QString& path)
{
    const bool saved = widget.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    CBatchEditorApp app(argc, argv);
    QString out = QStringLiteral("docs");
    QString suffix;
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--dark")) {
            QApplication::setStyle(QStringLiteral("Fusion"));
            QApplication::setPalette(DarkPalette());
        } else if (arguments[i] == QLatin1String("--suffix") && i + 1 < arguments.size())
            suffix = arguments[++i];
        else
            out = arguments[i];
    }
    QDir().mkpath(out);

    // Short, readable paths for the pictures; removed again unless they were there before.
    QTemporaryDir dir;
    QDir demo(QDir::temp().filePath(QStringLiteral("Quelbrook Demo")));
    if (demo.exists()) {
        std::printf("%s exists already: remove it first\n", qPrintable(demo.path()));
        return 1;
    }
    const QString sessions = demo.filePath(QStringLiteral("Harbour Live"));
    QDir().mkpath(sessions);
    struct Take {
        const char* name;
        std::uint32_t rate;
        std::uint16_t channels;
        std::uint16_t bits;
        bool regions;
    };
    const Take takes[] = {{"Bass DI.wav", 44100, 1, 24, false},   {"Drums OH.wav", 44100, 2, 24, true},
                          {"Guitar L.wav", 44100, 1, 24, false},  {"Lead Vocal.wav", 44100, 1, 24, true},
                          {"Room Mics.wav", 44100, 2, 24, false}, {"Synth Pad.wav", 48000, 2, 16, false}};
    QStringList paths;
    for (const Take& take : takes) {
        const QString path = sessions + QLatin1Char('/') + QString::fromLatin1(take.name);
        testwav::WriteFile(QFile::encodeName(path).toStdString(),
                           SessionFile(take.rate, take.channels, take.bits, take.regions));
        paths << path;
    }

    CProfileFile profile(QFile::encodeName(dir.filePath(QStringLiteral("quelbrook.INI"))).toStdString());
    CMessageBoxPrompt prompt;

    CBatchEditorDlg window(profile, prompt);
    prompt.SetOwner(&window);
    window.SetOpenDialogRunner([&paths](const QString&) { return std::optional<QStringList>(paths); });
    window.show();
    Settle(100);
    window.findChild<QPushButton*>(QStringLiteral("openButton"))->click();
    auto* list = window.findChild<CInvListBox*>(QStringLiteral("fileList"));
    list->SetCurrentSelection(1);
    emit list->SelectionChanged();
    window.findChild<QComboBox*>(QStringLiteral("rateSelector"))->setCurrentIndex(6);
    Settle(100);
    bool ok = Save(window, out + QStringLiteral("/main-window") + suffix + QStringLiteral(".png"));

    CXDlg2 dialog(profile, prompt, &window);
    dialog.setWindowTitle(CBatchEditorDlg::OpenDialogTitle());
    dialog.SetOkButtonText(CBatchEditorDlg::OpenDialogOkText());
    dialog.setDirectory(sessions);
    dialog.show();
    Settle(800);  // the file list fills in from a thread of its own
    // Highlight the fourth file as a user would, with the keyboard.
    if (auto* view = CFileDialogParts(dialog).DetailView()) {
        view->setFocus();
        for (const int key : {Qt::Key_Home, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(view, &press);
        }
    }
    Settle(300);
    dialog.RefreshPreview(paths[3]);
    Settle(200);
    ok = Save(dialog, out + QStringLiteral("/open-dialog") + suffix + QStringLiteral(".png")) && ok;
    dialog.hide();
    demo.removeRecursively();
    return ok ? 0 : 1;
}
