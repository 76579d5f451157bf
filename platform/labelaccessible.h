#pragma once

// What assistive technology is told about a label of the game's forms.
// A label whose form gives it "valueName" (a value box, the battle's
// status line) is named by it and reports its caption as its value, read
// afresh at every query; any other label is named by its caption. The
// label itself announces each new caption. Created by Qt on demand
// through the game's accessibility factory and dropped with its label.

#include <QAccessibleWidget>

class QLabel;

class LabelAccessible : public QAccessibleWidget
{
public:
    explicit LabelAccessible(QLabel *label);

    QString text(QAccessible::Text t) const override;

private:
    QLabel *label() const;
};
