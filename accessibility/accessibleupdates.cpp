#include "accessibility/accessibleupdates.h"

#include "accessibility/pictureboxaccessible.h"
#include "widgets/accessibleproperty.h"
#include "widgets/picturebox.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QHash>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QTimer>
#include <QWidget>

namespace {

// What was last told of an object; of the map, also the news of enemies
// beside the player told since the player's last move, each told once.
struct Told
{
    QString name;
    QString text;
    QStringList closeBy;
};

QHash<const QObject *, Told> s_told;
AccessibleUpdates::Forward s_forward;

// The lines told last, each a label of its own that keeps the words it
// was told with: a reader asks for them when it gets round to the event,
// which on a busy machine may be after the line has changed or its window
// has gone. A few are kept for a reader that lags; older ones go.
constexpr qsizetype KeptLines = 8;
QList<QPointer<QLabel>> s_lines;

bool isNotification(const QObject *object)
{
    return qobject_cast<const QLabel *>(object) && object->property(AccessibleProperty::Announces).toBool();
}

void filter(QAccessibleEvent *event);

void toBridge(QAccessibleEvent *event)
{
    if (s_forward) {
        s_forward(event);
        return;
    }
    // Qt hands an event to the platform's bridge only while no handler is
    // installed: stand aside for this one event.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(filter);
}

bool inHiddenWindow(const QObject *object)
{
    const auto *widget = qobject_cast<const QWidget *>(object);
    return widget && !widget->window()->isVisible();
}

QString textOf(QAccessibleInterface *iface)
{
    QAccessibleTextInterface *text = iface ? iface->textInterface() : nullptr;
    return text ? text->text(0, text->characterCount()) : QString();
}

// A name goes out only when it differs from the one last told; a label
// that reads as text follows it with the text change, old and new.
// Returns whether the name went out.
bool tellName(QAccessibleEvent *event)
{
    QObject *object = event->object();
    QAccessibleInterface *iface = event->accessibleInterface();
    const QString name = iface ? iface->text(QAccessible::Name) : QString();
    Told &told = s_told[object];
    if (name == told.name)
        return false;
    told.name = name;
    toBridge(event);
    if (iface && iface->textInterface()) {
        const QString text = textOf(iface);
        if (text != told.text) {
            QAccessibleTextUpdateEvent update(object, 0, told.text, text);
            told.text = text;
            toBridge(&update);
        }
    }
    return true;
}

void filter(QAccessibleEvent *event)
{
    QObject *object = event->object();
    switch (event->type()) {
    case QAccessible::ObjectDestroyed:
        s_told.remove(object);
        break;
    case QAccessible::NameChanged: {
        if (inHiddenWindow(object))
            return;
        // A picture box tells only what it shows: a bar's level, the map's
        // square; the map's value follows its square, which a reader speaks
        // with the map's name, the way to the nearest enemy.
        auto *box = qobject_cast<PictureBox *>(object);
        if (box && PictureBoxAccessible::shownOf(box).isEmpty())
            return;
        if (tellName(event) && box && PictureBoxAccessible::followsMarker(box)) {
            s_told[box].closeBy = QStringList{PictureBoxAccessible::closeBy(box)};
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(box);
            QAccessibleValueChangeEvent moved(box, iface->valueInterface()->currentValue());
            filter(&moved);
        }
        return;
    }
    case QAccessible::DescriptionChanged:
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
        if (inHiddenWindow(object))
            return;
        break;
    case QAccessible::ObjectShow:
        // A notification speaks the lines its window announces, not
        // itself as its window opens (the battle's empty status line).
        if (isNotification(object) && !s_lines.contains(object))
            return;
        break;
    case QAccessible::ValueChanged:
        // The enemy clock's bar keeps its value to itself: it fills in
        // 1.7 s, and any reader's report of it now and then would sound
        // like a slow countdown to an event that never comes. What it
        // brings, an enemy beside the player, the map tells as it happens.
        if (inHiddenWindow(object) || qobject_cast<const QProgressBar *>(object))
            return;
        break;
    default:
        break;
    }
    toBridge(event);
}

// The window that opened this one and outlives it (the map behind a
// battle); the window itself when nothing opened it.
QWidget *lastingWindow(QWidget *widget)
{
    QWidget *window = widget->window();
    while (window->parentWidget())
        window = window->parentWidget()->window();
    return window;
}

// Whether a reader reads the window as a dialog: its name and its labels
// go before any line told in it.
bool readsAsDialog(const QWidget *window)
{
    return qobject_cast<const QDialog *>(window)
        || window->property(AccessibleProperty::WindowKind).toString() == QLatin1String(AccessibleProperty::DialogKind);
}

void speak(QWidget *from, const QString &name, const QString &description)
{
    // A label that is never shown: it exists for readers only. The window
    // that outlives the speaking one keeps it, unless a reader would read
    // that window out with the line (the title behind the help or the
    // hall); then no window does.
    auto *line = new QLabel;
    line->setProperty(AccessibleProperty::Announces, true);
    line->setText(name);
    line->setAccessibleDescription(description);
    QWidget *keeper = lastingWindow(from);
    line->setParent(readsAsDialog(keeper) ? nullptr : keeper);
    line->hide();
    s_lines.append(line);
    while (s_lines.size() > KeptLines)
        delete s_lines.takeFirst().data();

    // A reader speaks a notification when it is shown.
    QAccessibleEvent event(line, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
}

// Qt's bridge tells the bus of a window's activation only once the bridge
// is up itself, and a busy machine brings it up after the window manager
// has activated the game's first window: a reader would never hear where
// the player is. Once the bridge is up, the focus is told again.
class ReaderArrival : public QAccessible::ActivationObserver
{
public:
    void accessibilityActiveChanged(bool active) override
    {
        // What was told went to the reader that has gone: the next one has
        // heard none of it. Objects that go meanwhile tell nobody, so their
        // entries would outlive them, and a new object made where one was
        // would stay silent on the words the old one had said.
        if (!active) {
            s_told.clear();
            return;
        }
        // The bridge learns which events readers listen to right after it
        // tells of its coming.
        QTimer::singleShot(0, qApp, [] {
            QWidget *focus = QApplication::focusWidget();
            if (!focus)
                focus = QApplication::activeWindow();
            if (!focus || !QAccessible::isActive())
                return;
            QAccessibleEvent event(focus, QAccessible::Focus);
            QAccessible::updateAccessibility(&event);
        });
    }
};

ReaderArrival s_arrival;

} // namespace

namespace AccessibleUpdates {

void install()
{
    QAccessible::installUpdateHandler(filter);
    QAccessible::installActivationObserver(&s_arrival);
    // The lines kept by no window go before the application does.
    qAddPostRoutine([] {
        for (const QPointer<QLabel> &kept : std::as_const(s_lines)) {
            if (kept && !kept->parent())
                delete kept.data();
        }
    });
}

void announce(QObject *object)
{
    if (!object || !QAccessible::isActive())
        return;
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    auto *widget = qobject_cast<QWidget *>(object);
    if (iface && widget)
        speak(widget, iface->text(QAccessible::Name), iface->text(QAccessible::Description));
}

void othersMoved(PictureBox *map)
{
    if (!map || !QAccessible::isActive() || inHiddenWindow(map))
        return;
    // An enemy that steps to and fro beside a player who stands still is
    // told once, not at every return.
    const QString near = PictureBoxAccessible::closeBy(map);
    QStringList &told = s_told[map].closeBy;
    if (near.isEmpty() || told.contains(near))
        return;
    told.append(near);
    speak(map, near, QString());
}

void say(QWidget *window, const QString &line)
{
    if (window && QAccessible::isActive())
        speak(window, line, QString());
}

void forwardTo(Forward forward)
{
    s_forward = std::move(forward);
}

} // namespace AccessibleUpdates
