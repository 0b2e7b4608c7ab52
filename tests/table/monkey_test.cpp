// Random play: a monkey drives the table with random clicks on every control,
// double clicks, key presses, About opened and closed, and time moving on,
// from a fixed seed; after every event the table must obey rules that any
// table of this game obeys.
//
// VELMORA_MONKEY_EVENTS sets the number of events (a short run by default;
// scripts/soak runs ten million and watches the memory).
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdlib>
#include <random>
#include <set>
#include <sstream>

#include "table/credit_text.h"
#include "table/control_table.h"

namespace velmora {
namespace {

long PeakRssKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Everything that must hold of the table after any event; "" when it does.
std::string Broken(const Poker& form, double expectedCredits) {
    std::ostringstream broken;
    bool allUp = true;
    std::set<int> shown;
    for (const CardControl& picture : form.State().Picture) {
        allUp = allUp && picture.Frame != kCardBack;
        shown.insert(picture.Frame);
    }
    if (allUp && shown.size() != 5) broken << "two cards alike face up; ";
    if (ReadCredits(form.State().Score.Caption) != expectedCredits)
        broken << "credits " << form.State().Score.Caption << " instead of " << expectedCredits << "; ";
    if (form.State().Cancel.Visible && form.State().Small.Visible) broken << "Cancel and Small both shown; ";
    if (form.State().DoubleB.Visible && form.State().Big.Visible) broken << "Double and Big both shown; ";
    if (form.State().Deal1.Visible && form.State().Deal2.Visible) broken << "both Deal buttons shown; ";
    int green = 0;
    for (const PayLineEntry& line : kPayLines) green += IsMarked(form.State().*line.member);
    if (green > 1) broken << green << " lines green; ";
    const bool ready = form.State().Deal1.Visible && form.State().Deal1.Enabled;
    if (ready && form.State().Timers.AnyEnabled()) broken << "a timer runs while the table is ready; ";
    bool anyHold = false;
    for (const Label& hold : form.State().Hold) anyHold = anyHold || hold.Visible;
    if (anyHold && !form.State().Deal2.Visible) broken << "a HOLD marker outside the draw; ";
    if (form.State().WinAmount < 0) broken << "WinAmount overflowed to " << form.State().WinAmount << "; ";
    if (form.State().MousePointer == kHourglass && !form.State().Timers.AnyEnabled()) broken << "hourglass with nothing running; ";
    const bool canGoOn = form.State().Timers.AnyEnabled() || form.State().AboutOpen ||
                         (form.State().Deal1.Visible && form.State().Deal1.Enabled) || (form.State().Deal2.Visible && form.State().Deal2.Enabled) ||
                         form.State().Take.Visible || form.State().Big.Visible;
    if (!canGoOn) broken << "the table is stuck; ";
    return broken.str();
}

TEST(Monkey, RandomPlayKeepsTheTableSound) {
    ClockSeededGenerator random(31337, [] { return std::uint64_t{0}; });  // a fixed seed: the run repeats
    Poker form(random);
    std::mt19937_64 monkey(4242);
    const auto pick = [&](int n) { return static_cast<int>(monkey() % static_cast<std::uint64_t>(n)); };

    double credits = 10;
    long long deals = 0, takes = 0, doubles = 0, failures = 0;
    const char* wanted = std::getenv("VELMORA_MONKEY_EVENTS");
    const long long events = wanted ? std::atoll(wanted) : 2'000'000;
    long rssAfterWarmUp = 0;
    for (long long event = 0; event < events && failures < 5; ++event) {
        if (event == events / 10) rssAfterWarmUp = PeakRssKiB();
        // What the press or click will reach, seen before it happens.
        const auto account = [&](const ButtonEntry& entry) {
            const Button& button = form.State().*entry.member;
            if (form.State().AboutOpen || !button.Visible || !button.Enabled) return;
            if (entry.member == &PokerState::Deal1) credits -= 1, ++deals;
            if (entry.member == &PokerState::Take) credits += form.State().WinAmount, ++takes;
            if (entry.member == &PokerState::DoubleB) ++doubles;
        };
        switch (pick(10)) {
            case 0: case 1: case 2: case 3: {  // time moves on, often by a tick's worth
                static constexpr int kSteps[] = {0, 1, 5, 249, 250, 251, 500, 1250, 37};
                form.AdvanceTo(form.State().Timers.Now() + kSteps[pick(9)]);
                break;
            }
            case 4: case 5: case 6: {  // a click anywhere but Exit
                const int target = pick(15);  // a button, a card's click area or the About window's OK
                const ButtonEntry* entry = target < 9 ? &kButtons[static_cast<std::size_t>(target)] : nullptr;
                if (entry && entry->member == &PokerState::About && pick(4) != 0) entry = &EntryOf(&PokerState::Deal1);  // About now and then
                if (entry && entry->member == &PokerState::Sortie) entry = nullptr;
                if (entry) account(*entry), form.Click(*entry);
                else if (target >= 9 && target < 14) form.ClickLabel(target - 8);
                else form.ClickOk();
                break;
            }
            case 7:
                form.DblClick(1 + pick(5));
                break;
            default: {  // Space or Enter on the focused button (OK while About is open)
                if (form.State().Focus == &PokerState::Sortie && !form.State().AboutOpen) break;  // the monkey never quits
                account(EntryOf(form.State().Focus));
                form.Press();
            }
        }
        const std::string broken = Broken(form, credits);
        if (!broken.empty()) {
            ++failures;
            ADD_FAILURE() << "event " << event << ": " << broken;
        }
    }
    EXPECT_EQ(failures, 0);
    // The run must really have played: many hands, wins taken, double-ups.
    EXPECT_GT(deals, events / 200);
    EXPECT_GT(takes, 0);
    EXPECT_GT(doubles, 0);
    const long growth = PeakRssKiB() - rssAfterWarmUp;
    std::printf("%lld events: %lld deals, %lld takes, %lld double-ups; peak memory grew %ld KiB after warm-up\n",
                events, deals, takes, doubles, growth);
#if !defined(__SANITIZE_ADDRESS__)  // AddressSanitizer holds freed memory back by design; it checks leaks itself
    EXPECT_LT(growth, 1024);
#endif
}

}  // namespace
}  // namespace velmora
