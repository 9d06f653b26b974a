#pragma once
// The report as the view shows it and as the clipboard gets it in plain text.

#include <QString>

class QTextDocumentFragment;

// The report's HTML with a left-to-right mark after each equals sign in its text when it has
// Arabic-Indic digits: the bidirectional algorithm takes numbers in them for right-to-left runs,
// and without the mark "360 = 2 x …" shows as "2 = 360 x …" even in a left-to-right paragraph.
QString WithNumbersInOrder(const QString& html);

// The plain text of (part of) the report, as a person writes it: one line a paragraph or line
// break, exponents as superscript digits ("2³x 3²x 5"), and each row of a table on one line with
// its columns aligned ("2 | 360", the last quotient under the numbers).
QString ClipboardText(const QTextDocumentFragment& fragment);
