#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "SourceQueue.h"

using namespace tavoclip;

namespace {

// A view that mirrors the queue only through the listener calls, the way the
// window's list does.
class MirrorView : public SourceQueueListener {
public:
    explicit MirrorView(const SourceQueue& queue) : queue_(queue) {}
    void SourceAppended(std::size_t index) override
    {
        EXPECT_EQ(index, rows.size());
        rows.push_back(queue_.at(index).path);
    }
    void SourceRemoved(std::size_t index) override
    {
        ASSERT_LT(index, rows.size());
        rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(index));
    }
    void EmptyPromptUpdated(bool visible) override { promptVisible = visible; }

    std::vector<std::string> rows;
    bool promptVisible = true;

private:
    const SourceQueue& queue_;
};

std::vector<std::string> Paths(const SourceQueue& queue)
{
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < queue.count(); ++i) paths.push_back(queue.at(i).path);
    return paths;
}

}  // namespace

TEST(FormatLabel, IsTheUpperCasedTailOfThePath)
{
    EXPECT_EQ(FormatLabel("C:\\v\\clip.flv"), "FLV");
    EXPECT_EQ(FormatLabel("movie.Mpeg"), "PEG");
    EXPECT_EQ(FormatLabel("trailer"), "LER");
    EXPECT_EQ(FormatLabel("x.ts"), ".TS");
    EXPECT_EQ(FormatLabel("  clip.flv  "), "FLV");
    EXPECT_EQ(FormatLabel("ab"), "AB");
    EXPECT_EQ(FormatLabel(""), "");
    // Characters, not bytes: a UTF-8 letter is never cut in half.
    EXPECT_EQ(FormatLabel("/v/vidéo.mkvé"), "KVé");
    EXPECT_EQ(FormatLabel("日本語"), "日本語");
    EXPECT_EQ(FormatLabel("x日本語"), "日本語");
}

TEST(SourceQueue, AppendsRemovesAndShowsThePrompt)
{
    SourceQueue queue;
    MirrorView view(queue);
    queue.AddListener(&view);

    queue.AppendSource("/a.flv");
    queue.AppendSource("/a.flv");  // duplicates are admitted
    queue.AppendSource("/notes.txt");
    queue.UpdateEmptyPrompt();
    EXPECT_FALSE(view.promptVisible);
    EXPECT_EQ(queue.at(2).formatLabel, "TXT");
    EXPECT_EQ(queue.head(), "/a.flv");

    queue.RemoveSourceAt(0);  // row 0 names no row
    queue.RemoveSourceAt(4);  // past the end
    EXPECT_EQ(queue.count(), 3u);

    queue.RemoveSourceAt(2);
    EXPECT_EQ(Paths(queue), (std::vector<std::string>{"/a.flv", "/notes.txt"}));
    queue.RemoveFirstSource();
    queue.RemoveFirstSource();
    EXPECT_TRUE(view.promptVisible);
    queue.RemoveFirstSource();  // on an empty queue: nothing happens
    EXPECT_TRUE(queue.empty());
    EXPECT_TRUE(view.rows.empty());
}

TEST(SourceQueue, ClearRemovesOnlyWhatWasThereAtTheStart)
{
    SourceQueue queue;
    MirrorView view(queue);
    queue.AddListener(&view);
    for (int i = 0; i < 5; ++i) queue.AppendSource("/f" + std::to_string(i));

    int calls = 0;
    queue.ClearSources([&] {
        // A drop arriving while the list empties joins the end and survives.
        if (++calls == 2) queue.AppendSource("/dropped");
    });
    EXPECT_EQ(calls, 5);
    EXPECT_EQ(Paths(queue), (std::vector<std::string>{"/dropped"}));
    EXPECT_EQ(view.rows, Paths(queue));
    EXPECT_FALSE(view.promptVisible);

    queue.ClearSources();
    EXPECT_TRUE(queue.empty());
    EXPECT_TRUE(view.promptVisible);
    queue.ClearSources();  // an empty list stays empty, prompt visible
    EXPECT_TRUE(view.promptVisible);
}

TEST(SourceQueue, RandomOperationsKeepTheViewEqualToAReferenceList)
{
    std::mt19937 random(20261209);
    SourceQueue queue;
    MirrorView view(queue);
    queue.AddListener(&view);
    std::vector<std::string> reference;

    for (int step = 0; step < 5000; ++step) {
        const int operation = static_cast<int>(random() % 10);
        if (operation < 5) {
            const std::string path = "/p/" + std::to_string(random() % 50) + ".flv";
            queue.AppendSource(path);
            reference.push_back(path);
        } else if (operation < 7) {
            queue.RemoveFirstSource();
            if (!reference.empty()) reference.erase(reference.begin());
        } else if (operation < 9) {
            const std::size_t row = random() % (reference.size() + 2);
            queue.RemoveSourceAt(row);
            if (row >= 1 && row <= reference.size())
                reference.erase(reference.begin() + static_cast<std::ptrdiff_t>(row - 1));
        } else if (random() % 20 == 0) {
            queue.ClearSources();
            reference.clear();
        }
        queue.UpdateEmptyPrompt();
        ASSERT_EQ(Paths(queue), reference) << "step " << step;
        ASSERT_EQ(view.rows, reference) << "step " << step;
        ASSERT_EQ(view.promptVisible, reference.empty());
    }
}

TEST(SourceQueue, HoldsAMillionEntries)
{
    SourceQueue queue;
    for (int i = 0; i < 1'000'000; ++i) queue.AppendSource("/videos/clip" + std::to_string(i) + ".flv");
    EXPECT_EQ(queue.count(), 1'000'000u);
    for (int i = 0; i < 1'000; ++i) queue.RemoveFirstSource();
    EXPECT_EQ(queue.head(), "/videos/clip1000.flv");
}

TEST(SourceQueue, RemovedListenersHearNothing)
{
    SourceQueue queue;
    MirrorView view(queue);
    queue.AddListener(&view);
    queue.RemoveListener(&view);
    queue.AppendSource("/x");
    EXPECT_TRUE(view.rows.empty());
}
