// The bare window the game's start is held against when it shows what the
// title shows: a window of the title's size with the same picture at the
// same place, a white box of wrapped text as long as the title's
// instructions, and a line in large bold type below, in plain Qt widgets
// and Qt's own default font. Shown until the program is ended from outside.

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QStringList>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    window.setFixedSize(576, 340);

    auto *picture = new QLabel(&window);
    picture->setGeometry(8, 8, 562, 63);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setPixmap(QPixmap(QStringLiteral(":/title.jpg")));

    // Six paragraphs as long as the title's, a blank line apart.
    const QString sentence = QStringLiteral("A plain sentence of ordinary words, about as long as half a line. ");
    QStringList paragraphs;
    for (const int sentences : {3, 3, 3, 2, 2, 1})
        paragraphs << sentence.repeated(sentences).trimmed();
    auto *text = new QLabel(paragraphs.join(QStringLiteral("\n\n")), &window);
    text->setGeometry(16, 80, 545, 201);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setWordWrap(true);
    text->setAutoFillBackground(true);
    text->setBackgroundRole(QPalette::Base);
    QFont small = text->font();
    small.setPixelSize(11);
    text->setFont(small);

    auto *line = new QLabel(QStringLiteral("Baseline 2026"), &window);
    line->setGeometry(16, 288, 545, 41);
    line->setAlignment(Qt::AlignCenter);
    line->setFrameShape(QFrame::Box);
    QFont large = line->font();
    large.setPixelSize(32);
    large.setBold(true);
    line->setFont(large);

    window.show();
    return app.exec();
}
