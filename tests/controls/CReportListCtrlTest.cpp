#include "controls/CDragHeaderCtrl.h"
#include "controls/CReportListCtrl.h"

#include <QApplication>
#include <QLineEdit>
#include <QPaintEvent>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using Place = CDragHeaderCtrl::DropPlace;

TEST(CDragHeaderCtrl, DropPositionComesFromTheWidths)
{
    const std::vector<int> widths{100, 50, 80};
    const auto at = [&](int x) { return CDragHeaderCtrl::FindDropPosition(widths, x); };
    const auto expect = [](Place got, int position, int left) {
        EXPECT_EQ(got.position, position);
        EXPECT_EQ(got.left, left);
    };
    expect(at(-5), 0, 0);
    expect(at(0), 0, 0);
    expect(at(99), 0, 0);
    expect(at(100), 1, 100);
    expect(at(149), 1, 100);
    expect(at(229), 2, 150);
    expect(at(230), 3, 230);
    expect(at(5000), 3, 230);
    expect(CDragHeaderCtrl::FindDropPosition({}, 10), 0, 0);
}

// Columns A (left, 50), B (right, 60), C (centred, 70) over three rows.
std::unique_ptr<CReportListCtrl> MakeList()
{
    auto list = std::make_unique<CReportListCtrl>();
    list->InsertColumn(0, Qt::AlignLeft, 50, "A");
    list->InsertColumn(1, Qt::AlignRight, 60, "B");
    list->InsertColumn(2, Qt::AlignHCenter, 70, "C");
    for (int row = 0; row < 3; ++row) {
        const QString n = QString::number(row);
        list->InsertItem(row, "a" + n, 100 + row);
        list->SetItemText(row, 1, "b" + n);
        list->SetItemText(row, 2, "c" + n);
    }
    return list;
}

// Header texts, then each row's texts, as one string: "BAC|b0a0c0|...".
QString Layout(const CReportListCtrl& list)
{
    QString out;
    for (int c = 0; c < list.ColumnCount(); ++c)
        out += list.ColumnText(c);
    for (int r = 0; r < list.ItemCount(); ++r) {
        out += '|';
        for (int c = 0; c < list.ColumnCount(); ++c)
            out += list.ItemText(r, c);
    }
    return out;
}

struct Column {
    QString text;
    int width;
    Qt::Alignment format;
};

std::vector<Column> Columns(const CReportListCtrl& list)
{
    std::vector<Column> columns;
    for (int c = 0; c < list.ColumnCount(); ++c)
        columns.push_back({list.ColumnText(c), list.columnWidth(c), list.ColumnFormat(c)});
    return columns;
}

TEST(CReportListCtrl, MoveColumnCarriesEverythingOfTheColumn)
{
    struct Case {
        int from, to;
        const char* layout;
    };
    for (const Case& move : {Case{0, 2, "BAC|b0a0c0|b1a1c1|b2a2c2"}, Case{2, 0, "CAB|c0a0b0|c1a1b1|c2a2b2"},
                             Case{0, 3, "BCA|b0c0a0|b1c1a1|b2c2a2"}, Case{1, 0, "BAC|b0a0c0|b1a1c1|b2a2c2"}}) {
        SCOPED_TRACE(testing::Message() << move.from << " -> " << move.to);
        const auto list = MakeList();
        const auto before = Columns(*list);
        list->MoveColumn(move.from, move.to);
        EXPECT_EQ(Layout(*list), move.layout);
        for (const Column& column : before) {
            int now = 0;
            while (now < list->ColumnCount() && list->ColumnText(now) != column.text)
                ++now;
            EXPECT_EQ(list->columnWidth(now), column.width) << column.text.toStdString();
            EXPECT_EQ(list->ColumnFormat(now), column.format) << column.text.toStdString();
        }
        for (int row = 0; row < 3; ++row)
            EXPECT_EQ(list->ItemData(row), 100 + row);
    }
}

TEST(CReportListCtrl, MovesOntoTheSamePlaceOrOutOfRangeChangeNothing)
{
    const auto list = MakeList();
    for (const auto& [from, to] : std::vector<std::pair<int, int>>{{1, 1}, {1, 2}, {-1, 0}, {3, 0}, {0, 4}}) {
        list->MoveColumn(from, to);
        EXPECT_EQ(Layout(*list), "ABC|a0b0c0|a1b1c1|a2b2c2");
    }
}

// A shown list with a header that takes the drag.
class ReportListWindow : public testing::Test {
protected:
    void SetUp() override
    {
        list = MakeList();
        list->resize(400, 200);
        list->SetHighlightMode(CReportListCtrl::HighlightRow);
        list->EnableColumnDrag(1);
        list->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list.get()));
        header = list->Header()->viewport();
    }

    QPoint HeaderPoint(int x) const { return {x, header->height() / 2}; }

    void Drag(int fromX, const std::vector<int>& path)
    {
        QTest::mousePress(header, Qt::LeftButton, {}, HeaderPoint(fromX));
        for (int x : path)
            MoveWithButton(x);
        QTest::mouseRelease(header, Qt::LeftButton, {}, HeaderPoint(path.empty() ? fromX : path.back()));
    }

    void MoveWithButton(int x)
    {
        // QTest::mouseMove carries no buttons; the header needs to see the left one held.
        QMouseEvent move(QEvent::MouseMove, HeaderPoint(x), header->mapToGlobal(HeaderPoint(x)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(header, &move);
    }

    std::unique_ptr<CReportListCtrl> list;
    QWidget* header = nullptr;
};

TEST_F(ReportListWindow, DraggingAHeaderMovesTheColumn)
{
    QTest::mousePress(header, Qt::LeftButton, {}, HeaderPoint(20));
    EXPECT_TRUE(list->Header()->IsDragPending());
    MoveWithButton(30);
    EXPECT_TRUE(list->Header()->IsDragging());
    MoveWithButton(150);  // over C: in front of it
    EXPECT_EQ(list->Header()->DropTarget(), 2);
    const int h = header->height();
    EXPECT_EQ(list->Header()->MarkerRect(), QRect(QPoint(110 - h / 4 - 1, h - h / 2 - 1), QPoint(110 + h / 4, h)));
    QTest::mouseRelease(header, Qt::LeftButton, {}, HeaderPoint(150));
    EXPECT_FALSE(list->Header()->IsDragging());
    EXPECT_TRUE(list->Header()->MarkerRect().isNull());
    EXPECT_EQ(Layout(*list), "BAC|b0a0c0|b1a1c1|b2a2c2");

    Drag(140, {130, 10});  // C (now at 110..180) to the front
    EXPECT_EQ(Layout(*list), "CBA|c0b0a0|c1b1a1|c2b2a2");
    Drag(10, {20, 350});  // beyond the last column: to the end
    EXPECT_EQ(Layout(*list), "BAC|b0a0c0|b1a1c1|b2a2c2");
}

TEST_F(ReportListWindow, DropsOnItsOwnPlaceOrTheNextMoveNothing)
{
    Drag(80, {90, 70});   // B onto itself
    Drag(80, {90, 130});  // B in front of C: where it is
    // The button released without a drag leaves a pending press behind,
    // which the next move without the button ends.
    QTest::mouseClick(header, Qt::LeftButton, {}, HeaderPoint(80));
    QTest::mouseMove(header, HeaderPoint(90));
    EXPECT_FALSE(list->Header()->IsDragPending());
    EXPECT_EQ(Layout(*list), "ABC|a0b0c0|a1b1c1|a2b2c2");
    EXPECT_EQ(list->columnWidth(1), 60);
}

TEST_F(ReportListWindow, PressOnADividerResizesAndStartsNoDrag)
{
    Drag(50, {55, 70, 90});
    EXPECT_EQ(Layout(*list), "ABC|a0b0c0|a1b1c1|a2b2c2");
    EXPECT_GT(list->columnWidth(0), 50);
}

TEST_F(ReportListWindow, AHeaderClickChangesNothing)
{
    list->EnableColumnDrag(0);
    Drag(80, {90, 150});  // no dragging while disabled
    QTest::mouseClick(header, Qt::LeftButton, {}, HeaderPoint(20));
    QTest::mouseClick(header, Qt::LeftButton, {}, HeaderPoint(80));
    EXPECT_EQ(Layout(*list), "ABC|a0b0c0|a1b1c1|a2b2c2");
    EXPECT_FALSE(list->Header()->isSortIndicatorShown());
    EXPECT_FALSE(list->selectionModel()->hasSelection());
}

// A window with the list and a line edit to take the focus away.
class ReportListFocus : public testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&window);
        list = new CReportListCtrl;
        other = new QLineEdit;
        layout->addWidget(list);
        layout->addWidget(other);
        list->InsertColumn(0, Qt::AlignHCenter, 120, "Name");
        list->InsertColumn(1, Qt::AlignHCenter, 80, "Start");
        for (int row = 0; row < 30; ++row) {
            list->InsertItem(row, "W", row);
            list->SetItemText(row, 1, "W");
        }
        list->SetHighlightMode(CReportListCtrl::HighlightRow);
        window.resize(500, 400);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        list->setFocus();
        list->setCurrentIndex(list->model()->index(2, 0));
        QApplication::processEvents();
    }

    QColor Pixel(int row, int x) const
    {
        const QImage image = list->viewport()->grab().toImage();
        const QRect cell = list->visualRect(list->model()->index(row, 0));
        return image.pixelColor(x, cell.center().y() + 3);
    }

    QWidget window;
    CReportListCtrl* list = nullptr;
    QLineEdit* other = nullptr;
};

TEST_F(ReportListFocus, TheSelectedRowIsHighlightedToTheRightEdgeWhileFocused)
{
    ASSERT_TRUE(list->hasFocus());
    const QColor highlight = list->palette().color(QPalette::Highlight);
    const QColor base = list->palette().color(QPalette::Base);
    const int farRight = list->viewport()->width() - 3;  // well right of the last column
    EXPECT_EQ(Pixel(2, farRight), highlight);
    EXPECT_EQ(Pixel(1, farRight), base);

    other->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(Pixel(2, farRight), base);
}

TEST_F(ReportListFocus, ColumnZeroIsLeftAlignedWhateverItsFormat)
{
    other->setFocus();
    QApplication::processEvents();
    const QImage image = list->viewport()->grab().toImage();
    const QRect cell = list->visualRect(list->model()->index(5, 0));
    const QColor base = list->palette().color(QPalette::Base);
    int firstInk = -1;
    int lastInk = -1;
    for (int x = 0; x < 200; ++x)
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            if (image.pixelColor(x, y) != base) {
                lastInk = x;
                if (firstInk < 0)
                    firstInk = x;
            }
    // "W" left in column 0 (0..120), centred in column 1 (120..200).
    EXPECT_GE(firstInk, 0);
    EXPECT_LT(firstInk, 30);
    EXPECT_GT(lastInk, 150);
    EXPECT_LT(lastInk, 175);
}

// Collects the areas the list's rows area is asked to repaint.
class PaintRecorder : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
    QRegion painted;
};

TEST_F(ReportListFocus, AFocusChangeRepaintsOnlyTheFocusedAndSelectedRows)
{
    list->selectionModel()->select(list->model()->index(4, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QApplication::processEvents();
    PaintRecorder recorder;
    list->viewport()->installEventFilter(&recorder);
    other->setFocus();
    QApplication::processEvents();
    list->viewport()->removeEventFilter(&recorder);

    const auto rowArea = [&](int row) {
        const QRect cell = list->visualRect(list->model()->index(row, 0));
        return QRect(0, cell.top(), list->viewport()->width(), cell.height());
    };
    const QRegion allowed = QRegion(rowArea(2)) + rowArea(4);
    EXPECT_FALSE(recorder.painted.isEmpty());
    EXPECT_TRUE((recorder.painted - allowed).isEmpty());
    EXPECT_TRUE(recorder.painted.contains(rowArea(2)));
    EXPECT_TRUE(recorder.painted.contains(rowArea(4)));
}

TEST(CReportListCtrl, HeldBackRowsAppearTogether)
{
    CReportListCtrl list;
    list.InsertColumn(0, Qt::AlignLeft, 80, "Name");
    list.SetRedraw(false);
    list.InsertItem(0, "x", 0);
    list.InsertItem(0, "y", 1);
    list.InsertItem(9, "z", 2);  // beyond the end: appended
    list.InsertColumn(1, Qt::AlignLeft, 40, "More");
    list.SetItemText(0, 1, "y1");
    list.SetRedraw(true);
    EXPECT_EQ(list.model()->rowCount(), 3);
    EXPECT_EQ(list.model()->columnCount(), 2);
    EXPECT_EQ(Layout(list), "NameMore|yy1|x|z");
    EXPECT_EQ(list.ItemData(0), 1);
    EXPECT_EQ(list.columnWidth(0), 80);
    EXPECT_EQ(list.columnWidth(1), 40);
}

} // namespace
