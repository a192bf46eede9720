#include "qt/GameStyle.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionSlider>

#include "qt/Readable.h"

namespace varnholt {

namespace {

class GameStyle : public QProxyStyle {
public:
    GameStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    // A scroll bar: its track in the colour of the buttons drawn on its screen, the arrows as Fusion draws
    // them, and the handle that colour moved towards the buttons' lettering until it stands out. Fusion's own
    // handle and track are two shades of the button colour, too close to tell apart.
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override {
        const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
        if (control != CC_ScrollBar || !bar) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        const QColor track = bar->palette.color(QPalette::Button);
        painter->fillRect(bar->rect, track);
        QStyleOptionSlider arrows(*bar);
        arrows.subControls &= SC_ScrollBarAddLine | SC_ScrollBarSubLine;
        QProxyStyle::drawComplexControl(control, &arrows, painter, widget);
        if (!(bar->subControls & SC_ScrollBarSlider)) return;
        // The handle keeps clear of the track's sides and of the arrows, so it reads as a shape of its own.
        const bool vertical = bar->orientation == Qt::Vertical;
        const QRect handle = subControlRect(control, bar, SC_ScrollBarSlider, widget)
                                 .adjusted(vertical ? Inset : 1, vertical ? 1 : Inset, vertical ? -Inset : -1,
                                           vertical ? -1 : -Inset);
        if (handle.isEmpty()) return;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(standingOut(track, bar->palette.color(QPalette::ButtonText)));
        painter->drawRoundedRect(QRectF(handle), Rounding, Rounding);
        painter->restore();
    }

private:
    static constexpr int Inset = 2;
    static constexpr double Rounding = 2.5;
};

}  // namespace

void useGameStyle() {
    if (!dynamic_cast<GameStyle*>(QApplication::style())) QApplication::setStyle(new GameStyle);
}

}  // namespace varnholt
