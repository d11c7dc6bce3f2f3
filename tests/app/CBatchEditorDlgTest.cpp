#include "GuiTest.h"
#include "WavBuilder.h"
#include "app/CBatchEditorDlg.h"
#include "app/CInvListBox.h"
#include "app/CMessageBoxPrompt.h"
#include "app/CPathLabel.h"
#include "wave/CWaveFile.h"
#include "platform/CProfileFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <deque>
#include <optional>

namespace {

const char* const SelectorNames[] = {"rateSelector", "channelSelector", "resolutionSelector", "byteSelector"};
const char* const CheckNames[] = {"rateCheck", "channelCheck", "resolutionCheck", "byteCheck"};

struct WavSpec {
    std::uint32_t rate;
    std::uint16_t channels, bits, blockAlign;
};

// A JUNK chunk ahead of "fmt " and a data pattern: everything but the fmt
// fields must come through a change untouched.
testwav::Bytes MakeWav(const WavSpec& s)
{
    testwav::WavBuilder wav;
    wav.Chunk("JUNK", testwav::Pattern(10, 3));
    wav.Fmt({1, s.channels, s.rate, s.rate * s.blockAlign, s.blockAlign, s.bits});
    wav.Chunk("data", testwav::Pattern(64));
    return wav.Build();
}

std::string Local(const QString& path) { return QFile::encodeName(path).toStdString(); }

// Answers questions in order from a list filled in advance; one more fails the test.
class CScriptedPrompt : public CMessageBoxPrompt {
public:
    std::deque<bool> answers;
    QStringList asked;  // messages, questions, and the paths asked about as read-only

    void ShowMessage(const std::string& text) override { asked << QString::fromStdString(text); }
    bool AskClearReadOnly(const std::string& path) override { return AskYesNo(QFile::decodeName(path.c_str())); }
    bool AskYesNo(const QString& text) override
    {
        asked << text;
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question " << text.toStdString();
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class BatchEditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        window.SetOpenDialogRunner([this](const QString& startFolder) {
            startFolders << startFolder;
            return openAnswer;
        });
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void TearDown() override { EXPECT_TRUE(prompt.answers.empty()); }

    template <typename T = QWidget>
    T* Get(const char* name)
    {
        T* widget = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // Writes a.wav, b.wav, ... with these formats; specs then holds what each file must contain.
    void MakeFiles(std::vector<WavSpec> formats)
    {
        specs = std::move(formats);
        for (const WavSpec& s : specs) {
            paths << dir.filePath(QStringLiteral("abcde").mid(paths.size(), 1) + ".wav");
            testwav::WriteFile(Local(paths.back()), MakeWav(s));
        }
    }

    void ExpectFiles()
    {
        for (qsizetype i = 0; i < paths.size(); ++i)
            EXPECT_EQ(testwav::ReadFile(Local(paths[i])), MakeWav(specs[static_cast<std::size_t>(i)]))
                << paths[i].toStdString();
    }

    void Open(std::optional<QStringList> answer)
    {
        openAnswer = std::move(answer);
        Click("openButton");
    }

    void Click(const char* name) { QTest::mouseClick(Get(name), Qt::LeftButton); }
    CInvListBox* List() { return Get<CInvListBox>("fileList"); }
    bool ChangeEnabled() { return Get("changeButton")->isEnabled(); }
    QString PathShown() { return Get<CPathLabel>("pathStatic")->text(); }

    // The four selectors' texts: rate, channels, resolution, bytes per sample.
    QStringList Shown()
    {
        QStringList texts;
        for (const char* name : SelectorNames)
            texts << Get<QComboBox>(name)->currentText();
        return texts;
    }

    void ClickEntry(int row)
    {
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, List()->visualItemRect(List()->item(row)).center());
    }

    // Picks an item with the keyboard, as a user would.
    void Choose(const char* selectorName, int index)
    {
        auto* selector = Get<QComboBox>(selectorName);
        QTest::keyClick(selector, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(selector, Qt::Key_Down);
        ASSERT_EQ(selector->currentIndex(), index);
    }

    void OnlyFlag(const char* checkName)
    {
        Click("clearAllButton");
        Click(checkName);
    }

    void PressChange(std::deque<bool> answers)
    {
        prompt.answers = std::move(answers);
        Click("changeButton");
    }

    QTemporaryDir dir;
    CProfileFile profile{Local(dir.filePath("quelbrook.INI"))};
    CScriptedPrompt prompt;
    CBatchEditorDlg window{profile, prompt};
    std::optional<QStringList> openAnswer;
    QStringList startFolders, paths;
    std::vector<WavSpec> specs;
};

const WavSpec Stereo48{48000, 2, 16, 4};
const WavSpec Mono22{22050, 1, 8, 1};
const WavSpec Mono24{44100, 1, 24, 3};

TEST_F(BatchEditorTest, OpenListsEachPathOnceShowsTheFirstAndOnlyQuitCloses)
{
    EXPECT_EQ(PathShown(), "[Press the Open button to select sound files]");
    EXPECT_FALSE(ChangeEnabled());
    MakeFiles({Stereo48, Mono22});
    Open(QStringList{paths[1], paths[0]});
    Open(QStringList{dir.filePath("A.wav"), paths[1], paths[0]});
    EXPECT_EQ(startFolders, (QStringList{QString(), dir.path() + "/"}));
    EXPECT_EQ(profile.GetString("Folders", "OpenDefault"), Local(dir.path() + "/"));
    ASSERT_EQ(List()->Count(), 2);
    EXPECT_EQ(List()->Text(0), paths[0]);
    EXPECT_EQ(List()->Text(1), paths[1]);
    EXPECT_EQ(PathShown(), paths[0]);
    EXPECT_EQ(Shown(), (QStringList{"48,000", "2", "16", "2"}));
    EXPECT_TRUE(ChangeEnabled());

    // A cancelled Open keeps the list and reads entry 0 from disk again.
    ClickEntry(1);
    EXPECT_EQ(PathShown(), paths[1]);
    testwav::WriteFile(Local(paths[0]), MakeWav({32000, 2, 24, 6}));
    Open(std::nullopt);
    EXPECT_EQ(List()->Count(), 2);
    EXPECT_EQ(PathShown(), paths[0]);
    EXPECT_EQ(Shown(), (QStringList{"32,000", "2", "24", "3"}));

    // Escape keeps the window; only Quit ends it.
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());
    Click("quitButton");
    EXPECT_FALSE(window.isVisible());
}

TEST_F(BatchEditorTest, UndefinedValuesHoldChangeBackWhileTheirFlagIsSet)
{
    MakeFiles({{44100, 0, 16, 4}, {12000, 2, 16, 4}, {44100, 1, 16, 6}});
    Open(paths);
    EXPECT_EQ(Shown(), (QStringList{"44,100", "undefined", "16", "undefined"}));
    EXPECT_FALSE(ChangeEnabled());
    ClickEntry(1);
    EXPECT_EQ(Shown(), (QStringList{"undefined", "2", "16", "2"}));
    EXPECT_FALSE(ChangeEnabled());

    Click("rateCheck");
    EXPECT_TRUE(ChangeEnabled());
    Choose("channelSelector", 2);  // "undefined" by hand
    EXPECT_FALSE(ChangeEnabled());
    Choose("channelSelector", 0);
    EXPECT_TRUE(ChangeEnabled());
    Click("rateCheck");
    EXPECT_FALSE(ChangeEnabled());

    // Every file shown resets all four selectors.
    ClickEntry(2);
    EXPECT_EQ(Shown(), (QStringList{"44,100", "1", "16", "undefined"}));

    // Clear all and Set all flip every flag; the undefined bytes then hold Change back.
    for (const bool on : {false, true}) {
        Click(on ? "setAllButton" : "clearAllButton");
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(Get<QCheckBox>(CheckNames[i])->isChecked(), on) << i;
            EXPECT_EQ(Get(SelectorNames[i])->isEnabled(), on) << i;
        }
        EXPECT_FALSE(ChangeEnabled());
    }
    Choose("byteSelector", 1);
    EXPECT_TRUE(ChangeEnabled());
}

TEST_F(BatchEditorTest, DeleteKeyRemovesEntriesButKeepsTheFileShown)
{
    MakeFiles({Stereo48, Mono22, Mono24});
    Open(paths);
    ClickEntry(2);
    for (const int left : {2, 1, 0}) {
        QTest::keyClick(List(), Qt::Key_Delete);
        QCoreApplication::processEvents();
        EXPECT_EQ(List()->Count(), left);
        EXPECT_EQ(PathShown(), paths[2]);
        EXPECT_EQ(Shown(), (QStringList{"44,100", "1", "24", "3"}));
        EXPECT_EQ(ChangeEnabled(), left > 0);
    }
}

TEST_F(BatchEditorTest, ChangeRewritesTheFlaggedFieldsOfEveryFileAfterYes)
{
    MakeFiles({Stereo48, Mono22, Mono24});
    Open(QStringList{paths[2], paths[0], paths[1]});
    ClickEntry(1);
    OnlyFlag("rateCheck");
    Choose("rateSelector", 0);  // 8,000
    PressChange({false});
    ExpectFiles();
    EXPECT_EQ(List()->CurrentSelection(), 1);
    EXPECT_EQ(Shown(), (QStringList{"8,000", "1", "8", "1"}));

    // Enter away from any push button runs the default button, Change.
    prompt.answers = {true};
    QTest::keyClick(Get("rateSelector"), Qt::Key_Return);
    EXPECT_EQ(prompt.asked, QStringList(2, CBatchEditorDlg::ChangeConfirmation));
    EXPECT_TRUE(CBatchEditorDlg::ChangeConfirmation.startsWith("Warning!  Changing"));
    for (WavSpec& s : specs)
        s.rate = 8000;
    ExpectFiles();
    EXPECT_EQ(List()->CurrentSelection(), 0);
    EXPECT_EQ(Shown(), (QStringList{"8,000", "2", "16", "2"}));

    // The block alignment follows the channels shown (or chosen), not each file's own.
    OnlyFlag("byteCheck");
    Choose("byteSelector", 2);
    PressChange({true});
    for (WavSpec& s : specs)
        s.blockAlign = 6;
    ExpectFiles();
    Click("channelCheck");
    Choose("channelSelector", 0);
    Choose("byteSelector", 1);
    PressChange({true});
    for (WavSpec& s : specs)
        s = {8000, 1, s.bits, 2};
    ExpectFiles();
}

TEST_F(BatchEditorTest, FilesThatCannotBeChangedAreLeftAloneAndTheRestGoOn)
{
    MakeFiles({Stereo48, Mono22, Mono24});
    QFile::setPermissions(paths[1], QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    testwav::Bytes cut = MakeWav(Mono22);
    cut.resize(40);  // ends inside the "fmt " fields
    const QString cutPath = dir.filePath("d.wav"), gone = dir.filePath("e.wav"), shortPath = dir.filePath("f.wav");
    testwav::WriteFile(Local(cutPath), cut);
    testwav::WriteFile(Local(gone), cut);
    // A "fmt " chunk declared too short: its reason is shown.
    const testwav::Bytes tooShort = testwav::WavBuilder().Chunk("fmt ", {1, 0, 2, 0}).Chunk("data", testwav::Pattern(30)).Build();
    testwav::WriteFile(Local(shortPath), tooShort);
    Open(paths + QStringList{cutPath, gone, shortPath});
    QFile::remove(gone);
    OnlyFlag("resolutionCheck");
    Choose("resolutionSelector", 1);  // 16 bit

    PressChange({true, false});
    EXPECT_EQ(prompt.asked.mid(0, 2), (QStringList{CBatchEditorDlg::ChangeConfirmation, paths[1]}));
    EXPECT_FALSE(QFileInfo(paths[1]).permissions() & QFileDevice::WriteOwner);
    specs[0].bits = specs[2].bits = 16;
    ExpectFiles();
    EXPECT_EQ(testwav::ReadFile(Local(cutPath)), cut);
    EXPECT_FALSE(QFileInfo::exists(gone));
    EXPECT_EQ(testwav::ReadFile(Local(shortPath)), tooShort);
    EXPECT_EQ(prompt.asked.last(), QString::fromStdString(ShortFmtChunkText(Local(shortPath), 4)));

    // Yes clears the mark for good and the file is rewritten.
    PressChange({true, true});
    EXPECT_TRUE(QFileInfo(paths[1]).permissions() & QFileDevice::WriteOwner);
    specs[1].bits = 16;
    ExpectFiles();
}

} // namespace
