// Time of a complete refresh of the real window (both trees and the report), on the offscreen
// platform unless another is asked for: typing a whole entry, typing the worst entries one after
// another, picking another split in a node of a deep tree, and a random pick in a tree that has
// already been through a thousand picks; of what needs no refresh: switching View > Compact
// Trees, and Copy Picture; and resident memory over 3,000 entries. Every time is wall-clock
// milliseconds, the median of five repetitions. Beside each entry runs the floor, the least a Qt
// program does to show the same content (refresh_floor.h); the run ends with the ratio of each
// entry's refresh to its floor.

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLocale>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

#include "refresh_floor.h"
#include "ui/frmMain.h"
#include "ui/qt_combo_box.h"
#include "ui/qt_text_box.h"

namespace {

frmMain* window = nullptr;

// The random picks made since an entry was last typed, from a fixed seed: the same sequence on
// every run.
struct RandomPicks {
  static constexpr std::mt19937::result_type kSeed = 20250607;
  std::mt19937 generator{kSeed};
  int count = 0;
};
RandomPicks randomPicks;

// What the event loop does once a handler has returned: the controls unloaded meanwhile are
// deleted (processEvents alone leaves deferred deletes waiting), and the layout and paint events
// the refresh posted are handled.
void ReturnToEventLoop() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

// Writing the entry box's text is what typing the last digit does: one change, one refresh.
// The controls of the previous tree are unloaded, and the random picks start afresh.
void TypeEntry(const char* text) {
  window->findChild<QtTextBox*>("txtPrimFact_1")->SetText(text);
  randomPicks = {};
  ReturnToEventLoop();
}

// The node combo boxes loaded for the current entry; unloaded ones waiting for deletion have lost
// their name.
std::vector<QtComboBox*> LoadedCombos() {
  std::vector<QtComboBox*> combos;
  for (QtComboBox* c : window->findChildren<QtComboBox*>()) {
    if (c->objectName().startsWith("cmbPrimFact_")) combos.push_back(c);
  }
  return combos;
}

// The node combo boxes of the current tree that offer a choice; those of nodes outside it are
// hidden.
std::vector<QtComboBox*> PickableCombos() {
  std::vector<QtComboBox*> combos;
  for (QtComboBox* c : LoadedCombos()) {
    if (c->Visible() && c->ListCount() > 0) combos.push_back(c);
  }
  return combos;
}

// A choice of list item `item` in `combo`, made as the user makes it with the mouse or the
// keyboard, and the return to the event loop that follows.
struct Choice {
  QtComboBox* combo = nullptr;
  int item = 0;
};

void Choose(const Choice& choice) {
  choice.combo->setCurrentIndex(choice.item);
  emit choice.combo->activated(choice.item);
  ReturnToEventLoop();
}

// Each iteration times exactly one refresh of the named entry, starting from the tree of 1: the
// write of "1" that unloads the previous tree's controls, and the deletion of those controls,
// run with the timing paused.
void BM_EntryRefresh(benchmark::State& state, const char* entry) {
  for (auto _ : state) {
    state.PauseTiming();
    TypeEntry("1");
    state.ResumeTiming();
    TypeEntry(entry);
  }
}

// Typing one of `entries` after another, each iteration timing one entry.
void BM_EntriesInTurn(benchmark::State& state, const std::vector<const char*>& entries) {
  std::size_t next = 0;
  for (auto _ : state) {
    TypeEntry(entries[next]);
    next = (next + 1) % entries.size();
  }
}

// The same as BM_EntryRefresh, by the floor: its content shown, the previous one cleared with the
// timing paused.
void BM_EntryFloor(benchmark::State& state, const char* entry) {
  static RefreshFloor floor(*window);
  for (auto _ : state) {
    state.PauseTiming();
    floor.Clear();
    state.ResumeTiming();
    floor.Show(entry);
  }
}

// The same as BM_EntriesInTurn, by the floor.
void BM_FloorInTurn(benchmark::State& state, const std::vector<const char*>& entries) {
  static RefreshFloor floor(*window);
  std::size_t next = 0;
  for (auto _ : state) {
    floor.Show(entries[next]);
    next = (next + 1) % entries.size();
  }
}

// The table as usual, then each entry's median refresh time over its floor's.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.aggregate_name == "median")
        medians_[run.run_name.function_name] = run.real_accumulated_time;
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    const std::string refresh = "BM_EntryRefresh/";
    for (const auto& [name, time] : medians_) {
      if (name.rfind(refresh, 0) != 0) continue;
      const auto floor = medians_.find("BM_EntryFloor/" + name.substr(refresh.size()));
      if (floor == medians_.end() || floor->second <= 0) continue;
      std::printf("refresh / floor %-40s %.2f\n", name.substr(refresh.size()).c_str(),
                  time / floor->second);
    }
    const auto pick = medians_.find("BM_PickRefresh/node2_of_222622144044300");
    const auto entry = medians_.find("BM_EntryRefresh/divisors13824_222622144044300");
    if (pick != medians_.end() && entry != medians_.end() && entry->second > 0)
      std::printf("pick at node 2 / entry of 222622144044300 %.2f\n", pick->second / entry->second);
  }

 private:
  std::map<std::string, double> medians_;
};

// A pick in the list of node 2 of the named entry, alternating between its first two items, so
// that every pick changes the node and the whole tree below the root is rebuilt.
void BM_PickRefresh(benchmark::State& state, const char* entry) {
  TypeEntry(entry);
  Choice choice;
  for (QtComboBox* c : PickableCombos()) {
    if (c->Tag() == "2") choice.combo = c;
  }
  if (choice.combo == nullptr) {
    state.SkipWithError("node 2 has no combo box");
    return;
  }
  for (auto _ : state) {
    choice.item = 1 - choice.item;
    Choose(choice);
  }
}

// Random picks under 32768 = 2^15, the entry with the deepest and widest trees: a node of the
// current tree and an item of its list, both drawn at random. Every pick can give the subtree
// below it a new shape, so the node controls loaded for the entry keep growing.
constexpr int kEarlierPicks = 1000;

Choice NextRandomChoice() {
  const std::vector<QtComboBox*> combos = PickableCombos();
  Choice choice;
  choice.combo = combos[std::uniform_int_distribution<std::size_t>(
      0, combos.size() - 1)(randomPicks.generator)];
  choice.item =
      std::uniform_int_distribution<int>(0, choice.combo->ListCount() - 1)(randomPicks.generator);
  ++randomPicks.count;
  return choice;
}

// Each iteration times one random pick; drawing the node and the item is left out. The thousand
// earlier picks are made once, before the first repetition, and later repetitions go on with the
// same sequence, so every timed pick follows at least a thousand others. The counter max_ms is
// the slowest single pick of a repetition, loaded_combos the node combo boxes loaded by then.
void BM_RandomPickRefresh(benchmark::State& state) {
  if (randomPicks.count == 0) TypeEntry("32768");
  while (randomPicks.count < kEarlierPicks) Choose(NextRandomChoice());
  double slowest = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const Choice choice = NextRandomChoice();
    state.ResumeTiming();
    const auto start = std::chrono::steady_clock::now();
    Choose(choice);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    slowest = std::max(slowest, took.count());
  }
  state.counters["max_ms"] = slowest;
  state.counters["loaded_combos"] = static_cast<double>(LoadedCombos().size());
}

// Each iteration switches View > Compact Trees over the named entry's tree, on or off in turn, and
// returns to the event loop; the view is left as described.
void BM_ToggleView(benchmark::State& state, const char* entry) {
  TypeEntry(entry);
  QAction* compact = window->findChild<QAction*>("mnuViewCompact");
  for (auto _ : state) {
    compact->trigger();
    ReturnToEventLoop();
  }
  if (compact->isChecked()) compact->trigger();
}

// Each iteration copies the interactive tree of the named entry to the clipboard as a picture.
void BM_CopyPicture(benchmark::State& state, const char* entry) {
  TypeEntry(entry);
  for (auto _ : state) {
    window->mnuCanvasCopyPicture_Click();
    ReturnToEventLoop();
  }
}

// Resident memory of this process in MB.
double ResidentMegabytes() {
  long pages = 0, resident = 0;
  if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1e6;
}

// Resident memory while typing 3,000 entries one after another: numbers of every length from a
// fixed seed, every tenth one of the worst. The counters give it after the first 100 and after
// all 3,000; the window keeps no more for more entries.
void BM_ResidentAfterEntries(benchmark::State& state) {
  constexpr const char* kWorst[] = {"222622144044300", "89048857617720", "32768",
                                    "999999999852544", "14348907"};
  std::mt19937_64 generator(20261207);
  double after100 = 0;
  for (auto _ : state) {
    for (int i = 1; i <= 3000; ++i) {
      const int digits = 1 + static_cast<int>(generator() % 15);
      std::uint64_t limit = 1;
      for (int d = 0; d < digits; ++d) limit *= 10;
      const std::string random = std::to_string(1 + generator() % (limit - 1));
      TypeEntry(i % 10 == 0 ? kWorst[(i / 10) % 5] : random.c_str());
      if (i == 100) after100 = ResidentMegabytes();
    }
  }
  state.counters["rss_mb_after_100"] = after100;
  state.counters["rss_mb_after_3000"] = ResidentMegabytes();
}

double Largest(const std::vector<double>& values) {
  return *std::max_element(values.begin(), values.end());
}

// Wall-clock milliseconds over five repetitions, reported as their median, mean, spread and
// maximum. The short minimum time keeps the whole run to a few minutes, most of it spent on the
// thousand random picks made before the timed ones.
void Register(const std::string& name, auto function) {
  benchmark::RegisterBenchmark(name.c_str(), function)
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime()
      ->MinTime(0.3)
      ->Repetitions(5)
      ->ReportAggregatesOnly(true)
      ->ComputeStatistics("max", Largest);
}

void RegisterAll() {
  constexpr const char* kEntries[][2] = {
      {"prime_999999999999989", "999999999999989"},
      {"semiprime_999996483443777", "999996483443777"},
      {"divisors13824_222622144044300", "222622144044300"},
      {"divisors10752_89048857617720", "89048857617720"},
      {"n999999999999999", "999999999999999"},
      {"two_to_15_32768", "32768"},
      {"two_to_14_times_prime_999999999852544", "999999999852544"},
      {"three_to_15_14348907", "14348907"},
      {"two_to_49_562949953421312", "562949953421312"},
  };
  for (const auto& [name, entry] : kEntries) {
    Register(std::string("BM_EntryRefresh/") + name,
             [entry](benchmark::State& state) { BM_EntryRefresh(state, entry); });
    Register(std::string("BM_EntryFloor/") + name,
             [entry](benchmark::State& state) { BM_EntryFloor(state, entry); });
  }
  static const std::vector<const char*> kWorst = {"222622144044300", "89048857617720", "32768",
                                                  "999999999852544", "14348907"};
  Register("BM_EntryRefresh/worst_in_turn",
           [](benchmark::State& state) { BM_EntriesInTurn(state, kWorst); });
  Register("BM_EntryFloor/worst_in_turn",
           [](benchmark::State& state) { BM_FloorInTurn(state, kWorst); });
  Register("BM_PickRefresh/node2_of_49152",
           [](benchmark::State& state) { BM_PickRefresh(state, "49152"); });
  Register("BM_PickRefresh/node2_of_222622144044300",
           [](benchmark::State& state) { BM_PickRefresh(state, "222622144044300"); });
  constexpr const char* kToggled[][2] = {
      {"divisors13824_222622144044300", "222622144044300"},
      {"two_to_49_562949953421312", "562949953421312"},
  };
  for (const auto& [name, entry] : kToggled) {
    Register(std::string("BM_ToggleView/") + name,
             [entry](benchmark::State& state) { BM_ToggleView(state, entry); });
  }
  Register("BM_CopyPicture/two_to_49_562949953421312",
           [](benchmark::State& state) { BM_CopyPicture(state, "562949953421312"); });
  Register("BM_RandomPickRefresh/after_1000_picks_under_32768", BM_RandomPickRefresh);
  benchmark::RegisterBenchmark("BM_ResidentAfterEntries", BM_ResidentAfterEntries)
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime()
      ->Iterations(1);
}

}  // namespace

int main(int argc, char** argv) {
  // Offscreen unless another platform is asked for, as xcb to time the window under X11.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  auto owned = std::make_unique<frmMain>();
  window = owned.get();
  window->resize(1280, 800);
  window->show();
  QCoreApplication::processEvents();
  RegisterAll();
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
