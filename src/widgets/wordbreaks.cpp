#include "widgets/wordbreaks.h"

#include <QLabel>
#include <QPlainTextEdit>

#include <unicode/brkiter.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <memory>

namespace
{

const QChar WordJoiner(0x2060);

bool ideograph(QChar c)
{
    const QChar::Script script = c.script();
    return script == QChar::Script_Han || script == QChar::Script_Hiragana ||
           script == QChar::Script_Katakana;
}

bool ideographic(const QString &text, qsizetype from, qsizetype to)
{
    for (qsizetype k = from; k < to; ++k)
        if (!ideograph(text[k])) return false;
    return true;
}

} // namespace

QString joinWords(const QString &text)
{
    if (std::none_of(text.cbegin(), text.cend(), ideograph)) return text;
    QString plain = text;
    plain.remove(WordJoiner);
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::BreakIterator> words(
        icu::BreakIterator::createWordInstance(icu::Locale("zh"), status));
    if (U_FAILURE(status)) return text;
    const icu::UnicodeString unicode(false, reinterpret_cast<const UChar *>(plain.utf16()),
                                     int32_t(plain.size()));
    words->setText(unicode);
    QString joined;
    joined.reserve(plain.size() * 2);
    int32_t start = words->first();
    for (int32_t end = words->next(); end != icu::BreakIterator::DONE;
         start = end, end = words->next()) {
        const bool word = end - start > 1 && ideographic(plain, start, end);
        for (int32_t k = start; k < end; ++k) {
            if (word && k > start) joined += WordJoiner;
            joined += plain[k];
        }
    }
    return joined;
}

void joinWordsIn(QWidget *window)
{
    for (QLabel *label : window->findChildren<QLabel *>())
        if (label->wordWrap() && label->textFormat() != Qt::RichText) {
            const QString joined = joinWords(label->text());
            if (joined != label->text()) label->setText(joined);
        }
    for (QPlainTextEdit *box : window->findChildren<QPlainTextEdit *>())
        if (box->isReadOnly()) {
            const QString text = box->toPlainText(), joined = joinWords(text);
            if (joined != text) box->setPlainText(joined);
        }
}
