// Times the arithmetic functions on the hardest entries the entry box accepts, beside the textbook
// versions that follow the documented algorithms step by step, and the whole report for the same
// entries.

#include <benchmark/benchmark.h>

#include <QLocale>
#include <string>

#include "core/arithmetic/arithmetic.h"
#include "report/report_text.h"
#include "support/textbook.h"

namespace {

// How long one call takes, and so how it is timed.
enum class Duration {
  kShort,    // up to milliseconds: many iterations, the median of five repetitions
  kLong,     // tenths of a second to a second: one iteration, the median of three repetitions
  kSeconds,  // seconds to a minute: a single timed run
};

// The primality test and the factor search on odd numbers, where the trial division of the
// textbook versions runs up to the smallest factor: on an even number both stop at once.
struct OddEntry {
  const char* name;
  double n;
  Duration textbook;  // of the textbook versions
};

constexpr OddEntry kOddEntries[] = {
    {"prime/999999999999989", 999999999999989, Duration::kLong},
    {"semiprime/999996483443777", 999996483443777, Duration::kLong},      // 31622713 · 31622729
    {"three_primes/999510067897129", 999510067897129, Duration::kShort},  // 99971 · 99989 · 99991
};

// The divisor lists and the reports, up to the entries with the most divisors below 10^15.
struct ListEntry {
  const char* name;
  double n;
  Duration textbookDivisorList;
};

constexpr ListEntry kListEntries[] = {
    {"prime/999999999999989", 999999999999989, Duration::kSeconds},
    {"semiprime/999996483443777", 999996483443777, Duration::kSeconds},
    {"power_of_two/562949953421312", 562949953421312, Duration::kSeconds},
    {"nines/999999999999999", 999999999999999, Duration::kSeconds},
    {"divisors_26880/866421317361600", 866421317361600, Duration::kSeconds},
    {"divisors_13824/222622144044300", 222622144044300, Duration::kSeconds},
    {"divisors_1344/735134400", 735134400, Duration::kLong},
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

void Register(const std::string& name, auto function, double n, Duration duration) {
  auto* b = benchmark::RegisterBenchmark(name.c_str(), [function, n](benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(function(n));
  });
  switch (duration) {
    case Duration::kShort:
      b->Unit(benchmark::kMicrosecond)->MinTime(0.1)->Repetitions(5)->ReportAggregatesOnly(true);
      break;
    case Duration::kLong:
      b->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);
      break;
    case Duration::kSeconds:
      // The textbook divisor list takes seconds: its search counts up to the square root in steps
      // of one, and thousands of divisors go through the quadratic de-duplication and the full
      // bubble sort (the 26880 divisors of 866421317361600 take about a minute). Timed once.
      b->Unit(benchmark::kMillisecond)->Iterations(1);
      break;
  }
}

bool RegisterAll() {
  for (const OddEntry& e : kOddEntries) {
    const std::string name = e.name;
    Register("IsPrime/" + name, modMain::IsPrime, e.n, Duration::kShort);
    Register("textbook::IsPrime/" + name, textbook::IsPrime, e.n, e.textbook);
    Register("SmallestFactor/" + name, modMain::SmallestFactor, e.n, Duration::kShort);
    Register("textbook::SmallestFactor/" + name, textbook::SmallestFactor, e.n, e.textbook);
  }
  benchmark::RegisterBenchmark("SmallestFactor/hard_semiprimes", HardSemiprimes)
      ->Unit(benchmark::kMicrosecond)
      ->MinTime(0.1)
      ->Repetitions(5)
      ->ReportAggregatesOnly(true);
  const QLocale english(QLocale::English, QLocale::UnitedStates);
  for (const ListEntry& e : kListEntries) {
    const std::string name = e.name;
    Register("DivisorList/" + name, modMain::DivisorList, e.n, Duration::kShort);
    Register("textbook::DivisorList/" + name, textbook::DivisorList, e.n, e.textbookDivisorList);
    Register(
        "report::ReportText/" + name,
        [english](double n) { return report::ReportText(n, english); }, e.n, Duration::kShort);
  }
  return true;
}

const bool registered = RegisterAll();

}  // namespace

BENCHMARK_MAIN();
