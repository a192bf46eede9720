// Lettering every player can read: the contrast of text against what it is drawn on is at least 4.5:1, the
// least that people with weaker sight can still read, for enabled and disabled controls alike. Shapes the
// player must make out, such as a scroll bar's handle on its track, stand out by 3:1 at the least.
#pragma once

#include <optional>

#include <QColor>
#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <QString>

namespace varnholt {

inline constexpr double LeastContrast = 4.5;
inline constexpr double LeastShapeContrast = 3.0;

// The contrast ratio of two colours, from 1 (the same) to 21 (black on white), by their relative luminance.
double contrastRatio(const QColor& a, const QColor& b);

// `ink` itself when it reads on `paper`, or else the nearest colour towards black (light paper) or white
// (dark paper) that does.
QColor readableOn(const QColor& ink, const QColor& paper);

// A shape's colour on `paper` that stands out from it by LeastShapeContrast: `paper` moved towards `ink` just as
// far as it takes. `ink` is lettering readable on that paper, and so stands out from it further.
QColor standingOut(const QColor& paper, const QColor& ink);

// The palette with every text role readable on the background it is drawn on, in every colour group. Disabled
// text stays a grey of its own, so a disabled control still looks disabled; a selected row's highlight is
// deepened until its text reads on it.
QPalette readablePalette(QPalette palette);

// Lettering drawn straight onto the screens' pictures, which are dark: light, and dimmer when disabled.
QColor onPicture(bool enabled);

// The lightest colour of a picture, which lettering drawn on it must read on: the pixel with the greatest
// 0.2126 red + 0.7152 green + 0.0722 blue (QColor's own fractions), the first in reading order on a tie;
// nothing for an empty picture.
std::optional<QColor> lightestColour(const QImage& picture);

// The lightest colour a BMP file notes in its header, as the game's own pictures do when they are made: its two
// reserved words hold an 'L' and the colour's red, green and blue. Nothing for a file without the note (a
// picture made elsewhere has zeros there).
std::optional<QColor> notedLightestColour(const QString& file);

// The same for a picture file: its note when it has one, or else worked out on the file's first use; either
// is remembered for the rest of the run. Nothing for a file that is not a picture. `shown` is the file as the
// window shows it, read already: its pixels are used when they are the file's own.
std::optional<QColor> lightestColour(const QString& file, const QPixmap& shown);

}  // namespace varnholt
