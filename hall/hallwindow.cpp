#include "hall/hallwindow.h"

#include "hall/hallmodel.h"
#include "accessibility/accessibleupdates.h"
#include "accessibility/labelaccessible.h"
#include "logic/fallenhistory.h"
#include "logic/modgamelogiccode.h"
#include "forms/closebuttons.h"
#include "forms/windowplacement.h"
#include "forms/windowsetup.h"
#include "system/language.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTextDocument>
#include <QTextOption>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// Wide enough for every column in every language, on a screen 1024 wide.
constexpr QSize HallSize(1000, 480);
// Columns are as wide as their heading and the first rows need: a
// hundred thousand rows are not measured one by one.
constexpr int MeasuredRows = 200;

// The sentence above the table: how many records there are, and what
// could not be read.
QString summaryOf(const FallenHistory::Reading &reading)
{
    if (reading.failureCode) {
        //: %1 is the history file's path and the reason it could not be read.
        return HallWindow::tr("The history of the fallen could not be read: %1").arg(reading.failure);
    }
    const qsizetype count = reading.contents.records.size();
    QString text = count == 0 ? HallWindow::tr("No character has fallen yet.")
                              : HallWindow::tr("Fallen characters, the best first: %n.", nullptr, int(count));
    if (reading.contents.skipped > 0) {
        //: After the sentence on the count of the fallen; %n is the number of lines skipped, %1 the file's path.
        text += QLatin1Char(' ')
            + HallWindow::tr("Lines of %1 that could not be read and were skipped: %n.", nullptr,
                             int(reading.contents.skipped))
                  .arg(QStringLiteral("\u2068%1\u2069").arg(QDir::toNativeSeparators(FallenHistory::path())));
    }
    return text;
}
} // namespace

HallWindow::HallWindow(QWidget *over)
    : QDialog(over)
{
    WindowSetup::prepare();
    setObjectName(QStringLiteral("HallWindow"));
    //: The title of the window that lists the characters who died.
    setWindowTitle(tr("Hall of the Fallen"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    resize(HallSize);

    const FallenHistory::Reading reading = FallenHistory::read();
    m_model = new HallModel(reading.contents.records, this);

    m_summary = new QLabel(summaryOf(reading), this);
    m_summary->setObjectName(QStringLiteral("hallSummary"));
    m_summary->setWordWrap(true);

    makeTable();
    makeRecordBox();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_table, 3);
    layout->addWidget(m_record, 2);
    layout->addWidget(makeButtons());
    WindowSetup::readInLanguageDirection(this);
    if (Language::rightToLeft())
        setLayoutDirection(Qt::RightToLeft);

    if (m_model->rowCount() > 0) {
        m_table->setCurrentIndex(m_model->index(0, 0));
    } else {
        m_table->hide();
    }
    m_table->setFocus();
}

void HallWindow::makeTable()
{
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("hallTable"));
    m_table->setAccessibleName(windowTitle());
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->horizontalHeader()->setHighlightSections(false);
    m_table->installEventFilter(this);
    connect(m_table, &QTableView::doubleClicked, this, &HallWindow::showRecord);
    fitColumns();
}

void HallWindow::makeRecordBox()
{
    m_record = new QPlainTextEdit(this);
    m_record->setObjectName(QStringLiteral("hallRecord"));
    //: The accessible name of the box that shows one fallen character's whole record.
    m_record->setAccessibleName(tr("Record"));
    m_record->setReadOnly(true);
    if (Language::rightToLeft()) {
        QTextOption option = m_record->document()->defaultTextOption();
        option.setTextDirection(Qt::RightToLeft);
        option.setAlignment(Qt::AlignRight);
        m_record->document()->setDefaultTextOption(option);
    }
    // Tab reaches it from the table, so that the keys scroll a long record.
    m_record->setFocusPolicy(Qt::StrongFocus);
    m_record->hide();
}

QDialogButtonBox *HallWindow::makeButtons()
{
    // Enter on the table shows a record; only on the button does it close.
    auto *buttons = new CloseButtons(this);
    buttons->setObjectName(QStringLiteral("hallButtons"));
    connect(buttons, &QDialogButtonBox::rejected, this, &HallWindow::reject);
    return buttons;
}

HallWindow::~HallWindow() = default;

void HallWindow::showOver(QWidget *window)
{
    const PausedEnemies paused;
    {
        HallWindow hall(window);
        hall.exec();
    }
    // The window under it takes the keys again, on every desktop.
    if (window)
        WindowPlacement::activate(window);
}

void HallWindow::fitColumns()
{
    QHeaderView *header = m_table->horizontalHeader();
    header->setResizeContentsPrecision(MeasuredRows);
    m_table->resizeColumnsToContents();
}

QString HallWindow::currentRecord() const
{
    const QModelIndex current = m_table->currentIndex();
    return current.isValid() ? HallModel::wholeRecord(m_model->record(current.row())) : QString();
}

void HallWindow::showRecord()
{
    const QString record = currentRecord();
    if (record.isEmpty())
        return;
    m_record->setPlainText(record);
    m_record->show();
    // The record stays where it is shown; the focus stays on the table.
    AccessibleUpdates::say(this, LabelAccessible::sentences(record.split(QLatin1Char('\n'), Qt::SkipEmptyParts)));
}

void HallWindow::copyRecord()
{
    const QString record = currentRecord();
    if (!record.isEmpty())
        QGuiApplication::clipboard()->setText(record);
}

// The chosen row as a reader hears it, each cell with its column.
void HallWindow::tellRow()
{
    const int row = m_table->currentIndex().row();
    if (row < 0)
        return;
    QStringList cells;
    for (int column = 0; column < m_model->columnCount(); ++column)
        cells << m_model->index(row, column).data(Qt::AccessibleTextRole).toString();
    AccessibleUpdates::say(this, LabelAccessible::joined(cells));
}

// Home and End go to the first and the last of the fallen, in the same
// column; a key that cannot go further tells the row it stays on, as a
// reader tells the row that a move reaches.
bool HallWindow::moveAlongRows(const QKeyEvent &key)
{
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid() || (key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    const int last = m_model->rowCount() - 1;
    int row = current.row();
    if (key.key() == Qt::Key_Home)
        row = 0;
    else if (key.key() == Qt::Key_End)
        row = last;
    else if (!((key.key() == Qt::Key_Up || key.key() == Qt::Key_PageUp) && row == 0)
             && !((key.key() == Qt::Key_Down || key.key() == Qt::Key_PageDown) && row == last))
        return false;
    if (row == current.row())
        tellRow();
    else
        m_table->setCurrentIndex(m_model->index(row, current.column()));
    return true;
}

void HallWindow::changeEvent(QEvent *event)
{
    // A reader tells the table as the hall opens, not the row chosen: that
    // follows, once the window has told that it is active.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_toldFirstRow) {
        m_toldFirstRow = true;
        QTimer::singleShot(0, this, &HallWindow::tellRow);
    }
    QDialog::changeEvent(event);
}

bool HallWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            showRecord();
            return true;
        }
        if (key->matches(QKeySequence::Copy)) {
            copyRecord();
            return true;
        }
        if (moveAlongRows(*key))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}
