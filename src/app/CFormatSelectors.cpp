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

namespace {

constexpr std::array<int, CFormatSelectors::RowCount> SelectorTop{41, 57, 73, 90};
constexpr std::array<const char*, CFormatSelectors::RowCount> SelectorNames{"rateSelector", "channelSelector",
                                                                            "resolutionSelector", "byteSelector"};
constexpr std::array<int, CFormatSelectors::RowCount> CheckTop{42, 59, 75, 91};
constexpr std::array<const char*, CFormatSelectors::RowCount> CheckNames{"rateCheck", "channelCheck",
                                                                         "resolutionCheck", "byteCheck"};
constexpr std::array<int, CFormatSelectors::RowCount> LabelTop{43, 60, 76, 92};

} // namespace

CFormatSelectors::CFormatSelectors(QWidget* window, const CDialogUnits& units)
    : QObject(window)
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
    const std::array<QString, RowCount> checkSpokenNames{tr("Change sample rate"), tr("Change number of channels"),
                                                         tr("Change resolution"), tr("Change bytes per sample")};
    std::array<QCheckBox*, RowCount> checks{};
    for (std::size_t row = 0; row < RowCount; ++row) {
        checks[row] = new QCheckBox(tr("Change"), window);
        checks[row]->setObjectName(QString::fromLatin1(CheckNames[row]));
        checks[row]->setAccessibleName(checkSpokenNames[row]);
        CDialogUnits::PlaceCentred(checks[row], units.Rect(214, CheckTop[row], 46, 10));
    }

    // Rates beyond the ten items (film pull-up and pull-down rates, 176,400 and more) are typed.
    rows[RateRow] = new CFormatRow(selectors[RateRow], checks[RateRow],
                                   {8000, 11025, 16000, 22050, 32000, 44100, 48000, 88200, 96000, 192000},
                                   {QStringLiteral("8,000"), QStringLiteral("11,025"), QStringLiteral("16,000"),
                                    QStringLiteral("22,050"), QStringLiteral("32,000"), QStringLiteral("44,100"),
                                    QStringLiteral("48,000"), QStringLiteral("88,200"), QStringLiteral("96,000"),
                                    QStringLiteral("192,000")},
                                   tr("Choose a rate, or type one from 1,000 to 1,000,000 Hz."),
                                   new CRateValidator(this), this);
    rows[ChannelsRow] = new CFormatRow(selectors[ChannelsRow], checks[ChannelsRow], {1, 2},
                                       {QStringLiteral("1"), QStringLiteral("2")}, {}, nullptr, this);
    rows[ResolutionRow] = new CFormatRow(selectors[ResolutionRow], checks[ResolutionRow], {8, 16, 24},
                                         {QStringLiteral("8"), QStringLiteral("16"), QStringLiteral("24")}, {},
                                         nullptr, this);
    rows[BytesRow] = new CFormatRow(selectors[BytesRow], checks[BytesRow], {1, 2, 3, 4},
                                    {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")},
                                    {}, nullptr, this);
    for (CFormatRow* row : rows)
        connect(row, &CFormatRow::Changed, this, &CFormatSelectors::Changed);

    const std::array<QString, RowCount> labelTexts{tr("Sample Rate:"), tr("No. Channels:"), tr("Resolution:"),
                                                   tr("Bits per sample:")};
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
                            tr("This file has %1 channels, which is not one of the choices. Untick its Change "
                               "box to keep each file's own number of channels.")
                                .arg(locale.toString(format->channels)));
    rows[ResolutionRow]->Show(format->bitsPerSample,
                              tr("This file's resolution, %1 bit, is not one of the choices. Untick its Change "
                                 "box to keep each file's own resolution.")
                                  .arg(locale.toString(format->bitsPerSample)));
    // A file may name zero channels: its bytes per sample are undefined then.
    // A block alignment that is no whole number of bytes per channel is named as it is.
    const bool whole = format->channels != 0 && format->blockAlign % format->channels == 0;
    const QString bytes = whole ? locale.toString(format->blockAlign / format->channels)
                                : tr("block alignment %1 for %2 channels")
                                      .arg(locale.toString(format->blockAlign), locale.toString(format->channels));
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
