#include "map/frmmaingamewindow.h"

#include "logic/modgamelogiccode.h"
#include "platform/gameerror.h"
#include "platform/gamefonts.h"
#include "platform/messagebox.h"
#include "platform/programend.h"
#include "platform/programfolder.h"
#include "resources/gamepictures.h"

#include <QCloseEvent>
#include <QDir>
#include <QImageReader>
#include <QKeyEvent>
#include <QTimer>

using namespace modGameLogicCode;

namespace {
frmMainGameWindow *s_current = nullptr;
}

frmMainGameWindow::frmMainGameWindow(QWidget *parent)
    : QWidget(parent)
{
    GamePictures::ensureLoaded();
    ui.setupUi(this);
    GameFonts::adapt(this);
    setWindowIcon(GamePictures::applicationIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(size());

    ui.pic_WorldMap->placeChildrenInInterior();
    for (int i = 0; i < 21; ++i)
        pic_Enemy[i] = findChild<PictureBox *>(QStringLiteral("pic_Enemy_%1").arg(i));
    s_current = this;

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(17);
    connect(Timer1, &QTimer::timeout, this, &frmMainGameWindow::Timer1_Timer);
    Timer1->start();

    connect(ui.pic_WorldMap, &PictureBox::keyDown, this, &frmMainGameWindow::onWorldMapKey);
    connect(ui.cmd_ST_gain, &QPushButton::clicked, this, &frmMainGameWindow::cmd_ST_gain_Click);
    connect(ui.cmd_DX_gain, &QPushButton::clicked, this, &frmMainGameWindow::cmd_DX_gain_Click);
    connect(ui.cmd_WS_gain, &QPushButton::clicked, this, &frmMainGameWindow::cmd_WS_gain_Click);
    connect(ui.cmd_HP_gain, &QPushButton::clicked, this, &frmMainGameWindow::cmd_HP_gain_Click);
    connect(ui.cmd_MP_gain, &QPushButton::clicked, this, &frmMainGameWindow::cmd_MP_gain_Click);
    ui.pic_WorldMap->setFocus();

    Form_Load();
}

frmMainGameWindow::~frmMainGameWindow()
{
    if (s_current == this)
        s_current = nullptr;
}

frmMainGameWindow *frmMainGameWindow::current()
{
    return s_current;
}

std::array<PictureBox *, 7> frmMainGameWindow::skillBars() const
{
    return {ui.pic_Violet, ui.pic_Indigo, ui.pic_Blue, ui.pic_Green, ui.pic_Yellow, ui.pic_Orange, ui.pic_Red};
}

void frmMainGameWindow::loadPictureIfPresent(const QString &suffix, PictureBox *target)
{
    const QString path = ProgramFolder::path() + suffix;
    if (!FileExists(path))
        return;
    // Load the entry actually found: on a case-sensitive disk it may be
    // spelt differently from the name the game asks for.
    QImageReader reader(FindEntry(path));
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull())
        throw GameError(GameError::InvalidPicture,
                        QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(reader.fileName()), reader.errorString()));
    target->setPicture(QPixmap::fromImage(image));
}

void frmMainGameWindow::Form_Load()
{
    EnemiesPaused = true;
    try {
        loadPictureIfPresent(QStringLiteral("/Graphics/MapBackground.bmp"), ui.pic_WorldMap);
        loadPictureIfPresent(QStringLiteral("/Graphics/Player.bmp"), ui.pic_LoadedPlayer);
        loadPictureIfPresent(QStringLiteral("/Graphics/Player_Healing.bmp"), ui.pic_LoadedHealing);
        ui.pic_Player->setPicture(ui.pic_LoadedHealing->picture());
        for (int i = 0; i < 21; ++i)
            loadPictureIfPresent(QStringLiteral("/Graphics/Enemy_%1.bmp").arg(i), pic_Enemy[i]);
        LoadCharacter();
        UpdateGainButtons();
    } catch (const GameError &e) {
        MessageBox::show(QStringLiteral("Error: %1 : %2").arg(e.code()).arg(e.description()));
        ProgramEnd::now(1);
        return;
    } catch (const std::exception &e) {
        MessageBox::show(QStringLiteral("Error: 51 : Internal error (%1)").arg(QString::fromLocal8Bit(e.what())));
        ProgramEnd::now(1);
        return;
    }
    EnemiesPaused = false;
    m_startedUp = true;
}

void frmMainGameWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    Form_Unload();
}

void frmMainGameWindow::Form_Unload()
{
    // A window whose start-up failed has no character to save.
    if (!m_startedUp || ProgramEnd::hasEnded())
        return;
    try {
        SaveCharacter();
    } catch (const GameError &e) {
        MessageBox::show(QStringLiteral("The character could not be saved to %1.\n\n%2")
                             .arg(QDir::toNativeSeparators(CharacterFilePath()), e.description()));
        ProgramEnd::now(1);
        return;
    }
    ProgramEnd::now(0);
}

void frmMainGameWindow::Timer1_Timer()
{
}

void frmMainGameWindow::onWorldMapKey(QKeyEvent *)
{
}

void frmMainGameWindow::pic_WorldMap_KeyDown(int, Qt::KeyboardModifiers)
{
}

void frmMainGameWindow::cmd_ST_gain_Click() {}
void frmMainGameWindow::cmd_DX_gain_Click() {}
void frmMainGameWindow::cmd_WS_gain_Click() {}
void frmMainGameWindow::cmd_HP_gain_Click() {}
void frmMainGameWindow::cmd_MP_gain_Click() {}
