#pragma once

// What assistive technology is told about a label of the game's forms.
// A label whose form gives it "valueName" (a value box) is named by that
// and its caption together ("Strength: 10"), so the number is there
// wherever a reader looks, and offers the caption as text and as value.
// A label whose form also sets "announces" is a notification, spoken
// whenever its window announces it: the battle's status line, named by its
// caption and described by the window's value boxes, and the lines
// AccessibleUpdates keeps of what was announced, described as they were. Any other label is
// named by its caption. Everything is read afresh at every query. Created
// by Qt on demand through the game's accessibility factory and dropped
// with its label.

#include "accessibility/readonlytext.h"

#include <QAccessibleWidget>

class QLabel;

class LabelAccessible : public QAccessibleWidget, public ReadOnlyText
{
public:
    explicit LabelAccessible(QLabel *label);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QString content() const override;
    using ReadOnlyText::text;

    // Values as a reader names them, told one after the other.
    static QString joined(const QStringList &values);
    // Lines read one after the other as sentences: a line that does not
    // end in a full stop or the like gets one.
    static QString sentences(const QStringList &lines);

private:
    QLabel *label() const;
    QString valueName() const;
    bool announces() const;
    bool captionOfValue() const;
    // The value boxes of the label's window, as a reader names them.
    QString windowValues() const;
    static QString nameAndValue(const QString &name, const QString &value);
};
