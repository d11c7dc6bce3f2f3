#pragma once

#include "wave/HeaderChangeRequest.h"
#include "wave/WaveFormat.h"

#include <QObject>

#include <array>

class CDialogUnits;
class CFormatRow;
class QLabel;
class QWidget;

// The main window's four format rows (sample rate, channels, resolution and
// bytes per sample): what they show of a file, which fields are flagged, and
// the change request they make.
class CFormatSelectors : public QObject {
    Q_OBJECT

public:
    enum Row { RateRow, ChannelsRow, ResolutionRow, BytesRow, RowCount };

    // Creates the rows' controls on window at their template places: the four
    // selectors, then the four Change boxes (so Tab visits them in this
    // order), then the row labels. All flags start set; nothing is shown.
    CFormatSelectors(QWidget* window, const CDialogUnits& units);
    ~CFormatSelectors() override;

    // Shows the file's values; without a format (the header could not be
    // read) every row shows "undefined".
    void ShowFormat(const WaveFormat* format);

    bool AnyFlag() const;
    // A flagged row stands on "undefined": Change would have no value to write.
    bool HoldsChangeBack() const;
    // Why HoldsChangeBack, one line per row.
    QString Reasons() const;
    void SetAllFlags(bool on);
    void SetLocked(bool locked);

    // The request for the values chosen, starting from the file shown: a row
    // without a chosen value keeps that file's own.
    HeaderChangeRequest BuildRequest(const WaveFormat& shown) const;

    // Per row: the selector still shows the shown file's own value.
    std::array<bool, RowCount> Untouched() const;

    // The widest label's natural width; PlaceLabels puts them in a first
    // column that wide.
    int LabelWidth() const;
    void PlaceLabels(const CDialogUnits& units, int width);

signals:
    // A value was chosen or a flag changed.
    void Changed();

private:
    std::array<CFormatRow*, RowCount> rows{};
    std::array<QLabel*, RowCount> labels{};
};
