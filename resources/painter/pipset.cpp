#include "pipset.h"

#include "resources/colourgroups.h"
#include "resources/graphicsfolder.h"

#include <QColor>
#include <QDir>
#include <QImageWriter>
#include <QTextStream>

#include <array>
#include <bit>

namespace PipSet {

namespace {

constexpr int kSide = 16;
constexpr int kPerGroup = ColourGroups::EnemiesPerGroup;
constexpr int kEnemies = ColourGroups::Count * kPerGroup;

// A pip is a 4 x 4 dot on a 3 x 3 grid of places with one pixel between
// them and around them.
constexpr int kPip = 4;
constexpr std::array<int, 3> kPlaces{1, 6, 11};

// Places numbered 0 to 8, row by row; bit n set = a pip on place n.
// Each set shares so few places with every other that two groups always
// differ in at least two whole pips, whatever their colours look like.
constexpr std::array<unsigned, ColourGroups::Count> kPips{
    0b111'010'111, // violet, 7: an hourglass
    0b101'101'101, // indigo, 6: two columns
    0b010'111'010, // blue, 5: a plus
    0b101'000'101, // green, 4: the corners
    0b001'010'100, // yellow, 3: a rising diagonal
    0b100'000'001, // orange, 2: a falling diagonal
    0b000'010'000, // red, 1: the middle
};

static_assert(
    [] {
        for (std::size_t g = 0; g < kPips.size(); ++g) {
            if (std::popcount(kPips[g]) != ColourGroups::All[g].pips)
                return false;
        }
        return kPips.size() == ColourGroups::All.size();
    }(),
    "each group's pips are as many as the colour groups' table says");

// The pips' colour on each group's marker colour: black, but white on the
// dark indigo, where black would barely show.
const std::array<QColor, ColourGroups::Count> kPipColours{Qt::black, Qt::white, Qt::black, Qt::black,
                                                          Qt::black, Qt::black, Qt::black};

const QColor kPlayer(255, 255, 255);
const QColor kFrame(0, 0, 0);
const QColor kCross(224, 0, 0);

QImage square(const QColor &colour)
{
    QImage image(kSide, kSide, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

void fill(QImage &image, int left, int top, int width, int height, const QColor &colour)
{
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            image.setPixelColor(x, y, colour);
}

QImage enemy(std::size_t group)
{
    const unsigned pips = kPips[group];
    QImage image = square(ColourGroups::colour(ColourGroups::All[group].marker));
    for (int place = 0; place < 9; ++place) {
        if (pips & (1u << (8 - place)))
            fill(image, kPlaces[place % 3], kPlaces[place / 3], kPip, kPip, kPipColours[group]);
    }
    return image;
}

// White inside a one-pixel frame: no enemy has a frame, so the player
// stands apart from all of them in shape as well as in colour.
QImage player(bool healing)
{
    QImage image = square(kFrame);
    fill(image, 1, 1, kSide - 2, kSide - 2, kPlayer);
    if (healing) {
        fill(image, 4, 7, 8, 2, kCross);
        fill(image, 7, 4, 2, 8, kCross);
    }
    return image;
}

} // namespace

std::vector<Picture> paint()
{
    std::vector<Picture> pictures;
    pictures.push_back({QLatin1String(GraphicsFolder::PlayerFile), player(false)});
    pictures.push_back({QLatin1String(GraphicsFolder::HealingFile), player(true)});
    for (int i = 0; i < kEnemies; ++i) {
        const auto g = std::size_t(i / kPerGroup);
        pictures.push_back({GraphicsFolder::enemyFile(i), enemy(g)});
    }
    return pictures;
}

bool write(const QString &folder)
{
    if (!QDir().mkpath(folder)) {
        QTextStream(stderr) << "pip painter: cannot create " << folder << '\n';
        return false;
    }
    bool ok = true;
    for (const Picture &picture : paint()) {
        QImageWriter writer(QDir(folder).filePath(picture.fileName), "bmp");
        if (!writer.write(picture.image)) {
            QTextStream(stderr) << "pip painter: cannot write " << writer.fileName() << ": " << writer.errorString()
                                << '\n';
            ok = false;
        }
    }
    return ok;
}

} // namespace PipSet
