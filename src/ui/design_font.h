#pragma once

#include <QFont>

// The face the windows are designed in, "MS Sans Serif", at a size in points and a weight. Where
// it is missing, a sans-serif face of the same metrics takes its place, so that captions fit the
// designed widths; failing that, the platform's default sans-serif.
QFont DesignFont(double points, bool bold);
