#pragma once

// A plain box of one background colour that shows a picture unscaled from
// the top-left of its interior: a larger picture is cut off, around a
// smaller one the colour shows, and the box never resizes to its picture.
// With a sunken border the interior starts two pixels in.
//
// The game keeps state in these boxes: a marker on the map keeps its left
// and top in the interior pixels of its container box, and a skill or
// strength bar keeps its width in twips (15 to the pixel) as a
// single-precision value, drawn at width / 15 pixels (from its right end
// when the box reads right to left). Markers get their
// interior positions from their design geometry when the container calls
// placeChildrenInInterior() once after the form is set up. What screen
// readers hear of a box, and when, is the accessibility layer's part: the
// box only raises a name event when what it shows may have changed.

#include <QColor>
#include <QPixmap>
#include <QWidget>

class PictureBox : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)
    Q_PROPERTY(QPixmap picture READ picture WRITE setPicture)
    Q_PROPERTY(bool sunkenBorder READ sunkenBorder WRITE setSunkenBorder)
    Q_PROPERTY(QString picture2x READ picture2x WRITE setPicture2x)

public:
    static constexpr float TwipsPerPixel = 15.0f;

    explicit PictureBox(QWidget *parent = nullptr);

    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor &color);

    QPixmap picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);

    // The same picture drawn at twice the resolution, for screens scaled
    // 2x or more: read from this file the first time such a screen draws
    // the box, never on a screen at scale 1. Setting a new picture drops it.
    QString picture2x() const { return m_picture2x; }
    void setPicture2x(const QString &fileName);

    bool sunkenBorder() const { return m_sunkenBorder; }
    void setSunkenBorder(bool sunken);

    // Where the interior starts, in widget pixels.
    QPoint interiorOrigin() const;

    // Position in the container box's interior pixels.
    float left() const { return m_left; }
    float top() const { return m_top; }
    void setLeft(float left);
    void setTop(float top);

    // The box's own visibility, whatever its window's.
    bool shown() const { return !isHidden(); }

    float widthTwips() const;
    void setWidthTwips(float twips);

    // Takes the design geometry of every child box as interior pixels.
    void placeChildrenInInterior();

signals:
    void keyDown(QKeyEvent *event);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Keeps the position and moves the box there in its container.
    void placeAt(float left, float top);
    // The picture to draw on a screen of this device pixel ratio.
    QPixmap pictureFor(qreal ratio);
    // Raises a plain name event while a screen reader listens: a bar's
    // width or a marker's square, which the box's name may tell, changed.
    void notifyShownChanged();

    QColor m_backColor;
    QPixmap m_picture;
    QString m_picture2x;
    QPixmap m_loaded2x;
    bool m_sunkenBorder = false;
    float m_left = 0.0f;
    float m_top = 0.0f;
    bool m_hasWidthTwips = false;
    float m_widthTwips = 0.0f;
};
