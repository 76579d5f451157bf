#include "system/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Language {

namespace {

// The catalogues in use, the game's and Qt's.
QList<QTranslator *> s_installed;
// The code of the game's catalogue in use.
QString s_current;

bool installNew(QTranslator *translator)
{
    if (!QCoreApplication::installTranslator(translator))
        return false;
    s_installed.append(translator);
    return true;
}

} // namespace

QString install(const QStringList &wanted)
{
    clear();
    // A catalogue turns the application's direction to its own unless it is
    // set: the windows' geometry stays left to right in every language.
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    for (const QString &name : wanted) {
        // By the name: a language Qt does not know is the C locale to it,
        // and the next language of the list may still be the game's.
        const QString code = name.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
        if (code == QLatin1String("en") || code == QLatin1String("C") || code == QLatin1String("POSIX"))
            return QString();
        const QLocale locale(name);
        if (locale.language() == QLocale::C)
            continue;
        auto *game = new QTranslator(QCoreApplication::instance());
        // Finds chromaland_pt_BR, then chromaland_pt, for pt-BR.
        if (!game->load(locale, QStringLiteral("chromaland"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
            delete game;
            continue;
        }
        installNew(game);
        auto *qt = new QTranslator(QCoreApplication::instance());
        if (!qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))
            || !installNew(qt))
            delete qt;
        s_current = QFileInfo(game->filePath()).completeBaseName().section(QLatin1Char('_'), 1);
        return s_current;
    }
    return QString();
}

QStringList spoken()
{
    QStringList codes;
    const QStringList catalogues = QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("chromaland_*.qm")});
    for (const QString &catalogue : catalogues)
        codes.append(QFileInfo(catalogue).completeBaseName().section(QLatin1Char('_'), 1));
    return codes;
}

QString install()
{
    return install(QLocale::system().uiLanguages());
}

void clear()
{
    for (QTranslator *translator : std::as_const(s_installed)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    s_installed.clear();
    s_current.clear();
}

QString current()
{
    return s_current;
}

QLocale numbers()
{
    const QLocale language = s_current.isEmpty() ? QLocale(QLocale::English) : QLocale(s_current);
    return language.zeroDigit() == QLatin1String("0") ? language : QLocale(QLocale::English);
}

bool rightToLeft()
{
    //: Write RTL for a language written from right to left, LTR otherwise.
    return QCoreApplication::translate("Language", "LTR") == QLatin1String("RTL");
}

QString lineBreak()
{
    return rightToLeft() ? QStringLiteral("\n") : QStringLiteral("\r\n");
}

} // namespace Language
