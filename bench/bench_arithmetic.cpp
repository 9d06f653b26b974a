// Times the arithmetic functions on the hardest entries the entry box accepts, beside the textbook
// versions that follow the documented algorithms step by step, and the whole report for the same
// entries.

#include <benchmark/benchmark.h>

#include <QLocale>
#include <string>

#include "core/arithmetic/arithmetic.h"
#include "support/textbook.h"
#include "report/report_text.h"

namespace {

struct Entry {
  const char* name;
  double n;
  bool slowTextbookSearch;   // the trial division runs all the way to the square root
  bool textbookDivisorList;  // the quadratic list steps finish in seconds
};

constexpr Entry kEntries[] = {
    {"prime/999999999999989", 999999999999989, true, true},
    {"semiprime/999996483443777", 999996483443777, true, true},
    {"power_of_two/562949953421312", 562949953421312, false, true},
    {"nines/999999999999999", 999999999999999, false, true},
    {"divisors_26880/866421317361600", 866421317361600, false, false},
    {"divisors_13824/222622144044300", 222622144044300, false, false},
    {"divisors_1344/735134400", 735134400, false, true},
};

// Products of two primes near 3·10^7 on which the factor search's random walks happened to run
// longest, found among tens of thousands of such products: the tail the typical semiprime above
// does not show. One iteration factors them all.
constexpr double kHardSemiprimes[] = {
    946804621197979,  // 30575549 · 30966071
    704776452139679,  // 25800353 · 27316543
    988805096604439,  // 31300123 · 31591093
    622782795348919,  // 24270443 · 25660133
    787548663364949,  // 25281923 · 31150663
    993844038956051,  // 31479061 · 31571591
    986900496427913,  // 31314709 · 31515557
};

void HardSemiprimes(benchmark::State& state) {
  for (auto _ : state) {
    for (const double n : kHardSemiprimes) benchmark::DoNotOptimize(modMain::SmallestFactor(n));
  }
}

// A slow run is timed once per repetition, in milliseconds.
void Register(const std::string& name, auto function, double n, bool slow) {
  auto* b = benchmark::RegisterBenchmark(name.c_str(), [function, n](benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(function(n));
  });
  if (slow) {
    b->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
  } else {
    b->Unit(benchmark::kMicrosecond)->Repetitions(5);
  }
  b->ReportAggregatesOnly(true);
}

bool RegisterAll() {
  const QLocale english(QLocale::English, QLocale::UnitedStates);
  for (const Entry& e : kEntries) {
    const std::string name = e.name;
    Register("IsPrime/" + name, modMain::IsPrime, e.n, false);
    Register("textbook::IsPrime/" + name, textbook::IsPrime, e.n, e.slowTextbookSearch);
    Register("SmallestFactor/" + name, modMain::SmallestFactor, e.n, false);
    Register("textbook::SmallestFactor/" + name, textbook::SmallestFactor, e.n,
             e.slowTextbookSearch);
    Register("DivisorList/" + name, modMain::DivisorList, e.n, false);
    if (e.textbookDivisorList) {
      Register("textbook::DivisorList/" + name, textbook::DivisorList, e.n, true);
    }
    Register(
        "report::ReportText/" + name,
        [english](double n) { return report::ReportText(n, english, 15); }, e.n, false);
  }
  benchmark::RegisterBenchmark("SmallestFactor/hard_semiprimes", HardSemiprimes)
      ->Unit(benchmark::kMicrosecond)
      ->Repetitions(5)
      ->ReportAggregatesOnly(true);
  return true;
}

const bool registered = RegisterAll();

}  // namespace

BENCHMARK_MAIN();
