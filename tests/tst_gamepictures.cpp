#include "testsupport.h"

#include "map/frmmaingamewindow.h"
#include "resources/colourgroups.h"
#include "resources/gamepictures.h"
#include "system/playersettings.h"
#include "system/gameerror.h"
#include "system/picturefile.h"

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QMap>
#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

// The built-in pictures: the map's geometry is what the grid relies on.
// And the pip set the build paints for the Graphics folder: each enemy
// group must stay apart from the others and from the player for players
// who cannot tell some or all colours apart.
class tst_GamePictures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void picturesHaveTheirSizes_data();
    void picturesHaveTheirSizes();
    void mapGridLinesAreWhite_data() { maps(); }
    void mapGridLinesAreWhite();
    void mapSquaresShowTheBands_data() { maps(); }
    void mapSquaresShowTheBands();
    void mapHealingRowHasTwentyOneTiles_data() { maps(); }
    void mapHealingRowHasTwentyOneTiles();
    void mapMarginIsPlainKhaki_data() { maps(); }
    void mapMarginIsPlainKhaki();
    void iconHasBothSizes();
    void pipPicturesLoadInTheirGroupColours_data();
    void pipPicturesLoadInTheirGroupColours();
    void colourVisionSimulationMatchesKnownPairs_data();
    void colourVisionSimulationMatchesKnownPairs();
    void pipGroupsStayApartWithoutColour_data();
    void pipGroupsStayApartWithoutColour();
    void skillBarMarksStayApartWithoutColour_data() { pipGroupsStayApartWithoutColour_data(); }
    void skillBarMarksStayApartWithoutColour();

private:
    // The map and its artwork for screens scaled 2x, which must keep every
    // line and tile on the same map pixels.
    static void maps();
    // The map of the current row, read in map pixels.
    struct Map
    {
        QImage image;
        int scale = 1;
        QColor pixelColor(int x, int y) const { return image.pixelColor(x * scale + scale - 1, y * scale + scale - 1); }
        QColor pixelColor(QPoint p) const { return pixelColor(p.x(), p.y()); }
    };
    static Map map();
};

void tst_GamePictures::maps()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<int>("scale");
    QTest::newRow("map") << ":/worldmap.jpg" << 1;
    QTest::newRow("map 2x") << ":/worldmap_2x.jpg" << 2;
}

tst_GamePictures::Map tst_GamePictures::map()
{
    QFETCH(QString, resource);
    QFETCH(int, scale);
    Map m{QImage(resource), scale};
    if (m.image.size() != QSize(352, 368) * scale)
        qFatal("%s is not %d times the map's size", qPrintable(resource), scale);
    return m;
}

static int distance(QColor a, QColor b)
{
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
}

static bool bright(QColor c)
{
    return c.red() >= 200 && c.green() >= 200 && c.blue() >= 200;
}

void tst_GamePictures::initTestCase()
{
    GamePictures::ensureLoaded();
}

void tst_GamePictures::picturesHaveTheirSizes_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("map") << ":/worldmap.jpg" << QSize(352, 368) << QByteArray("jpeg");
    QTest::newRow("title") << ":/title.jpg" << QSize(562, 63) << QByteArray("jpeg");
    QTest::newRow("map 2x") << ":/worldmap_2x.jpg" << QSize(704, 736) << QByteArray("jpeg");
    QTest::newRow("title 2x") << ":/title_2x.jpg" << QSize(1124, 126) << QByteArray("jpeg");
}

void tst_GamePictures::picturesHaveTheirSizes()
{
    QFETCH(QString, resource);
    QFETCH(QSize, size);
    QFETCH(QByteArray, format);
    QImageReader reader(resource);
    QCOMPARE(reader.format(), format);
    QCOMPARE(reader.read().size(), size);
}

// One-pixel white lines at x = 7, 23, …, 343 and y = 7, 23, …, 327; the
// pixels either side of a line belong to the squares.
void tst_GamePictures::mapGridLinesAreWhite()
{
    const Map m_map = map();
    for (int line = 0; line < 22; ++line) {
        const int x = 7 + 16 * line;
        for (int y = 12; y < 340; y += 16)
            QVERIFY2(bright(m_map.pixelColor(x, y)),
                     qPrintable(QStringLiteral("vertical line at %1,%2").arg(x).arg(y)));
    }
    for (int line = 0; line < 21; ++line) {
        const int y = 7 + 16 * line;
        for (int x = 12; x < 340; x += 16)
            QVERIFY2(bright(m_map.pixelColor(x, y)),
                     qPrintable(QStringLiteral("horizontal line at %1,%2").arg(x).arg(y)));
    }
    // No line runs through the middle of a square.
    for (int r = 0; r < 21; ++r) {
        for (int c = 0; c < 21; ++c) {
            const QColor inside = m_map.pixelColor(8 + 16 * c + 7, 8 + 16 * r + 7);
            QVERIFY2(!bright(inside) || distance(inside, QColor(225, 224, 159)) < 24,
                     qPrintable(QStringLiteral("square %1,%2").arg(c).arg(r)));
        }
    }
}

// Khaki to black and back: dark around y 80 and 272, pale near 8 and 176.
void tst_GamePictures::mapSquaresShowTheBands()
{
    const Map m_map = map();
    const auto at = [&](int y) { return m_map.pixelColor(8 + 16 * 10 + 7, y); };
    QVERIFY(distance(at(80), Qt::black) < 30);
    QVERIFY(distance(at(272), Qt::black) < 30);
    QVERIFY(distance(at(176), QColor(225, 224, 159)) < 30);
    QVERIFY(distance(at(9), QColor(225, 224, 159)) < 40);
    // Each row of squares is one band colour across the map.
    for (int r = 0; r < 21; ++r) {
        const int y = 8 + 16 * r + 7;
        const QColor first = m_map.pixelColor(15, y);
        for (int c = 1; c < 21; ++c)
            QVERIFY(distance(m_map.pixelColor(8 + 16 * c + 7, y), first) <= 12);
    }
}

// Below the grid, from y 343 to 359: pink tiles outlined in dark red with a
// darker ring about a bright centre.
void tst_GamePictures::mapHealingRowHasTwentyOneTiles()
{
    const Map m_map = map();
    for (int c = 0; c < 21; ++c) {
        const int left = 7 + 16 * c;
        const QColor outline = m_map.pixelColor(left, 351);
        QVERIFY2(outline.red() > 90 && outline.green() < 50 && outline.blue() < 50, qPrintable(QString::number(c)));
        QVERIFY(distance(m_map.pixelColor(left + 8, 343), outline) < 30);
        QVERIFY(distance(m_map.pixelColor(left + 8, 359), outline) < 30);
        const QColor centre = m_map.pixelColor(left + 8, 351);
        const QColor ring = m_map.pixelColor(left + 12, 351);
        const QColor fill = m_map.pixelColor(left + 2, 345);
        QVERIFY(centre.red() > 230 && centre.green() > 200);
        QVERIFY(fill.red() > 230 && fill.green() > 160 && fill.green() < 230);
        QVERIFY(ring.green() < fill.green() - 40);
        QVERIFY(ring.red() > 180);
    }
}

void tst_GamePictures::mapMarginIsPlainKhaki()
{
    const Map m_map = map();
    const QColor khaki(225, 224, 159);
    for (const QPoint p : {QPoint(0, 0), QPoint(3, 200), QPoint(200, 3), QPoint(348, 100), QPoint(351, 367),
                           QPoint(100, 364), QPoint(0, 367)})
        QVERIFY2(distance(m_map.pixelColor(p), khaki) <= 12, qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
}

void tst_GamePictures::iconHasBothSizes()
{
    const QIcon icon = GamePictures::applicationIcon();
    QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
    QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
    // The game itself: the enemies of all seven colours, as on the map, and
    // the white square on white grid lines.
    const QImage big = icon.pixmap(32, 32).toImage();
    QMap<QRgb, int> count;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            ++count[big.pixel(x, y)];
    for (const ColourGroups::Group &group : ColourGroups::All)
        QVERIFY2(count.value(ColourGroups::colour(group.marker).rgb()) >= 25, group.name);
    QVERIFY(count.value(QColor(Qt::white).rgb()) > 150);
}

// --- The pip set ------------------------------------------------------------

namespace {

QColor marker(int group)
{
    return ColourGroups::colour(ColourGroups::All[std::size_t(group)].marker);
}

// Each picture of the set with its group: 0 to 6 the enemy groups, 7 the
// player, 8 the player in the healing row.
struct PipPicture
{
    QString name;
    int group = 0;
};

std::vector<PipPicture> pipPictures()
{
    std::vector<PipPicture> all{{QStringLiteral("Player.bmp"), 7}, {QStringLiteral("Player_Healing.bmp"), 8}};
    for (int i = 0; i < 21; ++i)
        all.push_back({QStringLiteral("Enemy_%1.bmp").arg(i), i / 3});
    return all;
}

// Read as the game reads the Graphics folder; an empty image when it cannot.
QImage loadPip(const QString &name)
{
    try {
        return PictureFile::load(QDir(QStringLiteral(CHROMALAND_PIPS_DIR)).filePath(name));
    } catch (const GameError &error) {
        qWarning("%s", qPrintable(error.description()));
        return {};
    }
}

// How a colour looks to one kind of vision: a matrix on linear RGB
// (Machado, Oliveira and Fernandes 2009, severity 1; luminance alone for
// achromatopsia), the result as a point in OKLab.
using Vision = std::array<double, 9>;

const QMap<QString, Vision> &visions()
{
    static const QMap<QString, Vision> all{
        {QStringLiteral("protanopia"),
         {0.152286, 1.052583, -0.204868, 0.114503, 0.786281, 0.099216, -0.003882, -0.048116, 1.051998}},
        {QStringLiteral("deuteranopia"),
         {0.367322, 0.860646, -0.227968, 0.280085, 0.672501, 0.047413, -0.011820, 0.042940, 0.968881}},
        {QStringLiteral("tritanopia"),
         {1.255528, -0.076749, -0.178779, -0.078411, 0.930809, 0.147602, 0.004733, 0.691367, 0.303900}},
        {QStringLiteral("achromatopsia"), {0.2126, 0.7152, 0.0722, 0.2126, 0.7152, 0.0722, 0.2126, 0.7152, 0.0722}},
    };
    return all;
}

struct Lab
{
    double l, a, b;
};

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

Lab seenAs(const Vision &m, QColor colour)
{
    const double r = linear(colour.red()), g = linear(colour.green()), b = linear(colour.blue());
    const auto row = [&](int i) { return std::clamp(m[i] * r + m[i + 1] * g + m[i + 2] * b, 0.0, 1.0); };
    const double sr = row(0), sg = row(3), sb = row(6);
    const double l = std::cbrt(0.4122214708 * sr + 0.5363325363 * sg + 0.0514459929 * sb);
    const double mm = std::cbrt(0.2119034982 * sr + 0.6806995451 * sg + 0.1073969566 * sb);
    const double s = std::cbrt(0.0883024619 * sr + 0.2817188376 * sg + 0.6299787005 * sb);
    return {0.2104542553 * l + 0.7936177850 * mm - 0.0040720468 * s,
            1.9779984951 * l - 2.4285922050 * mm + 0.4505937099 * s,
            0.0259040371 * l + 0.7827717662 * mm - 0.8086757660 * s};
}

double apart(Lab x, Lab y)
{
    return std::hypot(x.l - y.l, x.a - y.a, x.b - y.b);
}

} // namespace

// Every picture of the set is a whole 16 x 16 bitmap to the game's own
// loader; an enemy is mostly its group's colour and looks like the other
// two of its group; the player is mostly white.
void tst_GamePictures::pipPicturesLoadInTheirGroupColours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("firstOfGroup");
    QTest::addColumn<QColor>("colour");
    for (const PipPicture &p : pipPictures()) {
        const bool enemy = p.group < 7;
        QTest::newRow(qPrintable(p.name))
            << p.name << (enemy ? QStringLiteral("Enemy_%1.bmp").arg(p.group * 3) : p.name)
            << (enemy ? marker(p.group) : QColor(Qt::white));
    }
}

void tst_GamePictures::pipPicturesLoadInTheirGroupColours()
{
    QFETCH(QString, name);
    QFETCH(QString, firstOfGroup);
    QFETCH(QColor, colour);
    QCOMPARE(QImageReader(QDir(QStringLiteral(CHROMALAND_PIPS_DIR)).filePath(name)).format(), QByteArray("bmp"));
    const QImage image = loadPip(name);
    QCOMPARE(image.size(), QSize(16, 16));
    QCOMPARE(image.convertToFormat(QImage::Format_RGB32), loadPip(firstOfGroup).convertToFormat(QImage::Format_RGB32));
    int inColour = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            inColour += image.pixelColor(x, y) == colour;
    QVERIFY2(inColour >= 128, qPrintable(QStringLiteral("%1 of 256 pixels").arg(inColour)));
}

// The simulation gives the distances measured between the plain squares
// of the map.
void tst_GamePictures::colourVisionSimulationMatchesKnownPairs_data()
{
    QTest::addColumn<QString>("vision");
    QTest::addColumn<QColor>("first");
    QTest::addColumn<QColor>("second");
    QTest::addColumn<double>("distance");
    const QColor white(Qt::white);
    QTest::newRow("green, yellow") << "protanopia" << marker(3) << marker(4) << 0.035;
    QTest::newRow("blue, white") << "protanopia" << marker(2) << white << 0.043;
    QTest::newRow("orange, red") << "deuteranopia" << marker(5) << marker(6) << 0.099;
    QTest::newRow("blue, green") << "tritanopia" << marker(2) << marker(3) << 0.051;
    QTest::newRow("red, white") << "achromatopsia" << marker(6) << white << 0.403;
}

void tst_GamePictures::colourVisionSimulationMatchesKnownPairs()
{
    QFETCH(QString, vision);
    QFETCH(QColor, first);
    QFETCH(QColor, second);
    QFETCH(double, distance);
    const Vision &m = visions()[vision];
    const double measured = apart(seenAs(m, first), seenAs(m, second));
    QVERIFY2(std::abs(measured - distance) < 0.0005, qPrintable(QString::number(measured, 'f', 4)));
}

void tst_GamePictures::pipGroupsStayApartWithoutColour_data()
{
    QTest::addColumn<QString>("vision");
    for (const QString &vision : visions().keys())
        QTest::newRow(qPrintable(vision)) << vision;
}

namespace {

// Pictures of different groups, seen in one vision, differ clearly in
// enough pixels; the closest pair goes to the log. The pictures are of
// one size; the player's two are one group for this.
void checkApart(const QString &vision, const std::vector<PipPicture> &pictures, const std::vector<QImage> &images)
{
    constexpr double clearly = 0.1;
    constexpr int enoughPixels = 24;
    const Vision &m = visions()[vision];
    std::vector<std::vector<Lab>> seen;
    for (const QImage &image : images) {
        std::vector<Lab> pixels;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                pixels.push_back(seenAs(m, image.pixelColor(x, y)));
        seen.push_back(pixels);
    }
    QStringList tooClose;
    int fewest = std::numeric_limits<int>::max();
    QString closest;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        for (std::size_t j = i + 1; j < pictures.size(); ++j) {
            const int gi = pictures[i].group, gj = pictures[j].group;
            if (gi == gj || (gi >= 7 && gj >= 7))
                continue;
            int differing = 0;
            double sum = 0;
            for (std::size_t k = 0; k < seen[i].size(); ++k) {
                const double d = apart(seen[i][k], seen[j][k]);
                differing += d > clearly;
                sum += d;
            }
            const QString pair = QStringLiteral("%1 and %2: %3 pixels apart, mean distance %4")
                                     .arg(pictures[i].name, pictures[j].name)
                                     .arg(differing)
                                     .arg(sum / double(seen[i].size()), 0, 'f', 3);
            if (differing < fewest) {
                fewest = differing;
                closest = pair;
            }
            if (differing < enoughPixels)
                tooClose << pair;
        }
    }
    qInfo("%s: closest %s", qPrintable(vision), qPrintable(closest));
    QVERIFY2(tooClose.isEmpty(),
             qPrintable(QStringLiteral("%1 pairs too close, among them %2")
                            .arg(tooClose.size())
                            .arg(tooClose.mid(0, 4).join(QStringLiteral("; ")))));
}

} // namespace

// Seen without one kind of cone, or without colour at all, every two
// pictures of different groups (the player's two among them) still differ
// clearly in at least 24 of their 256 pixels.
void tst_GamePictures::pipGroupsStayApartWithoutColour()
{
    QFETCH(QString, vision);
    const std::vector<PipPicture> pictures = pipPictures();
    std::vector<QImage> images;
    for (const PipPicture &p : pictures) {
        images.push_back(loadPip(p.name));
        QCOMPARE(images.back().size(), QSize(16, 16));
    }
    checkApart(vision, pictures, images);
}

// With the colour symbols on, the start of every skill bar (as wide as a
// symbol and as high as the bar) stays apart from every other bar's in the
// same measure, at level 1, where a bar is narrower than its mark.
void tst_GamePictures::skillBarMarksStayApartWithoutColour()
{
    QFETCH(QString, vision);
    Sandbox box;
    box.writeCharacter(Sandbox::defaultLines());
    PlayerSettings::setColourSymbols(true);
    frmMainGameWindow *map = box.openMap();
    QVERIFY(map);
    QWidget *skills = map->controls().skillBars[0]->parentWidget();
    const QImage shot = skills->grab().toImage();
    const QString folder = qEnvironmentVariable("CHROMALAND_SCREENSHOTS");
    if (!folder.isEmpty())
        QVERIFY(shot.save(folder + "/skill-marks.png"));
    std::vector<PipPicture> bars;
    std::vector<QImage> images;
    for (int colour = 0; colour < 7; ++colour) {
        const PictureBox *bar = map->controls().skillBars[std::size_t(colour)];
        QCOMPARE(bar->widthTwips(), 150.0f);
        bars.push_back({bar->objectName(), colour});
        images.push_back(shot.copy(QRect(bar->pos(), QSize(16, bar->height()))));
    }
    checkApart(vision, bars, images);
}

QTEST_MAIN(tst_GamePictures)
#include "tst_gamepictures.moc"
