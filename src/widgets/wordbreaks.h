#pragma once

#include <QString>

class QWidget;

/*
 * Chinese lines break between words, never inside one. The toolkit may break a
 * line between any two ideographs, so that "运行" (Run) can end one line and
 * begin the next; the words of the text are found by the Unicode library's
 * dictionary, and a word joiner (U+2060, drawn as nothing) holds the
 * ideographs of each word together. A text without ideographs comes back as
 * it was; a text given twice gets its joiners once.
 */
QString joinWords(const QString &text);

// The same for the texts that wrap in a window: its word-wrapped labels and
// read-only text boxes, as they are now.
void joinWordsIn(QWidget *window);
