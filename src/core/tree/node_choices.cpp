#include "core/tree/node_choices.h"

#include <utility>

#include "core/arithmetic/arithmetic.h"

namespace {

class DivisorChoices : public toolkit::ItemSource {
 public:
  DivisorChoices(double parentValue, std::vector<std::uint64_t> parentFactors)
      : parentValue_(parentValue), parentFactors_(std::move(parentFactors)) {}

  int Count() const override {
    if (written_) return static_cast<int>(texts_.size());
    if (count_ < 0) count_ = CountDivisors();
    return count_;
  }
  QString Text(int i) const override { return Texts().value(i); }
  const QStringList& Texts() const override {
    if (!written_) texts_ = NodeChoices(parentValue_), written_ = true;
    return texts_;
  }

 private:
  // The parent has a divisor for every choice of each prime's exponent; the list leaves out 1
  // and the parent.
  int CountDivisors() const {
    if (parentFactors_.empty()) return static_cast<int>(Texts().size());
    int divisors = 1, exponent = 0;
    std::uint64_t last = 0;
    for (const std::uint64_t p : parentFactors_) {
      if (p != last) divisors *= exponent + 1, exponent = 0, last = p;
      ++exponent;
    }
    return divisors * (exponent + 1) - 2;
  }

  double parentValue_;
  std::vector<std::uint64_t> parentFactors_;
  mutable int count_ = -1;  // not yet counted
  mutable QStringList texts_;
  mutable bool written_ = false;
};

}  // namespace

QStringList NodeChoices(double parentValue) {
  // The list of a number above 1 runs from 1 to the number, so those are its two ends; a prime's
  // has nothing between them, and 0, 1 and negative numbers list only themselves. The ends are
  // dropped in place, keeping the one list that the odd sibling and both list models then share.
  QStringList items = modMain::DivisorItems(parentValue);
  if (items.size() < 2) return {};
  items.removeFirst();
  items.removeLast();
  return items;
}

std::shared_ptr<const toolkit::ItemSource> NodeChoiceItems(
    double parentValue, std::vector<std::uint64_t> parentFactors) {
  return std::make_shared<DivisorChoices>(parentValue, std::move(parentFactors));
}
