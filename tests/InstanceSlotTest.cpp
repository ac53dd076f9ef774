// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// The instance slot on its real lock file and socket: a later start is shown the running
// panel, finds nobody to ask while the holder hands over, and is answered again once a
// hand-over whose successor never started is given up.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QTest>
#include <chrono>
#include <future>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "TempDir.h"
#include "platform/LocalInstanceSlot.h"

namespace tocklet {
namespace {

using namespace std::chrono_literals;
using Answer = InstanceSlot::Answer;

// Asks from another thread while this one runs the holder's event loop, until the answer.
Answer AskWhileServing(LocalInstanceSlot& asker) {
    std::future<Answer> answer =
        std::async(std::launch::async, [&asker] { return asker.AskToShow(10s); });
    EXPECT_TRUE(QTest::qWaitFor(
        [&answer] { return answer.wait_for(0s) == std::future_status::ready; }, 20000));
    return answer.get();
}

TEST(LocalInstanceSlot, ServesLeavesAndRejoinsAfterAHandOverThatDidNotHappen) {
    testing::TempDir folder;
    LocalInstanceSlot holder(folder.Path().string(), ":7");
    ASSERT_TRUE(holder.TryTake());
    int shown = 0;
    holder.Serve([&shown] { ++shown; });

    LocalInstanceSlot later(folder.Path().string(), ":7");
    EXPECT_FALSE(later.TryTake());
    EXPECT_EQ(later.HolderPid(), static_cast<long>(getpid()));  // the lock file names it
    EXPECT_EQ(AskWhileServing(later), Answer::kShown);
    EXPECT_EQ(shown, 1);

    holder.Leave();  // a restart is handing over
    EXPECT_EQ(later.AskToShow(10s), Answer::kNoHolder);
    EXPECT_FALSE(later.TryTake());  // still held until the holder ends

    holder.Rejoin();  // its successor did not start
    EXPECT_EQ(AskWhileServing(later), Answer::kShown);
    EXPECT_EQ(shown, 2);

    holder.Release();
    EXPECT_TRUE(later.TryTake());
}

TEST(LocalInstanceSlot, AnswersScriptsRequestsWithWhatItIsToldToSay) {
    testing::TempDir folder;
    LocalInstanceSlot holder(folder.Path().string(), ":7");
    ASSERT_TRUE(holder.TryTake());
    holder.Serve([] {});
    holder.ServeMore([](std::string_view request) -> std::optional<std::string> {
        if (request == "status") return std::string("monitoring=true\ntasks=2\n");
        return std::nullopt;
    });
    const LocalInstanceSlot script(folder.Path().string(), ":7");
    for (const auto& [request, expected] :
         std::vector<std::pair<std::string, std::optional<std::string>>>{
             {"status", "monitoring=true\ntasks=2\n"}, {"dance", std::nullopt}}) {
        std::future<std::optional<std::string>> answer = std::async(
            std::launch::async, [&script, &request] { return script.Ask(request, 10s); });
        EXPECT_TRUE(QTest::qWaitFor(
            [&answer] { return answer.wait_for(0s) == std::future_status::ready; }, 20000));
        EXPECT_EQ(answer.get(), expected) << request;
    }
}

}  // namespace
}  // namespace tocklet
