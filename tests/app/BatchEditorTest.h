#pragma once

// The main window with its files and answers scripted in advance.

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
#include "platform/CProfileFile.h"
#include "platform/posix/FileCalls.h"
#include "wave/CWaveFile.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
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
#include <tuple>
#include <utility>

#include <cerrno>
#include <unistd.h>

const char* const SelectorNames[] = {"rateSelector", "channelSelector", "resolutionSelector", "byteSelector"};
const char* const CheckNames[] = {"rateCheck", "channelCheck", "resolutionCheck", "byteCheck"};

struct WavSpec {
    std::uint32_t rate;
    std::uint16_t channels, bits, blockAlign;
};

// A JUNK chunk ahead of "fmt " and a data pattern: everything but the fmt
// fields must come through a change untouched.
inline testwav::Bytes MakeWav(const WavSpec& s)
{
    return testwav::WavBuilder()
        .Chunk("JUNK", testwav::Pattern(10, 3))
        .Fmt({1, s.channels, s.rate, s.rate * s.blockAlign, s.blockAlign, s.bits})
        .Chunk("data", testwav::Pattern(64))
        .Build();
}

inline std::string Local(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

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
    {}
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
    QStringList Listed()
    {
        return Texts(List()->Count(), [this](int i) { return List()->Text(i); });
    }

    // The files the last report names as left unchanged: "skipped|failed path: reason".
    QStringList NotChanged()
    {
        QStringList lines;
        for (const BatchReport::Entry& e : prompt.report.value().notChanged)
            lines << (e.outcome == BatchReport::Outcome::Skipped ? "skipped " : "failed ") + e.path + ": " + e.reason;
        return lines;
    }

    // What the selector tells of its value, to the eye and to assistive technology alike.
    // Types each text into the rate field: what it shows then, whether
    // Change may run, and otherwise its hint, which is refused.
    void ExpectTyped(std::initializer_list<std::tuple<const char*, const char*, bool>> typing, const QString& refused)
    {
        auto* rate = Get<QComboBox>("rateSelector");
        for (const auto& [typed, shown, enabled] : typing) {
            rate->lineEdit()->selectAll();
            QTest::keyClicks(rate, typed);
            EXPECT_EQ(rate->currentText(), shown) << typed;
            EXPECT_EQ(ChangeEnabled(), enabled) << typed;
            EXPECT_EQ(Hint("changeButton"), enabled ? "" : refused) << typed;
        }
    }

    QString Hint(const char* name)
    {
        EXPECT_EQ(Get(name)->toolTip(), Get(name)->accessibleDescription()) << name;
        return Get(name)->toolTip();
    }

    // The path shown, then the four selectors' texts: rate, channels, resolution, bytes per sample.
    QStringList Shown()
    {
        return QStringList(PathShown())
            + Texts(4, [this](int i) { return Get<QComboBox>(SelectorNames[i])->currentText(); });
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
