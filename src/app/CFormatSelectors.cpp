#include "app/CFormatSelectors.h"

#include "app/CDialogUnits.h"
#include "app/CFormatRow.h"
#include "app/CRateValidator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include <algorithm>
#include <type_traits>
#include <vector>

namespace {

// Per row, in the order of CFormatSelectors::Row.
constexpr int SelectorTop[]{41, 57, 73, 90};
constexpr const char* SelectorNames[]{"rateSelector", "channelSelector", "resolutionSelector", "byteSelector"};
constexpr int CheckTop[]{42, 59, 75, 91};
constexpr const char* CheckNames[]{"rateCheck", "channelCheck", "resolutionCheck", "byteCheck"};
constexpr int LabelTop[]{43, 60, 76, 92};

// A table with a row too few would leave that row's entries zero.
template <typename Table>
constexpr bool HasEveryRow = std::extent_v<Table> == CFormatSelectors::RowCount;
static_assert(
    HasEveryRow<
        decltype(SelectorTop)> && HasEveryRow<decltype(SelectorNames)> && HasEveryRow<decltype(CheckTop)> && HasEveryRow<decltype(CheckNames)> && HasEveryRow<decltype(LabelTop)>);

// Rates beyond these (film pull-up and pull-down rates, 176,400 and more) are typed.
constexpr std::array<std::uint32_t, 10> RateValues{8000,  11025, 16000, 22050, 32000,
                                                   44100, 48000, 88200, 96000, 192000};
constexpr std::array<std::uint32_t, 2> ChannelValues{1, 2};
constexpr std::array<std::uint32_t, 3> ResolutionValues{8, 16, 24};
constexpr std::array<std::uint32_t, 4> ByteValues{1, 2, 3, 4};

template <std::size_t N>
std::vector<std::uint32_t> Values(const std::array<std::uint32_t, N>& values)
{
    return {values.begin(), values.end()};
}

}  // namespace

CFormatSelectors::CFormatSelectors(QWidget* window, const CDialogUnits& units) : QObject(window)
{
    std::array<QComboBox*, RowCount> selectors{};
    for (std::size_t row = 0; row < RowCount; ++row) {
        selectors[row] = new QComboBox(window);
        selectors[row]->setObjectName(QString::fromLatin1(SelectorNames[row]));
        CDialogUnits::PlaceCentred(selectors[row], units.Rect(88, SelectorTop[row], 53, 12));
        // A combo box would keep the request for a context menu: it is the window's.
        selectors[row]->setContextMenuPolicy(Qt::NoContextMenu);
    }

    // All four read "Change"; a screen reader needs to tell them apart.
    const QString checkSpokenNames[]{tr("Change sample rate"), tr("Change number of channels"), tr("Change resolution"),
                                     tr("Change bytes per sample")};
    static_assert(HasEveryRow<decltype(checkSpokenNames)>);
    std::array<QCheckBox*, RowCount> checks{};
    for (std::size_t row = 0; row < RowCount; ++row) {
        checks[row] = new QCheckBox(tr("Change"), window);
        checks[row]->setObjectName(QString::fromLatin1(CheckNames[row]));
        checks[row]->setAccessibleName(checkSpokenNames[row]);
        CDialogUnits::PlaceCentred(checks[row], units.Rect(214, CheckTop[row], 46, 10));
    }

    rows[RateRow] = new CFormatRow(
        selectors[RateRow], checks[RateRow], Values(RateValues),
        tr("Choose a rate, or type one from %1 to %2 Hz.")
            .arg(QLocale().toString(CRateValidator::Lowest), QLocale().toString(CRateValidator::Highest)),
        new CRateValidator(this), this);
    rows[ChannelsRow]
        = new CFormatRow(selectors[ChannelsRow], checks[ChannelsRow], Values(ChannelValues), {}, nullptr, this);
    rows[ResolutionRow]
        = new CFormatRow(selectors[ResolutionRow], checks[ResolutionRow], Values(ResolutionValues), {}, nullptr, this);
    rows[BytesRow] = new CFormatRow(selectors[BytesRow], checks[BytesRow], Values(ByteValues), {}, nullptr, this);
    for (CFormatRow* row : rows)
        connect(row, &CFormatRow::Changed, this, &CFormatSelectors::Changed);

    const QString labelTexts[]{tr("Sample Rate:"), tr("No. Channels:"), tr("Resolution:"), tr("Bits per sample:")};
    static_assert(HasEveryRow<decltype(labelTexts)>);
    for (std::size_t row = 0; row < RowCount; ++row) {
        labels[row] = new QLabel(labelTexts[row], window);
        labels[row]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // Names the selector (and the field a rate is typed in) for assistive technology.
        labels[row]->setBuddy(selectors[row]);
        if (QLineEdit* typed = selectors[row]->lineEdit())
            typed->setAccessibleName(labelTexts[row]);
    }
    PlaceLabels(units, units.X(53));
    SetAllFlags(true);
}

CFormatSelectors::~CFormatSelectors() = default;

void CFormatSelectors::ShowFormat(const WaveFormat* format)
{
    // Values the last load could not read belong to no file: none of them is shown.
    if (format == nullptr) {
        for (CFormatRow* row : rows)
            row->Show(std::nullopt, tr("The header of this file could not be read: it has no value to show."));
        return;
    }
    const QLocale locale;
    rows[RateRow]->Show(format->sampleRate,
                        tr("This file's sample rate, %1 Hz, is not one of the choices. Type a rate, or untick "
                           "its Change box to keep each file's own sample rate.")
                            .arg(locale.toString(format->sampleRate)));
    rows[ChannelsRow]->Show(format->channels,
                            tr("This file has %Ln channels, which is not one of the choices. Untick its Change "
                               "box to keep each file's own number of channels.",
                               "", format->channels));
    rows[ResolutionRow]->Show(format->bitsPerSample,
                              tr("This file's resolution, %1 bit, is not one of the choices. Untick its Change "
                                 "box to keep each file's own resolution.")
                                  .arg(locale.toString(format->bitsPerSample)));
    // A file may name zero channels: its bytes per sample are undefined then.
    // A block alignment that is no whole number of bytes per channel is named as it is.
    const bool whole = format->channels != 0 && format->blockAlign % format->channels == 0;
    const QString bytes = whole
        ? locale.toString(format->blockAlign / format->channels)
        : tr("block alignment %1 for %Ln channels", "", format->channels).arg(locale.toString(format->blockAlign));
    rows[BytesRow]->Show(format->channels == 0 ? std::nullopt
                                               : std::optional<std::uint32_t>(format->blockAlign / format->channels),
                         tr("This file's bytes per sample, %1, is not one of the choices. Untick its Change box "
                            "to keep each file's own bytes per sample.")
                             .arg(bytes));
}

QString CFormatSelectors::Reasons() const
{
    QStringList reasons;
    for (const CFormatRow* row : rows) {
        if (row->Flag() && row->IsUndefined())
            reasons << row->Reason();
    }
    return reasons.join(QLatin1Char('\n'));
}

bool CFormatSelectors::AnyFlag() const
{
    return std::any_of(rows.begin(), rows.end(), [](const CFormatRow* row) { return row->Flag(); });
}

bool CFormatSelectors::HoldsChangeBack() const
{
    return std::any_of(rows.begin(), rows.end(),
                       [](const CFormatRow* row) { return row->Flag() && row->IsUndefined(); });
}

void CFormatSelectors::SetAllFlags(bool on)
{
    for (CFormatRow* row : rows)
        row->SetFlag(on);
}

void CFormatSelectors::SetLocked(bool locked)
{
    for (CFormatRow* row : rows)
        row->SetLocked(locked);
}

HeaderChangeRequest CFormatSelectors::BuildRequest(const WaveFormat& shown) const
{
    HeaderChangeRequest request;
    request.sampleRate = rows[RateRow]->Chosen().value_or(shown.sampleRate);
    request.channels = static_cast<std::uint16_t>(rows[ChannelsRow]->Chosen().value_or(shown.channels));
    request.bitsPerSample = static_cast<std::uint16_t>(rows[ResolutionRow]->Chosen().value_or(shown.bitsPerSample));
    // Bytes per sample of one channel times the channel count settled above.
    const auto bytes = rows[BytesRow]->Chosen();
    request.blockAlign = bytes ? static_cast<std::uint16_t>(*bytes * request.channels) : shown.blockAlign;

    request.changeSampleRate = rows[RateRow]->Flag();
    request.changeChannels = rows[ChannelsRow]->Flag();
    request.changeBitsPerSample = rows[ResolutionRow]->Flag();
    request.changeBlockAlign = rows[BytesRow]->Flag();
    return request;
}

std::array<bool, CFormatSelectors::RowCount> CFormatSelectors::Untouched() const
{
    std::array<bool, RowCount> untouched{};
    for (std::size_t row = 0; row < RowCount; ++row)
        untouched[row] = rows[row]->ShowsOwnValue();
    return untouched;
}

int CFormatSelectors::LabelWidth() const
{
    int width = 0;
    for (const QLabel* label : labels)
        width = std::max(width, label->sizeHint().width());
    return width;
}

void CFormatSelectors::PlaceLabels(const CDialogUnits& units, int width)
{
    for (std::size_t row = 0; row < RowCount; ++row) {
        const QRect cell = units.Rect(19, LabelTop[row], 53, 8);
        CDialogUnits::PlaceCentred(labels[row], QRect(cell.topLeft(), QSize(width, cell.height())));
    }
}
