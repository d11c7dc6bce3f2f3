#include "controls/CReportListCtrl.h"
#include "controls/CDragHeaderCtrl.h"

#include "GuiTest.h"

#include <QApplication>
#include <QLineEdit>
#include <QPaintEvent>
#include <QVBoxLayout>

#include <tuple>
#include <vector>

namespace {

TEST(CDragHeaderCtrl, DropPositionComesFromTheWidths)
{
    // x, then the expected position and its left edge, over widths 100, 50, 80.
    for (const auto& [x, position, left] : std::vector<std::tuple<int, int, int>>{
             {-5, 0, 0}, {99, 0, 0}, {100, 1, 100}, {149, 1, 100}, {229, 2, 150}, {230, 3, 230}, {5000, 3, 230}}) {
        const auto place = CDragHeaderCtrl::FindDropPosition({100, 50, 80}, x);
        EXPECT_EQ(std::pair(place.position, place.left), std::pair(position, left)) << x;
    }
    EXPECT_EQ(CDragHeaderCtrl::FindDropPosition({}, 10).position, 0);
}

const Qt::Alignment formats[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};

// Columns A (left, 50), B (right, 60), C (centred, 70) over rows "a0 b0 c0", ...
void Fill(CReportListCtrl& list)
{
    for (int c = 0; c < 3; ++c)
        list.InsertColumn(c, formats[c], 50 + 10 * c, QString(QChar('A' + c)));
    for (int row = 0; row < 3; ++row) {
        list.InsertItem(row, "a" + QString::number(row), 100 + row);
        for (int c = 1; c < 3; ++c)
            list.SetItemText(row, c, QChar('a' + c) + QString::number(row));
    }
}

// Header texts, then each row's texts, as one string: "BAC|b0a0c0|...".
QString Layout(const CReportListCtrl& list)
{
    QString out;
    for (int r = -1; r < list.ItemCount(); ++r)
        for (int c = 0; c < list.ColumnCount(); ++c)
            out += (r >= 0 && c == 0 ? "|" : "") + (r < 0 ? list.ColumnText(c) : list.ItemText(r, c));
    return out;
}

const char* const unmoved = "ABC|a0b0c0|a1b1c1|a2b2c2";

TEST(CReportListCtrl, MoveColumnCarriesTextsWidthAndFormat)
{
    for (const auto& [from, to, layout] :
         std::vector<std::tuple<int, int, const char*>>{{0, 2, "BAC|b0a0c0|b1a1c1|b2a2c2"},
                                                        {2, 0, "CAB|c0a0b0|c1a1b1|c2a2b2"},
                                                        {0, 3, "BCA|b0c0a0|b1c1a1|b2c2a2"},
                                                        {1, 1, unmoved},
                                                        {1, 2, unmoved},
                                                        {-1, 0, unmoved},
                                                        {3, 0, unmoved},
                                                        {0, 4, unmoved}}) {
        SCOPED_TRACE(testing::Message() << from << " -> " << to);
        CReportListCtrl list;
        Fill(list);
        list.MoveColumn(from, to);
        EXPECT_EQ(Layout(list), layout);
        for (int c = 0; c < 3; ++c) {
            const auto was = static_cast<std::size_t>(list.ColumnText(c).at(0).unicode() - 'A');
            EXPECT_EQ(list.columnWidth(c), 50 + 10 * static_cast<int>(was));
            EXPECT_EQ(list.ColumnFormat(c), formats[was]);
        }
        EXPECT_EQ(list.ItemData(2), 102);
    }
}

TEST(CReportListCtrl, HeldBackRowsAppearTogether)
{
    CReportListCtrl list;
    list.InsertColumn(0, Qt::AlignLeft, 80, "Name");
    list.InsertItem(0, "x", 0);
    list.doItemsLayout();  // the view has seen one row
    list.SetRedraw(false);
    list.InsertItem(0, "y", 1);
    list.InsertItem(9, "z", 2);  // beyond the end: appended
    list.SetRedraw(true);
    EXPECT_EQ(Layout(list), "Name|y|x|z");
    EXPECT_EQ(list.ItemData(0), 1);
    EXPECT_TRUE(list.visualRect(list.model()->index(2, 0)).isValid());
    EXPECT_EQ(list.columnWidth(0), 80);
}

// The list shown in a window, with a line edit to take the focus away.
class ReportList : public testing::Test {
protected:
    void SetUp() override
    {
        Fill(*list);
        list->SetHighlightMode(CReportListCtrl::HighlightRow);
        list->EnableColumnDrag(1);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(list);
        layout->addWidget(other);
        window.resize(400, 200);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QPoint At(int x) const { return {x, header->height() / 2}; }

    // QTest::mouseMove carries no buttons; the header needs to see the left one held.
    void MoveWithButton(int x)
    {
        QMouseEvent move(QEvent::MouseMove, At(x), header->mapToGlobal(At(x)), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(header, &move);
    }

    void Drag(int fromX, const std::vector<int>& path)
    {
        QTest::mousePress(header, Qt::LeftButton, {}, At(fromX));
        for (int x : path)
            MoveWithButton(x);
        QTest::mouseRelease(header, Qt::LeftButton, {}, At(path.back()));
    }

    QWidget window;
    CReportListCtrl* list = new CReportListCtrl(&window);
    QLineEdit* other = new QLineEdit(&window);
    QWidget* header = list->Header()->viewport();
};

TEST_F(ReportList, DraggingAHeaderMovesTheColumnOnlyWhenItLandsElsewhere)
{
    QTest::mousePress(header, Qt::LeftButton, {}, At(20));
    MoveWithButton(30);
    EXPECT_TRUE(list->Header()->IsDragging());
    MoveWithButton(150);  // over C: in front of it
    EXPECT_EQ(list->Header()->DropTarget(), 2);
    const int h = header->height();
    EXPECT_EQ(list->Header()->MarkerRect(), QRect(QPoint(110 - h / 4 - 1, h - h / 2 - 1), QPoint(110 + h / 4, h)));
    QTest::mouseRelease(header, Qt::LeftButton, {}, At(150));
    EXPECT_TRUE(list->Header()->MarkerRect().isNull());
    EXPECT_EQ(Layout(*list), "BAC|b0a0c0|b1a1c1|b2a2c2");

    Drag(140, {130, 10});  // C (now at 110..180) to the front
    EXPECT_EQ(Layout(*list), "CBA|c0b0a0|c1b1a1|c2b2a2");
    Drag(10, {20, 350});  // beyond the last column: to the end
    EXPECT_EQ(Layout(*list), "BAC|b0a0c0|b1a1c1|b2a2c2");
    Drag(10, {20, 130});  // B back in front of C

    // Drops in place, divider presses, clicks and disabled drags move nothing.
    Drag(80, {90, 70});  // B onto itself
    Drag(80, {90, 130});  // B in front of C: where it is
    // A click leaves a pending press behind, which the next move without the button ends.
    QTest::mouseClick(header, Qt::LeftButton, {}, At(80));
    QTest::mouseMove(header, At(90));
    EXPECT_FALSE(list->Header()->IsDragPending());
    EXPECT_EQ(Layout(*list), unmoved);

    Drag(50, {55, 70, 90});  // on the divider: resizes
    EXPECT_EQ(Layout(*list), unmoved);
    EXPECT_GT(list->columnWidth(0), 50);
    list->EnableColumnDrag(0);
    Drag(130, {140, 10});
    EXPECT_EQ(Layout(*list), unmoved);
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

TEST_F(ReportList, TheSelectedRowIsHighlightedToTheRightEdgeWhileFocused)
{
    list->SetColumn(0, Qt::AlignRight, 150, "A");  // row texts of column 0 stay left-aligned
    list->setFocus();
    list->setCurrentIndex(list->model()->index(2, 0));
    QApplication::processEvents();
    const QColor base = list->palette().color(QPalette::Base);
    const auto rowArea = [&](int row) {
        const QRect cell = list->visualRect(list->model()->index(row, 0));
        return QRect(0, cell.top(), list->viewport()->width(), cell.height());
    };
    const auto farRightOf = [&](int row) {  // well right of the last column
        const QImage image = list->viewport()->grab().toImage();
        return image.pixelColor(image.width() - 3, rowArea(row).center().y() + 3);
    };
    EXPECT_EQ(farRightOf(2), list->palette().color(QPalette::Highlight));
    EXPECT_EQ(farRightOf(1), base);

    // Losing the focus repaints the whole width of the row, and not every row.
    QApplication::processEvents();  // what the grabs above left to repaint
    PaintRecorder recorder;
    list->viewport()->installEventFilter(&recorder);
    other->setFocus();
    QApplication::processEvents();
    list->viewport()->removeEventFilter(&recorder);
    EXPECT_TRUE((QRegion(rowArea(2)) - recorder.painted).isEmpty());
    EXPECT_FALSE(recorder.painted.intersects(rowArea(1)));
    EXPECT_EQ(farRightOf(2), base);

    const QImage image = list->viewport()->grab().toImage();
    const auto firstInk = [&](int from) {
        for (int x = from; x < image.width(); ++x)
            for (int y = rowArea(1).top(); y <= rowArea(1).bottom(); ++y)
                if (image.pixelColor(x, y) != base)
                    return x;
        return -1;
    };
    EXPECT_GE(firstInk(0), 0);
    EXPECT_LT(firstInk(0), 30);
    EXPECT_GT(firstInk(150), 180);  // B stays right-aligned in 150..210
}

}  // namespace
