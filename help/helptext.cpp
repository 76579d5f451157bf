#include "help/helptext.h"

#include "accessibility/accessibleupdates.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

namespace {

// Where a link's text starts and ends in the page.
struct Span
{
    int start = 0;
    int end = 0;
};

QList<Span> linksOf(const QTextDocument *page)
{
    QList<Span> links;
    for (QTextBlock block = page->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid() && fragment.charFormat().isAnchor() && !fragment.charFormat().anchorHref().isEmpty())
                links.append({fragment.position(), fragment.position() + fragment.length()});
        }
    }
    return links;
}

// The block whose text carries the anchor of that name, if any.
QTextBlock anchored(const QTextDocument *page, const QString &name)
{
    for (QTextBlock block = page->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorNames().contains(name))
                return block;
        }
    }
    return QTextBlock();
}

} // namespace

HelpText::HelpText(QWidget *parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
    // A caret for the keys to move, which a reader follows line by line.
    setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse | Qt::LinksAccessibleByKeyboard
                            | Qt::LinksAccessibleByMouse);
}

bool HelpText::follow(const QString &link)
{
    if (!link.startsWith(QLatin1Char('#')))
        return false;
    const QTextBlock heading = anchored(document(), link.mid(1));
    if (!heading.isValid())
        return false;
    QTextCursor caret(document());
    caret.setPosition(heading.position());
    setTextCursor(caret);
    // The part stands at the top of the page, its text below it in sight.
    verticalScrollBar()->setValue(verticalScrollBar()->value() + cursorRect().top());
    // A reader says nothing of a caret moved by a key other than an arrow.
    AccessibleUpdates::say(this, heading.text());
    return true;
}

QString HelpText::linkAtCaret() const
{
    const QTextCharFormat format = textCursor().charFormat();
    return format.isAnchor() ? format.anchorHref() : QString();
}

void HelpText::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && follow(linkAtCaret())) {
        event->accept();
        return;
    }
    const int was = textCursor().position();
    QTextEdit::keyPressEvent(event);
    if (textCursor().position() == was)
        return;
    // A caret moved into the first or the last paragraph shows the page to
    // its very edge.
    if (textCursor().block() == document()->lastBlock())
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    else if (textCursor().block() == document()->firstBlock())
        verticalScrollBar()->setValue(verticalScrollBar()->minimum());
}

void HelpText::mouseReleaseEvent(QMouseEvent *event)
{
    const QString link = anchorAt(event->position().toPoint());
    QTextEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && !textCursor().hasSelection())
        follow(link);
}

// From link to link, as a browser goes; past the last one, on to the
// window's next control.
bool HelpText::focusNextPrevChild(bool next)
{
    const QTextCursor caret = textCursor();
    const QList<Span> links = linksOf(document());
    const Span *to = nullptr;
    for (const Span &link : links) {
        if (next && link.start >= caret.selectionEnd()) {
            to = &link;
            break;
        }
        if (!next && link.end <= caret.selectionStart())
            to = &link;
    }
    if (!to)
        return QTextEdit::focusNextPrevChild(next);
    QTextCursor selected(document());
    selected.setPosition(to->start);
    selected.setPosition(to->end, QTextCursor::KeepAnchor);
    setTextCursor(selected);
    ensureCursorVisible();
    return true;
}
