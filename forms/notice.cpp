#include "forms/notice.h"

#include "accessibility/accessibleupdates.h"
#include "widgets/accessibleproperty.h"

#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace Notice {

namespace {

const char LabelName[] = "lbl_Notice";

QLabel *labelOf(QWidget *window)
{
    if (auto *label = window->findChild<QLabel *>(QLatin1String(LabelName), Qt::FindDirectChildrenOnly))
        return label;
    auto *label = new QLabel(window);
    label->setObjectName(QLatin1String(LabelName));
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("QLabel { background: #202020; color: white; border: 1px solid white; "
                                        "padding: 4px 12px; font-weight: bold; }"));
    // The reader hears the line once, from show(): the label itself says nothing.
    label->setProperty(AccessibleProperty::Silent, true);
    auto *timer = new QTimer(label);
    timer->setObjectName(QStringLiteral("noticeTimer"));
    timer->setSingleShot(true);
    timer->setInterval(ShownMs);
    QObject::connect(timer, &QTimer::timeout, label, &QLabel::hide);
    return label;
}

} // namespace

void show(QWidget *window, const QString &line)
{
    QLabel *label = labelOf(window);
    label->setText(line);
    label->adjustSize();
    const int width = qMin(label->width(), window->width());
    // At the top, where every window has room to spare (the map's clock
    // bar and the title's bottom line are below).
    label->setGeometry((window->width() - width) / 2, 4, width, label->height());
    label->raise();
    label->show();
    label->findChild<QTimer *>(QStringLiteral("noticeTimer"))->start();
    AccessibleUpdates::say(window, line);
}

} // namespace Notice
