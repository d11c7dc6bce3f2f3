#include "AccessibleNames.h"
#include "GuiTest.h"
#include "StateHome.h"
#include "WavBuilder.h"
#include "app/BatchReport.h"
#include "app/CBatchEditorDlg.h"
#include "app/CDialogUnits.h"
#include "app/CInvListBox.h"
#include "app/CMessageBoxPrompt.h"
#include "app/CPathLabel.h"
#include "app/CUndoLastChange.h"
#include "wave/CWaveFile.h"
#include "platform/CProfileFile.h"
#include "platform/posix/FileCalls.h"

#include <QApplication>
#include <QAction>
#include <QDir>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMimeData>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <deque>
#include <functional>
#include <optional>
#include <thread>
#include <utility>

#include <cerrno>
#include <unistd.h>

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
    return testwav::WavBuilder().Chunk("JUNK", testwav::Pattern(10, 3))
        .Fmt({1, s.channels, s.rate, s.rate * s.blockAlign, s.blockAlign, s.bits}).Chunk("data", testwav::Pattern(64)).Build();
}

std::string Local(const QString& path) { return QFile::encodeName(path).toStdString(); }

// Answers questions in order from a list filled in advance; one more fails the test.
// The end report of a batch is answered from the same list (true: keep only those files).
class CScriptedPrompt : public CMessageBoxPrompt {
public:
    std::deque<bool> answers;
    QStringList asked;  // messages, questions, and the paths asked about as read-only
    QStringList summaries;  // what each Change's confirmation said it would do
    std::optional<BatchReport> report;
    std::function<void()> duringReadOnlyQuestion;  // runs while the batch waits for the answer
    bool silenceBatchMessages = false;

    void ShowWarning(const QString& text) override { asked << text; }
    void ShowInformation(const QString& text) override { asked << "info: " + text; }
    bool ShowBatchMessage(const QString& text) override
    {
        ShowWarning(text);
        return !silenceBatchMessages;
    }
    bool AskClearReadOnly(const std::string& path) override
    {
        if (duringReadOnlyQuestion)
            duringReadOnlyQuestion();
        return AskYesNo(QFile::decodeName(path.c_str()));
    }
    bool ShowBatchReport(const BatchReport& shown) override
    {
        report = shown;
        return AskYesNo(QStringLiteral("report"));
    }
    // The confirmation is recorded as its question; what it says below goes to summaries.
    bool ConfirmChange(const QString& question, const QString& summary) override
    {
        summaries << summary;
        return AskYesNo(question);
    }
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

// Every close of a file reports an error while it lives.
struct ClosesFail {
    ClosesFail()
        : saved(std::exchange(CurrentFileCalls(), FileCalls{pread, pwrite, [](int fd) {
                                                                 close(fd);
                                                                 errno = EIO;
                                                                 return -1;
                                                             }}))
    {
    }
    ~ClosesFail() { CurrentFileCalls() = saved; }
    ClosesFail(const ClosesFail&) = delete;
    ClosesFail& operator=(const ClosesFail&) = delete;
    FileCalls saved;
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

    QString Write(const QString& name, const testwav::Bytes& bytes)
    {
        testwav::WriteFile(Local(dir.filePath(name)), bytes);
        return dir.filePath(name);
    }

    // Writes a.wav, b.wav, ... with these formats; specs then holds what each file must contain.
    void MakeFiles(std::vector<WavSpec> formats)
    {
        specs = std::move(formats);
        for (const WavSpec& s : specs)
            paths << Write(QStringLiteral("abcde").mid(paths.size(), 1) + ".wav", MakeWav(s));
    }

    void ExpectFiles(const std::function<void(WavSpec&)>& change = {})
    {
        for (qsizetype i = 0; i < paths.size(); ++i) {
            WavSpec& s = specs[static_cast<std::size_t>(i)];
            if (change)
                change(s);
            EXPECT_EQ(testwav::ReadFile(Local(paths[i])), MakeWav(s)) << paths[i].toStdString();
        }
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
    QStringList Listed() { return Texts(List()->Count(), [this](int i) { return List()->Text(i); }); }

    // The files the last report names as left unchanged: "skipped|failed path: reason".
    QStringList NotChanged()
    {
        QStringList lines;
        for (const BatchReport::Entry& e : prompt.report.value().notChanged)
            lines << (e.outcome == BatchReport::Outcome::Skipped ? "skipped " : "failed ") + e.path + ": " + e.reason;
        return lines;
    }

    // What the selector tells of its value, to the eye and to assistive technology alike.
    QString Hint(const char* name)
    {
        EXPECT_EQ(Get(name)->toolTip(), Get(name)->accessibleDescription()) << name;
        return Get(name)->toolTip();
    }

    // The path shown, then the four selectors' texts: rate, channels, resolution, bytes per sample.
    QStringList Shown()
    {
        return QStringList(PathShown()) + Texts(4, [this](int i) { return Get<QComboBox>(SelectorNames[i])->currentText(); });
    }

    void ClickEntry(int row)
    {
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, List()->visualItemRect(List()->item(row)).center());
    }

    // Picks an item with the keyboard, as a user would (Home moves the cursor of a typed rate).
    void Choose(const char* selectorName, int index)
    {
        auto* selector = Get<QComboBox>(selectorName);
        for (int i = 0; i < selector->count(); ++i)
            QTest::keyClick(selector, Qt::Key_Up);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(selector, Qt::Key_Down);
        ASSERT_EQ(selector->currentIndex(), index);
    }

    // Flags only this field ("rate", "channel", "resolution", "byte") and picks its item.
    void ChangeOnly(const std::string& field, int index)
    {
        Click("clearAllButton");
        Click((field + "Check").c_str());
        Choose((field + "Selector").c_str(), index);
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

TEST_F(BatchEditorTest, OpenListsEachPathOnceShowsTheFirstDeleteKeepsItAndOnlyQuitCloses)
{
    EXPECT_EQ(PathShown(), "[Press the Open button to select sound files]");
    EXPECT_FALSE(ChangeEnabled());
    MakeFiles({Stereo48, Mono22});
    Open(QStringList{paths[1], paths[0]});
    Open(QStringList{dir.filePath("./a.wav"), paths[1], paths[0]});
    EXPECT_EQ(startFolders, (QStringList{QString(), dir.path() + "/"}));
    EXPECT_EQ(profile.GetString("Folders", "OpenDefault"), Local(dir.path() + "/"));
    EXPECT_EQ(Listed(), (QStringList{paths[0], paths[1]}));
    EXPECT_EQ(Shown(), (QStringList{paths[0], "48,000", "2", "16", "2"}));
    EXPECT_TRUE(ChangeEnabled());

    // A cancelled Open keeps the list and reads entry 0 from disk again.
    ClickEntry(1);
    EXPECT_EQ(PathShown(), paths[1]);
    Write("a.wav", MakeWav({32000, 2, 24, 6}));
    Open(std::nullopt);
    EXPECT_EQ(Shown(), (QStringList{paths[0], "32,000", "2", "24", "3"}));

    // Delete takes entries off the list but keeps the file shown.
    ClickEntry(0);
    for (const int left : {2, 1, 0}) {
        EXPECT_EQ(List()->Count(), left);
        EXPECT_EQ(Shown(), (QStringList{paths[0], "32,000", "2", "24", "3"}));
        EXPECT_EQ(ChangeEnabled(), left > 0);
        QTest::keyClick(List(), Qt::Key_Delete);
        QCoreApplication::processEvents();
    }

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
    EXPECT_EQ(Shown(), (QStringList{paths[0], "44,100", "undefined", "16", "undefined"}));
    EXPECT_FALSE(ChangeEnabled());
    EXPECT_EQ(Hint("channelSelector"), "This file has 0 channels, which is not one of the choices. "
                                       "Untick its Change box to keep each file's own number of channels.");
    EXPECT_EQ(Hint("byteSelector"), "This file's bytes per sample, block alignment 4 for 0 channels, is not one "
                                    "of the choices. Untick its Change box to keep each file's own bytes per sample.");
    // The greyed Change gives both reasons.
    EXPECT_EQ(Hint("changeButton"), Hint("channelSelector") + "\n" + Hint("byteSelector"));
    ClickEntry(1);
    EXPECT_EQ(Shown(), (QStringList{paths[1], "undefined", "2", "16", "2"}));
    EXPECT_FALSE(ChangeEnabled());
    EXPECT_TRUE(Hint("rateSelector").startsWith("This file's sample rate, 12,000 Hz, is not one of the choices."));
    EXPECT_EQ(Hint("channelSelector"), "");

    Click("rateCheck");
    EXPECT_TRUE(ChangeEnabled());
    EXPECT_EQ(Hint("changeButton"), "");
    // "undefined" is shown, never offered: the keys stop at the last value.
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_End, Qt::Key_PageDown})
        QTest::keyClick(Get("channelSelector"), key);
    EXPECT_EQ(Get<QComboBox>("channelSelector")->currentText(), "2");
    EXPECT_FALSE(Get<QComboBox>("channelSelector")->model()->index(2, 0).flags() & Qt::ItemIsEnabled);
    Click("rateCheck");
    EXPECT_FALSE(ChangeEnabled());

    // Every file shown resets all four selectors.
    ClickEntry(2);
    EXPECT_EQ(Shown(), (QStringList{paths[2], "44,100", "1", "16", "undefined"}));

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

TEST_F(BatchEditorTest, ChangeRewritesTheFlaggedFieldsOfEveryFileAfterYes)
{
    MakeFiles({Stereo48, Mono22, Mono24});
    Open(QStringList{paths[2], paths[0], paths[1]});
    ClickEntry(1);
    ChangeOnly("rate", 0);  // 8,000
    PressChange({false});
    ExpectFiles();
    EXPECT_EQ(List()->CurrentSelection(), 1);
    EXPECT_EQ(Shown(), (QStringList{paths[1], "8,000", "1", "8", "1"}));

    // Enter away from any push button runs the default button, Change.
    prompt.answers = {true};
    QTest::keyClick(Get("channelSelector"), Qt::Key_Return);
    EXPECT_EQ(prompt.asked, QStringList(2, CBatchEditorDlg::ChangeConfirmation()));
    ExpectFiles([](WavSpec& s) { s.rate = 8000; });
    EXPECT_EQ(List()->CurrentSelection(), 0);
    EXPECT_EQ(Shown(), (QStringList{"3 files changed", "8,000", "2", "16", "2"}));
    EXPECT_FALSE(prompt.report);

    // The block alignment follows the channels shown (or chosen), not each file's own.
    ChangeOnly("byte", 2);
    PressChange({true});
    ExpectFiles([](WavSpec& s) { s.blockAlign = 6; });
    Click("channelCheck");
    Choose("channelSelector", 0);
    Choose("byteSelector", 1);
    PressChange({true});
    ExpectFiles([](WavSpec& s) { s = {8000, 1, s.bits, 2}; });
}

TEST_F(BatchEditorTest, TheConfirmationNamesWhatEachTickedFieldDoesToTheListedFiles)
{
    // Only the rate is chosen; the other ticked rows still show the stereo 24-bit file's own values.
    MakeFiles({{48000, 2, 24, 6}, {48000, 1, 16, 2}});
    const QString text = Write("c.wav", testwav::Bytes(64, 'x'));
    Open(paths + QStringList{text});
    Choose("rateSelector", 8);  // 96,000
    PressChange({false});
    ExpectFiles();
    const QString untouched = QString::fromUtf8(" \u2014 changes 1 of 3 files, although you left it at the shown file's own value");
    EXPECT_EQ(prompt.summaries, QStringList{"Number of channels: 2" + untouched + "\nResolution: 24 bit" + untouched
                                            + "\nBlock alignment: 6 bytes" + untouched
                                            + QString::fromUtf8("\nSample rate: 96,000 Hz \u2014 changes 2 of 3 files\n")
                                            + "1 of 3 files has a header that cannot be read; it will be left unchanged"});
    EXPECT_EQ(prompt.asked, QStringList{CBatchEditorDlg::ChangeConfirmation()});
}

TEST_F(BatchEditorTest, FilesThatCannotBeChangedAreLeftAloneReportedAndCanBeKeptForARetry)
{
    MakeFiles({Stereo48, Mono22, Mono24});
    QFile::setPermissions(paths[1], QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    testwav::Bytes cut = MakeWav(Mono22);
    cut.resize(40);  // ends inside the "fmt " fields
    // A "fmt " chunk declared too short: its reason is shown.
    const testwav::Bytes tooShort = testwav::WavBuilder().Chunk("fmt ", {1, 0, 2, 0}).Chunk("data", testwav::Pattern(30)).Build();
    const QString cutPath = Write("d.wav", cut), gone = Write("e.wav", cut), shortPath = Write("f.wav", tooShort);
    Open(paths + QStringList{cutPath, gone, shortPath});
    QFile::remove(gone);
    ChangeOnly("resolution", 1);  // 16 bit
    // The first message silences the rest of its batch; the report still gives every reason.
    prompt.silenceBatchMessages = true;

    PressChange({true, false, false});
    // Cancel on the write-protect question is no failure: nothing more is said about that file.
    const QString shortMessage = QString::fromStdString(RenderEnglish(ShortFmtChunkText(Local(shortPath), 4)));
    EXPECT_EQ(prompt.asked, (QStringList{CBatchEditorDlg::ChangeConfirmation(), paths[1], shortMessage, "report"}));
    EXPECT_FALSE(QFileInfo(paths[1]).permissions() & QFileDevice::WriteOwner);
    specs[0].bits = specs[2].bits = 16;
    ExpectFiles();
    EXPECT_EQ(testwav::ReadFile(Local(cutPath)), cut);
    EXPECT_FALSE(QFileInfo::exists(gone));
    EXPECT_EQ(testwav::ReadFile(Local(shortPath)), tooShort);
    EXPECT_EQ(std::pair(prompt.report.value().total, prompt.report->changed), std::pair(6, 2));
    EXPECT_EQ(NotChanged(), (QStringList{"skipped " + paths[1] + ": " + paths[1] + " is write protected and was left untouched",
                                         "failed " + cutPath + ": no complete \"fmt \" chunk in " + cutPath,
                                         "failed " + gone + ": the file does not exist",
                                         "failed " + shortPath + ": " + shortMessage}));
    EXPECT_EQ(List()->Count(), 6);

    // Yes clears the mark for good and the file is rewritten; the two that
    // still fail are kept for a retry, and what cannot be read shows no values.
    PressChange({true, true, true});
    EXPECT_EQ(prompt.asked.filter("too short to hold").size(), 2);  // silenced only in the batch it was shown in
    EXPECT_TRUE(QFileInfo(paths[1]).permissions() & QFileDevice::WriteOwner);
    specs[1].bits = 16;
    ExpectFiles();
    EXPECT_EQ(std::pair(prompt.report->changed, prompt.report->Count(BatchReport::Outcome::Failed)), std::pair(3, 3));
    EXPECT_EQ(Listed(), (QStringList{cutPath, gone, shortPath}));
    EXPECT_EQ(Shown(), QStringList(cutPath + " (header could not be read)") + QStringList(4, "undefined"));
    EXPECT_FALSE(ChangeEnabled());
}

TEST_F(BatchEditorTest, NothingStartsWhileABatchRunsInputMeanwhileIsDroppedAndCancelFinishesTheFileInHand)
{
    MakeFiles({Stereo48, Mono22, Mono24, Stereo48, Mono22});
    for (const int readOnly : {1, 3})
        QFile::setPermissions(paths[readOnly], QFileDevice::ReadOwner);
    Open(paths);
    ChangeOnly("rate", 0);  // 8,000
    int questions = 0;
    prompt.duringReadOnlyQuestion = [&] {
        if (++questions == 1) {
            for (const char* name : {"changeButton", "openButton", "quitButton", "rateSelector", "rateCheck",
                                     "byteCheck", "clearAllButton", "setAllButton"})
                EXPECT_TRUE(testa11y::Of(Get(name))->state().disabled) << name;
            testa11y::Of(Get("changeButton"))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            Get<QPushButton>("changeButton")->click();
            // A script may emit the signal of a disabled button all the same.
            QMetaObject::invokeMethod(Get("changeButton"), "clicked", Q_ARG(bool, false));
            Get<QPushButton>("quitButton")->click();
            window.close();
            for (const Qt::Key key : {Qt::Key_O, Qt::Key_Q, Qt::Key_Z})
                QTest::keyClick(&window, key, Qt::ControlModifier);
            QTimer::singleShot(0, [] {
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                ASSERT_NE(menu, nullptr);
                for (const QAction* action : menu->actions())
                    EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
                menu->close();
            });
            QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(5, 5), window.mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(&window, &menuKey);
            QTest::qWait(150);  // longer than a button's animated press
            return;
        }
        // Queued with the last file in hand, this input reaches the window after the batch.
        const QPoint tick = Get("byteCheck")->rect().center();
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(Get("byteCheck"), new QMouseEvent(type, tick, Get("byteCheck")->mapToGlobal(tick),
                                                                        Qt::LeftButton, Qt::LeftButton, {}));
        QCoreApplication::postEvent(List(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Delete, {}));
        auto* progress = window.findChild<QProgressDialog*>();
        ASSERT_NE(progress, nullptr);
        EXPECT_EQ(progress->labelText(), "Changing headers: 4 of 5 files");  // the file asked about
        // Cancel reaches the window only when the next file's slice lets events in: that file is
        // then in hand but not started, and must stay so. The wait outlasts a slice without
        // letting events in.
        QMetaObject::invokeMethod(progress->findChild<QPushButton*>(), "click", Qt::QueuedConnection);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    };
    PressChange({true, true, true, false});

    EXPECT_EQ(prompt.asked.count(CBatchEditorDlg::ChangeConfirmation()), 1);
    EXPECT_EQ(startFolders.size(), 1);  // Ctrl+O opened nothing
    for (std::size_t i = 0; i < 4; ++i)
        specs[i].rate = 8000;
    ExpectFiles();
    EXPECT_EQ(std::pair(prompt.report.value().cancelled, prompt.report->changed), std::pair(true, 4));
    EXPECT_EQ(NotChanged(), QStringList("skipped " + paths[4] + ": not reached: Change was cancelled"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(List()->Count(), 5);
    EXPECT_FALSE(Get<QCheckBox>("byteCheck")->isChecked());
    EXPECT_TRUE(Get("byteCheck")->isEnabled());
    EXPECT_TRUE(ChangeEnabled());
}

TEST_F(BatchEditorTest, EveryControlIsNamedReachedWithTabAndItsLabelShowsWhole)
{
    // Row labels sit five dialog units inside the frame, left of the selectors.
    const auto labels = window.findChildren<QLabel*>();
    for (const char* text : {"Sample Rate:", "No. Channels:", "Resolution:", "Bits per sample:"}) {
        const auto label = std::find_if(labels.begin(), labels.end(), [&](QLabel* l) { return l->text() == text; });
        ASSERT_NE(label, labels.end()) << text;
        EXPECT_GE((*label)->x(), CDialogUnits(window.font()).X(19)) << text;
        EXPECT_GE((*label)->width(), (*label)->sizeHint().width()) << text;
        EXPECT_LE((*label)->geometry().right(), Get("rateSelector")->x()) << text;
    }
    MakeFiles({Stereo48});
    Open(paths);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    // name, how it is announced, its role
    const std::tuple<const char*, QString, QAccessible::Role> controls[] = {
        {"changeButton", "Change", QAccessible::Button},
        {"openButton", "Open...", QAccessible::Button},
        {"rateSelector", "Sample Rate:", QAccessible::ComboBox},
        {"channelSelector", "No. Channels:", QAccessible::ComboBox},
        {"resolutionSelector", "Resolution:", QAccessible::ComboBox},
        {"byteSelector", "Bits per sample:", QAccessible::ComboBox},
        {"rateCheck", "Change sample rate", QAccessible::CheckBox},
        {"channelCheck", "Change number of channels", QAccessible::CheckBox},
        {"resolutionCheck", "Change resolution", QAccessible::CheckBox},
        {"byteCheck", "Change bytes per sample", QAccessible::CheckBox},
        {"clearAllButton", "Clear all Change boxes", QAccessible::Button},
        {"setAllButton", "Set all Change boxes", QAccessible::Button},
        {"fileList", "Selected files", QAccessible::List},
        {"quitButton", "Quit", QAccessible::Button},
    };
    QStringList order;
    for (const auto& [name, spoken, role] : controls) {
        EXPECT_EQ(testa11y::SpokenName(Get(name)), spoken) << name;
        EXPECT_EQ(testa11y::Of(Get(name))->role(), role) << name;
        order << name;
    }
    EXPECT_EQ(testa11y::UnnamedControls(window), QStringList());
    // One size only, so the window manager is told to offer no Maximize.
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::CustomizeWindowHint));
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

    // Tab walks the controls in the order above, round to Change again; the
    // disabled ones are skipped and announced as disabled.
    Get("changeButton")->setFocus();
    EXPECT_EQ(testa11y::TabOrder(window), order.mid(1));
    Click("clearAllButton");
    EXPECT_TRUE(testa11y::Of(Get("rateSelector"))->state().disabled);
    EXPECT_TRUE(testa11y::Of(Get("changeButton"))->state().disabled);
    EXPECT_EQ(testa11y::TabOrder(window), (QStringList{"setAllButton", "fileList", "quitButton", "openButton",
                                                       "rateCheck", "channelCheck", "resolutionCheck", "byteCheck"}));
}

TEST_F(BatchEditorTest, FilesAndFoldersDroppedOrNamedAtStartAreListedAsOpenListsThem)
{
    MakeFiles({Stereo48, Mono22});
    Open(QStringList{paths[1]});
    const QTemporaryDir outside;
    ASSERT_TRUE(QDir(dir.path()).mkpath("sub/deeper"));
    const QStringList found{Write("sub/C.WAV", MakeWav(Mono24)), Write("sub/deeper/d.wav", MakeWav(Mono24))};
    Write("sub/notes.txt", MakeWav(Mono24));
    testwav::WriteFile(Local(outside.filePath("e.wav")), MakeWav(Mono24));
    // Links inside a dropped folder are not followed out of it.
    ASSERT_TRUE(QFile::link(outside.path(), dir.filePath("sub/away")));
    ASSERT_TRUE(QFile::link(outside.filePath("e.wav"), dir.filePath("sub/e.wav")));

    // Dropped on the list, the drop is the window's.
    QMimeData data;
    const QString missing = dir.filePath("missing.wav");
    data.setUrls({QUrl::fromLocalFile(paths[1]), QUrl::fromLocalFile(dir.filePath("sub")),
                  QUrl::fromLocalFile(paths[0]), QUrl::fromLocalFile(missing)});
    const QPoint at = List()->viewport()->rect().center();
    const auto accepted = [](QWidget* to, QDropEvent&& event) {
        QApplication::sendEvent(to, &event);
        return event.isAccepted();
    };
    EXPECT_TRUE(accepted(List()->viewport(), QDragEnterEvent(at, Qt::CopyAction, &data, Qt::LeftButton, {})));
    EXPECT_TRUE(accepted(List()->viewport(), QDropEvent(at, Qt::CopyAction, &data, Qt::LeftButton, {})));
    QCoreApplication::processEvents();

    EXPECT_EQ(Listed(), QStringList({paths[0], paths[1], found[0], found[1]}));
    EXPECT_EQ(Shown(), (QStringList{paths[0], "48,000", "2", "16", "2"}));
    EXPECT_EQ(prompt.asked, QStringList(missing + " was not found."));

    // Paths named on the command line are relative to the working folder.
    const QString workingFolder = QDir::currentPath();
    QDir::setCurrent(dir.filePath("sub"));
    window.AddFilesAndFolders({"deeper", "../a.wav"});
    QDir::setCurrent(workingFolder);
    EXPECT_EQ(Listed(), QStringList({paths[0], paths[1], found[0], found[1]}));

    // Nothing but local files and folders is welcome.
    data.setUrls({QUrl::fromLocalFile(paths[0]), QUrl(QStringLiteral("https://example.org/x.wav"))});
    EXPECT_FALSE(accepted(&window, QDragEnterEvent(at, Qt::CopyAction, &data, Qt::LeftButton, {})));
}

TEST_F(BatchEditorTest, UndoLastChangeRestoresTheFilesAndNamesThoseLeftAlone)
{
    testwav::ScopedStateHome home;
    auto* undo = window.findChild<QAction*>(QStringLiteral("undoLastChangeAction"));
    ASSERT_NE(undo, nullptr);
    MakeFiles({Stereo48, Mono22, Mono24});
    Open(paths);
    ChangeOnly("rate", 0);  // 8,000

    // Without a journal there is no Change.
    const QByteArray stateHome = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", QFile::encodeName(Write("blocker", {1})));
    PressChange({true});
    qputenv("XDG_STATE_HOME", stateHome);
    ASSERT_EQ(prompt.asked.size(), 2);
    EXPECT_TRUE(prompt.asked[1].contains("could not be created")) << prompt.asked[1].toStdString();
    ExpectFiles();

    {
        // Every close reports an error, as a network file system may; the files hold the new bytes
        // all the same, so they count as changed (and below as restored), the error named.
        const ClosesFail failing;
        PressChange({true, false});
    }
    ASSERT_TRUE(prompt.report);
    EXPECT_EQ(std::pair(prompt.report->changed, prompt.report->warned.size()), std::pair(3, std::size_t{3}));
    EXPECT_TRUE(prompt.report->warned[0].reason.startsWith("Closing " + paths[0] + " reported an error"))
        << prompt.report->warned[0].reason.toStdString();
    EXPECT_TRUE(undo->isEnabled());
    // A file changed again since keeps its later bytes.
    specs[2] = {96000, 1, 24, 3};
    Write("c.wav", MakeWav(specs[2]));

    prompt.asked.clear();
    prompt.answers = {true};
    {
        const ClosesFail failing;
        QTest::keyClick(Get("rateSelector"), Qt::Key_Z, Qt::ControlModifier);
    }
    ASSERT_EQ(prompt.asked.size(), 2);
    EXPECT_EQ(prompt.asked[0], CUndoLastChange::Confirmation(3));
    EXPECT_TRUE(prompt.asked[0].contains("3 files"));
    EXPECT_TRUE(prompt.asked[1].startsWith("2 of 3 files were restored.")) << prompt.asked[1].toStdString();
    EXPECT_TRUE(prompt.asked[1].contains(paths[2] + " was changed since")) << prompt.asked[1].toStdString();
    EXPECT_TRUE(prompt.asked[1].contains("Restored with a warning:\nClosing " + paths[1] + " reported an error"))
        << prompt.asked[1].toStdString();
    ExpectFiles();
    // The shown file is read again, and the line above it no longer claims the change.
    EXPECT_EQ(Shown(), (QStringList{paths[0], "48,000", "2", "16", "2"}));
    // The newest batch is the undo now: nothing left to undo here.
    EXPECT_FALSE(undo->isEnabled());

    // Every file restored is news, not a problem.
    PressChange({true});
    prompt.answers = {true};
    undo->trigger();
    EXPECT_EQ(prompt.asked.back(), "info: 3 of 3 files were restored.");
    ExpectFiles();
    // Restored, but with a warning about each: a problem to look at all the same.
    PressChange({true});
    prompt.answers = {true};
    {
        const ClosesFail failing;
        undo->trigger();
    }
    EXPECT_TRUE(prompt.asked.back().startsWith("3 of 3 files were restored.\n\nRestored with a warning:"))
        << prompt.asked.back().toStdString();
    ExpectFiles();
}

TEST_F(BatchEditorTest, ATypedRateIsWrittenAndShownAsItselfWhileTheItemsKeepTheirPlaces)
{
    MakeFiles({Stereo48, Mono22});
    Open(paths);
    ChangeOnly("rate", 6);  // 48,000
    auto* rate = Get<QComboBox>("rateSelector");
    // typed, shown, Change enabled
    const std::tuple<const char*, const char*, bool> typing[] = {
        {"999", "999", false},           {"1000001", "100000", true}, {"48 0x48", "48 048", true},
        {"1,000,000", "1,000,000", true}, {"47,952", "47,952", true},
    };
    for (const auto& [typed, shown, enabled] : typing) {
        rate->lineEdit()->selectAll();
        QTest::keyClicks(rate, typed);
        EXPECT_EQ(rate->currentText(), shown) << typed;
        EXPECT_EQ(ChangeEnabled(), enabled) << typed;
        EXPECT_EQ(Hint("changeButton"), enabled ? "" : "Type a whole number of hertz from 1,000 to 1,000,000.");
    }
    EXPECT_EQ(Shown(), (QStringList{paths[0], "47,952", "2", "16", "2"}));
    EXPECT_EQ(rate->count(), 11);
    EXPECT_EQ(rate->itemText(6), "48,000");

    // Enter runs Change, which writes the rate with the average byte rate that follows from it.
    prompt.answers = {true};
    QTest::keyClick(rate, Qt::Key_Return);
    ExpectFiles([](WavSpec& s) { s.rate = 47952; });  // the average byte rate too: rate × alignment
    // The files' own rate is none of the items.
    EXPECT_EQ(Shown(), (QStringList{"2 files changed", "undefined", "2", "16", "2"}));
    EXPECT_TRUE(Hint("rateSelector").contains("47,952 Hz"));
    // Typing anywhere into "undefined" starts a rate.
    rate->lineEdit()->setCursorPosition(4);
    QTest::keyClicks(rate, "44056");
    EXPECT_EQ(rate->currentText(), "44056");
}

// The window as a German user's locale writes numbers: set before it is built.
struct GermanNumbers {
    GermanNumbers() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    ~GermanNumbers() { QLocale::setDefault(QLocale::system()); }
};
class GermanBatchEditorTest : private GermanNumbers, public BatchEditorTest {};

TEST_F(GermanBatchEditorTest, RatesAreWrittenAndTypedWithTheLocalesGrouping)
{
    MakeFiles({Stereo48, Mono22});
    Open(paths);
    EXPECT_EQ(Shown(), (QStringList{paths[0], "48.000", "2", "16", "2"}));
    ChangeOnly("rate", 5);
    auto* rate = Get<QComboBox>("rateSelector");
    EXPECT_EQ(rate->currentText(), "44.100");
    // typed, shown, Change enabled: a comma is a decimal comma here and is dropped
    const std::tuple<const char*, const char*, bool> typing[] = {
        {"999", "999", false}, {"47952", "47952", true}, {"47,952", "47952", true}, {"47.952", "47.952", true}};
    for (const auto& [typed, shown, enabled] : typing) {
        rate->lineEdit()->selectAll();
        QTest::keyClicks(rate, typed);
        EXPECT_EQ(rate->currentText(), shown) << typed;
        EXPECT_EQ(ChangeEnabled(), enabled) << typed;
        EXPECT_EQ(Hint("changeButton"), enabled ? "" : "Type a whole number of hertz from 1.000 to 1.000.000.");
    }
    PressChange({true});
    ExpectFiles([](WavSpec& s) { s.rate = 47952; });
    EXPECT_TRUE(Hint("rateSelector").contains("47.952 Hz"));
}

TEST_F(BatchEditorTest, ALongListingShowsItsProgressKeepsTheWindowAliveAndCancelAddsNothing)
{
    MakeFiles({Stereo48});
    Open(paths);
    // Paths deep down take long enough to look up for several slices.
    QString deep = dir.path();
    for (int i = 0; i < 200; ++i)
        deep += "/d";
    ASSERT_TRUE(QDir().mkpath(deep));
    const QStringList many = Texts(40000, [&](int i) { return deep + QStringLiteral("/take %1.wav").arg(i); });

    int rounds = 0;
    QTimer during;
    QObject::connect(&during, &QTimer::timeout, [&] {
        auto* progress = window.findChild<QProgressDialog*>();
        ASSERT_NE(progress, nullptr);
        if (++rounds == 1) {
            // The window takes events, but nothing can be started meanwhile.
            for (const char* name : {"openButton", "changeButton", "quitButton", "rateCheck"})
                EXPECT_FALSE(Get(name)->isEnabled()) << name;
            EXPECT_FALSE(progress->isVisible());
            std::this_thread::sleep_for(std::chrono::milliseconds(600));
        } else if (progress->isVisible()) {
            EXPECT_EQ(progress->labelText(), "Listing 40,000 files");
            EXPECT_EQ(testa11y::SpokenName(progress), "Listing progress");
            QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
            during.stop();
        }
    });
    during.start(0);
    Open(many);
    EXPECT_GT(rounds, 1);
    EXPECT_FALSE(during.isActive());
    EXPECT_EQ(Listed(), paths);
    EXPECT_EQ(Shown(), (QStringList{paths[0], "48,000", "2", "16", "2"}));
    EXPECT_TRUE(ChangeEnabled());
    EXPECT_TRUE(Get("openButton")->isEnabled());
}

TEST_F(BatchEditorTest, KeysAndTheContextMenuReachTheCommandsFromAnyControl)
{
    MakeFiles({Stereo48, Mono22, Mono24});
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    openAnswer = paths;
    QTest::keyClick(Get("quitButton"), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(Listed(), paths);

    // The menu comes up from the keyboard (the Menu key reaches the control as
    // a context-menu event); its items are picked by their letters.
    const auto pickFromMenu = [&](QWidget* at, const std::function<void()>& open, Qt::Key item) {
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            shown = true;
            QTest::keyClick(menu, item);
        });
        at->setFocus();
        open();
        QCoreApplication::processEvents();
        EXPECT_TRUE(shown);
    };
    // Two entries picked with Ctrl are taken off the list, not off the disk.
    ClickEntry(0);
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      List()->visualItemRect(List()->item(2)).center());
    pickFromMenu(List(), [&] { QTest::keyClick(List(), Qt::Key_F10, Qt::ShiftModifier); }, Qt::Key_R);
    EXPECT_EQ(Listed(), QStringList(paths[1]));
    EXPECT_EQ(List()->CurrentSelection(), 0);
    pickFromMenu(Get("byteSelector"), [&] {
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, {}, Get("byteSelector")->mapToGlobal(QPoint()));
        QApplication::sendEvent(Get("byteSelector"), &menuKey);
    }, Qt::Key_C);
    EXPECT_EQ(List()->Count(), 0);
    EXPECT_FALSE(ChangeEnabled());
    ExpectFiles();

    // Offscreen, no window is active after a popup menu.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(Get("rateSelector"), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window.isVisible());
}

} // namespace

