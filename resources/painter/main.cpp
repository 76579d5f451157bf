// Paints Chromaland's built-in pictures: the world map, the title banner and the window icons,
// and the icon theme's pictures of the game under icons/.
// Re-run after changing anything here (from the repository root):
//   cmake -S resources/painter -B /tmp/painter-build && cmake --build /tmp/painter-build && QT_QPA_PLATFORM=offscreen /tmp/painter-build/painter resources
// The pip set for the Graphics folder (pipset.cpp) is not painted here: every build of the
// game paints it with pipspainter.

#include "jpegwriter.h"
#include "widgets/mapgrid.h"

#include "resources/colourgroups.h"

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

namespace {

// ---------------------------------------------------------------------------
// World map
// ---------------------------------------------------------------------------

constexpr int kMapWidth = 352;
constexpr int kMapHeight = 368;
// The grid lines sit one pixel before each square's interior; the rows
// above the healing row are lined, the healing row is tiled.
constexpr int kGridOrigin = int(MapGrid::FirstSquare) - 1; // 7, both directions
constexpr int kCell = int(MapGrid::Step);
constexpr int kColumns = MapGrid::Columns;
constexpr int kRows = MapGrid::Rows - 1;
constexpr int kGridRight = kGridOrigin + kColumns * kCell; // 343
constexpr int kGridBottom = kGridOrigin + kRows * kCell; // 343, top edge of the healing row
constexpr int kHealBottom = kGridBottom + kCell; // 359

const QColor kKhaki(225, 224, 159);
const QColor kGridWhite(255, 255, 255);
const QColor kHealOutline(128, 0, 0);
const QColor kHealFill(255, 200, 210);
const QColor kHealRing(220, 110, 150);
const QColor kHealCentre(255, 244, 248);

// How dark the band is on a given pixel row: 0 = pale khaki, 1 = black.
// The darkness follows a half-cosine between anchor rows, so the bands shade
// smoothly: pale at the top, dark, pale in the middle, dark, pale at the bottom.
double bandDarkness(int y)
{
    static constexpr std::array<std::pair<int, double>, 5> anchors{{
        {8, 0.0},
        {80, 1.0},
        {176, 0.0},
        {272, 1.0},
        {342, 0.0},
    }};
    if (y <= anchors.front().first)
        return anchors.front().second;
    for (std::size_t i = 1; i < anchors.size(); ++i) {
        const auto [y1, d1] = anchors[i];
        if (y <= y1) {
            const auto [y0, d0] = anchors[i - 1];
            const double t = double(y - y0) / double(y1 - y0);
            const double s = (1.0 - std::cos(std::numbers::pi * t)) / 2.0;
            return d0 + (d1 - d0) * s;
        }
    }
    return anchors.back().second;
}

QColor bandColour(int y)
{
    const double k = 1.0 - bandDarkness(y);
    return QColor(int(std::lround(kKhaki.red() * k)), int(std::lround(kKhaki.green() * k)),
                  int(std::lround(kKhaki.blue() * k)));
}

void paintHealingTile(QPainter &p, int column)
{
    const int left = kGridOrigin + column * kCell;
    const int top = kGridBottom;

    // Outline on x = left and left + 16, y = top and top + 16; shared with the neighbours.
    p.fillRect(left, top, kCell + 1, kCell + 1, kHealOutline);
    p.fillRect(left + 1, top + 1, kCell - 1, kCell - 1, kHealFill);

    // Ring and bright centre, pixel by pixel so the edges stay hard.
    const int cx = left + 8;
    const int cy = top + 8;
    for (int y = top + 1; y < top + kCell; ++y) {
        for (int x = left + 1; x < left + kCell; ++x) {
            const double d = std::hypot(double(x - cx), double(y - cy));
            if (d < 2.6)
                p.fillRect(x, y, 1, 1, kHealCentre);
            else if (d < 5.6)
                p.fillRect(x, y, 1, 1, kHealRing);
        }
    }
}

QImage paintWorldMap()
{
    QImage img(kMapWidth, kMapHeight, QImage::Format_RGB32);
    img.fill(kKhaki);

    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);

    // Shaded bands behind the grid.
    for (int y = kGridOrigin; y < kGridBottom; ++y)
        p.fillRect(kGridOrigin, y, kGridRight - kGridOrigin + 1, 1, bandColour(y));

    // Grid lines, one pixel wide.
    for (int i = 0; i <= kColumns; ++i)
        p.fillRect(kGridOrigin + i * kCell, kGridOrigin, 1, kGridBottom - kGridOrigin + 1, kGridWhite);
    for (int j = 0; j < kRows; ++j)
        p.fillRect(kGridOrigin, kGridOrigin + j * kCell, kGridRight - kGridOrigin + 1, 1, kGridWhite);

    // The healing row closes the last row of squares from below.
    for (int c = 0; c < kColumns; ++c)
        paintHealingTile(p, c);

    p.end();
    Q_ASSERT(kHealBottom < kMapHeight);
    return img;
}

// ---------------------------------------------------------------------------
// Title banner
// ---------------------------------------------------------------------------

constexpr int kTitleWidth = 562;
constexpr int kTitleHeight = 63;
constexpr int kStripeWidth = 4;

const std::array<QColor, 7> kRainbow{
    QColor(255, 182, 213), // pink
    QColor(255, 206, 158), // orange
    QColor(255, 244, 160), // yellow
    QColor(186, 240, 170), // green
    QColor(166, 236, 240), // cyan
    QColor(170, 196, 255), // blue
    QColor(214, 180, 255), // violet
};

QColor stripeColour(int x, int y)
{
    const int band = ((x + y) / kStripeWidth) % int(kRainbow.size());
    return kRainbow[std::size_t(band)];
}

// The letters use the same stripes, only darker and greyer.
QColor shade(const QColor &c)
{
    const double grey = 0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue();
    auto mix = [grey](int v) {
        const double greyed = 0.45 * v + 0.55 * grey;
        return int(std::lround(greyed * 0.58));
    };
    return QColor(mix(c.red()), mix(c.green()), mix(c.blue()));
}

QColor shadedStripeColour(int x, int y)
{
    return shade(stripeColour(x, y));
}

QImage stripes(int width, int height, QColor (*colourAt)(int, int))
{
    QImage img(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = colourAt(x, y).rgb();
    }
    return img;
}

QString titleFontFamily()
{
    const QStringList families = QFontDatabase::families();
    for (const QString &wanted : {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}) {
        if (families.contains(wanted))
            return wanted;
    }
    return QStringLiteral("Sans Serif");
}

// "Chromaland" as an outline, scaled so the tall letters are about 46 px high
// and the word spans most of the banner.
QPainterPath titleTextPath()
{
    QFont font(titleFontFamily());
    font.setBold(true);
    font.setPixelSize(64);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 8.0);

    QPainterPath path;
    path.addText(0, 0, font, QStringLiteral("Chromaland"));
    const QRectF box = path.boundingRect();

    constexpr double letterHeight = 46.0;
    constexpr double wantedWidth = 496.0;
    const double sy = letterHeight / box.height();
    // Widen the letters a little if the word is short, but never so much that they look squashed.
    const double sx = std::clamp(wantedWidth / box.width(), sy, 1.15 * sy);

    QTransform t;
    t.translate(kTitleWidth / 2.0, kTitleHeight / 2.0);
    t.scale(sx, sy);
    t.translate(-box.center().x(), -box.center().y());
    return t.map(path);
}

void paintBevelFrame(QPainter &p, int width, int height)
{
    const QColor light(186, 186, 204);
    const QColor face(112, 112, 132);
    const QColor dark(44, 44, 60);

    // Middle ring in the frame colour.
    p.fillRect(0, 0, width, 3, face);
    p.fillRect(0, height - 3, width, 3, face);
    p.fillRect(0, 0, 3, height, face);
    p.fillRect(width - 3, 0, 3, height, face);

    // Outer edge: lit from the top left.
    p.fillRect(0, 0, width, 1, light);
    p.fillRect(0, 0, 1, height, light);
    p.fillRect(0, height - 1, width, 1, dark);
    p.fillRect(width - 1, 0, 1, height, dark);

    // Inner edge: sunken, so the picture sits in a recess.
    p.fillRect(2, 2, width - 4, 1, dark);
    p.fillRect(2, 2, 1, height - 4, dark);
    p.fillRect(2, height - 3, width - 4, 1, light);
    p.fillRect(width - 3, 2, 1, height - 4, light);
}

// The title word filled with the shaded stripes and outlined in black, and
// the bevelled frame, on the stripes; `scale` 2 paints the 2x artwork.
QImage finishTitle(QImage img, const QImage &letterFill, qreal scale)
{
    const QPainterPath text = titleTextPath();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(scale, scale);

    p.save();
    p.setClipPath(text);
    p.resetTransform();
    p.drawImage(0, 0, letterFill);
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(text);

    p.setRenderHint(QPainter::Antialiasing, false);
    paintBevelFrame(p, kTitleWidth, kTitleHeight);
    p.end();
    return img;
}

QImage paintTitle()
{
    return finishTitle(stripes(kTitleWidth, kTitleHeight, stripeColour),
                       stripes(kTitleWidth, kTitleHeight, shadedStripeColour), 1);
}

// ---------------------------------------------------------------------------
// Twice the resolution, for screens scaled 2x
// ---------------------------------------------------------------------------
//
// Every line, tile and letter lies on the same map pixels as in the pictures
// above; only the detail within each pixel is finer.

QImage paintWorldMap2x()
{
    QImage img(2 * kMapWidth, 2 * kMapHeight, QImage::Format_RGB32);
    img.fill(kKhaki);

    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.scale(2, 2);
    for (int y = kGridOrigin; y < kGridBottom; ++y)
        p.fillRect(kGridOrigin, y, kGridRight - kGridOrigin + 1, 1, bandColour(y));
    for (int i = 0; i <= kColumns; ++i)
        p.fillRect(kGridOrigin + i * kCell, kGridOrigin, 1, kGridBottom - kGridOrigin + 1, kGridWhite);
    for (int j = 0; j < kRows; ++j)
        p.fillRect(kGridOrigin, kGridOrigin + j * kCell, kGridRight - kGridOrigin + 1, 1, kGridWhite);
    p.resetTransform();

    // Healing tiles: the outline on the same map pixels, the ring and the
    // centre measured from the middle of each half pixel.
    for (int c = 0; c < kColumns; ++c) {
        const int left = kGridOrigin + c * kCell;
        const int top = kGridBottom;
        p.fillRect(2 * left, 2 * top, 2 * (kCell + 1), 2 * (kCell + 1), kHealOutline);
        p.fillRect(2 * (left + 1), 2 * (top + 1), 2 * (kCell - 1), 2 * (kCell - 1), kHealFill);
        const double cx = left + 8 + 0.5;
        const double cy = top + 8 + 0.5;
        for (int y = 2 * (top + 1); y < 2 * (top + kCell); ++y) {
            for (int x = 2 * (left + 1); x < 2 * (left + kCell); ++x) {
                const double d = std::hypot((x + 0.5) / 2.0 - cx, (y + 0.5) / 2.0 - cy);
                if (d < 2.6)
                    img.setPixelColor(x, y, kHealCentre);
                else if (d < 5.6)
                    img.setPixelColor(x, y, kHealRing);
            }
        }
    }
    p.end();
    return img;
}

// The stripes in half pixels: the same bands, with smoother diagonal edges.
QColor stripeColour2x(int x, int y)
{
    const int band = ((x + y) / (2 * kStripeWidth)) % int(kRainbow.size());
    return kRainbow[std::size_t(band)];
}

QColor shadedStripeColour2x(int x, int y)
{
    return shade(stripeColour2x(x, y));
}

QImage paintTitle2x()
{
    return finishTitle(stripes(2 * kTitleWidth, 2 * kTitleHeight, stripeColour2x),
                       stripes(2 * kTitleWidth, 2 * kTitleHeight, shadedStripeColour2x), 2);
}

// ---------------------------------------------------------------------------
// Icons
// ---------------------------------------------------------------------------

// One filled rectangle of the icon, on the icon's own pixel grid.
struct IconRect
{
    int x, y, width, height;
    QColor colour;
};

// The game itself: the white square among coloured enemies on the map's
// grid, its rows shaded like the map's bands, the bottom row the healing
// row. Drawn on a 32-pixel grid (a 5 x 5 piece of the map) and, for the
// smallest size, on a 16-pixel grid (3 x 3 squares). The pictures of every
// size and the scalable one are made from these.
std::vector<IconRect> iconArt(int grid)
{
    const QColor white(255, 255, 255);
    const QColor shadow(0, 0, 0, 96);
    // The enemies' colours, as on the map.
    const auto marker = [](int group) { return ColourGroups::colour(ColourGroups::All[std::size_t(group)].marker); };
    const QColor violet = marker(0);
    const QColor indigo = marker(1);
    const QColor blue = marker(2);
    const QColor green = marker(3);
    const QColor yellow = marker(4);
    const QColor orange = marker(5);
    const QColor red = marker(6);

    // cells x cells squares of pitch - 1 pixels between one-pixel white grid
    // lines, the outer ones dark so that the picture keeps its edge on a light
    // ground; a shadow one pixel to the bottom right fills the last column and row.
    const int cells = grid == 32 ? 5 : 3;
    const int pitch = grid == 32 ? 6 : 5;
    const int span = cells * pitch + 1;
    const QColor edge(79, 78, 56);
    std::vector<IconRect> art{
        {1, 1, span, span, shadow},
        {0, 0, span, span, edge},
        {1, 1, span - 2, span - 2, white},
    };
    auto square = [&](int column, int row, const QColor &colour) {
        art.push_back({column * pitch + 1, row * pitch + 1, pitch - 1, pitch - 1, colour});
    };
    // Each row's ground: the map's bands at the rows' heights, pale to dark.
    auto ground = [&](int row, double darkness) {
        const double k = 1.0 - darkness;
        const QColor colour(int(std::lround(kKhaki.red() * k)), int(std::lround(kKhaki.green() * k)),
                            int(std::lround(kKhaki.blue() * k)));
        for (int column = 0; column < cells; ++column)
            square(column, row, colour);
    };

    if (grid == 32) {
        ground(0, 0.25);
        ground(1, 0.9);
        ground(2, 0.7);
        ground(3, 0.9);
        for (int column = 0; column < cells; ++column)
            square(column, 4, kHealFill);
        square(0, 0, violet);
        square(3, 0, indigo);
        square(1, 1, blue);
        square(4, 1, green);
        square(2, 2, white);
        square(0, 3, yellow);
        square(3, 3, orange);
        square(4, 2, red);
        return art;
    }
    ground(0, 0.35);
    ground(1, 0.9);
    for (int column = 0; column < cells; ++column)
        square(column, 2, kHealFill);
    square(0, 0, violet);
    square(2, 0, blue);
    square(1, 1, white);
    square(0, 1, yellow);
    square(2, 1, red);
    return art;
}

// Whole pixels of the art at every size: multiples of 32 use the 32-pixel
// grid, other sizes (16, 48) the 16-pixel one.
int iconGrid(int size)
{
    return size % 32 == 0 ? 32 : 16;
}

QImage paintIcon(int size)
{
    const int grid = iconGrid(size);
    const int scale = size / grid;
    Q_ASSERT(scale * grid == size);

    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const IconRect &r : iconArt(grid))
        p.fillRect(r.x * scale, r.y * scale, r.width * scale, r.height * scale, r.colour);
    p.end();
    return img;
}

// The 32-pixel art as a scalable picture: the same rectangles, kept sharp.
QByteArray iconSvg()
{
    QByteArray svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" viewBox=\"0 0 32 32\""
                     " shape-rendering=\"crispEdges\">\n";
    for (const IconRect &r : iconArt(32)) {
        const QString opacity = r.colour.alpha() == 255
            ? QString()
            : QStringLiteral(" fill-opacity=\"%1\"").arg(r.colour.alphaF(), 0, 'g', 3);
        svg += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\"%6/>\n")
                   .arg(r.x)
                   .arg(r.y)
                   .arg(r.width)
                   .arg(r.height)
                   .arg(r.colour.name(), opacity)
                   .toUtf8();
    }
    svg += "</svg>\n";
    return svg;
}

// ---------------------------------------------------------------------------
// Writers
// ---------------------------------------------------------------------------

bool writeJpeg(const QImage &img, const QString &path, int quality)
{
    QString error;
    if (!writeJpeg444(img, path, quality, &error)) {
        QTextStream(stderr) << "painter: cannot write " << path << ": " << error << '\n';
        return false;
    }
    return true;
}

bool writePng(const QImage &img, const QString &path)
{
    QImageWriter writer(path, "png");
    if (!writer.write(img)) {
        QTextStream(stderr) << "painter: cannot write " << path << ": " << writer.errorString() << '\n';
        return false;
    }
    return true;
}

bool writeFile(const QByteArray &data, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) {
        QTextStream(stderr) << "painter: cannot write " << path << '\n';
        return false;
    }
    return true;
}

// The icon theme's pictures of the game: icons/hicolor/<size>/apps/<id>.png
// for each fixed size and icons/hicolor/scalable/apps/<id>.svg.
bool writeThemeIcons(const QDir &outDir)
{
    const QString appId = QStringLiteral(CHROMALAND_APP_ID);
    bool ok = true;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("icons/hicolor/%1x%1/apps").arg(size);
        ok = outDir.mkpath(folder) && ok;
        ok = writePng(paintIcon(size), outDir.filePath(folder + QLatin1Char('/') + appId + QStringLiteral(".png")))
            && ok;
    }
    const QString scalable = QStringLiteral("icons/hicolor/scalable/apps");
    ok = outDir.mkpath(scalable) && ok;
    ok = writeFile(iconSvg(), outDir.filePath(scalable + QLatin1Char('/') + appId + QStringLiteral(".svg"))) && ok;
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc != 2) {
        QTextStream(stderr) << "usage: painter <outdir>\n";
        return 2;
    }
    const QDir outDir(QString::fromLocal8Bit(argv[1]));
    if (!outDir.exists()) {
        QTextStream(stderr) << "painter: no such directory " << outDir.path() << '\n';
        return 2;
    }

    const QImage icon32 = paintIcon(32);
    const QImage icon16 = paintIcon(16);

    bool ok = true;
    ok = writeJpeg(paintWorldMap(), outDir.filePath(QStringLiteral("worldmap.jpg")), 98) && ok;
    ok = writeJpeg(paintTitle(), outDir.filePath(QStringLiteral("title.jpg")), 95) && ok;
    ok = writeJpeg(paintWorldMap2x(), outDir.filePath(QStringLiteral("worldmap_2x.jpg")), 98) && ok;
    ok = writeJpeg(paintTitle2x(), outDir.filePath(QStringLiteral("title_2x.jpg")), 95) && ok;
    ok = writePng(icon32, outDir.filePath(QStringLiteral("icon32.png"))) && ok;
    ok = writePng(icon16, outDir.filePath(QStringLiteral("icon16.png"))) && ok;
    ok = writeThemeIcons(outDir) && ok;
    return ok ? 0 : 1;
}
