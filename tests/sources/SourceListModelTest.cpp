#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "SourceListModel.h"
#include "SourceListView.h"

using namespace tavoclip;

namespace {

QString Cell(const QAbstractItemModel& model, int row, int column)
{
    return model.data(model.index(row, column)).toString();
}

// What a view believes the list holds: the rows as each was announced,
// moved only by the announcements. After an announcement it must equal the
// queue, entry for entry.
class ViewMirror {
public:
    explicit ViewMirror(QAbstractItemModel& model)
    {
        for (int row = 0; row < model.rowCount(); ++row)
            rows.push_back(Cell(model, row, 0).toStdString());
        QObject::connect(&model, &QAbstractItemModel::rowsInserted, [this, &model](const QModelIndex&, int first, int last) {
            for (int row = first; row <= last; ++row)
                rows.insert(rows.begin() + row, Cell(model, row, 0).toStdString());
        });
        QObject::connect(&model, &QAbstractItemModel::rowsAboutToBeRemoved,
                         [this](const QModelIndex&, int first, int last) {
                             rows.erase(rows.begin() + first, rows.begin() + last + 1);
                         });
    }
    std::vector<std::string> rows;
};

std::vector<std::string> Paths(const SourceQueue& queue)
{
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < queue.count(); ++i)
        paths.push_back(queue.at(i).path);
    return paths;
}

}  // namespace

TEST(SourceListModelTest, AnActionsChangesReachTheViewTogetherAtItsEnd)
{
    SourceQueue queue;
    SourceListModel model(queue);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);

    queue.AppendSource("/v/a.flv");
    queue.AppendSource("/v/b.Mpeg");
    queue.AppendSource("/v/a.flv");
    EXPECT_EQ(model.rowCount(), 0) << "not announced before the action ends";
    EXPECT_TRUE(model.HasPendingChanges());
    queue.UpdateEmptyPrompt();

    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(inserted.size(), 1) << "one announcement for the whole action";
    EXPECT_EQ(Cell(model, 1, SourceListModel::FileNameColumn), "/v/b.Mpeg") << "the full path";
    EXPECT_EQ(Cell(model, 1, SourceListModel::FormatColumn), "PEG");
    EXPECT_EQ(Cell(model, 2, SourceListModel::FileNameColumn), "/v/a.flv") << "duplicates stay";
    EXPECT_FALSE(model.data(model.index(5, 0)).isValid());
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "FileName");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Format");
}

TEST(SourceListModelTest, RemovedHeadRowsShowBlankUntilAnnouncedAndOtherRemovalsKeepRowsRight)
{
    SourceQueue queue;
    SourceListModel model(queue);
    for (const char* path : {"a.flv", "b.flv", "c.flv", "d.flv", "e.flv"})
        queue.AppendSource(path);
    model.Flush();
    ViewMirror view(model);

    int removals = 0;
    queue.ClearSources([&] {
        if (++removals == 2) {
            EXPECT_EQ(model.rowCount(), 5);
            EXPECT_FALSE(model.data(model.index(1, 0)).isValid()) << "b has gone";
            EXPECT_EQ(Cell(model, 2, 0), "c.flv") << "c is still on its row";
            queue.RemoveSourceAt(2);  // d, while two head removals wait
            EXPECT_EQ(view.rows, (std::vector<std::string>{"c.flv", "e.flv"}));
            queue.AppendSource("late1.flv");
            queue.AppendSource("late2.flv");
        }
    });
    // Five removals from the head, fixed at the start: a, b, c, e, late1.
    EXPECT_EQ(view.rows, std::vector<std::string>{"late2.flv"});
    EXPECT_EQ(Paths(queue), view.rows);
}

TEST(SourceListModelTest, PendingChangesAreAnnouncedSoonWhileEventsRun)
{
    SourceQueue queue;
    SourceListModel model(queue);
    queue.AppendSource("a.flv");
    EXPECT_TRUE(QTest::qWaitFor([&] { return model.rowCount() == 1; }, 2000));
    queue.ClearSources();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_FALSE(model.HasPendingChanges());
}

TEST(SourceListModelTest, ViewMatchesTheQueueAfterAnyMixOfChanges)
{
    SourceQueue queue;
    SourceListModel model(queue);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    ViewMirror view(model);
    std::mt19937 random(7);
    int next = 0;
    const auto append = [&] { queue.AppendSource("f" + std::to_string(next++) + ".flv"); };
    for (int round = 0; round < 20; ++round) {
        for (int i = 0; i < 40; ++i)
            append();
        // Clearing leaves head removals pending; appends, removals of any
        // row and announcements happen in between, as nested actions would.
        queue.ClearSources([&] {
            const unsigned choice = random() % 10;
            if (choice < 4) {
                append();
            } else if (choice < 6) {
                queue.RemoveSourceAt(random() % (queue.count() + 2));
                ASSERT_EQ(view.rows, Paths(queue));
            } else if (choice == 6) {
                model.Flush();
                ASSERT_EQ(view.rows, Paths(queue));
            }
        });
        ASSERT_EQ(view.rows, Paths(queue)) << "round " << round;
    }
}

TEST(SourceListViewTest, TheSelectedRowCountsFromOneAndNoneIsZero)
{
    SourceQueue queue;
    SourceListModel model(queue);
    SourceListView view;
    view.setModel(&model);
    for (const char* path : {"a.flv", "b.flv", "c.flv"})
        queue.AppendSource(path);
    queue.UpdateEmptyPrompt();
    EXPECT_EQ(view.CurrentRow(), 0u);
    view.setCurrentIndex(model.index(2, 0));
    EXPECT_EQ(view.CurrentRow(), 3u);
    view.selectionModel()->clearSelection();
    EXPECT_EQ(view.CurrentRow(), 0u) << "a current row that is not highlighted is not the selection";
}
