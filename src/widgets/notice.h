#pragma once

class QString;
class QWidget;

// A message beside a window that blocks nothing: the window stays usable and
// keeps its focus. A notice belongs to its cause, a short key such as "run"
// or "save": a later notice replaces it, and once that cause goes well
// hideNotice takes it away, leaving a notice of any other cause in place.
void showNotice(QWidget *window, const char *cause, const QString &text);
void hideNotice(QWidget *window, const char *cause);
