// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The tocklet developers
// One instance per user and display: claiming the slot or handing it over; display names.
#include <gtest/gtest.h>

#include "fakes/FakeInstanceSlot.h"
#include "fakes/FakeLaunchers.h"
#include "platform/InstanceClaim.h"
#include "platform/LocalInstanceSlot.h"

namespace tocklet {
namespace {

using Answer = InstanceSlot::Answer;

TEST(InstanceClaim, TakesShowsElsewhereOrWaitsForTheHandOver) {
    constexpr int kForever = 1 << 20;
    struct Row {
        int heldElsewhereFor;
        Answer answer;
        Claim claim;
    } rows[] = {{0, Answer::kNoHolder, Claim::kTaken},
                {kForever, Answer::kShown, Claim::kShownElsewhere},
                {3, Answer::kNoHolder, Claim::kTaken},  // the holder was ending
                {kForever, Answer::kNoHolder, Claim::kBusy},
                {kForever, Answer::kSilent, Claim::kBusy}};
    for (const Row& row : rows) {
        testing::FakeInstanceSlot slot;
        slot.heldElsewhereFor = row.heldElsewhereFor;
        slot.answer = row.answer;
        EXPECT_EQ(ClaimInstance(slot, std::chrono::milliseconds(300)), row.claim);
        EXPECT_EQ(ClaimMessage(row.claim).empty(), row.claim == Claim::kTaken);
    }
}

TEST(InstanceClaim, ARestartHandsTheSlotOverOrKeepsServingWhenNoSuccessorStarts) {
    testing::FakeInstanceSlot slot;
    int shown = 0;
    slot.Serve([&shown] { ++shown; });
    testing::FakeSelfLauncher inner;
    HandOverSelfLauncher self(inner, slot);

    inner.failure = "No such file or directory";
    const SystemResult failed = self.StartNewInstance();
    EXPECT_EQ(failed.Describe(), inner.path + ": No such file or directory");
    EXPECT_EQ(slot.leaves, 1);  // left before the start, so a successor would wait for it
    EXPECT_EQ(slot.rejoins, 1);
    ASSERT_TRUE(slot.show);  // a later start's request is answered again
    slot.show();
    EXPECT_EQ(shown, 1);

    inner.failure.clear();
    EXPECT_TRUE(self.StartNewInstance().Ok());
    EXPECT_EQ(slot.leaves, 2);  // a restart leaves the slot as it starts its successor
    EXPECT_EQ(slot.rejoins, 1);
    EXPECT_FALSE(slot.show);
    EXPECT_EQ(inner.instancesStarted, 2);
}

TEST(LocalInstanceSlot, DisplayKeys) {
    struct Row {
        const char *display, *wayland, *key;
    } rows[] = {{":0", nullptr, ":0"},
                {":0.1", "wayland-0", ":0"},
                {"unix:0.0", nullptr, ":0"},
                {"localhost:10.0", nullptr, "localhost:10"},
                {"/tmp/x/org:0", nullptr, "_tmp_x_org:0"},
                {"", "wayland-1", "wayland-1"},
                {nullptr, nullptr, "none"}};
    for (const Row& row : rows) EXPECT_EQ(DisplayKey(row.display, row.wayland), row.key);
}

}  // namespace
}  // namespace tocklet
