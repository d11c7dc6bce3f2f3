#include "BatchEditorTest.h"

#include "FakePrompt.h"
#include "journal/CJournalFolder.h"
#include "journal/CJournalWriter.h"

namespace {

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
    EXPECT_EQ(Hint("channelSelector"),
              "This file has 0 channels, which is not one of the choices. "
              "Untick its Change box to keep each file's own number of channels.");
    EXPECT_EQ(Hint("byteSelector"),
              "This file's bytes per sample, block alignment 4 for 0 channels, is not one "
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
    const QString untouched
        = QString::fromUtf8(" \u2014 changes 1 of 3 files, although you left it at the shown file's own value");
    EXPECT_EQ(prompt.summaries,
              QStringList{"Number of channels: 2" + untouched + "\nResolution: 24 bit" + untouched
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
    const testwav::Bytes tooShort
        = testwav::WavBuilder().Chunk("fmt ", {1, 0, 2, 0}).Chunk("data", testwav::Pattern(30)).Build();
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
    EXPECT_EQ(
        NotChanged(),
        (QStringList{"skipped " + paths[1] + ": " + paths[1] + " is write protected and was left untouched",
                     "failed " + cutPath + ": no complete \"fmt \" chunk in " + cutPath,
                     "failed " + gone + ": the file does not exist", "failed " + shortPath + ": " + shortMessage}));
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
            QCoreApplication::postEvent(
                Get("byteCheck"),
                new QMouseEvent(type, tick, Get("byteCheck")->mapToGlobal(tick), Qt::LeftButton, Qt::LeftButton, {}));
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

// A file changed under two names (a hard link) in one batch: the undo
// replays the records newest first, so each name finds the bytes its record
// wrote, and both are restored.
TEST_F(BatchEditorTest, UndoReplaysTheNewestRecordFirst)
{
    testwav::ScopedStateHome home;
    MakeFiles({Stereo48});
    Open(paths);
    ChangeOnly("rate", 0);  // 8,000: a Change makes Undo available
    PressChange({true});
    const std::string file = Local(paths[0]), link = Local(dir.filePath("link.wav"));
    ASSERT_EQ(::link(file.c_str(), link.c_str()), 0);
    {
        CJournalWriter journal;
        CoreText failure;
        ASSERT_TRUE(CJournalFolder().CreateBatch(journal, NewBatchHeader(DesktopProgramName, {}, {}), failure))
            << RenderEnglish(failure);
        FakePrompt quiet;
        CWaveFile wave(quiet);
        wave.SetJournal(&journal);
        for (const auto& [name, rate] : {std::pair(file, 22050u), std::pair(link, 96000u)}) {
            wave.CAudioFile::SetFileName(name);
            ASSERT_TRUE(wave.RewriteHeader({rate, 0, 0, 0, true}));
        }
        ASSERT_TRUE(journal.Finish());
    }
    prompt.asked.clear();
    prompt.answers = {true};
    window.findChild<QAction*>(QStringLiteral("undoLastChangeAction"))->trigger();
    ASSERT_EQ(prompt.asked.size(), 2);
    EXPECT_EQ(prompt.asked[0], CUndoLastChange::Confirmation(2));
    EXPECT_EQ(prompt.asked[1], "info: 2 of 2 files were restored.");
    ExpectFiles([](WavSpec& s) { s.rate = 8000; });
}

}  // namespace
