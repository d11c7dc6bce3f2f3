#include "app/CBatchEditorDlg.h"

#include "app/CAboutDlg.h"
#include "app/CBatchEditorApp.h"
#include "app/CDialogUnits.h"
#include "app/CInvListBox.h"
#include "app/CMessageBoxPrompt.h"
#include "app/CPathLabel.h"
#include "controls/CHoverBitmapButton.h"
#include "opendlg/CXDlg2.h"
#include "opendlg/FolderOfPath.h"
#include "platform/CProfileFile.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcut>

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace {

constexpr std::array<std::uint32_t, 10> RateValues{8000, 11025, 16000, 22050, 32000,
                                                   44100, 48000, 88200, 96000, 192000};
constexpr std::array<std::uint16_t, 3> ResolutionValues{8, 16, 24};
constexpr int ChannelItems = 2;
constexpr int ByteItems = 4;

constexpr const char* ProfileSection = "Folders";
constexpr const char* ProfileStartFolder = "OpenDefault";

std::string LocalPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// Position of value in values, or the position after the last item ("undefined").
template <typename Values, typename Value>
int ItemOf(const Values& values, Value value)
{
    const auto found = std::find(values.begin(), values.end(), value);
    return static_cast<int>(std::distance(values.begin(), found));
}

// Places a widget whose natural height differs from the template's in the
// vertical middle of the template rectangle.
void PlaceCentred(QWidget* widget, const QRect& rect)
{
    const int height = widget->sizeHint().height();
    if (height <= rect.height()) {
        widget->setGeometry(rect);
        return;
    }
    widget->setGeometry(rect.x(), rect.center().y() - height / 2, rect.width(), height);
}

// A right-aligned label keeps its right edge; a text wider than the template
// allows (fonts differ from platform to platform) grows to the left.
void PlaceRightAligned(QLabel* label, const QRect& rect)
{
    QRect wanted = rect;
    const int width = label->sizeHint().width();
    if (width > rect.width())
        wanted.setLeft(rect.right() + 1 - width);
    PlaceCentred(label, wanted);
}

} // namespace

const QString CBatchEditorDlg::PromptText = QStringLiteral("[Press the Open button to select sound files]");

const QString CBatchEditorDlg::ChangeConfirmation = QStringLiteral(
    "Warning!  Changing the header info can affect the ability for an application to play the WAV file.\n\n"
    "All files will be changed to the settings currently displayed (and selected for change)!\n\n"
    "Note - the data will not be changed, just the header information.\n\n"
    "\t\t\t\tContinue?");

CBatchEditorDlg::CBatchEditorDlg(CProfileFile& settings, CMessageBoxPrompt& messages, QWidget* parent)
    : QDialog(parent)
    , profile(settings)
    , prompt(messages)
    , wave(prompt)
{
    setWindowTitle(QStringLiteral("Quelbrook"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowIcon(CBatchEditorApp::AppIcon());

    openDialogRunner = [this](const QString& startFolder) -> std::optional<QStringList> {
        CXDlg2 dialog(profile, prompt, this);
        if (!startFolder.isEmpty())
            dialog.setDirectory(startFolder);
        dialog.setWindowTitle(QStringLiteral("Select Sound Files"));
        dialog.SetOkButtonText(QStringLiteral("Select"));
        if (dialog.RunModal() != 1)
            return std::nullopt;
        return dialog.ChosenPaths();
    };

    CreateControls();

    themeHelper.Initialize(this);
    clearAllButton->AttachAndLoad(themeHelper);
    setAllButton->AttachAndLoad(themeHelper);

    SetAllFlags(true);
    FillSelectors();

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, &CBatchEditorDlg::ShowAbout);

    openButton->setFocus();
}

CBatchEditorDlg::~CBatchEditorDlg() = default;

void CBatchEditorDlg::SetOpenDialogRunner(OpenDialogRunner runner)
{
    openDialogRunner = std::move(runner);
}

void CBatchEditorDlg::CreateControls()
{
    const CDialogUnits units(font());
    setFixedSize(units.Size(320, 241));

    // Created in the tab order of the window; frames and lines go below the rest.
    changeButton = new QPushButton(QStringLiteral("Change"), this);
    changeButton->setObjectName(QStringLiteral("changeButton"));
    changeButton->setGeometry(units.Rect(102, 218, 50, 16));
    changeButton->setDefault(true);
    changeButton->setEnabled(false);
    connect(changeButton, &QPushButton::clicked, this, &CBatchEditorDlg::HandleChange);

    openButton = new QPushButton(QStringLiteral("&Open..."), this);
    openButton->setObjectName(QStringLiteral("openButton"));
    openButton->setGeometry(units.Rect(25, 12, 50, 14));
    connect(openButton, &QPushButton::clicked, this, &CBatchEditorDlg::HandleOpen);

    pathStatic = new CPathLabel(PromptText, this);
    pathStatic->setObjectName(QStringLiteral("pathStatic"));
    pathStatic->setGeometry(units.Rect(87, 15, 207, 11));

    auto* formatGroup = new QGroupBox(this);
    formatGroup->setGeometry(units.Rect(14, 29, 291, 81));

    static constexpr std::array<int, RowCount> selectorTop{41, 57, 73, 90};
    static constexpr std::array<const char*, RowCount> selectorNames{"rateSelector", "channelSelector",
                                                                      "resolutionSelector", "byteSelector"};
    for (int row = 0; row < RowCount; ++row) {
        auto* selector = new QComboBox(this);
        const auto index = static_cast<std::size_t>(row);
        selector->setObjectName(QString::fromLatin1(selectorNames[index]));
        PlaceCentred(selector, units.Rect(88, selectorTop[index], 53, 12));
        connect(selector, &QComboBox::activated, this, &CBatchEditorDlg::UpdateChangeButton);
        selectors[index] = selector;
    }

    // Check boxes in template order: rate, channels, resolution, bytes.
    static constexpr std::array<int, RowCount> checkTop{42, 59, 75, 91};
    static constexpr std::array<const char*, RowCount> checkNames{"rateCheck", "channelCheck", "resolutionCheck",
                                                                   "byteCheck"};
    for (int row = 0; row < RowCount; ++row) {
        const auto index = static_cast<std::size_t>(row);
        auto* check = new QCheckBox(QStringLiteral("Change"), this);
        check->setObjectName(QString::fromLatin1(checkNames[index]));
        PlaceCentred(check, units.Rect(214, checkTop[index], 46, 10));
        connect(check, &QCheckBox::clicked, this, [this, row] { HandleToggleFlag(static_cast<Row>(row)); });
        checks[index] = check;
    }

    clearAllButton = new CHoverBitmapButton(QStringLiteral("FXCLRA"), this);
    clearAllButton->setObjectName(QStringLiteral("clearAllButton"));
    clearAllButton->move(units.X(274), units.Y(41));
    connect(clearAllButton, &QPushButton::clicked, this, &CBatchEditorDlg::HandleClearAll);

    setAllButton = new CHoverBitmapButton(QStringLiteral("FXSTA"), this);
    setAllButton->setObjectName(QStringLiteral("setAllButton"));
    setAllButton->move(units.X(274), units.Y(78));
    connect(setAllButton, &QPushButton::clicked, this, &CBatchEditorDlg::HandleSetAll);

    fileList = new CInvListBox(this);
    fileList->setObjectName(QStringLiteral("fileList"));
    fileList->setGeometry(units.Rect(27, 125, 264, 75));
    connect(fileList, &CInvListBox::SelectionChanged, this, &CBatchEditorDlg::HandleFileSelected);
    connect(fileList, &CInvListBox::FileListChanged, this, &CBatchEditorDlg::UpdateChangeButton);

    auto* quitButton = new QPushButton(QStringLiteral("Quit"), this);
    quitButton->setObjectName(QStringLiteral("quitButton"));
    quitButton->setGeometry(units.Rect(168, 218, 50, 16));
    connect(quitButton, &QPushButton::clicked, this, &CBatchEditorDlg::HandleQuit);

    static constexpr std::array<const char*, RowCount> labels{"Sample Rate:", "No. Channels:", "Resolution:",
                                                              "Bits per sample:"};
    static constexpr std::array<int, RowCount> labelTop{43, 60, 76, 92};
    for (std::size_t row = 0; row < labels.size(); ++row) {
        auto* label = new QLabel(QString::fromLatin1(labels[row]), this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        PlaceRightAligned(label, units.Rect(19, labelTop[row], 53, 8));
    }

    auto* filesGroup = new QGroupBox(QStringLiteral(" Selected Files "), this);
    filesGroup->setGeometry(units.Rect(14, 112, 291, 97));

    auto* hertz = new QLabel(QStringLiteral("Hz"), this);
    PlaceCentred(hertz, units.Rect(147, 43, 9, 8));
    hertz->adjustSize();
    auto* bit = new QLabel(QStringLiteral("bit"), this);
    PlaceCentred(bit, units.Rect(147, 76, 9, 8));
    bit->adjustSize();

    static constexpr std::array<std::array<int, 3>, 4> lines{{{154, 64, 49}, {164, 80, 39}, {155, 95, 48}, {164, 47, 39}}};
    for (const auto& line : lines) {
        auto* etched = new QFrame(this);
        etched->setFrameStyle(QFrame::HLine | QFrame::Sunken);
        etched->setGeometry(units.X(line[0]), units.Y(line[1]), units.X(line[2]), 2);
        etched->lower();
    }
    filesGroup->lower();
    formatGroup->lower();
}

void CBatchEditorDlg::FillSelectors()
{
    selectors[RateRow]->addItems({QStringLiteral("8,000"), QStringLiteral("11,025"), QStringLiteral("16,000"),
                                  QStringLiteral("22,050"), QStringLiteral("32,000"), QStringLiteral("44,100"),
                                  QStringLiteral("48,000"), QStringLiteral("88,200"), QStringLiteral("96,000"),
                                  QStringLiteral("192,000"), QStringLiteral("undefined")});
    selectors[ChannelsRow]->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("undefined")});
    selectors[ResolutionRow]->addItems(
        {QStringLiteral("8"), QStringLiteral("16"), QStringLiteral("24"), QStringLiteral("undefined")});
    selectors[BytesRow]->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                   QStringLiteral("4"), QStringLiteral("undefined")});
    // Nothing is shown until the first file has been read.
    for (QComboBox* selector : selectors)
        selector->setCurrentIndex(-1);
}

void CBatchEditorDlg::HandleOpen()
{
    const QString startFolder =
        QFile::decodeName(profile.GetString(ProfileSection, ProfileStartFolder).c_str());
    if (const std::optional<QStringList> chosen = openDialogRunner(startFolder)) {
        for (const QString& path : *chosen)
            fileList->AddString(path);
        RemoveDuplicateEntries();
    }

    fileLoaded = fileList->Count() > 0;
    if (fileLoaded) {
        currentPath = fileList->Text(0);
        profile.WriteString(ProfileSection, ProfileStartFolder, StoredFolderOfPath(LocalPath(currentPath)));
        ShowCurrentFile();
    } else if (currentPath.isEmpty()) {
        currentPath = PromptText;
    }
    pathStatic->setText(currentPath);
    UpdateChangeButton();
}

void CBatchEditorDlg::RemoveDuplicateEntries()
{
    int i = 0;
    int j = 1;
    while (j < fileList->Count()) {
        if (QString::compare(fileList->Text(i), fileList->Text(j), Qt::CaseInsensitive) == 0) {
            fileList->DeleteString(j);
        } else {
            ++i;
            ++j;
        }
    }
}

void CBatchEditorDlg::ShowCurrentFile()
{
    wave.SetFileName(LocalPath(currentPath));
    const WaveFormat& format = wave.Format();

    selectors[RateRow]->setCurrentIndex(ItemOf(RateValues, format.sampleRate));
    selectors[ChannelsRow]->setCurrentIndex(format.channels == 1 || format.channels == 2 ? format.channels - 1
                                                                                         : ChannelItems);
    selectors[ResolutionRow]->setCurrentIndex(ItemOf(ResolutionValues, format.bitsPerSample));
    // A file may name zero channels: its bytes per sample are undefined then.
    const int bytes = format.channels == 0 ? 0 : format.blockAlign / format.channels;
    selectors[BytesRow]->setCurrentIndex(bytes >= 1 && bytes <= ByteItems ? bytes - 1 : ByteItems);
}

void CBatchEditorDlg::UpdateChangeButton()
{
    bool enable = fileList->Count() > 0;
    bool anyFlag = false;
    for (std::size_t row = 0; row < RowCount; ++row) {
        if (!changeFlags[row])
            continue;
        anyFlag = true;
        const QComboBox* selector = selectors[row];
        if (selector->currentIndex() == selector->count() - 1)
            enable = false;
    }
    changeButton->setEnabled(enable && anyFlag);
}

void CBatchEditorDlg::HandleFileSelected()
{
    const int selected = fileList->CurrentSelection();
    if (selected < 0)
        return;
    currentPath = fileList->Text(selected);
    pathStatic->setText(currentPath);
    ShowCurrentFile();
    UpdateChangeButton();
}

void CBatchEditorDlg::HandleToggleFlag(Row row)
{
    const auto index = static_cast<std::size_t>(row);
    changeFlags[index] = !changeFlags[index];
    selectors[index]->setEnabled(changeFlags[index]);
    UpdateChangeButton();
}

void CBatchEditorDlg::SetAllFlags(bool on)
{
    for (std::size_t row = 0; row < RowCount; ++row) {
        changeFlags[row] = on;
        checks[row]->setChecked(on);
        selectors[row]->setEnabled(on);
    }
}

void CBatchEditorDlg::HandleClearAll()
{
    SetAllFlags(false);
    UpdateChangeButton();
}

void CBatchEditorDlg::HandleSetAll()
{
    SetAllFlags(true);
    UpdateChangeButton();
}

HeaderChangeRequest CBatchEditorDlg::BuildChangeRequest() const
{
    const WaveFormat& shown = wave.Format();
    HeaderChangeRequest request;
    request.sampleRate = shown.sampleRate;
    request.channels = shown.channels;
    request.bitsPerSample = shown.bitsPerSample;
    request.blockAlign = shown.blockAlign;

    const int rate = selectors[RateRow]->currentIndex();
    if (rate >= 0 && rate < static_cast<int>(RateValues.size()))
        request.sampleRate = RateValues[static_cast<std::size_t>(rate)];
    const int channels = selectors[ChannelsRow]->currentIndex();
    if (channels >= 0 && channels < ChannelItems)
        request.channels = static_cast<std::uint16_t>(channels + 1);
    const int resolution = selectors[ResolutionRow]->currentIndex();
    if (resolution >= 0 && resolution < static_cast<int>(ResolutionValues.size()))
        request.bitsPerSample = ResolutionValues[static_cast<std::size_t>(resolution)];
    // Bytes per sample of one channel times the channel count settled above.
    const int bytes = selectors[BytesRow]->currentIndex();
    if (bytes >= 0 && bytes < ByteItems)
        request.blockAlign = static_cast<std::uint16_t>((bytes + 1) * request.channels);

    request.changeSampleRate = changeFlags[RateRow];
    request.changeChannels = changeFlags[ChannelsRow];
    request.changeBitsPerSample = changeFlags[ResolutionRow];
    request.changeBlockAlign = changeFlags[BytesRow];
    return request;
}

void CBatchEditorDlg::HandleChange()
{
    if (!prompt.AskYesNo(ChangeConfirmation))
        return;
    const HeaderChangeRequest request = BuildChangeRequest();

    const QScopedValueRollback busy(changing, true);
    for (int i = 0; i < fileList->Count(); ++i) {
        fileList->SetCurrentSelection(i);
        HandleFileSelected();
        // Let the list and selectors show the file being rewritten.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        // Without a freshly read header there are no values of this file to keep;
        // a chunk too short for them goes on so that the rewrite says why it is left alone.
        if (wave.HeaderLoaded() || wave.FmtChunkTooShort())
            wave.RewriteHeader(request);
    }
    if (fileList->Count() > 0) {
        fileList->SetCurrentSelection(0);
        HandleFileSelected();
    }
    QApplication::beep();
}

void CBatchEditorDlg::HandleQuit()
{
    quitRequested = true;
    reject();
}

void CBatchEditorDlg::reject()
{
    if (quitRequested)
        QDialog::reject();
}

void CBatchEditorDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CBatchEditorDlg::closeEvent(QCloseEvent* event)
{
    // The files being rewritten are finished first.
    if (changing) {
        event->ignore();
        return;
    }
    HandleQuit();
    event->accept();
}

void CBatchEditorDlg::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addAction(QStringLiteral("&About Quelbrook..."), this, &CBatchEditorDlg::ShowAbout);
    menu.exec(event->globalPos());
}

void CBatchEditorDlg::ShowAbout()
{
    CAboutDlg about(prompt, this);
    about.exec();
}
