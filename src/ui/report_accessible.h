#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// An accessibility factory (QAccessible::installFactory) for the report view: assistive
// technology reads the report as its plain-text copy writes it, exponents as superscript digits
// ("2³x 3²x 5") and one division row a line, never as run-together digits ("23x 32x 5").
QAccessibleInterface* ReportAccessible(const QString& className, QObject* object);
