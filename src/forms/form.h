#pragma once

#include <QWidget>

// A window of the program: one program-wide instance per form, created by the
// registry on first use (its Form_Load runs then), hidden and shown by the
// navigation, and destroyed when the user closes it with its close box (its
// Form_Unload runs first); the next use creates it afresh.
class Form : public QWidget
{
    Q_OBJECT
  public:
    explicit Form(QWidget *parent = nullptr);

    virtual void Form_Load() {}

    // Sets the window and its controls at the program's zoom, or at the most
    // that fits on the screen, never below 100 %; a window on the screen keeps
    // its centre there and stays on the screen.
    void followZoom();

  protected:
    virtual void Form_Unload() {}

    enum class Border { FixedSingle, FixedDialog, Sizable, None };
    // The window's client area in twips and its border; centred when first shown.
    void setClientArea(double width, double height, Border border);
    // The window has no button on the taskbar.
    void hideTaskbarButton() { m_taskbarButton = false; }

    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

  private:
    double fittingZoom() const;
    void zoomTo(double zoom);
    void tellCappedZoom(double zoom);
    void sizeToZoom();

    QSizeF m_clientArea; // in twips; empty for a window of no size of its own
    Border m_border = Border::Sizable;
    bool m_placed = false;
    bool m_taskbarButton = true;
};
