#include "forms/gamefonts.h"

#include <QFont>
#include <QWidget>
#include <cmath>

namespace GameFonts {

namespace {

QStringList standIns()
{
    return {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
            QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")};
}

} // namespace

void substituteDesignFace()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), standIns());
}

QFont font(double points, bool bold)
{
    QFont f;
    f.setFamilies(QStringList{QStringLiteral("MS Sans Serif")} + standIns());
    f.setStyleHint(QFont::SansSerif);
    // Designer stores whole points; 8 stands for the design font size 8.25.
    const double designPoints = points == 8.0 ? 8.25 : points;
    f.setPixelSize(static_cast<int>(std::lround(designPoints * 96.0 / 72.0)));
    f.setBold(bold);
    return f;
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
        if (child->testAttribute(Qt::WA_SetFont) || child->font().family() == QLatin1String("MS Sans Serif"))
            convert(child);
    }
}

} // namespace GameFonts
