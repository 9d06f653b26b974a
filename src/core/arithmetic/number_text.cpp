#include "core/arithmetic/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string>

namespace modMain {

QString PlainText(double x) {
  if (x == 0) return QStringLiteral("0");
  if (!std::isfinite(x)) return QString::number(x);
  if (std::nearbyint(x) == x) {
    // Integer formatting is much faster, and list texts are made of whole numbers.
    if (std::fabs(x) < 0x1p63) return QString::number(static_cast<qlonglong>(x));
    return QString::number(x, 'f', 0);
  }
  return QString::number(x, 'f', QLocale::FloatingPointShortest);
}

QString GroupedText(double x, const QLocale& locale) { return locale.toString(x, 'f', 0); }

double PlainValue(QStringView text) {
  auto fail = [&text]() -> double {
    throw std::invalid_argument("not a plain decimal number: \"" + text.toString().toStdString() +
                                "\"");
  };
  std::string digits;
  digits.reserve(static_cast<std::size_t>(text.size()));
  qsizetype i = 0;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    if (text[i] == '-') digits += '-';
    ++i;
  }
  bool sawDigit = false;
  bool sawPoint = false;
  for (; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    if (c >= '0' && c <= '9') {
      sawDigit = true;
    } else if (c == '.' && !sawPoint) {
      sawPoint = true;
    } else {
      return fail();
    }
    digits += static_cast<char>(c);
  }
  if (!sawDigit) return fail();
  double value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                            std::chars_format::fixed);
  if (end != digits.data() + digits.size()) return fail();
  if (error == std::errc::result_out_of_range) {
    // Too small for a double reads as zero, like any tiny value; too large has no value.
    if (digits.find_first_of("123456789") < digits.find('.')) return fail();
    return digits[0] == '-' ? -0.0 : 0.0;
  }
  if (error != std::errc()) return fail();
  return value;
}

bool IsPlainDigits(QStringView text) {
  return !text.isEmpty() &&
         std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

}  // namespace modMain
