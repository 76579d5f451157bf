#include "system/language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Language {

QString install(const QStringList &wanted)
{
    // A catalogue turns the application's direction to its own unless it is
    // set: the windows' geometry stays left to right in every language.
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    for (const QString &name : wanted) {
        const QLocale locale(name);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return QString();
        auto *game = new QTranslator(QCoreApplication::instance());
        // Finds chromaland_pt_BR, then chromaland_pt, for pt-BR.
        if (!game->load(locale, QStringLiteral("chromaland"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
            delete game;
            continue;
        }
        QCoreApplication::installTranslator(game);
        auto *qt = new QTranslator(QCoreApplication::instance());
        if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        return QFileInfo(game->filePath()).completeBaseName().section(QLatin1Char('_'), 1);
    }
    return QString();
}

QString install()
{
    return install(QLocale::system().uiLanguages());
}

bool rightToLeft()
{
    //: Write RTL for a language written from right to left, LTR otherwise.
    return QCoreApplication::translate("Language", "LTR") == QLatin1String("RTL");
}

} // namespace Language
