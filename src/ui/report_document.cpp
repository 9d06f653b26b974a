#include "ui/report_document.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextTable>
#include <algorithm>
#include <vector>

namespace {

constexpr char16_t kLeftToRightMark = u'\u200E';

// A block's text with superscript digits written as such, spaces plain and line breaks as new
// lines. Plain text has superscript forms of the digits 0 to 9 alone, so an exponent in a
// locale's own digits (Arabic-Indic, Devanagari) takes those: "٢³", never the run-together "٢٣".
QString BlockText(const QTextBlock& block) {
  static const QString kSuperscripts = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
  QString text;
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    QString part = it.fragment().text();
    if (it.fragment().charFormat().verticalAlignment() == QTextCharFormat::AlignSuperScript) {
      for (QChar& c : part) {
        if (const int digit = c.digitValue(); digit >= 0) c = kSuperscripts[digit];
      }
    }
    text += part;
  }
  text.replace(QChar::LineSeparator, u'\n').replace(QChar::Nbsp, u' ');
  text.remove(kLeftToRightMark);
  return text;
}

QString CellText(const QTextTableCell& cell) {
  QStringList blocks;
  for (auto it = cell.begin(); !it.atEnd(); ++it) blocks << BlockText(it.currentBlock()).trimmed();
  return blocks.join(u' ');
}

// Each row on one line, the columns padded to their widest cell and right-aligned where the
// cells are. In a column of divided numbers ("| 360"), a cell without the bar is indented by the
// bar's width, so that the last quotient stands under the numbers.
QStringList TableLines(QTextTable& table) {
  const int rows = table.rows();
  const int columns = table.columns();
  std::vector<QStringList> cells(rows);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) cells[r] << CellText(table.cellAt(r, c));
  }
  std::vector<int> width(columns, 0);
  std::vector<bool> rightAligned(columns, false);
  for (int c = 0; c < columns; ++c) {
    const bool barred = std::any_of(cells.begin(), cells.end(), [c](const QStringList& row) {
      return row[c].startsWith(u'|');
    });
    for (int r = 0; r < rows; ++r) {
      QString& text = cells[r][c];
      if (barred && !text.isEmpty() && !text.startsWith(u'|')) text.prepend(QStringLiteral("  "));
      width[c] = std::max(width[c], static_cast<int>(text.size()));
      const Qt::Alignment alignment =
          table.cellAt(r, c).firstCursorPosition().blockFormat().alignment();
      rightAligned[c] = rightAligned[c] || (alignment & Qt::AlignRight);
    }
  }
  QStringList lines;
  for (const QStringList& row : cells) {
    QString line;
    for (int c = 0; c < columns; ++c) {
      if (c > 0) line += u' ';
      line += rightAligned[c] ? row[c].rightJustified(width[c]) : row[c].leftJustified(width[c]);
    }
    lines << line;
  }
  return lines;
}

}  // namespace

QString WithNumbersInOrder(const QString& html) {
  // Digits of other scripts are left-to-right runs already; the text stays exactly as written.
  static const QRegularExpression arabicDigits(QStringLiteral("[\\x{0660}-\\x{066C}]"));
  if (!html.contains(arabicDigits)) return html;
  // Only text between tags: attributes have equals signs of their own.
  static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
  QString shown;
  qsizetype from = 0;
  const auto appendText = [&](qsizetype to) {
    shown += html.mid(from, to - from).replace(u'=', QString(u'=') + QChar(kLeftToRightMark));
  };
  for (auto it = tag.globalMatch(html); it.hasNext();) {
    const QRegularExpressionMatch match = it.next();
    appendText(match.capturedStart());
    shown += match.captured();
    from = match.capturedEnd();
  }
  appendText(html.size());
  return shown;
}

QString ClipboardText(const QTextDocumentFragment& fragment) {
  QTextDocument document;
  QTextCursor(&document).insertFragment(fragment);
  QStringList lines;
  for (auto it = document.rootFrame()->begin(); !it.atEnd(); ++it) {
    if (auto* table = qobject_cast<QTextTable*>(it.currentFrame())) {
      lines << TableLines(*table);
    } else if (it.currentBlock().isValid()) {
      for (const QString& line : BlockText(it.currentBlock()).split(u'\n')) lines << line.trimmed();
    }
  }
  // Each line without the blanks a left-aligned column leaves at its end, and no empty lines
  // around the whole, such as the paragraph end a selection takes with it.
  for (QString& line : lines) {
    while (line.endsWith(u' ')) line.chop(1);
  }
  while (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  while (!lines.isEmpty() && lines.front().isEmpty()) lines.removeFirst();
  return lines.join(u'\n');
}
