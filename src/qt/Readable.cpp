#include "qt/Readable.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

#include <QFile>
#include <QImageReader>

namespace varnholt {

namespace {

double channel(int v) {
    double c = v / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c) {
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

QColor blend(const QColor& a, const QColor& b, double t) {
    auto mix = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
}

// What a pixel weighs when the lightest colour is looked for.
double lightness(const QColor& c) { return 0.2126 * c.redF() + 0.7152 * c.greenF() + 0.0722 * c.blueF(); }

// The three terms of `lightness` for every 8-bit channel value, taken from QColor itself: its fractions are
// floats, so two colours of the same integer weight can still differ in the last bits, and the lightest
// colour must be the very pixel that `lightness` picks.
struct ChannelWeights {
    std::array<double, 256> red{}, green{}, blue{};
    ChannelWeights() {
        for (int v = 0; v < 256; ++v) {
            const QColor grey(v, v, v);
            red[static_cast<std::size_t>(v)] = 0.2126 * grey.redF();
            green[static_cast<std::size_t>(v)] = 0.7152 * grey.greenF();
            blue[static_cast<std::size_t>(v)] = 0.0722 * grey.blueF();
        }
    }
    double operator()(QRgb p) const {
        return red[static_cast<std::size_t>(qRed(p))] + green[static_cast<std::size_t>(qGreen(p))] +
               blue[static_cast<std::size_t>(qBlue(p))];
    }
};

// Whether every pixel of the picture, as QColor reads it, is one 32-bit ARGB value: no channel finer than 8
// bits and no alpha that must be divided out.
bool eightBitsAChannel(const QImage& picture) {
    const QPixelFormat f = picture.pixelFormat();
    return f.premultiplied() == QPixelFormat::NotPremultiplied &&
           std::max({f.redSize(), f.greenSize(), f.blueSize()}) <= 8;
}

}  // namespace

std::optional<QColor> lightestColour(const QImage& picture) {
    const int width = picture.width(), height = picture.height();
    double most = -1;
    if (!eightBitsAChannel(picture)) {
        // Finer or premultiplied pixels keep QColor's own rounding (the game's pictures are 24-bit).
        std::optional<QColor> lightest;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const QColor c = picture.pixelColor(x, y);
                if (const double l = lightness(c); l > most) {
                    most = l;
                    lightest = c;
                }
            }
        return lightest;
    }
    static const ChannelWeights weigh;
    // A 32-bit RGB picture is read as it is; its unused top byte is opaque alpha.
    const bool rgb32 = picture.format() == QImage::Format_RGB32;
    const QImage image = rgb32 ? picture : picture.convertToFormat(QImage::Format_ARGB32);
    std::optional<QRgb> lightest;
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x)
            if (const double l = weigh(line[x]); l > most) {
                most = l;
                lightest = line[x];
            }
    }
    if (!lightest) return std::nullopt;
    return QColor::fromRgba(rgb32 ? *lightest | 0xff000000u : *lightest);
}

std::optional<QColor> notedLightestColour(const QString& file) {
    QFile picture(file);
    char header[10];
    if (!picture.open(QIODevice::ReadOnly) || picture.read(header, sizeof header) != sizeof header) return std::nullopt;
    if (header[0] != 'B' || header[1] != 'M' || header[6] != 'L') return std::nullopt;
    return QColor(static_cast<unsigned char>(header[7]), static_cast<unsigned char>(header[8]),
                  static_cast<unsigned char>(header[9]));
}

std::optional<QColor> lightestColour(const QString& file, const QPixmap& shown) {
    static std::map<QString, std::optional<QColor>> known;
    auto it = known.find(file);
    if (it == known.end()) {
        // The game's own pictures carry it: no pixel needs reading.
        if (auto noted = notedLightestColour(file)) it = known.emplace(file, noted).first;
    }
    if (it == known.end()) {
        // The window has just read the file to show it. Its pixels are the file's own unless they were
        // converted for the screen (alpha premultiplied, fewer bits a channel): then the file is read again.
        QImage picture = shown.toImage();
        if (picture.isNull() || picture.format() != QImageReader(file).imageFormat()) picture = QImage(file);
        it = known.emplace(file, lightestColour(picture)).first;
    }
    return it->second;
}

double contrastRatio(const QColor& a, const QColor& b) {
    double la = luminance(a), lb = luminance(b);
    if (la < lb) std::swap(la, lb);
    return (la + 0.05) / (lb + 0.05);
}

namespace {

// The first colour on the way from `from` to `towards`, in fiftieths, that stands out from `paper` by `wanted`;
// `towards` itself when none before it does.
QColor firstStandingOut(const QColor& from, const QColor& towards, const QColor& paper, double wanted) {
    for (int step = 0; step < 50; ++step) {
        QColor c = blend(from, towards, step / 50.0);
        if (contrastRatio(c, paper) >= wanted) return c;
    }
    return towards;
}

}  // namespace

QColor readableOn(const QColor& ink, const QColor& paper) {
    // Well above the least: the thin strokes of small lettering are smoothed into the paper and seldom reach
    // the ink's full colour.
    const QColor towards = luminance(paper) > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
    return firstStandingOut(ink, towards, paper, LeastContrast + 2.5);
}

QColor standingOut(const QColor& paper, const QColor& ink) {
    return firstStandingOut(paper, ink, paper, LeastShapeContrast);
}

QPalette readablePalette(QPalette palette) {
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        auto fix = [&](QPalette::ColorRole ink, QPalette::ColorRole paper) {
            palette.setColor(group, ink, readableOn(palette.color(group, ink), palette.color(group, paper)));
        };
        fix(QPalette::Text, QPalette::Base);
        fix(QPalette::WindowText, QPalette::Window);
        fix(QPalette::ButtonText, QPalette::Button);
        fix(QPalette::ToolTipText, QPalette::ToolTipBase);
        // The highlight is what moves: the selected row's text keeps its colour.
        palette.setColor(group, QPalette::Highlight,
                         readableOn(palette.color(group, QPalette::Highlight),
                                    palette.color(group, QPalette::HighlightedText)));
    }
    return palette;
}

QColor onPicture(bool enabled) { return enabled ? QColor(242, 236, 222) : QColor(170, 164, 154); }

}  // namespace varnholt
