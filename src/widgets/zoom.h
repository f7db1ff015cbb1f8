#pragma once

#include <QObject>

#include <iterator>

/*
 * The program's zoom, for a classroom's projector: every window's places and
 * sizes from its layout table, its fonts, pictures and charts, at a factor
 * from 100 % to 250 %, the same for all windows at once. Ctrl++ (or Ctrl+=),
 * Ctrl+- and Ctrl+0 step it in any window; a step the user takes is kept for
 * the next start, a zoom named on the command line only for this one.
 */
class Zoom : public QObject
{
    Q_OBJECT
  public:
    static constexpr int Steps[] = {100, 125, 150, 175, 200, 225, 250};
    static constexpr int Least = Steps[0], Most = Steps[std::size(Steps) - 1];

    static Zoom &program(); // the one zoom of the program

    int percent() const { return m_percent; }
    double factor() const { return m_percent / 100.0; }

    // At start: the percent given on the command line, or 0 for the one kept.
    void start(int percent);
    void setPercent(int percent); // for this start only

    // The user's keys; each keeps the zoom for the next start.
    void zoomIn();
    void zoomOut();
    void reset();

  signals:
    void changed();

  private:
    void keep(int percent);

    int m_percent = Least;
};
