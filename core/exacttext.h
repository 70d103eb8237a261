#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QTextDocument;

namespace core {

// Keeps the exact text of a text box next to its document. Text the program
// puts in is held unchanged (CR LF, a lone CR and a lone LF alike) and shown
// with each of those breaks as one line break; what the user changes in the
// document is spliced into the held text, a typed line break becoming CR LF.
// Edits cost time in proportion to the text before them, never a copy of the
// whole document.
class ExactText : public QObject {
    Q_OBJECT
public:
    ExactText(QTextDocument* document, QObject* parent);

    // Follows another document from now on; it must show the held text.
    void attach(QTextDocument* document);

    const QString& text() const { return m_text; }

    // Holds `text` and lets `show` put its display form into the document; the
    // text is held before the document reports the change.
    void setText(const QString& text, const std::function<void(const QString&)>& show);

    // The form a document shows: every CR LF, lone CR and lone LF as one LF.
    static QString displayText(const QString& text);

private:
    void documentChanged(int position, int removed, int added);
    qsizetype heldIndex(qsizetype shownPosition) const;

    QTextDocument* m_document;
    QString m_text;
    qsizetype m_shownLength = 0;
    bool m_writing = false;
};

} // namespace core
