#include "core/exacttext.h"

#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace core {

namespace {

// The number of characters a held text takes in the document.
qsizetype shownLength(const QString& text) {
    qsizetype length = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i, ++length)
        if (text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
    return length;
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
}

QString ExactText::displayText(const QString& text) {
    if (!text.contains(u'\r')) return text;
    QString shown;
    shown.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r') {
            shown += c;
            continue;
        }
        shown += u'\n';
        if (i + 1 < n && text[i + 1] == u'\n') ++i;
    }
    return shown;
}

void ExactText::setText(const QString& text, const std::function<void(const QString&)>& show) {
    m_text = text;
    m_shownLength = shownLength(text);
    m_writing = true;
    show(displayText(text));
    m_writing = false;
}

qsizetype ExactText::heldIndex(qsizetype shownPosition) const {
    const qsizetype n = m_text.size();
    qsizetype i = 0;
    for (qsizetype shown = 0; shown < shownPosition && i < n; ++shown, ++i)
        if (m_text[i] == u'\r' && i + 1 < n && m_text[i + 1] == u'\n') ++i;
    return i;
}

void ExactText::documentChanged(int position, int, int added) {
    if (m_writing) return;
    // The document reports its closing paragraph mark in some changes: the
    // counts are taken from the lengths before and after instead.
    const qsizetype length = std::max(0, m_document->characterCount() - 1);
    const qsizetype from = std::clamp<qsizetype>(position, 0, m_shownLength);
    const qsizetype inserted = std::clamp<qsizetype>(added, 0, length - from);
    const qsizetype removed =
        std::clamp<qsizetype>(m_shownLength + inserted - length, 0, m_shownLength - from);

    QTextCursor cursor(m_document);
    cursor.setPosition(int(from));
    cursor.setPosition(int(from + inserted), QTextCursor::KeepAnchor);
    QString typed = cursor.selectedText();
    typed.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');

    const qsizetype start = heldIndex(from);
    const qsizetype end = heldIndex(from + removed);
    const QString replaced = m_text.mid(start, end - start);
    // A change of formatting is reported as a rewrite of the same characters:
    // the held breaks stay as they were.
    if (displayText(replaced) != typed) {
        QString held = typed;
        held.replace(u'\n', QStringLiteral("\r\n"));
        m_text.replace(start, end - start, held);
    }
    m_shownLength = length;
}

} // namespace core
