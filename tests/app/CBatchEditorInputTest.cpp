#include "BatchEditorTest.h"

namespace {

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
    EXPECT_EQ(testa11y::TabOrder(window),
              (QStringList{"setAllButton", "fileList", "quitButton", "openButton", "rateCheck", "channelCheck",
                           "resolutionCheck", "byteCheck"}));
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

TEST_F(BatchEditorTest, ATypedRateIsWrittenAndShownAsItselfWhileTheItemsKeepTheirPlaces)
{
    MakeFiles({Stereo48, Mono22});
    Open(paths);
    ChangeOnly("rate", 6);  // 48,000
    auto* rate = Get<QComboBox>("rateSelector");
    // typed, shown, Change enabled
    ExpectTyped({{"999", "999", false},
                 {"1000001", "100000", true},
                 {"48 0x48", "48 048", true},
                 {"1,000,000", "1,000,000", true},
                 {"47,952", "47,952", true}},
                "Type a whole number of hertz from 1,000 to 1,000,000.");
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
    ExpectTyped(
        {{"999", "999", false}, {"47952", "47952", true}, {"47,952", "47952", true}, {"47.952", "47.952", true}},
        "Type a whole number of hertz from 1.000 to 1.000.000.");
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
    pickFromMenu(
        List(), [&] { QTest::keyClick(List(), Qt::Key_F10, Qt::ShiftModifier); }, Qt::Key_R);
    EXPECT_EQ(Listed(), QStringList(paths[1]));
    EXPECT_EQ(List()->CurrentSelection(), 0);
    pickFromMenu(
        Get("byteSelector"),
        [&] {
            QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, {}, Get("byteSelector")->mapToGlobal(QPoint()));
            QApplication::sendEvent(Get("byteSelector"), &menuKey);
        },
        Qt::Key_C);
    EXPECT_EQ(List()->Count(), 0);
    EXPECT_FALSE(ChangeEnabled());
    ExpectFiles();

    // Offscreen, no window is active after a popup menu.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(Get("rateSelector"), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
