#include "resources/gamepictures.h"

#include <QImage>
#include <QImageReader>
#include <QMap>
#include <QTest>

// The built-in pictures: the map's geometry is what the grid relies on.
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

private:
    // The map and its artwork for screens scaled 2x, which must keep every
    // line and tile on the same map pixels.
    static void maps();
    // The map of the current row, read in map pixels.
    struct Map {
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
            QVERIFY2(bright(m_map.pixelColor(x, y)), qPrintable(QStringLiteral("vertical line at %1,%2").arg(x).arg(y)));
    }
    for (int line = 0; line < 21; ++line) {
        const int y = 7 + 16 * line;
        for (int x = 12; x < 340; x += 16)
            QVERIFY2(bright(m_map.pixelColor(x, y)), qPrintable(QStringLiteral("horizontal line at %1,%2").arg(x).arg(y)));
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
    for (const QPoint p : {QPoint(0, 0), QPoint(3, 200), QPoint(200, 3), QPoint(348, 100),
                           QPoint(351, 367), QPoint(100, 364), QPoint(0, 367)})
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
    for (const QColor enemy : {QColor(255, 0, 255), QColor(0, 0, 192), QColor(0, 255, 255), QColor(0, 255, 0),
                               QColor(255, 255, 0), QColor(255, 128, 0), QColor(255, 0, 0)})
        QVERIFY2(count.value(enemy.rgb()) >= 25, qPrintable(enemy.name()));
    QVERIFY(count.value(QColor(Qt::white).rgb()) > 150);
}

QTEST_MAIN(tst_GamePictures)
#include "tst_gamepictures.moc"
