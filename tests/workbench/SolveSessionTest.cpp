// The solve session on a hand-moved clock, over a document whose bridges are scripted fakes:
// the time limit's question answered Yes and No, a time limit that runs out under the Stop
// question, Stop answered Yes and No, an Expert engine's turn running out, a normal finish and
// events that come after the finished sequence. Each case ends with the finished sequence done
// once, every timer stopped and nothing left of the solve.

#include "ExampleDocs.hpp"
#include "FakeSolver.hpp"
#include "TempFolder.hpp"

#include "workbench/CTavDoc.hpp"
#include "workbench/SolveSession.hpp"
#include "workbench/SolverRun.hpp"
#include "workbench/WaitingClock.hpp"

#include <gtest/gtest.h>

#include <deque>
#include <map>

using namespace TavLanguage;
using namespace TavBridges;
using namespace TavWorkbench;
using Step = FakeSolver::Step;
using std::chrono::milliseconds;

namespace {

constexpr const char* kTimedOut = "Timed out - increase search time if desired";

// Time moves only when the test says so; the due timers fire then.
class FakeClock : public WaitingClock {
public:
    FakeClock() : WaitingClock([this] { return m_now; }) {}
    void Advance(milliseconds by) {
        m_now += by;
        FireDue();
    }

private:
    TimePoint m_now{};
};

// Boxes recorded; questions recorded and answered from a queue (Yes when it is empty), with a
// hook that runs while a question is open, as a box's event loop would.
class ScriptedMessages : public DocMessages {
public:
    void Show(const std::string& text) override { shown.push_back(text); }
    bool Ask(const std::string& question) override {
        asked.push_back(question);
        maxDepth = std::max(maxDepth, ++depth);
        if (whileAsking) whileAsking(static_cast<int>(asked.size()));
        --depth;
        if (answers.empty()) return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::vector<std::string> shown;
    std::vector<std::string> asked;
    std::deque<bool> answers;
    // Called with the question's number (from 1).
    std::function<void(int)> whileAsking;
    int depth = 0;
    int maxDepth = 0;
};

struct RecordingViews : DocViews {
    std::vector<int> results;
    int finished = 0;
    void ResultsChanged(int found) override { results.push_back(found); }
    void RunFinished() override { ++finished; }
};

struct Rig {
    TempFolder folder;
    ScriptedMessages messages;
    RecordingViews views;
    std::unique_ptr<CTavDoc> doc;
    FakeClock clock;
    std::unique_ptr<SolveSession> session;
    std::map<int, std::vector<Step>> scripts;
    // The fakes of the current solve, by bridge kind.
    std::map<int, FakeSolver*> built;

    explicit Rig(std::map<int, std::vector<Step>> steps) : scripts(std::move(steps)) {
        doc = std::make_unique<CTavDoc>(&messages, folder.Path());
        doc->OnNewDocument();
        ExampleDocs::Tiny(doc->GetModel());
        doc->SetViews(&views);
        doc->SetBridgeFactory([this](RawCSP* problem, const AlgParams*, int kind) {
            auto fake = std::make_unique<FakeSolver>(problem, scripts[kind]);
            built[kind] = fake.get();
            return fake;
        });
        session = std::make_unique<SolveSession>(*doc, clock);
    }
    ~Rig() {
        session.reset();
        doc->SetViews(nullptr);
    }

    // Hands the run's events to the session until `done` holds (the limit only guards against
    // a hang).
    void DeliverUntil(const std::function<bool()>& done) {
        const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (!done()) {
            if (std::chrono::steady_clock::now() > limit) {
                ADD_FAILURE() << "the run's events never came";
                return;
            }
            doc->WaitForPosted(milliseconds(20));
            session->DeliverEvents();
        }
    }
    bool TimersStopped() const {
        return !session->IsTimeLimitRunning() && !session->IsStatisticsTimerRunning() &&
               !session->IsEngineTimerRunning();
    }
};

struct Case {
    const char* name;
    SolverSetting setting;
    std::map<int, std::vector<Step>> scripts;
    int count;
    milliseconds timeLimit;
    std::deque<bool> answers;
    // What happens once the solve has started.
    std::function<void(Rig&)> act;
    // The questions asked, whether the time limit ended the run, how it ended and with how many.
    std::size_t asked;
    bool timedOut;
    RunEnd end;
    int found;
};

const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = {
        {"normal finish",
         SolverSetting::CompleteSearch,
         {{0, {Step::Find, Step::Find, Step::Fail}}},
         -1,
         milliseconds(1000),
         {},
         [](Rig& r) {
             EXPECT_TRUE(r.session->IsTimeLimitRunning());
             EXPECT_TRUE(r.session->IsStatisticsTimerRunning());
             r.DeliverUntil([&] { return !r.session->IsActive(); });
             EXPECT_EQ(r.views.results.back(), 2);
             EXPECT_EQ(r.doc->GetStatisticsText(), "Algorithm: Fake\r\n");
         },
         0,
         false,
         RunEnd::Complete,
         2},

        {"time-out answered Yes",
         SolverSetting::CompleteSearch,
         {{0, {Step::Block}}},
         1,
         milliseconds(1000),
         {true},
         [](Rig& r) {
             r.clock.Advance(milliseconds(999));
             EXPECT_TRUE(r.messages.asked.empty());
             r.clock.Advance(milliseconds(1));
             EXPECT_EQ(r.messages.asked.size(), 1u);
             EXPECT_FALSE(r.doc->IsSolving());
             EXPECT_TRUE(r.TimersStopped());
             EXPECT_EQ(std::count(r.messages.shown.begin(), r.messages.shown.end(), kTimedOut), 1);
             r.DeliverUntil([&] { return !r.session->IsActive(); });
         },
         1,
         true,
         RunEnd::TimedOut,
         0},

        {"time-out answered No goes on and the limit starts again",
         SolverSetting::CompleteSearch,
         {{0, {Step::Block}}},
         1,
         milliseconds(1000),
         {false, true},
         [](Rig& r) {
             r.clock.Advance(milliseconds(1500));
             EXPECT_EQ(r.messages.asked.size(), 1u);
             EXPECT_TRUE(r.doc->IsSolving());
             EXPECT_TRUE(r.session->IsTimeLimitRunning());
             EXPECT_TRUE(r.session->IsStatisticsTimerRunning());
             // A whole limit from the answer, not from the start.
             r.clock.Advance(milliseconds(999));
             EXPECT_EQ(r.messages.asked.size(), 1u);
             r.clock.Advance(milliseconds(1));
             EXPECT_EQ(r.messages.asked.size(), 2u);
             EXPECT_FALSE(r.doc->IsSolving());
             r.DeliverUntil([&] { return !r.session->IsActive(); });
         },
         2,
         true,
         RunEnd::TimedOut,
         0},

        {"stop answered Yes; the run's end waits for the answer",
         SolverSetting::CompleteSearch,
         {{0, {Step::Block}}},
         1,
         milliseconds(1000),
         {true},
         [](Rig& r) {
             r.messages.whileAsking = [&](int) {
                 r.built[0]->Stop();
                 ASSERT_TRUE(r.doc->GetRun()->WaitEnded(std::chrono::seconds(60)));
                 r.session->DeliverEvents();
                 EXPECT_EQ(r.views.finished, 0) << "no finished sequence under the question";
                 EXPECT_TRUE(r.doc->IsSolving());
             };
             r.session->Stop();
             r.messages.whileAsking = nullptr;
             EXPECT_FALSE(r.doc->IsSolving());
             EXPECT_TRUE(r.TimersStopped());
             // The events that waited came with the answer.
             EXPECT_EQ(r.views.finished, 1);
             EXPECT_FALSE(r.session->IsActive());
         },
         1,
         false,
         RunEnd::Stopped,
         0},

        {"stop answered No changes nothing",
         SolverSetting::CompleteSearch,
         {{0, {Step::Block}}},
         1,
         milliseconds(1000),
         {false},
         [](Rig& r) {
             r.session->Stop();
             EXPECT_TRUE(r.doc->IsSolving());
             EXPECT_TRUE(r.session->IsTimeLimitRunning());
             EXPECT_TRUE(r.session->IsStatisticsTimerRunning());
             r.session->Stop(); // answered Yes
             r.DeliverUntil([&] { return !r.session->IsActive(); });
         },
         2,
         false,
         RunEnd::Stopped,
         0},

        {"a time-out under the Stop question is asked once that one is answered",
         SolverSetting::CompleteSearch,
         {{0, {Step::Block}}},
         1,
         milliseconds(1000),
         {false, true},
         [](Rig& r) {
             r.messages.whileAsking = [&](int number) {
                 if (number == 1) r.clock.Advance(milliseconds(1000));
             };
             r.session->Stop();
             r.messages.whileAsking = nullptr;
             EXPECT_EQ(r.messages.maxDepth, 1) << "no second box over the first";
             EXPECT_FALSE(r.doc->IsSolving());
             r.DeliverUntil([&] { return !r.session->IsActive(); });
         },
         2,
         true,
         RunEnd::TimedOut,
         0},

        {"an Expert engine whose turn runs out hands over to the next",
         SolverSetting::Expert,
         {{0, {Step::Block}}, {1, {Step::Find}}, {2, {Step::Find}}, {3, {Step::Find}}},
         1,
         SolveSettings::kDefaultTimeLimit,
         {},
         [](Rig& r) {
             r.DeliverUntil([&] { return r.session->IsEngineTimerRunning(); });
             EXPECT_EQ(r.doc->GetSolver(), r.built[0]);
             r.clock.Advance(milliseconds(19'999));
             EXPECT_TRUE(r.session->IsEngineTimerRunning());
             r.clock.Advance(milliseconds(1));
             r.DeliverUntil([&] { return !r.session->IsActive(); });
             EXPECT_EQ(r.doc->GetSolutions().GetValue("x", 0), "1");
         },
         0,
         false,
         RunEnd::Complete,
         1},

        {"events after the finished sequence are dropped",
         SolverSetting::CompleteSearch,
         {{0, {Step::Find}}},
         1,
         milliseconds(1000),
         {},
         [](Rig& r) {
             r.DeliverUntil([&] { return !r.session->IsActive(); });
             const std::vector<int> results = r.views.results;
             const int runs = r.doc->GetExpertTable()[0].runs;
             r.session->progress(5);
             r.session->engineStarted(0);
             r.session->engineSolved(0);
             r.session->finished(5);
             EXPECT_EQ(r.views.results, results);
             EXPECT_EQ(r.views.finished, 1);
             EXPECT_FALSE(r.session->IsEngineTimerRunning());
             EXPECT_EQ(r.doc->GetExpertTable()[0].runs, runs);
         },
         0,
         false,
         RunEnd::Complete,
         1},
    };
    return cases;
}

} // namespace

TEST(SolveSession, Cases) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        Rig r(c.scripts);
        r.messages.answers = c.answers;
        SolveSettings settings = r.doc->GetSolveSettings(c.count);
        settings.setting = c.setting;
        settings.timeLimit = c.timeLimit;
        ASSERT_EQ(r.session->Start(settings), SolveSession::Started::Yes);
        EXPECT_TRUE(r.session->IsActive());
        c.act(r);
        EXPECT_EQ(r.messages.asked, std::vector<std::string>(c.asked, "Stop Solving?"));
        EXPECT_EQ(r.session->TimedOut(), c.timedOut);
        EXPECT_EQ(static_cast<int>(r.doc->GetRunReport().end), static_cast<int>(c.end));
        EXPECT_EQ(r.doc->GetRunReport().found, c.found);
        EXPECT_EQ(r.views.finished, 1);
        EXPECT_FALSE(r.session->IsActive());
        EXPECT_FALSE(r.doc->IsSolving());
        EXPECT_TRUE(r.TimersStopped());
        EXPECT_EQ(r.doc->GetSolver(), nullptr);
    }
}
