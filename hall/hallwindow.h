#pragma once

// The hall of the fallen: a window of its own over the title or the map,
// with a sentence on what the history holds, the table of the fallen
// (HallModel) and, once Enter or a double click has asked for it, the
// whole record of the chosen row with its battle's last lines, told to a
// screen reader too; Ctrl+C copies that record as text. Home and End go
// to the first and the last row. Made for one opening: open() reads the
// history, shows the window modally with the enemy clock held and returns
// when Escape or the button has closed it; the window under it then has
// its focus back.

#include <QDialog>

class HallModel;
class QDialogButtonBox;
class QKeyEvent;
class QLabel;
class QPlainTextEdit;
class QTableView;

class HallWindow : public QDialog
{
    Q_OBJECT

public:
    explicit HallWindow(QWidget *over);
    ~HallWindow() override;

    // Opens the hall over `window` and returns once it is closed.
    static void showOver(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // The chosen row's whole record, as Ctrl+C copies it; empty with no row.
    QString currentRecord() const;
    void showRecord();
    void copyRecord();
    void fitColumns();
    void tellRow();
    bool moveAlongRows(const QKeyEvent &key);
    // The parts of the window, made once by the constructor.
    void makeTable();
    void makeRecordBox();
    QDialogButtonBox *makeButtons();

    HallModel *m_model = nullptr;
    QLabel *m_summary = nullptr;
    QTableView *m_table = nullptr;
    QPlainTextEdit *m_record = nullptr;
    bool m_toldFirstRow = false;
};
