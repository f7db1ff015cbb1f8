#pragma once

#include "forms/form.h"

#include <functional>

class DataTableModel;
class QAction;
class QPushButton;
class QTableView;

// The data table: the last run's series, one row per time step, in a grid
// that only displays. The large graph window's "Detail" fills it. Its cells
// can be selected and copied, and its columns widened.
class DataTabl : public Form
{
    Q_OBJECT
  public:
    explicit DataTabl(QWidget *parent = nullptr);

    // Fills the grid from the model state as it is now; it keeps showing
    // those figures until the next fill, whatever later runs change.
    void fill();

    DataTableModel *model() const { return m_model; }

    QTableView *MSFlexGrid1;
    QPushButton *Command1, *Command2;
    // "Copy" in the grid's context menu, and Ctrl+C
    QAction *copyAction;
    // "Save as spreadsheet…" in the grid's context menu, and Ctrl+S
    QAction *saveWorkbookAction;
    // Its dialog: returns the chosen file name, empty when cancelled.
    std::function<QString(QWidget *parent)> WorkbookDialog;

    void Command1_Click();
    void Command2_Click();
    // Puts the selected cells on the clipboard, or the whole table when none is selected.
    void copy_Triggered();
    // Writes the table's run, the kept runs and the observations as a workbook.
    void saveWorkbook_Triggered();

  signals:
    // A workbook that "Save as spreadsheet…" started is written, or failed.
    void workbookWritten(bool written);

  protected:
    void Form_Unload() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void layOut();
    void setUpGrid();
    void fitToFont();
    void takeColumnsWidth();
    void connectHandlers();

    DataTableModel *m_model;
    QWidget *m_corner = nullptr;
};
