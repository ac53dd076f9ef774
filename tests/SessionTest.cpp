// The session end behind the password, and starting as the one instance or handing over.
#include <gtest/gtest.h>

#include <string>

#include "fakes/FakeInstanceSlot.h"
#include "fakes/FakeLaunchers.h"
#include "platform/SessionEnd.h"
#include "session/InstanceClaim.h"
#include "session/SessionEndGate.h"

namespace tocklet {
namespace {

using testing::FakeInstanceSlot;
using Answer = InstanceSlot::Answer;

// Records the calls of one session-end request in order: "i" (may I ask?), "+", "-".
class RecordingQuery final : public SessionEndQuery {
public:
    explicit RecordingQuery(bool interaction) : interaction_(interaction) {}
    bool AllowsInteraction() override {
        calls += 'i';
        return interaction_;
    }
    void Allow() override { calls += '+'; }
    void Refuse() override { calls += '-'; }
    std::string calls;

private:
    bool interaction_;
};

TEST(SessionEndGate, AnswersInOneStep) {
    struct Row {
        bool protection, interaction, password;
        const char* calls;
        bool asked;
    };
    for (const Row& row : {Row{false, true, false, "+", false}, Row{true, false, true, "i-", false},
                           Row{true, true, false, "i-", true}, Row{true, true, true, "i+", true}}) {
        RecordingQuery query(row.interaction);
        bool asked = false;
        AnswerSessionEnd(query, row.protection, [&] {
            asked = true;
            return row.password;
        });
        EXPECT_EQ(query.calls, row.calls) << row.protection << row.interaction << row.password;
        EXPECT_EQ(asked, row.asked);
    }
}

TEST(InstanceClaim, TakesShowsElsewhereOrWaitsForTheHandOver) {
    using std::chrono::milliseconds;
    struct Row {
        int heldElsewhereFor;
        Answer answer;
        Claim claim;
    };
    for (const Row& row : {Row{0, Answer::kNoHolder, Claim::kTaken},
                           Row{1 << 20, Answer::kShown, Claim::kShownElsewhere},
                           Row{3, Answer::kNoHolder, Claim::kTaken},  // the holder ends
                           Row{1 << 20, Answer::kNoHolder, Claim::kBusy},
                           Row{1 << 20, Answer::kSilent, Claim::kBusy}}) {
        FakeInstanceSlot slot;
        slot.heldElsewhereFor = row.heldElsewhereFor;
        slot.answer = row.answer;
        EXPECT_EQ(ClaimInstance(slot, milliseconds(300)), row.claim) << row.heldElsewhereFor;
        EXPECT_EQ(ClaimMessage(row.claim).empty(), row.claim == Claim::kTaken);
    }
}

TEST(InstanceClaim, RestartLeavesTheSlotBeforeStartingTheSuccessor) {
    FakeInstanceSlot slot;
    testing::FakeSelfLauncher inner;
    HandOverSelfLauncher self(inner, slot);
    slot.Serve([] {});
    EXPECT_EQ(self.ExecutablePath(), inner.path);
    EXPECT_TRUE(self.StartNewInstance());
    EXPECT_EQ(slot.leaves, 1);
    EXPECT_FALSE(slot.show);
    EXPECT_EQ(inner.instancesStarted, 1);
}

}  // namespace
}  // namespace tocklet
