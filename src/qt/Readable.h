// Lettering every player can read: the contrast of text against what it is drawn on is at least 4.5:1, the
// least that people with weaker sight can still read, for enabled and disabled controls alike.
#pragma once

#include <QColor>
#include <QPalette>

namespace varnholt {

inline constexpr double LeastContrast = 4.5;

// The contrast ratio of two colours, from 1 (the same) to 21 (black on white), by their relative luminance.
double contrastRatio(const QColor& a, const QColor& b);

// `ink` itself when it reads on `paper`, or else the nearest colour towards black (light paper) or white
// (dark paper) that does.
QColor readableOn(const QColor& ink, const QColor& paper);

// The palette with every text role readable on the background it is drawn on, in every colour group. Disabled
// text stays a grey of its own, so a disabled control still looks disabled; a selected row's highlight is
// deepened until its text reads on it.
QPalette readablePalette(QPalette palette);

// Lettering drawn straight onto the screens' pictures, which are dark: light, and dimmer when disabled.
QColor onPicture(bool enabled);

}  // namespace varnholt
