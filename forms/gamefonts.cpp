#include "forms/gamefonts.h"

#include <QFont>
#include <QWidget>
#include <cmath>

namespace GameFonts {

namespace {

// The face the layouts name; the stand-ins take its place.
constexpr QLatin1StringView DesignFace("MS Sans Serif");

QStringList standIns()
{
    return {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
            QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")};
}

// The stand-in for a design font of the given point size and weight.
QFont font(double points, bool bold)
{
    QFont f;
    f.setFamilies(QStringList{QString(DesignFace)} + standIns());
    f.setStyleHint(QFont::SansSerif);
    // Designer stores whole points; 8 stands for the design font size 8.25.
    const double designPoints = points == 8.0 ? 8.25 : points;
    f.setPixelSize(static_cast<int>(std::lround(designPoints * 96.0 / 72.0)));
    f.setBold(bold);
    return f;
}

} // namespace

void substituteDesignFace()
{
    QFont::insertSubstitutions(QString(DesignFace), standIns());
}

void adapt(QWidget *window)
{
    const auto convert = [](QWidget *w) {
        const QFont design = w->font();
        const double points = design.pointSizeF() > 0 ? design.pointSizeF() : 8.0;
        w->setFont(font(points, design.bold()));
    };
    convert(window);
    const auto children = window->findChildren<QWidget *>();
    for (QWidget *child : children) {
        // A style sheet can leave a control holding the design face
        // without having set a font of its own.
        if (child->testAttribute(Qt::WA_SetFont) || child->font().family() == DesignFace)
            convert(child);
    }
}

} // namespace GameFonts
