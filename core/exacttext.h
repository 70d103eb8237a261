#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QTextCursor;
class QTextDocument;

namespace core {

// Keeps the exact text of a text box next to its document. Text the program
// puts in is held unchanged (CR LF, a lone CR and a lone LF alike) and shown
// with each of those breaks as one line break; what the user changes in the
// document is spliced into the held text, a typed line break becoming CR LF.
//
// A line longer than kPieceLength is shown in pieces, each a paragraph of its
// own, so that the editor never lays out more than a piece at once: the
// breaks between pieces are the document's only, never the held text's.
// Paragraphs carry in their format which break comes before them (where it is
// not the text's usual one), so that undo and redo give back exactly the
// breaks and pieces they take away. Edits cost time in proportion to the
// distance from the previous edit, never a copy of the whole document.
class ExactText : public QObject {
    Q_OBJECT
public:
    // The longest piece of a line shown as one paragraph.
    static constexpr qsizetype kPieceLength = 4096;

    ExactText(QTextDocument* document, QObject* parent);

    // Follows another document from now on; it must show the held text.
    void attach(QTextDocument* document);

    const QString& text() const { return m_text; }

    // Holds `text` and lets `show` put its display form into the document; the
    // text is held before the document reports the change.
    void setText(const QString& text, const std::function<void(const QString&)>& show);

    // Replaces the selection of `cursor` (a cursor of the document) with
    // `text`, held exactly; the cursor ends after it.
    void insert(QTextCursor& cursor, const QString& text);

    // The held text of the document's positions `from` to `to`.
    QString heldText(int from, int to) const;

    // Document positions of held positions given in ascending order. At the
    // start of a piece, `start` gives the position after the break between
    // pieces (where a word starting there begins), otherwise the one before
    // it (where a word ending there ends).
    class Positions {
    public:
        explicit Positions(const ExactText& exact)
            : m_exact(exact) {}
        int at(qsizetype held, bool start);

    private:
        const ExactText& m_exact;
        qsizetype m_shown = 0;
        qsizetype m_held = 0;
        qsizetype m_piece = 0;
    };

protected:
    // A typed line break goes in as CR LF, never as a break between pieces.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A place in the held text and the document together: `piece` breaks
    // between pieces are passed.
    struct Walk {
        qsizetype shown = 0;
        qsizetype held = 0;
        qsizetype piece = 0;
    };
    // The shown form of a held text: every CR LF, lone CR and lone LF is one
    // break, long lines are in pieces. With `group`, lines that end in the
    // usual break share a paragraph (broken by line separators) until it
    // holds half a piece, so that many short lines cost few paragraphs.
    // Where the pieces start in the held text, and the kind of each break (Break).
    struct Shown {
        QString text;
        QList<qsizetype> pieces;
        QByteArray breaks;
    };
    // An insertion under way, with its text as the document reports it (every break "\n").
    struct Pending {
        QString text;
        Shown shown;
        QString reported;
    };

    void documentChanged(int position, int removed, int added);
    // Goes on from `from` to the document position `shown`.
    Walk walkTo(qsizetype shown, Walk from) const;
    static Shown shownForm(const QString& text, char usual, bool group);
    // The break most lines of a text end in (Break).
    static char usualBreak(const QString& text);
    // Marks the paragraphs after the breaks that are not the usual kind.
    void markBreaks(const Shown& shown);

    QTextDocument* m_document;
    QString m_text;
    // Held positions where a line goes on in a new paragraph, ascending.
    QList<qsizetype> m_pieces;
    // The usual break of the text (Break): paragraphs after it are not marked.
    char m_usualBreak = 1;
    qsizetype m_shownLength = 0;
    bool m_writing = false;
    const Pending* m_pending = nullptr;
    // Whether the document added an edit to its undo stack since the last
    // change: a change without one is an undo or a redo (or typing merged
    // into the edit before it, which puts in no break).
    bool m_edited = false;
    // A place known to be right, kept for the next edit after it.
    mutable Walk m_mark;
};

} // namespace core
