#include "widgets/picturebox.h"

#include <QTest>

// A picture shows unscaled from the interior's top-left; the box keeps its
// size; markers keep interior positions; bars keep widths in twips.
class tst_PictureBox : public QObject
{
    Q_OBJECT

private slots:
    void pictureIsDrawnUnscaledAndClipped_data();
    void pictureIsDrawnUnscaledAndClipped();
    void childrenArePlacedInTheInterior();
    void widthInTwipsIsKeptExactly_data();
    void widthInTwipsIsKeptExactly();
};

void tst_PictureBox::pictureIsDrawnUnscaledAndClipped_data()
{
    QTest::addColumn<bool>("sunken");
    QTest::addColumn<QSize>("pictureSize");
    QTest::addColumn<QPoint>("probe");
    QTest::addColumn<QColor>("expected");
    // Box 16 x 16, background red, picture blue.
    QTest::newRow("fills exactly") << false << QSize(16, 16) << QPoint(15, 15) << QColor(Qt::blue);
    QTest::newRow("smaller: background around") << false << QSize(8, 8) << QPoint(9, 9) << QColor(Qt::red);
    QTest::newRow("smaller: picture at top-left") << false << QSize(8, 8) << QPoint(0, 0) << QColor(Qt::blue);
    QTest::newRow("larger: cut off") << false << QSize(40, 40) << QPoint(15, 15) << QColor(Qt::blue);
    QTest::newRow("sunken: interior starts inside") << true << QSize(4, 4) << QPoint(2, 2) << QColor(Qt::blue);
    QTest::newRow("sunken: picture ends at 2 + width") << true << QSize(4, 4) << QPoint(6, 6) << QColor(Qt::red);
}

void tst_PictureBox::pictureIsDrawnUnscaledAndClipped()
{
    QFETCH(bool, sunken);
    QFETCH(QSize, pictureSize);
    QFETCH(QPoint, probe);
    QFETCH(QColor, expected);
    PictureBox box;
    box.resize(16, 16);
    box.setSunkenBorder(sunken);
    box.setBackColor(Qt::red);
    QPixmap picture(pictureSize);
    picture.fill(Qt::blue);
    box.setPicture(picture);
    const QImage shot = box.grab().toImage();
    QCOMPARE(box.size(), QSize(16, 16));
    QCOMPARE(shot.pixelColor(probe), expected);
}

void tst_PictureBox::childrenArePlacedInTheInterior()
{
    PictureBox map;
    map.setSunkenBorder(true);
    map.resize(100, 100);
    auto *marker = new PictureBox(&map);
    marker->setGeometry(8, 24, 16, 16);
    map.placeChildrenInInterior();
    QCOMPARE(marker->left(), 8.0f);
    QCOMPARE(marker->top(), 24.0f);
    QCOMPARE(marker->pos(), QPoint(10, 26));
    marker->setLeft(40.0f);
    QCOMPARE(marker->pos(), QPoint(42, 26));
    marker->hide();
    QVERIFY(!marker->shown());
    QCOMPARE(marker->left(), 40.0f);
    // Far-off values stay exact even though they are not drawn there.
    marker->setTop(1e30f);
    QCOMPARE(marker->top(), 1e30f);
}

void tst_PictureBox::widthInTwipsIsKeptExactly_data()
{
    QTest::addColumn<float>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("level 1") << 150.0f << 10;
    QTest::newRow("level 18") << 2700.0f << 180;
    QTest::newRow("between pixels") << 760.0f << 51;
    QTest::newRow("zero") << 0.0f << 0;
    QTest::newRow("huge") << 1.5e32f << 16777215;
}

void tst_PictureBox::widthInTwipsIsKeptExactly()
{
    QFETCH(float, twips);
    QFETCH(int, pixels);
    PictureBox bar;
    bar.resize(10, 17);
    QCOMPARE(bar.widthTwips(), 150.0f);
    bar.setWidthTwips(twips);
    QCOMPARE(bar.widthTwips(), twips);
    QCOMPARE(bar.width(), pixels);
}

QTEST_MAIN(tst_PictureBox)
#include "tst_picturebox.moc"
