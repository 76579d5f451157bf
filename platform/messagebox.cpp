#include "platform/messagebox.h"

#include <QApplication>
#include <QMessageBox>

namespace {
MessageBox::Handler handler;
}

void MessageBox::show(const QString &text, const QString &caption)
{
    // The program's title, as every box without a caption of its own shows.
    const QString title = caption.isEmpty() ? QStringLiteral("Chromaland") : caption;
    if (handler) {
        handler(text, title);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("gameMessageBox"));
    box.exec();
}

void MessageBox::setHandler(Handler h)
{
    handler = std::move(h);
}

void MessageBox::clearHandler()
{
    handler = nullptr;
}
