// The corpus of damaged and unusual files in tests/data: every character
// file and picture listed in expected.tsv is read the way the game reads it,
// must give the outcome the table names, and must give it promptly.

#include "logic/defaultcharacter.h"
#include "logic/fallenhistory.h"
#include "logic/modgamelogiccode.h"
#include "system/gameerror.h"
#include "system/picturefile.h"
#include "system/safefile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <functional>
#include <future>
#include <map>
#include <memory>
#include <sys/stat.h>
#include <thread>

using namespace Qt::StringLiterals;

class tst_Corpus : public QObject
{
    Q_OBJECT

private slots:
    void everyEntryGivesItsOutcomePromptly_data();
    void everyEntryGivesItsOutcomePromptly();

private:
    QTemporaryDir m_made;
};

namespace {

// Even on a slow, instrumented build; a hang shows as a failure at once.
constexpr auto Bound = std::chrono::seconds(10);

QByteArray crlf(const QList<QByteArray> &lines)
{
    return lines.join("\r\n") + "\r\n";
}

QList<QByteArray> defaultLines()
{
    QList<QByteArray> lines;
    for (const char *line : GameRules::DefaultCharacter)
        lines << line;
    return lines;
}

QByteArray withLine(int index, const QByteArray &line)
{
    QList<QByteArray> lines = defaultLines();
    lines[index] = line;
    return crlf(lines);
}

// Content too large or too binary to keep in the repository.
const std::map<QString, std::function<QByteArray()>> &recipes()
{
    static const std::map<QString, std::function<QByteArray()>> made = {
        {u"every-byte"_s,
         [] {
             QByteArray all;
             for (int b = 0; b < 256; ++b)
                 all += char(b);
             return all;
         }},
        {u"every-byte-in-strength"_s,
         [] {
             QByteArray value;
             for (int b = 0; b < 256; ++b) {
                 if (b != '\r' && b != '\n')
                     value += char(b);
             }
             return withLine(0, "ST=" + value);
         }},
        {u"nul-in-strength"_s,
         [] {
             return withLine(0,
                             QByteArray("ST=1\0\0"
                                        "2",
                                        7));
         }},
        {u"nul-in-points"_s,
         [] {
             return withLine(7,
                             QByteArray("pts=1\0"
                                        "2",
                                        7));
         }},
        {u"nul-separated"_s, [] { return defaultLines().join('\0'); }},
        {u"ten-megabyte-line"_s, [] { return withLine(0, "ST=" + QByteArray(10'000'000, '7')); }},
        {u"one-mebibyte"_s,
         [] {
             const QByteArray body = crlf(defaultLines());
             return body + QByteArray(modGameLogicCode::MaxCharacterFileBytes - body.size(), 'x');
         }},
        {u"one-mebibyte-and-one"_s,
         [] {
             const QByteArray body = crlf(defaultLines());
             return body + QByteArray(modGameLogicCode::MaxCharacterFileBytes - body.size() + 1, 'x');
         }},
        {u"million-digit-points"_s, [] { return withLine(7, "pts=" + QByteArray(1'000'000, '9')); }},
        {u"history-every-byte"_s,
         [] {
             QByteArray all = FallenHistory::header();
             for (int b = 0; b < 256; ++b)
                 all += char(b);
             return all;
         }},
        {u"history-hundred-thousand"_s,
         [] {
             const QByteArray line = "2026-12-06T23:55:11+01:00\tDead_23.55.11_06.12.2026.txt\t12\t10\t10\t10\t10"
                                     "\t0\t3\t1\t1\t1\t1\t1\t1\t2\tgreen\t40\tEnemy hits you by +2\\nYou die\n";
             return FallenHistory::header() + line.repeated(100'000);
         }},
        {u"history-ten-megabyte-line"_s, [] { return FallenHistory::header() + QByteArray(10'000'000, '\t') + '\n'; }},
        {u"million-digits-then-letter"_s, [] { return withLine(7, "pts=" + QByteArray(1'000'000, '9') + "x"); }},
    };
    return made;
}

QString dataPath(const QString &entry)
{
    return QStringLiteral(CHROMALAND_CORPUS_DIR "/") + entry;
}

// What reading the file the game's way gives: "ok" or the error code.
QString outcomeOf(const QString &entry, const QString &path)
{
    try {
        if (entry.startsWith(u"history/"_s)) {
            const FallenHistory::Reading reading = FallenHistory::read(path);
            if (reading.failureCode)
                return QString::number(*reading.failureCode);
            return u"%1 read %2 skipped"_s.arg(reading.contents.records.size()).arg(reading.contents.skipped);
        }
        if (entry.startsWith(u"characters/"_s)) {
            modGameLogicCode::readCharacter(
                SafeFile::read(path, modGameLogicCode::MaxCharacterFileBytes, GameError::PathAccess));
        } else {
            PictureFile::load(path);
        }
    } catch (const GameError &e) {
        return QString::number(e.code());
    }
    return u"ok"_s;
}

} // namespace

void tst_Corpus::everyEntryGivesItsOutcomePromptly_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("how");

    QFile table(dataPath(u"expected.tsv"_s));
    QVERIFY2(table.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(table.errorString()));
    int characters = 0, pictures = 0;
    QStringList listed{u"expected.tsv"_s};
    while (!table.atEnd()) {
        const QString line = QString::fromUtf8(table.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        QVERIFY2(fields.size() >= 3, qPrintable(u"a row of expected.tsv needs entry, expected and how: "_s + line));
        QTest::newRow(qPrintable(fields[0])) << fields[0] << fields[1] << fields[2];
        (fields[0].startsWith(u"characters/"_s) ? characters : pictures) += 1;
        listed << fields[0];
    }
    // The table is the whole corpus: a lost row must not go unnoticed,
    // nor a file that no row names.
    QVERIFY(characters >= 40);
    QVERIFY(pictures >= 12);
    const QDir folder(dataPath(QString()));
    for (QDirIterator it(folder.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
        const QString entry = folder.relativeFilePath(it.next());
        QVERIFY2(listed.contains(entry),
                 qPrintable(entry + u" is in tests/data, but no row of expected.tsv names it"_s));
    }
}

void tst_Corpus::everyEntryGivesItsOutcomePromptly()
{
    QFETCH(QString, entry);
    QFETCH(QString, expected);
    QFETCH(QString, how);

    // Entries git cannot hold are made in a folder of their own.
    QVERIFY(m_made.isValid());
    const QString made = m_made.filePath(entry);
    QString path = dataPath(entry);
    if (how != u"file"_s) {
        path = made;
        QVERIFY(QDir().mkpath(QFileInfo(made).path()));
        const QString target = how.section(u' ', 1);
        if (how == u"folder"_s) {
            QVERIFY(QDir().mkpath(made));
        } else if (how == u"fifo"_s) {
            QCOMPARE(::mkfifo(QFile::encodeName(made).constData(), 0600), 0);
        } else if (how == u"link-fifo"_s) {
            QCOMPARE(::mkfifo(QFile::encodeName(made + u".pipe"_s).constData(), 0600), 0);
            QVERIFY(QFile::link(made + u".pipe"_s, made));
        } else if (how.startsWith(u"link "_s)) {
            QVERIFY(QFile::link(target.startsWith(u'/') ? target : dataPath(target), made));
        } else if (how.startsWith(u"gen "_s) && target == u"sixty-five-mebibytes"_s) {
            QFile file(made); // sparse: costs no disk
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("BM") == 2 && file.resize(65LL << 20));
        } else if (how.startsWith(u"gen "_s)) {
            const auto recipe = recipes().find(target);
            QVERIFY2(recipe != recipes().end(), qPrintable(u"no recipe named "_s + target));
            QFile file(made);
            const QByteArray bytes = recipe->second();
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        } else {
            QFAIL(qPrintable(u"unknown way to make an entry: "_s + how));
        }
    }
    QVERIFY2(QFileInfo::exists(path) || QFileInfo(path).isSymLink(), qPrintable(path + u" is missing"_s));

    // On a thread of its own, so that a read that never returns fails this
    // row at once instead of stalling the whole run.
    const auto promise = std::make_shared<std::promise<QString>>();
    std::future<QString> result = promise->get_future();
    std::thread reader([promise, entry, path] { promise->set_value(outcomeOf(entry, path)); });
    if (result.wait_for(Bound) != std::future_status::ready) {
        reader.detach();
        QFAIL(qPrintable(u"reading %1 did not end within %2 s"_s.arg(entry).arg(Bound.count())));
    }
    reader.join();
    QCOMPARE(result.get(), expected);
}

QTEST_GUILESS_MAIN(tst_Corpus)
#include "tst_corpus.moc"
