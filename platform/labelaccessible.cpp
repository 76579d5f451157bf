#include "platform/labelaccessible.h"

#include <QLabel>

LabelAccessible::LabelAccessible(QLabel *label)
    : QAccessibleWidget(label, QAccessible::StaticText)
{
}

QLabel *LabelAccessible::label() const
{
    return static_cast<QLabel *>(widget());
}

QString LabelAccessible::text(QAccessible::Text t) const
{
    const QString valueName = label()->property("valueName").toString();
    switch (t) {
    case QAccessible::Name:
        if (!valueName.isEmpty())
            return valueName;
        if (!label()->accessibleName().isEmpty())
            return label()->accessibleName();
        return label()->text();
    case QAccessible::Value:
        return valueName.isEmpty() ? QString() : label()->text();
    default:
        return QAccessibleWidget::text(t);
    }
}
