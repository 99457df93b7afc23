#include <QSignalSpy>

#include <gtest/gtest.h>

#include "SourceListModel.h"
#include "SourceListView.h"

using namespace tavoclip;

namespace {
QString Cell(const SourceListModel& model, int row, int column)
{
    return model.data(model.index(row, column)).toString();
}
}  // namespace

TEST(SourceListModelTest, RowsFollowTheQueueInOrder)
{
    SourceQueue queue;
    SourceListModel model(queue);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);

    queue.AppendSource("/v/a.flv");
    queue.AppendSource("/v/b.Mpeg");
    queue.AppendSource("/v/a.flv");
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(Cell(model, 1, SourceListModel::FileNameColumn), "/v/b.Mpeg") << "the full path";
    EXPECT_EQ(Cell(model, 1, SourceListModel::FormatColumn), "PEG");
    EXPECT_EQ(Cell(model, 2, SourceListModel::FileNameColumn), "/v/a.flv") << "duplicates stay";

    queue.RemoveFirstSource();
    queue.RemoveSourceAt(2);
    queue.RemoveSourceAt(0);
    ASSERT_EQ(model.rowCount(), 1);
    EXPECT_EQ(Cell(model, 0, SourceListModel::FileNameColumn), "/v/b.Mpeg");
    EXPECT_EQ(inserted.size(), 3);
    EXPECT_EQ(removed.size(), 2);
    EXPECT_FALSE(model.data(model.index(5, 0)).isValid());
}

TEST(SourceListModelTest, ReportsThePromptAndTheHeaders)
{
    SourceQueue queue;
    SourceListModel model(queue);
    QSignalSpy prompt(&model, &SourceListModel::emptyPromptUpdated);
    queue.AppendSource("clip.flv");
    queue.UpdateEmptyPrompt();
    queue.ClearSources();
    ASSERT_EQ(prompt.size(), 2);
    EXPECT_FALSE(prompt[0][0].toBool());
    EXPECT_TRUE(prompt[1][0].toBool());
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "FileName");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Format");
}

TEST(SourceListViewTest, SelectedRowsCountFromOne)
{
    SourceQueue queue;
    SourceListModel model(queue);
    SourceListView view;
    view.setModel(&model);
    for (const char* path : {"a.flv", "b.flv", "c.flv"})
        queue.AppendSource(path);
    view.selectionModel()->select(model.index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    view.selectionModel()->select(model.index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_EQ(view.SelectedRows(), (std::vector<std::size_t>{1, 3}));
}
