#include "title/frmsplash.h"
#include "ui_frmSplash.h"

#include "logic/gamerules.h"
#include "map/frmmaingamewindow.h"
#include "system/language.h"
#include "system/programend.h"
#include "forms/windowsetup.h"
#include "forms/windowplacement.h"
#include "widgets/accessibleproperty.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QTimer>

const QString frmSplash::CreditLine = QStringLiteral("Chromaland Team 2026");

frmSplash::frmSplash(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::frmSplash>())
{
    WindowSetup::setUpForm(*ui, this);
    // No title bar, no taskbar entry, no way to resize or close it.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    // What desktops that list windows by their titles show for it.
    setWindowTitle(QString::fromLatin1(WindowSetup::ProgramTitle));
    WindowPlacement::keepSize(this);
    // A reader reads it as a dialog, its words as it opens.
    setProperty(AccessibleProperty::WindowKind, AccessibleProperty::DialogKind);
    setFocusPolicy(Qt::StrongFocus);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    Timer1->start();

    Form_Load();
}

frmSplash::~frmSplash()
{
    delete m_map;
}

void frmSplash::Form_Load()
{
    const QString paragraphBreak = Language::lineBreak() + Language::lineBreak();
    ui->lbl_Instructions->setText(QStringList{
        tr("Instructions: You are White Square. Use the cursor keys to move around. At the bottom of the map is the "
           "healing area, this is a safe zone where the bad guys cannot reach you."),
        //: The trailing space is part of the paragraph.
        tr("Move into an enemy colour to attack them. You gain Chromara Skills with each kill. Once a colour bar is "
           "full you gain extra points to increase your abilities. "),
        GameRules::attackInstruction(),
        tr("BLAST: Automatically blast the enemy with magic, inflicting up to your Wisdom in damage."),
        tr("HEAL: Use your magic points to heal any wounds. Your maximum healing power is limited by your Wisdom."),
        GameRules::retreatInstruction(),
    }
                                      .join(paragraphBreak));
    // A screen reader speaks the window's name, then its labels: the
    // prompt first, then the instructions, once; the bottom line, which
    // takes turns with the credit line, says nothing more.
    //: What a screen reader says first of the title window, before its instructions.
    setAccessibleName(tr("Chromaland. Press a key to play."));
    ui->lbl_Author->setProperty(AccessibleProperty::Silent, true);
}

void frmSplash::Timer1_Timer()
{
    if (ui->lbl_Author->text() == CreditLine)
        ui->lbl_Author->setText(pressAKey());
    else
        ui->lbl_Author->setText(CreditLine);
}

QString frmSplash::pressAKey()
{
    //: The title's bottom line, which takes turns with the credit line.
    return tr("Press a key to play");
}

void frmSplash::showEvent(QShowEvent *event)
{
    if (!m_centred) {
        m_centred = true;
        WindowPlacement::centreOnScreen(this);
    }
    QWidget::showEvent(event);
}

void frmSplash::keyPressEvent(QKeyEvent *event)
{
    // Only keys that produce a character start the game.
    if (event->text().isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    Form_KeyPress();
}

void frmSplash::closeEvent(QCloseEvent *event)
{
    event->accept();
    ProgramEnd::now(0);
}

void frmSplash::endOnRequest()
{
    // The map exists here only once its start-up has run to its end.
    if (!m_map) {
        ProgramEnd::now(0);
        return;
    }
    ProgramEnd::after(m_map->endOnRequest());
}

void frmSplash::keepOnRequest()
{
    if (m_map)
        m_map->keepOnRequest();
}

void frmSplash::Form_KeyPress()
{
    // A key pressed while the map's start-up still runs starts nothing more.
    if (m_starting)
        return;
    if (!m_map) {
        m_starting = true;
        auto map = std::make_unique<frmMainGameWindow>();
        const Outcome started = map->Form_Load();
        m_starting = false;
        // A start-up that failed has said why; the title stays until the end.
        if (ProgramEnd::after(started))
            return;
        m_map = map.release();
    }
    m_map->show();
    WindowPlacement::activate(m_map);
    hide();
    // Hidden for good: give back the window's screen buffer. The widget,
    // its labels and its timer stay.
    destroy();
}
