// Every window the program shows, at the scale, font size and language the
// environment gives (ctest runs it at several): no text clipped, nothing
// overlapping, every window on its screen.
#include "app/BatchReport.h"
#include "app/CAboutDlg.h"
#include "app/CBatchEditorDlg.h"
#include "app/CBatchReportDlg.h"
#include "app/CMessageBoxPrompt.h"
#include "app/CWriteProtectDlg.h"
#include "i18n/CTranslations.h"
#include "opendlg/CFileDialogParts.h"
#include "opendlg/CXDlg2.h"
#include "platform/CProfileFile.h"

#include "FakePrompt.h"
#include "GuiTest.h"
#include "TextFit.h"
#include "WavBuilder.h"

#include <QTreeView>

#include <memory>

namespace {

// The user's language from the environment, as the program takes it.
class Translated : public testing::Environment {
public:
    void SetUp() override { translations = std::make_unique<CTranslations>(); }
    void TearDown() override { translations.reset(); }

private:
    std::unique_ptr<CTranslations> translations;
};
testing::Environment* const translated = testing::AddGlobalTestEnvironment(new Translated);

void ExpectFits(QWidget& window)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(50);
    EXPECT_EQ(testfit::Problems(window), QStringList()) << window.metaObject()->className();
}

class Layout : public testing::Test {
protected:
    // WAV files with long names, one with regions whose names fill their 31 bytes.
    QString Session()
    {
        const std::string folder = dir / "Session";
        std::filesystem::create_directories(folder);
        std::vector<testwav::Region> regions{{"PT A101_4.L - Room Mic Take 12", -1, 0, 48000 * 3600, 96000, 48000},
                                             {"Intro", -1, 48000, 96000, 0, 0}};
        for (const char* name : {"Bass DI 2nd Take.wav", "Lead Vocal Comp.wav", "Regions.wav"}) {
            testwav::WavBuilder wav;
            wav.Fmt({1, 2, 48000, 192000, 4, 16});
            wav.Chunk("bext", testwav::BextContent(48000ULL * 3600 * 23));
            wav.Chunk("data", testwav::Bytes(4096, 0));
            if (std::string(name) == "Regions.wav")
                wav.Chunk("regn", testwav::RegnContent(regions));
            testwav::WriteFile(folder + "/" + name, wav.Build());
        }
        return QString::fromStdString(folder);
    }

    testwav::TempDir dir;
    CProfileFile profile{dir / "Quelbrook.INI"};
    FakePrompt prompt;
};

TEST_F(Layout, MainWindowAndItsDialogs)
{
    CMessageBoxPrompt shown;
    CBatchEditorDlg window(profile, shown);
    shown.SetOwner(&window);
    window.AddFilesAndFolders({Session()});
    ExpectFits(window);

    CAboutDlg about(prompt);
    ExpectFits(about);
    CWriteProtectDlg question(QStringLiteral("/audio/Session/Lead Vocal Comp.wav"));
    ExpectFits(question);
    const BatchReport report{3,
                             1,
                             false,
                             {{"/a.wav", BatchReport::Outcome::Failed, "no complete \"fmt \" chunk"},
                              {"/b.wav", BatchReport::Outcome::Skipped, "the file does not exist"}},
                             {{"/c.wav", BatchReport::Outcome::Changed, "Closing /c.wav reported an error"}}};
    CBatchReportDlg reported(report);
    ExpectFits(reported);
}

TEST_F(Layout, OpenDialogPreviewingRegions)
{
    const QString folder = Session();
    CXDlg2 dialog(profile, prompt);
    dialog.setDirectory(folder);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const auto* files = CFileDialogParts(dialog).DetailView();
    ASSERT_TRUE(QTest::qWaitFor([&] { return files->model()->rowCount(files->rootIndex()) == 3; }));
    dialog.selectFile(folder + QStringLiteral("/Regions.wav"));
    QTest::qWait(300);  // sizes and types come in from a thread of the model's
    ExpectFits(dialog);
}

}  // namespace
