#include "AppTestSupport.h"
#include "app/CBatchEditorDlg.h"
#include "app/CInvListBox.h"
#include "app/CPathLabel.h"
#include "controls/CUrlLabel.h"
#include "platform/CProfileFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <memory>
#include <optional>

namespace {

const char* const SelectorNames[] = {"rateSelector", "channelSelector", "resolutionSelector", "byteSelector"};
const char* const CheckNames[] = {"rateCheck", "channelCheck", "resolutionCheck", "byteCheck"};

class BatchEditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        window = std::make_unique<CBatchEditorDlg>(profile, prompt);
        window->SetOpenDialogRunner([this](const QString& startFolder) {
            startFolders << startFolder;
            if (openAnswers.empty()) {
                ADD_FAILURE() << "unexpected open dialog";
                return std::optional<QStringList>();
            }
            auto answer = openAnswers.front();
            openAnswers.pop_front();
            return answer;
        });
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void TearDown() override
    {
        EXPECT_TRUE(prompt.yesNoAnswers.empty());
        EXPECT_TRUE(prompt.readOnlyAnswers.empty());
        EXPECT_TRUE(openAnswers.empty());
    }

    template <typename T>
    T* Get(const char* name) const
    {
        T* widget = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QString MakeFile(const QString& name, const WavSpec& spec)
    {
        const QString path = dir.filePath(name);
        WriteBytes(path, MakeWav(spec));
        return path;
    }

    void Open(std::optional<QStringList> answer)
    {
        openAnswers.push_back(std::move(answer));
        QTest::mouseClick(Get<QPushButton>("openButton"), Qt::LeftButton);
    }

    CInvListBox* List() const { return Get<CInvListBox>("fileList"); }
    QPushButton* ChangeButton() const { return Get<QPushButton>("changeButton"); }
    QString PathShown() const { return Get<CPathLabel>("pathStatic")->text(); }

    // The four selectors' texts: rate, channels, resolution, bytes per sample.
    QStringList Shown() const
    {
        QStringList texts;
        for (const char* name : SelectorNames)
            texts << Get<QComboBox>(name)->currentText();
        return texts;
    }

    void ClickEntry(int row)
    {
        CInvListBox* list = List();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
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

    void Toggle(const char* checkName) { QTest::mouseClick(Get<QCheckBox>(checkName), Qt::LeftButton); }

    void OnlyFlag(const char* checkName)
    {
        QTest::mouseClick(Get<QPushButton>("clearAllButton"), Qt::LeftButton);
        Toggle(checkName);
    }

    void PressChange(bool confirm)
    {
        prompt.yesNoAnswers.push_back(confirm);
        QTest::mouseClick(ChangeButton(), Qt::LeftButton);
    }

    // Enter away from any push button runs the default button, Change.
    void PressEnterIn(const char* widgetName)
    {
        auto* widget = Get<QWidget>(widgetName);
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_Return);
    }

    QTemporaryDir dir;
    CProfileFile profile{std::filesystem::path(QFile::encodeName(dir.filePath("quelbrook.INI")).toStdString())};
    CScriptedPrompt prompt;
    std::unique_ptr<CBatchEditorDlg> window;
    std::deque<std::optional<QStringList>> openAnswers;
    QStringList startFolders;
};

const WavSpec Stereo48{48000, 2, 16, 4};
const WavSpec Mono22{22050, 1, 8, 1};
const WavSpec Mono24{44100, 1, 24, 3, 10};

TEST_F(BatchEditorTest, StartsWithThePromptAndNothingToChange)
{
    EXPECT_EQ(window->windowTitle(), "Quelbrook");
    EXPECT_EQ(PathShown(), "[Press the Open button to select sound files]");
    EXPECT_FALSE(ChangeButton()->isEnabled());
    PressEnterIn("rateSelector");  // nothing asked while Change is disabled
    for (const char* name : SelectorNames) {
        EXPECT_EQ(Get<QComboBox>(name)->currentIndex(), -1) << name;
        EXPECT_TRUE(Get<QComboBox>(name)->isEnabled()) << name;
    }
    for (const char* name : CheckNames)
        EXPECT_TRUE(Get<QCheckBox>(name)->isChecked()) << name;

    auto* rates = Get<QComboBox>("rateSelector");
    QStringList items;
    for (int i = 0; i < rates->count(); ++i)
        items << rates->itemText(i);
    EXPECT_EQ(items, (QStringList{"8,000", "11,025", "16,000", "22,050", "32,000", "44,100", "48,000", "88,200",
                                  "96,000", "192,000", "undefined"}));
    EXPECT_EQ(Get<QComboBox>("byteSelector")->count(), 5);
}

TEST_F(BatchEditorTest, OpenListsFilesAndShowsTheAlphabeticallyFirst)
{
    const QString b = MakeFile("b.wav", Stereo48);
    const QString a = MakeFile("a.wav", Mono22);
    Open(QStringList{b, a});

    ASSERT_EQ(List()->Count(), 2);
    EXPECT_EQ(List()->Text(0), a);
    EXPECT_EQ(List()->CurrentSelection(), -1);
    EXPECT_EQ(PathShown(), a);
    EXPECT_EQ(Shown(), (QStringList{"22,050", "1", "8", "1"}));
    EXPECT_TRUE(ChangeButton()->isEnabled());

    // The folder of the first entry is where the next Open starts.
    const std::string folder = QFile::encodeName(dir.path()).toStdString() + "/";
    EXPECT_EQ(profile.GetString("Folders", "OpenDefault"), folder);
    Open(std::nullopt);
    EXPECT_EQ(startFolders, (QStringList{QString(), QFile::decodeName(folder.c_str())}));
}

TEST_F(BatchEditorTest, TheSamePathInOtherLetterCaseIsListedOnce)
{
    const QString a = MakeFile("take.wav", Stereo48);
    const QString b = MakeFile("zeta.wav", Mono22);
    Open(QStringList{a, b});
    Open(QStringList{dir.filePath("TAKE.wav"), b, a});
    ASSERT_EQ(List()->Count(), 2);
    EXPECT_EQ(List()->Text(0).compare(a, Qt::CaseInsensitive), 0);
    EXPECT_EQ(List()->Text(1), b);
}

TEST_F(BatchEditorTest, CancelledOpenKeepsTheListAndShowsEntryZeroAgain)
{
    Open(std::nullopt);
    EXPECT_EQ(PathShown(), CBatchEditorDlg::PromptText);
    EXPECT_FALSE(ChangeButton()->isEnabled());

    const QString a = MakeFile("a.wav", Mono22);
    const QString b = MakeFile("b.wav", Stereo48);
    Open(QStringList{a, b});
    ClickEntry(1);
    EXPECT_EQ(PathShown(), b);

    // Entry 0 is read again from disk.
    MakeFile("a.wav", WavSpec{32000, 2, 24, 6});
    Open(std::nullopt);
    EXPECT_EQ(List()->Count(), 2);
    EXPECT_EQ(PathShown(), a);
    EXPECT_EQ(Shown(), (QStringList{"32,000", "2", "24", "3"}));
}

TEST_F(BatchEditorTest, UndefinedValuesHoldChangeBackWhileTheirFlagIsSet)
{
    Open(QStringList{MakeFile("odd.wav", WavSpec{12000, 2, 16, 4})});
    EXPECT_EQ(Shown()[0], "undefined");
    EXPECT_FALSE(ChangeButton()->isEnabled());

    Toggle("rateCheck");
    EXPECT_FALSE(Get<QComboBox>("rateSelector")->isEnabled());
    EXPECT_TRUE(ChangeButton()->isEnabled());

    Choose("channelSelector", 2);  // "undefined" by hand
    EXPECT_FALSE(ChangeButton()->isEnabled());
    Choose("channelSelector", 0);
    EXPECT_TRUE(ChangeButton()->isEnabled());

    Toggle("rateCheck");
    EXPECT_TRUE(Get<QComboBox>("rateSelector")->isEnabled());
    EXPECT_FALSE(ChangeButton()->isEnabled());
}

TEST_F(BatchEditorTest, EveryFileShownResetsAllFourSelectors)
{
    const QString mono24 = MakeFile("1.wav", Mono24);
    const QString stereo = MakeFile("2.wav", Stereo48);
    const QString wide = MakeFile("3.wav", WavSpec{44100, 1, 16, 6});
    const QString none = MakeFile("4.wav", WavSpec{44100, 0, 16, 4});
    Open(QStringList{mono24, stereo, wide, none});
    EXPECT_EQ(Shown(), (QStringList{"44,100", "1", "24", "3"}));

    Choose("rateSelector", 6);
    ClickEntry(1);
    EXPECT_EQ(PathShown(), stereo);
    EXPECT_EQ(Shown(), (QStringList{"48,000", "2", "16", "2"}));
    ClickEntry(2);
    EXPECT_EQ(Shown(), (QStringList{"44,100", "1", "16", "undefined"}));
    ClickEntry(3);
    EXPECT_EQ(Shown(), (QStringList{"44,100", "undefined", "16", "undefined"}));
    EXPECT_FALSE(ChangeButton()->isEnabled());
}

TEST_F(BatchEditorTest, ClearAllAndSetAllFlipEveryFlag)
{
    Open(QStringList{MakeFile("a.wav", Stereo48)});
    QTest::mouseClick(Get<QPushButton>("clearAllButton"), Qt::LeftButton);
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(Get<QCheckBox>(CheckNames[i])->isChecked());
        EXPECT_FALSE(Get<QComboBox>(SelectorNames[i])->isEnabled());
    }
    EXPECT_FALSE(ChangeButton()->isEnabled());

    QTest::mouseClick(Get<QPushButton>("setAllButton"), Qt::LeftButton);
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(Get<QCheckBox>(CheckNames[i])->isChecked());
        EXPECT_TRUE(Get<QComboBox>(SelectorNames[i])->isEnabled());
    }
    EXPECT_TRUE(ChangeButton()->isEnabled());

    Choose("resolutionSelector", 3);
    QTest::mouseClick(Get<QPushButton>("clearAllButton"), Qt::LeftButton);
    QTest::mouseClick(Get<QPushButton>("setAllButton"), Qt::LeftButton);
    EXPECT_FALSE(ChangeButton()->isEnabled());
}

TEST_F(BatchEditorTest, DeleteKeyRemovesEntriesButKeepsTheFileShown)
{
    const QString a = MakeFile("a.wav", Stereo48);
    const QString b = MakeFile("b.wav", Mono22);
    const QString c = MakeFile("c.wav", Mono24);
    Open(QStringList{a, b, c});

    ClickEntry(2);
    QTest::keyClick(List(), Qt::Key_Delete);
    QCoreApplication::processEvents();
    EXPECT_EQ(List()->Count(), 2);
    EXPECT_EQ(List()->CurrentSelection(), 1);
    EXPECT_EQ(PathShown(), c);
    EXPECT_EQ(Shown(), (QStringList{"44,100", "1", "24", "3"}));
    EXPECT_TRUE(ChangeButton()->isEnabled());

    ClickEntry(0);
    QTest::keyClick(List(), Qt::Key_Delete);
    QTest::keyClick(List(), Qt::Key_Delete);
    QCoreApplication::processEvents();
    EXPECT_EQ(List()->Count(), 0);
    EXPECT_EQ(PathShown(), a);
    EXPECT_FALSE(ChangeButton()->isEnabled());
}

TEST_F(BatchEditorTest, ChangeRewritesTheFlaggedFieldOfEveryFile)
{
    const WavSpec specs[] = {Stereo48, Mono22, Mono24};
    const QString paths[] = {MakeFile("a.wav", specs[0]), MakeFile("b.wav", specs[1]), MakeFile("c.wav", specs[2])};
    Open(QStringList{paths[2], paths[0], paths[1]});
    OnlyFlag("rateCheck");
    Choose("rateSelector", 0);  // 8,000
    prompt.yesNoAnswers.push_back(true);
    PressEnterIn("rateSelector");

    ASSERT_EQ(prompt.questions, QStringList{CBatchEditorDlg::ChangeConfirmation});
    EXPECT_TRUE(CBatchEditorDlg::ChangeConfirmation.startsWith("Warning!  Changing"));
    EXPECT_TRUE(CBatchEditorDlg::ChangeConfirmation.endsWith("\n\n\t\t\t\tContinue?"));
    for (int i = 0; i < 3; ++i) {
        const WavSpec& s = specs[i];
        EXPECT_EQ(ReadBytes(paths[i]), WithFormat(MakeWav(s), s, 8000, s.channels, s.blockAlign, s.bitsPerSample))
            << paths[i].toStdString();
    }
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(List()->CurrentSelection(), 0);
    EXPECT_EQ(PathShown(), paths[0]);
    EXPECT_EQ(Shown(), (QStringList{"8,000", "2", "16", "2"}));
}

TEST_F(BatchEditorTest, BlockAlignmentFollowsTheChannelsShown)
{
    const WavSpec specs[] = {Stereo48, Mono22, Mono24};
    const QString paths[] = {MakeFile("a.wav", specs[0]), MakeFile("b.wav", specs[1]), MakeFile("c.wav", specs[2])};
    Open(QStringList{paths[0], paths[1], paths[2]});

    // Stereo file shown: three bytes per sample make every file's alignment 6.
    OnlyFlag("byteCheck");
    Choose("byteSelector", 2);
    PressChange(true);
    for (int i = 0; i < 3; ++i) {
        const WavSpec& s = specs[i];
        EXPECT_EQ(ReadBytes(paths[i]), WithFormat(MakeWav(s), s, s.sampleRate, s.channels, 6, s.bitsPerSample));
    }

    // One channel chosen, two bytes: every file gets one channel and alignment 2.
    Toggle("channelCheck");
    Choose("channelSelector", 0);
    Choose("byteSelector", 1);
    PressChange(true);
    for (int i = 0; i < 3; ++i) {
        const WavSpec& s = specs[i];
        EXPECT_EQ(ReadBytes(paths[i]), WithFormat(MakeWav(s), s, s.sampleRate, 1, 2, s.bitsPerSample));
    }
}

TEST_F(BatchEditorTest, CancelOnAReadOnlyFileLeavesItAndGoesOn)
{
    const WavSpec specs[] = {Stereo48, Mono22, Mono24};
    const QString paths[] = {MakeFile("a.wav", specs[0]), MakeFile("b.wav", specs[1]), MakeFile("c.wav", specs[2])};
    QFile::setPermissions(paths[1], QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    Open(QStringList{paths[0], paths[1], paths[2]});
    OnlyFlag("resolutionCheck");
    Choose("resolutionSelector", 1);  // 16 bit

    prompt.readOnlyAnswers = {false};
    PressChange(true);
    EXPECT_EQ(prompt.readOnlyPaths, std::vector<std::string>{QFile::encodeName(paths[1]).toStdString()});
    EXPECT_EQ(ReadBytes(paths[1]), MakeWav(specs[1]));
    EXPECT_FALSE(QFileInfo(paths[1]).permissions() & QFileDevice::WriteOwner);
    for (const int i : {0, 2}) {
        const WavSpec& s = specs[i];
        EXPECT_EQ(ReadBytes(paths[i]), WithFormat(MakeWav(s), s, s.sampleRate, s.channels, s.blockAlign, 16));
    }

    // Yes clears the mark for good and the file is rewritten.
    prompt.readOnlyAnswers = {true};
    PressChange(true);
    EXPECT_TRUE(QFileInfo(paths[1]).permissions() & QFileDevice::WriteOwner);
    const WavSpec& s = specs[1];
    EXPECT_EQ(ReadBytes(paths[1]), WithFormat(MakeWav(s), s, s.sampleRate, s.channels, s.blockAlign, 16));
}

TEST_F(BatchEditorTest, NoAtTheConfirmationChangesNothing)
{
    const QString a = MakeFile("a.wav", Stereo48);
    const QString b = MakeFile("b.wav", Mono22);
    Open(QStringList{a, b});
    ClickEntry(1);
    Choose("rateSelector", 0);
    PressChange(false);
    EXPECT_EQ(ReadBytes(a), MakeWav(Stereo48));
    EXPECT_EQ(ReadBytes(b), MakeWav(Mono22));
    EXPECT_EQ(List()->CurrentSelection(), 1);
    EXPECT_EQ(PathShown(), b);
    EXPECT_EQ(Shown()[0], "8,000");
}

TEST_F(BatchEditorTest, FilesWhoseHeaderCannotBeReadAreLeftAlone)
{
    const QString good = MakeFile("a.wav", Stereo48);
    const QString gone = MakeFile("b.wav", Stereo48);
    Bytes broken = MakeWav(Mono22);
    broken.resize(30);  // ends inside the "fmt " fields
    const QString cut = dir.filePath("c.wav");
    WriteBytes(cut, broken);
    Open(QStringList{good, gone, cut});
    QFile::remove(gone);

    OnlyFlag("rateCheck");
    Choose("rateSelector", 8);  // 96,000
    PressChange(true);
    EXPECT_EQ(ReadBytes(good), WithFormat(MakeWav(Stereo48), Stereo48, 96000, 2, 4, 16));
    EXPECT_FALSE(QFileInfo::exists(gone));
    EXPECT_EQ(ReadBytes(cut), broken);
}

TEST_F(BatchEditorTest, OnlyQuitAndTheCloseBoxEndTheWindow)
{
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());

    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);

    CBatchEditorDlg other(profile, prompt);
    other.show();
    QTest::mouseClick(other.findChild<QPushButton*>("quitButton"), Qt::LeftButton);
    EXPECT_FALSE(other.isVisible());
}

TEST_F(BatchEditorTest, AboutBoxOpensFromF1AndTheContextMenu)
{
    QString title;
    QString version;
    QString web;
    QString mail;
    auto readAbout = [&](QWidget* modal) {
        title = modal->windowTitle();
        version = modal->findChild<QLabel*>("versionText")->text();
        web = modal->findChild<CUrlLabel*>("webLink")->Url();
        mail = modal->findChild<CUrlLabel*>("mailLink")->Url();
        modal->close();
    };

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    WhenModal(readAbout);
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(title, "About Quelbrook");
    EXPECT_EQ(version, "Quelbrook Version 1.3.1");
    EXPECT_TRUE(web.startsWith("https://"));
    EXPECT_TRUE(mail.startsWith("mailto:"));

    title.clear();
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        ASSERT_EQ(menu->actions().size(), 1);
        EXPECT_EQ(menu->actions().first()->text(), "&About Quelbrook...");
        WhenModal(readAbout);
        menu->actions().first()->trigger();
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), window->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(window.get(), &event);
    EXPECT_EQ(title, "About Quelbrook");
}

} // namespace
