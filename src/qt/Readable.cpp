#include "qt/Readable.h"

#include <cmath>

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

}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    double la = luminance(a), lb = luminance(b);
    if (la < lb) std::swap(la, lb);
    return (la + 0.05) / (lb + 0.05);
}

QColor readableOn(const QColor& ink, const QColor& paper) {
    // Well above the least: the thin strokes of small lettering are smoothed into the paper and seldom reach
    // the ink's full colour.
    const double wanted = LeastContrast + 2.5;
    if (contrastRatio(ink, paper) >= wanted) return ink;
    const QColor towards = luminance(paper) > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
    for (int step = 1; step <= 50; ++step) {
        QColor c = blend(ink, towards, step / 50.0);
        if (contrastRatio(c, paper) >= wanted) return c;
    }
    return towards;
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
