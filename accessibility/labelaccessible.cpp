#include "accessibility/labelaccessible.h"

#include "widgets/accessibleproperty.h"

#include <QCoreApplication>
#include <QLabel>
#include <QStringList>

LabelAccessible::LabelAccessible(QLabel *label)
    : QAccessibleWidget(label, QAccessible::StaticText)
{
}

QLabel *LabelAccessible::label() const
{
    return static_cast<QLabel *>(widget());
}

QString LabelAccessible::valueName() const
{
    return label()->property(AccessibleProperty::ValueName).toString();
}

bool LabelAccessible::announces() const
{
    return label()->property(AccessibleProperty::Announces).toBool();
}

QAccessible::Role LabelAccessible::role() const
{
    return announces() ? QAccessible::Notification : QAccessible::StaticText;
}

QString LabelAccessible::nameAndValue(const QString &name, const QString &value)
{
    //: A value as a screen reader tells it, e.g. "Strength: 10".
    return QCoreApplication::translate("LabelAccessible", "%1: %2").arg(name, value);
}

QString LabelAccessible::content() const
{
    return label()->text();
}

QString LabelAccessible::windowValues() const
{
    QStringList values;
    const auto labels = label()->window()->findChildren<QLabel *>();
    for (const QLabel *other : labels) {
        const QString name = other->property(AccessibleProperty::ValueName).toString();
        if (other != label() && !name.isEmpty() && !other->property(AccessibleProperty::Announces).toBool())
            values.append(nameAndValue(name, other->text()));
    }
    return joined(values);
}

QString LabelAccessible::joined(const QStringList &values)
{
    //: Between the values told after a battle's line or a spent point, as in "Your health: 8. Your magic: 10".
    return values.join(QCoreApplication::translate("LabelAccessible", ". "));
}

QString LabelAccessible::sentences(const QStringList &lines)
{
    QStringList ended;
    for (const QString &line : lines) {
        if (!line.isEmpty() && line.back().isPunct())
            ended.append(line);
        else
            //: A line read as a sentence, e.g. "You miss by -2." after "You miss by -2"; use your language's full stop.
            ended.append(QCoreApplication::translate("LabelAccessible", "%1.").arg(line));
    }
    return ended.join(QLatin1Char(' '));
}

bool LabelAccessible::captionOfValue() const
{
    const QWidget *buddy = label()->buddy();
    return (buddy && !buddy->property(AccessibleProperty::ValueName).toString().isEmpty())
        || label()->property(AccessibleProperty::Silent).toBool();
}

QString LabelAccessible::text(QAccessible::Text t) const
{
    const QString name = valueName();
    switch (t) {
    case QAccessible::Name:
        // The value box beside it tells the caption with its number, or
        // the window tells the label's words: a reader would say them twice.
        if (captionOfValue())
            return QString();
        if (announces())
            return label()->text().isEmpty() ? name : label()->text();
        if (!name.isEmpty())
            return nameAndValue(name, label()->text());
        if (!label()->accessibleName().isEmpty())
            return label()->accessibleName();
        return label()->text();
    case QAccessible::Description:
        if (announces() && !name.isEmpty())
            return windowValues();
        return QAccessibleWidget::text(t);
    case QAccessible::Value:
        return name.isEmpty() ? QString() : label()->text();
    default:
        return QAccessibleWidget::text(t);
    }
}

void *LabelAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface && !valueName().isEmpty())
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}
