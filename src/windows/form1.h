#pragma once

#include "forms/form.h"

#include <QString>

#include <functional>

class ChartControl;
class ClickLabel;
class QGroupBox;
class QLabel;
class QAction;
class QLineEdit;
class QMessageBox;
class QPushButton;
class QTimer;

// The main window: parameter entry and Run, the small chart with its five
// chart buttons, the introduction, the author, the title and the clock.
class Form1 : public Form
{
    Q_OBJECT
  public:
    explicit Form1(QWidget *parent = nullptr);

    // The program's start: the title screen first, this window behind it.
    static void start();
    void Form_Load() override;

    // The save dialog: returns the chosen file name, empty when cancelled.
    std::function<QString(QWidget *parent)> CommonDialog1;
    // The dialog of "Open observations…": the chosen file's name, empty when cancelled.
    std::function<QString(QWidget *parent)> ObservationsDialog;

    ClickLabel *Label9;
    QLabel *Label8;
    QGroupBox *Frame4, *Frame3, *Frame2, *Frame1;
    QTimer *Timer1;
    // Introduction
    QLabel *Label7;
    QPushButton *Command6, *Command7;
    // Data and run
    QLabel *Label5, *Label6, *Label1, *Label2, *Label3, *Label4;
    QLineEdit *txtRrate, *n0, *txtSimut, *Text4;
    QPushButton *Command2, *Command10, *Command1;
    // Graph
    ChartControl *MSChart1;
    QLabel *Label11, *Label12, *Label13;
    QPushButton *command4, *Command3, *Command5, *Command8, *Command9;
    // Author
    ClickLabel *Label10, *Image1;
    QPushButton *Command11;
    // "Open observations…" (Ctrl+O), and the fit of the counts read, shown beside the window
    QAction *openObservationsAction;
    QMessageBox *fitPanel = nullptr;
    QPushButton *useFitButton = nullptr;

    // Run and parameter entry
    void Command2_Click();
    void n0_Change();
    void txtRrate_Change();
    void txtSimut_Change();
    void n0_KeyPress(int KeyAscii);
    void txtRrate_KeyPress(int KeyAscii);
    void txtSimut_KeyPress(int KeyAscii);

    // Chart buttons and the chart
    void command4_Click();
    void Command3_Click();
    void Command5_Click();
    void Command8_Click();
    void Command9_Click();
    void MSChart1_Click();

    // The rest of the window
    void Timer1_Timer();
    void Command7_Click();
    void Command10_Click();
    void Command1_Click();
    void Command6_Click();
    void Label9_Click();
    void Label10_Click();
    void Image1_Click();
    void Command11_Click();

    // A class's counts
    void openObservations_Triggered();
    void useFit_Click();

  protected:
    void Form_Unload() override;

  private:
    static void showTitleScreen();
    void layOut();
    void layOutIntroduction();
    void layOutDataAndRun();
    void layOutGraph();
    void layOutAuthor();
    void connectHandlers();
    void setUpObservations();
    void showFit();
    void parameterChanged(QLineEdit *box);
    void confirmOrReset(QLineEdit *box, const QString &fallback, unsigned refusal);
    QString typedText(const QLineEdit *box) const;
    QString readingNote(const QLineEdit *box) const;
};
