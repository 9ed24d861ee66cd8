#include "commun/style.h"

#include <QGroupBox>
#include <QPainter>
#include <QProxyStyle>
#include <QRadioButton>
#include <QStyleOption>

#include <algorithm>

namespace {

// Fusion, minus the two pictures it reads from files when the window first
// shows: reading any picture loads every image plugin, a good part of the
// start-up time. The menu bar of the fixed-size window never overflows, so its
// overflow button needs no icon; the frames are drawn as Fusion's picture shows them.
class StyleTarvio : public QProxyStyle {
public:
    StyleTarvio() : QProxyStyle("Fusion") {}

    QIcon standardIcon(StandardPixmap image, const QStyleOption* option, const QWidget* widget) const override
    {
        if (image == SP_ToolBarHorizontalExtensionButton)
            return {};
        return QProxyStyle::standardIcon(image, option, widget);
    }

    // The options are 13 pixels high, less than Fusion's circle.
    int pixelMetric(PixelMetric metrique, const QStyleOption* option, const QWidget* widget) const override
    {
        int valeur = QProxyStyle::pixelMetric(metrique, option, widget);
        bool rond = metrique == PM_ExclusiveIndicatorWidth || metrique == PM_ExclusiveIndicatorHeight;
        if (rond && qobject_cast<const QRadioButton*>(widget))
            return std::clamp(widget->height() - 2, 1, valeur);
        return valeur;
    }

    // The rate lists are 41 pixels wide: a slim arrow leaves their text the room it needs.
    QRect subControlRect(ComplexControl controle, const QStyleOptionComplex* option, SubControl partie,
                         const QWidget* widget) const override
    {
        constexpr int fleche = 7;
        const QRect r = option->rect;
        if (controle != CC_ComboBox || r.width() >= 60)
            return QProxyStyle::subControlRect(controle, option, partie, widget);
        switch (partie) {
        case SC_ComboBoxArrow:
            return visualRect(option->direction, r, QRect(r.right() - fleche, r.top() + 1, fleche, r.height() - 2));
        case SC_ComboBoxEditField: return visualRect(option->direction, r, r.adjusted(1, 2, -fleche - 1, -2));
        default: return QProxyStyle::subControlRect(controle, option, partie, widget);
        }
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element == PE_FrameGroupBox)
            dessiner_cadre(option, painter, widget);
        else
            QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

private:
    // A faint rounded line on a faintly darker ground, below the title. The
    // colours are mixed with the ground beforehand: Qt spreads translucent
    // paint over tall areas across threads, which costs more than it saves here.
    void dessiner_cadre(const QStyleOption* option, QPainter* painter, const QWidget* widget) const
    {
        int haut = 3;
        auto* cadre_titre = qobject_cast<const QGroupBox*>(widget);
        if (!cadre_titre || cadre_titre->isCheckable() || !cadre_titre->title().isEmpty())
            haut += qMax(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget), option->fontMetrics.height());
        const QRect cadre = option->rect.adjusted(1, haut + 1, 0, 0);
        const QColor fond = option->palette.window().color();
        painter->fillRect(cadre.adjusted(1, 1, -1, -1), melange(fond, Qt::black, 3));
        contour(painter, cadre.adjusted(1, 1, -1, -1), melange(fond, Qt::black, 7));
        // A line that stops short of the corners looks rounded at this size.
        contour(painter, cadre, melange(fond, QColor(0x75, 0x75, 0x75), 50), 1);
    }

    // A one-pixel outline, `retrait` pixels short of each corner, in solid fills.
    static void contour(QPainter* painter, const QRect& r, const QColor& couleur, int retrait = 0)
    {
        const int long_h = r.width() - 2 * retrait, long_v = r.height() - 2 * retrait;
        painter->fillRect(r.left() + retrait, r.top(), long_h, 1, couleur);
        painter->fillRect(r.left() + retrait, r.bottom(), long_h, 1, couleur);
        painter->fillRect(r.left(), r.top() + retrait, 1, long_v, couleur);
        painter->fillRect(r.right(), r.top() + retrait, 1, long_v, couleur);
    }

    // `encre` laid over `fond` with opacity alpha / 255.
    static QColor melange(const QColor& fond, const QColor& encre, int alpha)
    {
        auto canal = [alpha](int f, int e) { return (f * (255 - alpha) + e * alpha + 127) / 255; };
        return QColor(canal(fond.red(), encre.red()), canal(fond.green(), encre.green()),
                      canal(fond.blue(), encre.blue()));
    }
};

}  // namespace

QStyle* creer_style()
{
    return new StyleTarvio;
}
