#include <QHash>
#include <QStringView>
#include <algorithm>
#include <unordered_set>
#include <utility>
#include <vector>

#include "core/arithmetic/arithmetic.h"
#include "core/arithmetic/number_text.h"

namespace modMain {
namespace {

struct ViewHash {
  std::size_t operator()(QStringView view) const noexcept { return qHash(view); }
};

QStringView TrimBlanks(QStringView s) {
  while (!s.isEmpty() && s.front() == ' ') s = s.sliced(1);
  while (!s.isEmpty() && s.back() == ' ') s.chop(1);
  return s;
}

}  // namespace

QString DistinctItems(const QString& list) {
  const QStringView trimmed = TrimBlanks(list);
  if (trimmed.isEmpty()) return QString();
  std::unordered_set<QStringView, ViewHash> seen;
  QString result;
  result.reserve(trimmed.size());
  for (const QStringView item : trimmed.split(' ')) {
    if (seen.insert(item).second) {
      result += item;
      result += ' ';
    }
  }
  // Each kept item is followed by one blank and the end is trimmed; an empty item (from two
  // blanks in a row) kept last leaves one more blank to trim.
  return TrimBlanks(result).toString();
}

void SortList(QStringList& items, bool ascending) {
  struct Keyed {
    double value;
    qsizetype index;
  };
  std::vector<Keyed> keyed;
  keyed.reserve(static_cast<std::size_t>(items.size()));
  for (qsizetype i = 0; i < items.size(); ++i) keyed.push_back({PlainValue(items[i]), i});
  // The bubble sort of the plain algorithm swaps only neighbours strictly out of order, so equal
  // values keep their order in either direction: a stable sort gives the same array.
  if (ascending) {
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const Keyed& a, const Keyed& b) { return a.value < b.value; });
  } else {
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const Keyed& a, const Keyed& b) { return a.value > b.value; });
  }
  QStringList sorted;
  sorted.reserve(items.size());
  for (const Keyed& k : keyed) sorted.append(std::move(items[k.index]));
  items = std::move(sorted);
}

}  // namespace modMain
