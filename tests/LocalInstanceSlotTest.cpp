// The instance slot on a locked file and a local socket, two slots standing for two starts.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <future>

#include "TempDir.h"
#include "platform/LocalInstanceSlot.h"

namespace tocklet {
namespace {

using Answer = InstanceSlot::Answer;
using std::chrono::milliseconds;

// Asks from another thread while this one serves requests.
Answer AskServed(InstanceSlot& later) {
    auto answer =
        std::async(std::launch::async, [&] { return later.AskToShow(milliseconds(3000)); });
    while (answer.wait_for(milliseconds(5)) != std::future_status::ready) {
        QCoreApplication::processEvents();
    }
    return answer.get();
}

TEST(LocalInstanceSlot, OneHolderServesLaterStartsUntilItLeaves) {
    testing::TempDir dir;
    LocalInstanceSlot running(dir.Path().string(), ":5");
    LocalInstanceSlot later(dir.Path().string(), ":5");
    LocalInstanceSlot otherDisplay(dir.Path().string(), ":6");
    EXPECT_EQ(later.AskToShow(milliseconds(50)), Answer::kNoHolder);
    ASSERT_TRUE(running.TryTake());
    EXPECT_FALSE(later.TryTake());
    EXPECT_TRUE(otherDisplay.TryTake());
    EXPECT_EQ(later.AskToShow(milliseconds(50)), Answer::kSilent);  // not serving yet

    int shown = 0;
    running.Serve([&] { ++shown; });
    EXPECT_EQ(AskServed(later), Answer::kShown);  // also the request queued before
    EXPECT_EQ(shown, 2);

    running.Leave();
    EXPECT_EQ(later.AskToShow(milliseconds(50)), Answer::kNoHolder);
    EXPECT_FALSE(later.TryTake());
    running.Release();
    EXPECT_TRUE(later.TryTake());
    later.Serve([&] { ++shown; });
    EXPECT_FALSE(running.TryTake());
    EXPECT_EQ(AskServed(running), Answer::kShown);
}

TEST(LocalInstanceSlot, DisplayKeys) {
    struct Row {
        const char *display, *wayland, *key;
    };
    for (const Row& row :
         {Row{":0", nullptr, ":0"}, Row{":0.1", "wayland-0", ":0"}, Row{"unix:0.0", nullptr, ":0"},
          Row{"localhost:10.0", nullptr, "localhost:10"},
          Row{"/tmp/launch-x/org.x:0", nullptr, "_tmp_launch-x_org.x:0"},
          Row{"", "wayland-1", "wayland-1"}, Row{nullptr, nullptr, "none"}}) {
        EXPECT_EQ(DisplayKey(row.display, row.wayland), row.key)
            << (row.display ? row.display : "");
    }
}

}  // namespace
}  // namespace tocklet
