#pragma once

#include <QString>

#include <concepts>
#include <utility>
#include <vector>

// A sentence for the user, kept as the English text it was written in and the arguments that
// fill its %1, %2, ...: texts shown as they stand (a file name, a number, a system's error
// text) or nested sentences (the reason in "... cannot be read: %2"). It is put into the
// user's language only when shown, through QCoreApplication::translate, so the engine reports
// what happened and the window or the command line decides the language.
//
// Made with E2V_SENTENCE around the text lupdate finds, marked with its context:
//     E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "it has no worksheet number %1 (it has %2)."))
//         .arg(sheet + 1)
//         .arg(sheetCount)
// Marked texts hold their characters as they are (“”, →), not as \u escapes: lupdate reads an
// escape on into a following a-f ("\u201Cfield"), and the catalogue would miss the text.
class Sentence {
public:
    // No sentence: empty text.
    Sentence() = default;
    // The English source text and its translation context, both string literals (they are
    // kept as pointers). E2V_SENTENCE writes the context once, where lupdate reads it.
    Sentence(const char* context, const char* source) : m_context(context), m_source(source) {}
    // A text shown as it stands in every language.
    static Sentence plain(QString text);

    // The argument for the next placeholder: the first for %1, the second for %2, and so on, so
    // that a translation may put them in another order.
    Sentence arg(QString text) &&;
    Sentence arg(Sentence nested) &&;
    template <std::integral Number> Sentence arg(Number number) && {
        return std::move(*this).arg(QString::number(number));
    }
    Sentence arg(QString text) const& { return Sentence(*this).arg(std::move(text)); }
    Sentence arg(Sentence nested) const& { return Sentence(*this).arg(std::move(nested)); }
    template <std::integral Number> Sentence arg(Number number) const& {
        return Sentence(*this).arg(number);
    }

    bool isEmpty() const { return m_source == nullptr && m_text.isEmpty(); }
    // The text in the current language, the arguments (nested sentences in turn) filled in.
    QString toString() const;

private:
    const char* m_context = nullptr;
    const char* m_source = nullptr; // null: a plain text, held in m_text
    QString m_text;
    std::vector<Sentence> m_args;
};

// E2V_SENTENCE(QT_TRANSLATE_NOOP("Context", "text")) is Sentence("Context", "text"): lupdate
// reads the marked text and its context, the program gets the same pair, and text that is not
// marked does not compile.
#define E2V_SENTENCE(marked) Sentence(E2V_SENTENCE_##marked)
#define E2V_SENTENCE_QT_TRANSLATE_NOOP(context, source) context, source
