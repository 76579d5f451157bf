#include "widgets/accessibleproperty.h"
#include "accessibility/accessibleupdates.h"
#include "battle/frmbattlecontrol.h"
#include "forms/windowsetup.h"
#include "hall/hallwindow.h"
#include "help/helpwindow.h"
#include "logic/modgamelogiccode.h"
#include "map/frmmaingamewindow.h"
#include "system/language.h"
#include "system/gameerror.h"
#include "system/randomsource.h"
#include "system/safefile.h"
#include "testsupport.h"
#include "title/frmsplash.h"
#include "widgets/picturebox.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QtGui/private/qguiapplication_p.h>
#include <QDir>
#include <QGroupBox>
#include <QHash>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QSet>
#include <QGlyphRun>
#include <QHeaderView>
#include <QTableView>
#include <QTest>
#include <QTextLayout>
#include <QTranslator>
#include <QXmlStreamReader>
#include <memory>

namespace {

const QStringList Languages = QString::fromLatin1(CHROMALAND_LANGUAGES).split(QLatin1Char(','));

// The places of a text: %1 to %99 and %n, sorted.
QStringList placesOf(const QString &text)
{
    QStringList places;
    static const QRegularExpression place(QStringLiteral("%(\\d+|n)"));
    for (auto it = place.globalMatch(text); it.hasNext();)
        places << it.next().captured();
    places.sort();
    return places;
}

// The access key of a button's text, "&Attack" -> 'a'; none for "&&".
QChar accessKeyOf(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (text[i + 1] != QLatin1Char('&'))
                return text[i + 1].toLower();
            ++i;
        }
    }
    return QChar();
}

struct Message
{
    QString context;
    QString source;
    QStringList translations; // one, or one per plural form
    QString type; // "unfinished", "vanished", "obsolete" or empty
};

QList<Message> readCatalogue(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            message = Message{context, {}, {}, {}};
        else if (xml.name() == QLatin1String("source"))
            message.source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            // Plural forms are children; a plain translation is text.
            QString text;
            while (!(xml.isEndElement() && xml.name() == QLatin1String("translation")) && !xml.atEnd()) {
                xml.readNext();
                if (xml.isCharacters())
                    text += xml.text();
                else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                    message.translations << xml.readElementText();
            }
            if (message.translations.isEmpty())
                message.translations << text;
            messages << message;
        }
    }
    return xml.hasError() ? QList<Message>{} : messages;
}

// Every letter of the English alphabet made another, accented one; the
// places, access-key marks and line breaks kept; about 40 % longer.
class PseudoTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        const QString text = QString::fromUtf8(source);
        if (text.isEmpty() || qstrcmp(context, "Language") == 0)
            return QString();
        static const QString lower = QStringLiteral("àƀçďéƒĝĥîĵķĺɱñöþʠŕšţüṽŵẋýž");
        static const QString upper = QStringLiteral("ÀƁÇĎÉƑĜĤÎĴĶĹṀÑÖÞǪŔŠŢÜṼŴẊÝŽ");
        QString pseudo;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            if (c == QLatin1Char('%') && i + 1 < text.size()
                && (text[i + 1].isDigit() || text[i + 1] == QLatin1Char('n'))) {
                pseudo += c;
                pseudo += text[++i];
            } else if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
                pseudo += lower[c.unicode() - 'a'];
            } else if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) {
                pseudo += upper[c.unicode() - 'A'];
            } else {
                pseudo += c;
            }
        }
        return pseudo + QString(text.size() * 2 / 5, QChar(0x00B7));
    }
    bool isEmpty() const override { return false; }
};

// The game's three windows, as a player meets them: the title, the map
// after start-up, and a battle after one move.
struct Windows
{
    Windows()
    {
        sandbox.writeCharacter(Sandbox::defaultLines());
        title = std::make_unique<frmSplash>();
        map = sandbox.openMap();
        map->controls().lbl_EnemyTag->setText(QStringLiteral("1"));
        RandomSource::script({0.9f});
        battle = std::make_unique<frmBattleControl>(map->controls());
        RandomSource::clearScript();
    }

    QList<QWidget *> all() const { return {title.get(), map, battle.get()}; }

    Sandbox sandbox;
    std::unique_ptr<frmSplash> title;
    frmMainGameWindow *map = nullptr;
    std::unique_ptr<frmBattleControl> battle;
};

// The longest line of each kind the battle's status line shows, with
// two-digit numbers: the player's move and the enemy's answer.
QStringList playerLines()
{
    const auto tr = [](const char *source, int n = -1) { return frmBattleControl::tr(source, nullptr, n); };
    return {tr("You hit by +%1 and inflict %n damage.", 44).arg(44),
            tr("You miss by -%1").arg(44),
            tr("You magically blast for %n magic points.", 44),
            tr("You heal for %n magic points.", 44),
            tr("You don't need healing !"),
            tr("You have no magic available.")};
}

QStringList enemyLines()
{
    const auto tr = [](const char *source, int n = -1) { return frmBattleControl::tr(source, nullptr, n); };
    return {tr("Enemy hits you by +%1 and it inflicts %n damage.", 24).arg(44), tr("Enemy missed by -%1").arg(44)};
}

// Whether every character of the text has a glyph in the font or the
// fonts it falls back on: no boxes in place of letters.
bool drawable(const QString &text, const QFont &font)
{
    QTextLayout layout(QString(text).remove(QLatin1Char('&')), font);
    layout.beginLayout();
    while (layout.createLine().isValid()) {}
    layout.endLayout();
    for (const QGlyphRun &run : layout.glyphRuns()) {
        if (run.glyphIndexes().contains(0))
            return false;
    }
    return true;
}

// What does not fit, control by control: labels (wrapping where they
// wrap), buttons and frame captions against their design size.
QStringList overflowsIn(QWidget *window)
{
    QStringList found;
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (label->isHidden() || label->text().isEmpty() || label->objectName() == QLatin1String("screenReaderLine"))
            continue;
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect room =
            label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
        if (!drawable(label->text(), label->font()))
            found << QStringLiteral("%1 lacks glyphs: %2").arg(label->objectName(), label->text().left(60));
        const QRect needed = QFontMetrics(label->font()).boundingRect(room, flags, label->text());
        if (!room.contains(needed))
            found << QStringLiteral("%1: %2x%3 needed in %4x%5: %6")
                         .arg(label->objectName())
                         .arg(needed.width())
                         .arg(needed.height())
                         .arg(room.width())
                         .arg(room.height())
                         .arg(label->text().left(60));
    }
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        const int needed =
            QFontMetrics(button->font()).horizontalAdvance(QString(button->text()).remove(QLatin1Char('&'))) + 6;
        if (!drawable(button->text(), button->font()))
            found << QStringLiteral("%1 lacks glyphs: %2").arg(button->objectName(), button->text());
        if (!button->text().isEmpty() && needed > button->width())
            found << QStringLiteral("%1: %2 wide needed in %3: %4")
                         .arg(button->objectName())
                         .arg(needed)
                         .arg(button->width())
                         .arg(button->text());
    }
    for (QGroupBox *frame : window->findChildren<QGroupBox *>()) {
        const int needed = QFontMetrics(frame->font()).horizontalAdvance(frame->title()) + 16;
        if (needed > frame->width())
            found << QStringLiteral("%1: %2 wide needed in %3: %4")
                         .arg(frame->objectName())
                         .arg(needed)
                         .arg(frame->width())
                         .arg(frame->title());
    }
    return found;
}

// What of the help does not fit: a line wider than the page (the page
// must wrap, never scroll across), a letter with no glyph, a button too
// narrow for its text.
QStringList helpOverflows(HelpWindow &help)
{
    QStringList found = overflowsIn(&help);
    QTextEdit *browser = helpText(&help);
    if (browser->horizontalScrollBar()->maximum() > 0)
        found << QStringLiteral("the help scrolls across: %1 wide in %2")
                     .arg(browser->document()->idealWidth())
                     .arg(browser->viewport()->width());
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
        if (!drawable(block.text(), block.charFormat().font().resolve(browser->font())))
            found << QStringLiteral("the help lacks glyphs: %1").arg(block.text().left(60));
    }
    return found;
}

// What of the hall of the fallen does not fit: a column narrower than its
// heading or its widest cell (its text cut short), or a table that scrolls
// across.
QStringList hallOverflows(HallWindow &hall)
{
    QStringList found = overflowsIn(&hall);
    QTableView *table = hallTable(&hall);
    if (table->horizontalScrollBar()->maximum() > 0)
        found << QStringLiteral("the hall scrolls across");
    for (int column = 0; column < table->model()->columnCount(); ++column) {
        const int needed = std::max(static_cast<QAbstractItemView *>(table)->sizeHintForColumn(column),
                                    table->horizontalHeader()->sectionSizeHint(column));
        if (table->columnWidth(column) < needed)
            found << QStringLiteral("the hall's column %1: %2 wide needed in %3")
                         .arg(table->model()->headerData(column, Qt::Horizontal).toString())
                         .arg(needed)
                         .arg(table->columnWidth(column));
    }
    return found;
}

// Every text a player sees or hears on the window and its controls.
QStringList textsOf(QWidget *window)
{
    QStringList texts{window->windowTitle()};
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *widget : widgets) {
        if (!widget->isVisibleTo(window) && widget != window)
            continue;
        texts << widget->toolTip();
        if (auto *label = qobject_cast<QLabel *>(widget))
            texts << label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            texts << button->text();
        if (auto *frame = qobject_cast<QGroupBox *>(widget))
            texts << frame->title();
        if (QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget))
            texts << iface->text(QAccessible::Name) << iface->text(QAccessible::Description);
    }
    texts.removeAll(QString());
    return texts;
}

} // namespace

// Each language: its catalogue complete and sound, its texts fitting the
// fixed windows at this screen's scale (the suite runs it at 1 and 2), and
// its windows photographed into the build folder.
class tst_Translations : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void cataloguesComplete_data();
    void cataloguesComplete();
    void textsFitTheWindows_data();
    void textsFitTheWindows();
    void pseudoLanguageEscapesNothing();
    void languageChoice_data();
    void languageChoice();
    void savedFileIsTheSameInEveryLanguage();
    void joinedTextsFollowTheLanguage_data();
    void joinedTextsFollowTheLanguage();
    void valuesKeepTheirOrderInArabic_data();
    void valuesKeepTheirOrderInArabic();
    void arabicWindowsAreMirrored();
};

void tst_Translations::cleanup()
{
    Language::clear();
}

void tst_Translations::cataloguesComplete_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : Languages)
        QTest::newRow(qPrintable(language)) << language;
}

// Nothing unfinished or vanished; every translation keeps its source's
// places; the battle's access keys differ from each other.
void tst_Translations::cataloguesComplete()
{
    QFETCH(QString, language);
    const QList<Message> messages =
        readCatalogue(QStringLiteral(CHROMALAND_SOURCE_DIR "/i18n/chromaland_%1.ts").arg(language));
    QVERIFY2(!messages.isEmpty(), "no catalogue, or not well-formed");
    QHash<QChar, QString> keys;
    for (const Message &m : messages) {
        const QByteArray where = (m.context + QLatin1String(": ") + m.source.left(50)).toUtf8();
        QVERIFY2(m.type.isEmpty(), where + " is " + m.type.toUtf8());
        for (const QString &translation : m.translations) {
            QVERIFY2(!translation.isEmpty(), where + " is empty");
            QCOMPARE(placesOf(translation), placesOf(m.source));
        }
        if (m.context == QLatin1String("frmBattleControl") && !accessKeyOf(m.source).isNull()) {
            const QChar key = accessKeyOf(m.translations.value(0));
            QVERIFY2(!key.isNull(), where + " has no access key");
            QVERIFY2(!keys.contains(key), where + " shares its access key with " + keys.value(key).toUtf8());
            keys.insert(key, m.source);
        }
    }
}

void tst_Translations::textsFitTheWindows_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << QString();
    for (const QString &language : Languages)
        QTest::newRow(qPrintable(language)) << language;
}

void tst_Translations::textsFitTheWindows()
{
    QFETCH(QString, language);
    if (!language.isEmpty())
        QCOMPARE(Language::install({language}), language);
    Windows windows;
    const QString scale = QString::number(windows.title->devicePixelRatioF());
    const QString folder =
        QStringLiteral(CHROMALAND_SCREENSHOT_DIR "/%1").arg(language.isEmpty() ? QStringLiteral("en") : language);
    QDir().mkpath(folder);

    QStringList overflows;
    for (QWidget *window : windows.all()) {
        overflows << overflowsIn(window);
        window->grab().save(QStringLiteral("%1/%2@%3x.png").arg(folder, window->objectName(), scale));
    }
    // Every pair of lines the status line shows, and each line that undoes a
    // move alone.
    QLabel *status = control<QLabel>(windows.battle, "lbl_Status");
    for (const QString &player : playerLines()) {
        for (const QString &enemy : enemyLines()) {
            status->setText(player + Language::lineBreak() + enemy);
            overflows << overflowsIn(windows.battle.get());
        }
    }
    status->setText(frmBattleControl::tr("Your maximum Health (%1) cannot be used in battle: nothing happened.")
                        .arg(QStringLiteral("1234567890123456789012345678901234567890…")));
    overflows << overflowsIn(windows.battle.get());
    windows.battle->grab().save(QStringLiteral("%1/status@%2x.png").arg(folder, scale));
    status->setText(frmBattleControl::tr("Your Strength (%1) is not a number of 0 or more, so this battle cannot take "
                                         "place. The enemy stays on your square: step away from it, and mend the file.")
                        .arg(QStringLiteral("-5")));
    overflows << overflowsIn(windows.battle.get());
    windows.battle->grab().save(QStringLiteral("%1/status-negative@%2x.png").arg(folder, scale));

    // The help over the map, at its top and scrolled down to its end with
    // the keys a player uses.
    HelpWindow help(windows.map);
    help.show();
    overflows << helpOverflows(help);
    help.grab().save(QStringLiteral("%1/help@%2x.png").arg(folder, scale));
    QScrollBar *down = helpText(&help)->verticalScrollBar();
    QVERIFY2(down->maximum() > 0, "the help does not scroll");
    for (int page = 0; page < 100 && down->value() < down->maximum(); ++page)
        QTest::keyClick(helpText(&help), Qt::Key_PageDown);
    QCOMPARE(down->value(), down->maximum());
    help.grab().save(QStringLiteral("%1/help-end@%2x.png").arg(folder, scale));

    // The hall of the fallen over the map, three of them.
    writeThreeFallen();
    HallWindow hall(windows.map);
    hall.show();
    overflows << hallOverflows(hall);
    hall.grab().save(QStringLiteral("%1/hall@%2x.png").arg(folder, scale));

    overflows.removeDuplicates();
    QVERIFY2(overflows.isEmpty(), qPrintable(overflows.join(QLatin1Char('\n'))));

    // The boxes, as a player meets them.
    const QString path = QStringLiteral("/home/player/.local/share/chromaland/Character.chx");
    const QStringList boxes{
        QCoreApplication::translate("modGameLogicCode",
                                    "Character file could not be found - a new character will be created"),
        frmBattleControl::tr("You have died."),
        QCoreApplication::translate("modGameLogicCode", "The character could not be saved to %1.\n\n%2")
            .arg(path,
                 GameError(GameError::PathAccess,
                           SafeFile::pathAndReason(path, QCoreApplication::translate("SafeFile", "is a folder")))
                     .description())};
    for (int i = 0; i < boxes.size(); ++i) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Chromaland"), boxes[i], QMessageBox::Ok);
        WindowSetup::readInLanguageDirection(&box);
        box.show();
        box.grab().save(QStringLiteral("%1/box%2@%3x.png").arg(folder).arg(i + 1).arg(scale));
    }
}

// With every text made longer and accented, nothing on any window reads
// as plain English: only numbers and names stay as they were (the game's,
// and the credit line's team).
void tst_Translations::pseudoLanguageEscapesNothing()
{
    PseudoTranslator pseudo;
    QCoreApplication::installTranslator(&pseudo);
    Windows windows;
    BattlesExpected expected;
    windows.battle->show();
    RandomSource::script({0.65f, 0.05f, 0.65f, 0.95f, 0.11f});
    control<QPushButton>(windows.battle, "cmd_Attack")->click();
    QStringList escaped;
    static const QRegularExpression english(QStringLiteral("[A-Za-z]{2,}"));
    for (QWidget *window : windows.all()) {
        for (QString text : textsOf(window)) {
            const QString shown = text;
            text.remove(frmSplash::CreditLine).remove(QStringLiteral("Chromaland"));
            if (text.contains(english))
                escaped << window->objectName() + QLatin1String(": ") + shown.left(70);
        }
    }
    // The help's page too, but for what stays as it is in every language:
    // folders, a command, the languages' own names.
    HelpWindow help(windows.map);
    QString page = helpText(&help)->toPlainText();
    for (const QString &kept : {QDir::toNativeSeparators(modGameLogicCode::characterFilePath()),
                                QDir::toNativeSeparators(QDir(windows.sandbox.folder()).absolutePath()),
                                QDir::toNativeSeparators(QDir::currentPath()), QStringLiteral("LANGUAGE=de chromaland"),
                                QStringLiteral("chromaland --no-sound")})
        page.remove(kept);
    for (const QString &language : Languages)
        page.remove(QLocale(language).nativeLanguageName());
    for (const QString &line : page.split(QLatin1Char('\n'))) {
        if (QString(line).remove(QStringLiteral("Chromaland")).contains(english))
            escaped << QLatin1String("help: ") + line.left(70);
    }
    QCoreApplication::removeTranslator(&pseudo);
    escaped.removeDuplicates();
    QVERIFY2(escaped.isEmpty(), qPrintable(escaped.join(QLatin1Char('\n'))));
}

// The first of the desktop's languages the game speaks, stopping at
// English; a language written right to left says so.
void tst_Translations::languageChoice_data()
{
    QTest::addColumn<QStringList>("wanted");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("rightToLeft");
    QTest::newRow("German") << QStringList{"de"} << "de" << false;
    QTest::newRow("German of Austria") << QStringList{"de-AT"} << "de" << false;
    QTest::newRow("English before German") << QStringList{"en-GB", "de"} << "" << false;
    QTest::newRow("C locale") << QStringList{"C"} << "" << false;
    QTest::newRow("Brazilian Portuguese") << QStringList{"pt-BR"} << "pt_BR" << false;
    QTest::newRow("Portuguese of Portugal has none") << QStringList{"pt-PT"} << "" << false;
    QTest::newRow("traditional Chinese has none, Japanese next") << QStringList{"zh-TW", "ja"} << "ja" << false;
    QTest::newRow("Simplified Chinese") << QStringList{"zh-CN"} << "zh_CN" << false;
    QTest::newRow("Arabic of Egypt") << QStringList{"ar-EG"} << "ar" << true;
    QTest::newRow("Klingon, then French") << QStringList{"tlh", "fr-CA"} << "fr" << false;
}

void tst_Translations::languageChoice()
{
    QFETCH(QStringList, wanted);
    QFETCH(QString, chosen);
    QFETCH(bool, rightToLeft);
    QCOMPARE(Language::install(wanted), chosen);
    QCOMPARE(Language::rightToLeft(), rightToLeft);
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    const QString attack = frmBattleControl::tr("&Attack");
    QCOMPARE(attack == QLatin1String("&Attack"), chosen.isEmpty());
}

// A game played in another language saves the very bytes one played in
// English saves: captions hold numbers, and the file's words are its own.
void tst_Translations::savedFileIsTheSameInEveryLanguage()
{
    QHash<QString, QByteArray> saved;
    for (const QString &language : QStringList{QString()} + Languages) {
        if (!language.isEmpty())
            QCOMPARE(Language::install({language}), language);
        Sandbox sandbox;
        QStringList lines = Sandbox::defaultLines();
        lines[7] = QStringLiteral("pts=2.5");
        lines[3] = QStringLiteral("HPc=3.5");
        sandbox.writeCharacter(lines);
        frmMainGameWindow *map = sandbox.openMap();
        QVERIFY(map);
        control<QPushButton>(map, "cmd_HP_gain")->click();
        sandbox.close(map);
        saved.insert(language, sandbox.read(QStringLiteral("Character.chx")));
        Language::clear();
    }
    for (const QString &language : Languages)
        QVERIFY2(saved.value(language) == saved.value(QString()), qPrintable(language));
    QVERIFY(saved.value(QString()).contains("HPc=4.5\r\nHPm=11\r\n"));
}

// The texts the game joins from parts follow the language too: a file
// error's path and its reason, and the values a reader hears after a
// point is spent from the keyboard.
void tst_Translations::joinedTextsFollowTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("afterPath");
    QTest::addColumn<QString>("betweenValues");
    QTest::newRow("fr") << "fr" << QStringLiteral("\u202f: ") << ". ";
    QTest::newRow("ja") << "ja" << QStringLiteral("\uff1a") << QStringLiteral("\u3002");
    QTest::newRow("zh_CN") << "zh_CN" << QStringLiteral("\uff1a") << QStringLiteral("\u3002");
}

void tst_Translations::joinedTextsFollowTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, afterPath);
    QFETCH(QString, betweenValues);
    QCOMPARE(Language::install({language}), language);
    Sandbox sandbox;
    QString detail;
    try {
        SafeFile::read(sandbox.folder(), 100, GameError::PathAccess);
    } catch (const GameError &e) {
        detail = e.description();
    }
    QVERIFY2(detail.contains(QDir::toNativeSeparators(sandbox.folder()) + afterPath), qPrintable(detail));

    QStringList lines = Sandbox::defaultLines();
    // Two points: the buttons stay after one is spent, and the values are told.
    lines[7] = QStringLiteral("pts=2");
    sandbox.writeCharacter(lines);
    frmMainGameWindow *map = sandbox.openMap();
    QVERIFY(map);
    map->show();
    QVERIFY(QTest::qWaitForWindowExposed(map));
    QPlatformAccessibility *platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(platform);
    platform->setActive(true);
    AccessibleUpdates::forwardTo([](QAccessibleEvent *) {});
    QTest::keyClick(control<QPushButton>(map, "cmd_ST_gain"), Qt::Key_Space);
    platform->setActive(false);
    AccessibleUpdates::forwardTo({});
    QString told;
    for (const QLabel *line : map->findChildren<QLabel *>()) {
        if (line->property(AccessibleProperty::Announces).toBool() && line->isHidden())
            told = line->text();
    }
    const QString strength =
        QAccessible::queryAccessibleInterface(control<QLabel>(map, "lbl_ST_val"))->text(QAccessible::Name);
    QVERIFY2(told.startsWith(strength + betweenValues), qPrintable(told));
}

// In Arabic, a value written left to right keeps its own order inside the
// right-to-left sentence around it: the minus left of its digits, a path's
// first "/" leftmost, the "…" of a cut value at its right end.
void tst_Translations::valuesKeepTheirOrderInArabic_data()
{
    QTest::addColumn<QByteArray>("context");
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<int>("checked"); // the value whose order is checked

    const QString path = QStringLiteral("/tmp/x/Character.chx");
    const QString cut = GameError::excerpt(QStringLiteral("-") + QString(50, QLatin1Char('7')));
    const auto row = [](const char *name, const char *context, const char *source, const QStringList &values,
                        int checked = 0) {
        QTest::newRow(name) << QByteArray(context) << QByteArray(source) << values << checked;
    };
    row("save failure", "modGameLogicCode", "The character could not be saved to %1.\n\n%2", {path, "-"});
    const char *archived =
        "The dead character could not be archived as %1 in %2 (%3).\n\nThe character file is still at %4.";
    row("archive name", "modGameLogicCode", archived, {"Dead_23.55.11_06.12.2026.txt", "/tmp/x/", "-", path});
    row("archive folder", "modGameLogicCode", archived, {"Dead_23.55.11_06.12.2026.txt", "/tmp/x/", "-", path}, 1);
    row("archive file", "modGameLogicCode", archived, {"Dead_23.55.11_06.12.2026.txt", "/tmp/x/", "-", path}, 3);
    row("file error", "SafeFile", "%1: %2", {path, "-"});
    row("picture error", "SafeFile", "%1: %2", {"/tmp/x/Graphics/Player.bmp", "-"});
    row("too large", "CaptionNumber", "\"%1\" is too large", {"-1e400"});
    row("not a number", "CaptionNumber", "\"%1\" is not a number", {"-1,5"});
    row("line holds", "modGameLogicCode", "line %1 of the character file holds \"%2\"", {"3", "-x"}, 1);
    row("no enemy", "frmBattleControl", "There is no enemy \"%1\" to fight, so this battle cannot take place.", {"-1"});
    row("negative strength", "frmBattleControl",
        "Your Strength (%1) is not a number of 0 or more, so this battle cannot take place. The enemy stays on your "
        "square: step away from it, and mend the file.",
        {"-5"});
    row("enemy health", "frmBattleControl", "The enemy's health (%1) cannot be used in battle: nothing happened.",
        {cut});
    row("enemy strength", "frmBattleControl", "The enemy's strength (%1) cannot be used in battle: nothing happened.",
        {"-5"});
    row("magic", "frmBattleControl", "Your Magic (%1) cannot be used in battle: nothing happened.", {"1.5"});
    row("dexterity", "frmBattleControl", "Your Dexterity (%1) cannot be used in battle: nothing happened.", {"-40000"});
    row("strength", "frmBattleControl", "Your Strength (%1) cannot be used in battle: nothing happened.", {"-1.5"});
    row("wisdom", "frmBattleControl", "Your Wisdom (%1) cannot be used in battle: nothing happened.", {"1e400"});
    row("health", "frmBattleControl", "Your Health (%1) cannot be used in battle: nothing happened.",
        {GameError::excerpt(QString(50, QLatin1Char('7')))});
    row("health of maximum", "frmBattleControl", "%1 of %2", {"-5", "10"});
    row("maximum health", "frmBattleControl", "Your maximum Health (%1) cannot be used in battle: nothing happened.",
        {"-5"});
    row("miss", "frmBattleControl", "You miss by -%1", {"5"});
    row("enemy miss", "frmBattleControl", "Enemy missed by -%1", {"5"});
}

void tst_Translations::valuesKeepTheirOrderInArabic()
{
    QFETCH(QByteArray, context);
    QFETCH(QByteArray, source);
    QFETCH(QStringList, values);
    QFETCH(int, checked);
    QCOMPARE(Language::install({QStringLiteral("ar")}), QStringLiteral("ar"));
    QString text = QCoreApplication::translate(context, source);
    for (const QString &value : values)
        text = text.arg(value);
    // The miss lines put the minus before the place.
    const QString value = source.contains("-%1") ? QLatin1Char('-') + values[checked] : values[checked];
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);

    QTextLayout layout(text, QApplication::font());
    QTextOption option(Qt::AlignRight);
    option.setTextDirection(Qt::RightToLeft);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setLineWidth(100000);
    layout.endLayout();
    const int at = int(text.indexOf(value));
    QVERIFY2(at >= 0, qPrintable(text));
    // Each character's glyph stands right of the one before it.
    qreal before = -1.0e9;
    for (int i = 0; i < value.size(); ++i) {
        const QList<QGlyphRun> runs = layout.glyphRuns(at + i, 1);
        QVERIFY(!runs.isEmpty() && !runs.first().positions().isEmpty());
        const qreal x = runs.first().positions().first().x();
        QVERIFY2(x > before,
                 qPrintable(QStringLiteral("\"%1\" is drawn out of order at its character %2 in: %3")
                                .arg(value)
                                .arg(i + 1)
                                .arg(text)));
        before = x;
    }
}

// In Arabic every window keeps its size and each control goes to the
// mirrored place in its parent (a bar keeps its width and grows from the
// right end); the map's squares and markers stay, and Right still moves
// the player right.
void tst_Translations::arabicWindowsAreMirrored()
{
    struct Place
    {
        QRect geometry;
        int parentWidth;
        bool onTheMap;
    };
    const auto placesIn = [](const Windows &windows) {
        QHash<QString, Place> places;
        for (QWidget *window : windows.all()) {
            places.insert(window->objectName(), {window->geometry(), 0, false});
            for (QWidget *widget : window->findChildren<QWidget *>()) {
                if (!widget->objectName().isEmpty() && widget->window() == window)
                    places.insert(window->objectName() + QLatin1Char('/') + widget->objectName(),
                                  {widget->geometry(), widget->parentWidget()->width(),
                                   widget->parentWidget()->objectName() == QLatin1String("pic_WorldMap")});
            }
        }
        return places;
    };
    const QHash<QString, Place> english = placesIn(Windows());
    QCOMPARE(Language::install({QStringLiteral("ar")}), QStringLiteral("ar"));
    Windows windows;
    const QHash<QString, Place> arabic = placesIn(windows);
    QCOMPARE(arabic.keys().size(), english.keys().size());
    for (auto it = english.cbegin(); it != english.cend(); ++it) {
        const Place &en = it.value();
        QRect expected = en.geometry;
        if (en.parentWidth > 0 && !en.onTheMap)
            expected.moveLeft(en.parentWidth - en.geometry.x() - en.geometry.width());
        if (it.key().count(QLatin1Char('/')) == 0)
            expected = QRect(arabic.value(it.key()).geometry.topLeft(), en.geometry.size());
        QVERIFY2(arabic.value(it.key()).geometry == expected, qPrintable(it.key()));
    }

    auto *player = control<PictureBox>(windows.map, "pic_Player");
    const float left = player->left();
    QTest::keyClick(control<PictureBox>(windows.map, "pic_WorldMap"), Qt::Key_Right);
    QCOMPARE(player->left(), left + 16.0f);
}

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"
