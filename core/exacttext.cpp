#include "core/exacttext.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace core {

namespace {

// The kind of break before a paragraph, kept in its format where it is not the
// text's usual one.
enum Break : char { Usual = 0, CrLf = 1, Lf = 2, Cr = 3, Piece = 4 };
constexpr int kBreak = QTextFormat::UserProperty + 28;

QString heldBreak(int kind) {
    return kind == Lf ? QStringLiteral("\n") : kind == Cr ? QStringLiteral("\r") : QStringLiteral("\r\n");
}

QTextBlockFormat breakFormat(char kind) {
    QTextBlockFormat format;
    if (kind != Usual) format.setProperty(kBreak, int(kind));
    return format;
}

} // namespace

ExactText::ExactText(QTextDocument* document, QObject* parent)
    : QObject(parent)
    , m_document(nullptr) {
    attach(document);
}

void ExactText::attach(QTextDocument* document) {
    if (m_document) disconnect(m_document, nullptr, this, nullptr);
    m_document = document;
    connect(document, &QTextDocument::contentsChange, this, &ExactText::documentChanged);
    connect(document, &QTextDocument::undoCommandAdded, this, [this] { m_edited = true; });
}

char ExactText::usualBreak(const QString& text) {
    qsizetype counts[4] = {};
    const QChar* p = text.constData();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i] == u'\n') {
            ++counts[Lf];
        } else if (p[i] == u'\r') {
            const bool pair = i + 1 < n && p[i + 1] == u'\n';
            ++counts[pair ? CrLf : Cr];
            i += pair ? 1 : 0;
        }
    }
    char usual = CrLf;
    for (const char kind : {Lf, Cr})
        if (counts[int(kind)] > counts[int(usual)]) usual = kind;
    return usual;
}

ExactText::Shown ExactText::shownForm(const QString& text, char usual, bool group) {
    Shown out;
    const qsizetype n = text.size();
    const QChar* p = text.constData();
    out.text.reserve(n + n / kPieceLength + 1);
    qsizetype paragraph = 0; // characters in the paragraph being shown
    qsizetype i = 0;
    while (i < n) {
        qsizetype end = i;
        while (end < n && p[end] != u'\r' && p[end] != u'\n')
            ++end;
        qsizetype start = i;
        while (end - start > kPieceLength) {
            // A piece ends after the end of a tag or a blank near its full
            // length where there is one, and never inside a character.
            qsizetype cut = start + kPieceLength;
            for (qsizetype k = cut; k > start + kPieceLength - kPieceLength / 8; --k) {
                if (p[k - 1] == u'>' || p[k - 1] == u' ' || p[k - 1] == u'\t') {
                    cut = k;
                    break;
                }
            }
            if (p[cut].isLowSurrogate() && p[cut - 1].isHighSurrogate()) --cut;
            out.text.append(p + start, cut - start);
            out.text.append(u'\n');
            out.pieces.append(cut);
            out.breaks.append(Piece);
            paragraph = 0;
            start = cut;
        }
        out.text.append(p + start, end - start);
        paragraph += end - start;
        if (end < n) {
            const bool pair = p[end] == u'\r' && end + 1 < n && p[end + 1] == u'\n';
            const char kind = pair ? CrLf : p[end] == u'\r' ? Cr : Lf;
            // A break at the very end starts an empty paragraph, as in any editor.
            const bool last = end + (pair ? 2 : 1) == n;
            const bool shared = group && kind == usual && paragraph < kPieceLength / 2 && !last;
            out.text.append(shared ? QChar(QChar::LineSeparator) : QChar(u'\n'));
            paragraph = shared ? paragraph + 1 : 0;
            out.breaks.append(kind);
            end += pair ? 2 : 1;
        }
        i = end;
    }
    return out;
}

void ExactText::markBreaks(const Shown& shown) {
    const QChar* p = shown.text.constData();
    qsizetype separator = 0;
    for (qsizetype i = 0; i < shown.text.size(); ++i) {
        if (p[i] != u'\n' && p[i] != QChar::LineSeparator) continue;
        const char kind = shown.breaks[separator++];
        if (p[i] == QChar::LineSeparator || kind == m_usualBreak) continue;
        QTextCursor cursor(m_document->findBlock(int(i + 1)));
        cursor.setBlockFormat(breakFormat(kind));
    }
}

void ExactText::setText(const QString& text, const std::function<void(const QString&)>& show) {
    m_text = text;
    // The usual break is the one most lines end in; only the others are marked.
    m_usualBreak = usualBreak(text);
    const Shown shown = shownForm(text, m_usualBreak, true);
    m_pieces = shown.pieces;
    m_shownLength = shown.text.size();
    m_mark = {};
    m_writing = true;
    show(shown.text);
    if (std::any_of(shown.breaks.cbegin(), shown.breaks.cend(),
                    [this](char kind) { return kind != m_usualBreak; })) {
        markBreaks(shown);
        m_document->clearUndoRedoStacks();
    }
    m_writing = false;
    m_edited = false;
}

void ExactText::insert(QTextCursor& cursor, const QString& text) {
    // A large text shares paragraphs between its short lines; a typed break
    // starts a paragraph of its own.
    Pending pending{text, shownForm(text, m_usualBreak, text.size() > kPieceLength), {}};
    pending.reported = pending.shown.text;
    pending.reported.replace(QChar::LineSeparator, u'\n');
    m_pending = &pending;
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    // Every break that is no line separator is a paragraph of its own,
    // marked where it is not the usual one.
    const QChar* p = pending.shown.text.constData();
    const qsizetype n = pending.shown.text.size();
    qsizetype separator = 0;
    qsizetype from = 0;
    for (qsizetype i = 0; i <= n; ++i) {
        if (i < n && p[i] == QChar::LineSeparator) ++separator;
        if (i < n && p[i] != u'\n') continue;
        cursor.insertText(QString(p + from, i - from));
        if (i == n) break;
        const char kind = pending.shown.breaks[separator++];
        cursor.insertBlock(breakFormat(kind == m_usualBreak ? char(Usual) : kind));
        from = i + 1;
    }
    cursor.endEditBlock();
    m_pending = nullptr;
}

ExactText::Walk ExactText::walkTo(qsizetype target, Walk w) const {
    const QChar* p = m_text.constData();
    const qsizetype n = m_text.size();
    const qsizetype pieces = m_pieces.size();
    while (w.shown < target) {
        if (w.piece < pieces && m_pieces[w.piece] <= w.held) {
            ++w.piece;
            ++w.shown;
            continue;
        }
        if (w.held >= n) break;
        qsizetype limit = std::min(n, w.held + (target - w.shown));
        if (w.piece < pieces) limit = std::min(limit, m_pieces[w.piece]);
        qsizetype i = w.held;
        while (i < limit && p[i] != u'\r')
            ++i;
        w.shown += i - w.held;
        w.held = i;
        if (i < limit) {
            w.held += (i + 1 < n && p[i + 1] == u'\n') ? 2 : 1;
            ++w.shown;
        }
    }
    return w;
}

QString ExactText::heldText(int from, int to) const {
    const qsizetype start = std::min(from, to);
    const Walk a = walkTo(start, m_mark.shown <= start ? m_mark : Walk{});
    const Walk b = walkTo(std::max(from, to), a);
    return m_text.mid(a.held, b.held - a.held);
}

int ExactText::Positions::at(qsizetype held, bool start) {
    const QList<qsizetype>& pieces = m_exact.m_pieces;
    const QChar* p = m_exact.m_text.constData();
    const qsizetype n = m_exact.m_text.size();
    held = std::min(held, n);
    while (m_held < held) {
        if (m_piece < pieces.size() && pieces[m_piece] <= m_held) {
            ++m_piece;
            ++m_shown;
            continue;
        }
        qsizetype limit = held;
        if (m_piece < pieces.size()) limit = std::min(limit, pieces[m_piece]);
        qsizetype i = m_held;
        while (i < limit && p[i] != u'\r')
            ++i;
        m_shown += i - m_held;
        m_held = i;
        if (i < limit) {
            m_held += (i + 1 < n && p[i + 1] == u'\n') ? 2 : 1;
            ++m_shown;
        }
    }
    if (start) {
        while (m_piece < pieces.size() && pieces[m_piece] <= m_held) {
            ++m_piece;
            ++m_shown;
        }
    }
    return int(m_shown);
}

void ExactText::documentChanged(int position, int, int added) {
    if (m_writing) return;
    const bool replayed = !m_edited;
    m_edited = false;

    // The document reports its closing paragraph mark in some changes: the
    // counts are taken from the lengths before and after instead.
    const qsizetype length = std::max(0, m_document->characterCount() - 1);
    const qsizetype from = std::clamp<qsizetype>(position, 0, m_shownLength);
    const qsizetype inserted = std::clamp<qsizetype>(added, 0, length - from);
    const qsizetype removed =
        std::clamp<qsizetype>(m_shownLength + inserted - length, 0, m_shownLength - from);
    const Walk a = walkTo(from, m_mark.shown <= from ? m_mark : Walk{});
    const Walk b = walkTo(from + removed, a);

    QTextCursor cursor(m_document);
    cursor.setPosition(int(from));
    cursor.setPosition(int(from + inserted), QTextCursor::KeepAnchor);
    const QString selected = cursor.selectedText();

    QString held;
    QList<qsizetype> pieces;
    QString typed = selected;
    typed.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    if (m_pending && typed == m_pending->reported) {
        held = m_pending->text;
        pieces = m_pending->shown.pieces;
    } else {
        if (removed == inserted) {
            // A change of formatting is reported as a rewrite of the same
            // characters: the held text stays as it was.
            QString before;
            before.reserve(removed);
            Walk w = a;
            while (w.shown < b.shown) {
                const Walk next = walkTo(w.shown + 1, w);
                before += next.piece > w.piece || m_text[w.held] == u'\r' ? QChar(u'\n') : m_text[w.held];
                w = next;
            }
            if (before == typed) {
                m_shownLength = length;
                return;
            }
        }
        // A typed break is CR LF; undo and redo give back the break that was
        // there, as the paragraph's format says (lines sharing a paragraph
        // end in the usual break).
        held.reserve(selected.size());
        for (qsizetype i = 0; i < selected.size(); ++i) {
            const QChar c = selected[i];
            if (c != QChar::ParagraphSeparator && c != QChar::LineSeparator) {
                held += c;
                continue;
            }
            int kind = replayed ? int(m_usualBreak) : int(CrLf);
            if (replayed && c == QChar::ParagraphSeparator) {
                const int marked = m_document->findBlock(int(from + i + 1)).blockFormat().intProperty(kBreak);
                if (marked != Usual) kind = marked;
            }
            if (kind == Piece)
                pieces << held.size();
            else
                held += heldBreak(kind);
        }
    }

    m_text.replace(a.held, b.held - a.held, held);
    const qsizetype delta = held.size() - (b.held - a.held);
    m_pieces.remove(a.piece, b.piece - a.piece);
    for (qsizetype i = a.piece; i < m_pieces.size(); ++i)
        m_pieces[i] += delta;
    for (qsizetype& piece : pieces)
        piece += a.held;
    m_pieces.insert(a.piece, pieces.size(), 0);
    std::copy(pieces.cbegin(), pieces.cend(), m_pieces.begin() + a.piece);
    m_shownLength = length;
    m_mark = a;
}

bool ExactText::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* edit = qobject_cast<QPlainTextEdit*>(watched);
        if (edit && edit->document() == m_document && !edit->isReadOnly() &&
            key->matches(QKeySequence::InsertParagraphSeparator)) {
            QTextCursor cursor = edit->textCursor();
            insert(cursor, QStringLiteral("\r\n"));
            edit->setTextCursor(cursor);
            edit->ensureCursorVisible();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace core
