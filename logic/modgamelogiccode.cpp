#include "logic/modgamelogiccode.h"

#include "battle/frmbattlecontrol.h"
#include "map/frmmaingamewindow.h"
#include "platform/beep.h"
#include "platform/captionnumber.h"
#include "platform/clock.h"
#include "platform/gameerror.h"
#include "platform/messagebox.h"
#include "platform/programend.h"
#include "platform/programfolder.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <QStringDecoder>
#include <array>
#include <cfloat>
#include <cmath>

namespace modGameLogicCode {

bool EnemiesPaused = false;

namespace {

constexpr int RecordLines = 15;
constexpr float TwipsPerLevel = 150.0f;

// Key of each line of the file; its length is what the reader skips.
constexpr std::array<const char *, RecordLines> Keys = {
    "ST=", "DX=", "WS=", "HPc=", "HPm=", "MPc=", "MPm=", "pts=",
    "V=", "I=", "B=", "G=", "Y=", "O=", "R=",
};

frmMainGameWindow &map()
{
    frmMainGameWindow *window = frmMainGameWindow::current();
    Q_ASSERT(window);
    return *window;
}

std::array<QLabel *, 8> statisticLabels(frmMainGameWindow &m)
{
    return {m.ui.lbl_ST_val, m.ui.lbl_DX_val, m.ui.lbl_WS_val, m.ui.lbl_HP_val,
            m.ui.lbl_HP_max, m.ui.lbl_MP_val, m.ui.lbl_MP_max, m.ui.lbl_Points_val};
}

QString describe(const QFileDevice &file)
{
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
}

// Writes the lines, each ended by CR LF, replacing the file only once the
// new content is complete on disk.
void writeLines(const QString &path, const QStringList &lines)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw GameError(GameError::PathAccess, describe(file));
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += line.toLatin1();
        bytes += "\r\n";
    }
    if (file.write(bytes) != bytes.size()) {
        const QString why = describe(file);
        file.cancelWriting();
        throw GameError(GameError::PathAccess, why);
    }
    if (!file.commit())
        throw GameError(GameError::PathAccess, describe(file));
}

// Lines end at CR LF, a lone LF or a lone CR; a last line needs no ending.
QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(text.mid(start, i - start));
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

QString valueOf(const QString &line, int lineIndex)
{
    const qsizetype keyLength = static_cast<qsizetype>(qstrlen(Keys[lineIndex]));
    if (line.size() < keyLength)
        throw GameError(GameError::InvalidArgument,
                        QStringLiteral("line %1 of the character file is shorter than its key").arg(lineIndex + 1));
    return line.mid(keyLength);
}

double wholeNumberOn(const QString &value, int lineIndex)
{
    try {
        return CaptionNumber::floorOf(CaptionNumber::parse(value));
    } catch (const GameError &e) {
        throw GameError(e.code(), QStringLiteral("line %1 of the character file holds \"%2\"")
                                      .arg(lineIndex + 1).arg(value));
    }
}

} // namespace

QString CharacterFilePath()
{
    const QString wanted = ProgramFolder::path() + QStringLiteral("/Character.chx");
    const QString found = FindEntry(wanted);
    return found.isEmpty() ? wanted : found;
}

void CreateDefaultCharacter()
{
    writeLines(CharacterFilePath(),
               {QStringLiteral("ST=10"), QStringLiteral("DX=10"), QStringLiteral("WS=10"),
                QStringLiteral("HPc=10"), QStringLiteral("HPm=10"), QStringLiteral("MPc=10"),
                QStringLiteral("MPm=10"), QStringLiteral("pts=0"), QStringLiteral("V=1"),
                QStringLiteral("I=1"), QStringLiteral("B=1"), QStringLiteral("G=1"),
                QStringLiteral("Y=1"), QStringLiteral("O=1"), QStringLiteral("R=1")});
}

void LoadCharacter()
{
    if (!FileExists(CharacterFilePath())) {
        MessageBox::show(QStringLiteral("Character file could not be found - a new character will be created"),
                         QStringLiteral("Chromaland"));
        CreateDefaultCharacter();
    }

    QFile file(CharacterFilePath());
    if (!file.open(QIODevice::ReadOnly))
        throw GameError(GameError::PathAccess, describe(file));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw GameError(GameError::PathAccess, describe(file));
    file.close();

    // The file is 8-bit text: every byte maps to one character and back.
    QStringDecoder latin1(QStringDecoder::Latin1);
    const QStringList lines = splitLines(latin1(bytes));
    if (lines.size() < RecordLines)
        throw GameError(GameError::PastEndOfFile,
                        QStringLiteral("the character file has %1 of its 15 lines").arg(lines.size()));

    // Everything is checked before any control changes.
    std::array<QString, 8> captions;
    for (int i = 0; i < 7; ++i)
        captions[i] = valueOf(lines[i], i);
    captions[7] = CaptionNumber::format(wholeNumberOn(valueOf(lines[7], 7), 7));

    std::array<float, 7> widths;
    for (int i = 0; i < 7; ++i) {
        const int line = 8 + i;
        const double twips = wholeNumberOn(valueOf(lines[line], line), line) * TwipsPerLevel;
        if (std::fabs(twips) > FLT_MAX)
            throw GameError(GameError::Overflow,
                            QStringLiteral("skill level on line %1 of the character file").arg(line + 1));
        if (twips < 0)
            throw GameError(GameError::InvalidPropertyValue,
                            QStringLiteral("negative skill level on line %1 of the character file").arg(line + 1));
        widths[i] = static_cast<float>(twips);
    }

    frmMainGameWindow &m = map();
    const auto labels = statisticLabels(m);
    for (int i = 0; i < 8; ++i)
        labels[i]->setText(captions[i]);
    const auto bars = m.skillBars();
    for (int i = 0; i < 7; ++i)
        bars[i]->setWidthTwips(widths[i]);
}

void SaveCharacter()
{
    frmMainGameWindow &m = map();
    QStringList lines;
    const auto labels = statisticLabels(m);
    for (int i = 0; i < 8; ++i)
        lines << QLatin1String(Keys[i]) + labels[i]->text();
    const auto bars = m.skillBars();
    for (int i = 0; i < 7; ++i)
        lines << QLatin1String(Keys[8 + i]) + CaptionNumber::formatSingle(bars[i]->widthTwips() / TwipsPerLevel);
    const QDateTime now = Clock::now();
    lines << QStringLiteral("Saved: ") + QLocale::system().toString(now.date(), QLocale::ShortFormat)
                 + QLatin1Char(' ') + now.time().toString(QStringLiteral("HH:mm:ss"));
    writeLines(CharacterFilePath(), lines);
}

QString FindEntry(const QString &path)
{
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    const QString folderPart = path.left(cut + 1);
    const QDir folder(folderPart.isEmpty() ? QStringLiteral(".") : folderPart);
    const QStringList entries = folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    // An exact match wins over another entry that differs only in case.
    const QString exactName = path.mid(cut + 1);
    if (entries.contains(exactName))
        return path;
    for (const QString &entry : entries) {
        if (QString::compare(folderPart + entry, path, Qt::CaseInsensitive) == 0)
            return folderPart + entry;
    }
    return QString();
}

bool FileExists(const QString &path)
{
    return !FindEntry(path).isEmpty();
}

void UpdateGainButtons()
{
    frmMainGameWindow &m = map();
    const bool show = CaptionNumber::floorOf(CaptionNumber::parse(m.ui.lbl_Points_val->text())) > 0;
    for (QPushButton *button : {m.ui.cmd_ST_gain, m.ui.cmd_DX_gain, m.ui.cmd_WS_gain, m.ui.cmd_HP_gain, m.ui.cmd_MP_gain})
        button->setVisible(show);
}

bool EnemyAt(qint16 x, qint16 y)
{
    bool found = false;
    for (const PictureBox *enemy : map().pic_Enemy) {
        if (enemy->left() == static_cast<float>(x) && enemy->top() == static_cast<float>(y))
            found = true;
    }
    return found;
}

void CheckEncounter()
{
    frmMainGameWindow &m = map();
    // Every shown enemy on the player's square is fought, lowest index
    // first; a death ends the program before the next one.
    for (qint16 i = 0; i < 21; ++i) {
        if (ProgramEnd::hasEnded())
            return;
        const PictureBox *player = m.ui.pic_Player;
        const PictureBox *enemy = m.pic_Enemy[i];
        if (enemy->left() == player->left() && enemy->top() == player->top() && enemy->shown())
            FightEnemy(i);
    }
}

void FightEnemy(qint16 index)
{
    frmMainGameWindow &m = map();
    EnemiesPaused = true;
    m.ui.lbl_EnemyTag->setText(QString::number(index));
    {
        // A fresh window for every battle, gone once it has been hidden.
        frmBattleControl battle(&m);
        battle.exec();
    }
    EnemiesPaused = false;

    const QString result = m.ui.lbl_EnemyTag->text();
    if (result == QLatin1String("Retreat"))
        return;
    if (result == QLatin1String("DEAD")) {
        ArchiveDeadCharacter();
        return;
    }

    m.pic_Enemy[index]->hide();
    const int group = index / 3;
    PictureBox *bar = m.skillBars()[group];
    bar->setWidthTwips(bar->widthTwips() + TwipsPerLevel);
    if (bar->widthTwips() > 2700.0f) {
        static constexpr std::array<int, 7> Awards = {30, 25, 20, 16, 12, 8, 4};
        Beep::sound();
        bar->setWidthTwips(TwipsPerLevel);
        // The points caption always holds a number: loading and spending
        // write nothing else. Should it not, the award is not added to it.
        if (const auto points = CaptionNumber::tryParse(m.ui.lbl_Points_val->text()))
            m.ui.lbl_Points_val->setText(CaptionNumber::format(*points + Awards[group]));
    }
    try {
        UpdateGainButtons();
    } catch (const GameError &) {
        // Not a number, so nothing to spend: the buttons stay as they are.
    }
}

void ArchiveDeadCharacter()
{
    const QString characterFile = CharacterFilePath();
    try {
        SaveCharacter();
    } catch (const GameError &e) {
        MessageBox::show(QStringLiteral("The character could not be saved to %1.\n\n%2")
                             .arg(QDir::toNativeSeparators(characterFile), e.description()));
        ProgramEnd::now(1);
        return;
    }

    const QString archiveName = QStringLiteral("Dead_") + Clock::now().toString(QStringLiteral("hh.mm.ss_dd.MM.yyyy"))
                              + QStringLiteral(".txt");
    const QDir archiveFolder(ProgramFolder::archiveFolder());
    QFile file(characterFile);
    // rename() never replaces an existing file; across file systems it
    // copies and removes the original only once the copy is whole.
    if (!file.rename(archiveFolder.filePath(archiveName))) {
        MessageBox::show(QStringLiteral("The dead character could not be archived as %1 in %2 (%3).\n\n"
                                        "The character file is still at %4.")
                             .arg(archiveName, QDir::toNativeSeparators(archiveFolder.absolutePath()), file.errorString(),
                                  QDir::toNativeSeparators(characterFile)));
        ProgramEnd::now(1);
        return;
    }
    ProgramEnd::now(0);
}

} // namespace modGameLogicCode
