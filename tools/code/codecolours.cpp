#include "tools/code/codecolours.h"

#include "core/exacttext.h"
#include "core/form.h"

#include <QTextCursor>

namespace tools {

void colourWholeWords(core::RichEdit* editor, const QList<Colouring>& passes, bool bold) {
    // The passes search the held text, where a long line is one line however
    // the editor shows it, and colour the document's positions of each hit.
    const QString& text = editor->text();
    const auto boundary = [&](qsizetype at) {
        return at < 0 || at >= text.size() || !text[at].isLetterOrNumber();
    };
    QList<QTextEdit::ExtraSelection> colours;
    // Inside an edit block a cursor does not ask for its place on screen, so
    // thousands of hits never lay out the text they lie in.
    QTextCursor batch(editor->document());
    batch.beginEditBlock();
    for (const Colouring& colouring : passes) {
        const QString pattern = QString::fromUtf16(colouring.pattern);
        QTextEdit::ExtraSelection coloured;
        coloured.format.setForeground(QColor::fromRgb(colouring.colour));
        if (bold) coloured.format.setFontWeight(QFont::Bold);
        core::ExactText::Positions positions(editor->exact());
        for (qsizetype at = text.indexOf(pattern); at >= 0; at = text.indexOf(pattern, at)) {
            // Whole words only: no letter or digit just before or after.
            if (!boundary(at - 1) || !boundary(at + pattern.size())) {
                ++at;
                continue;
            }
            coloured.cursor = QTextCursor(editor->document());
            coloured.cursor.setPosition(positions.at(at, true));
            coloured.cursor.setPosition(positions.at(at + pattern.size(), false), QTextCursor::KeepAnchor);
            colours << coloured;
            at += pattern.size();
        }
    }
    batch.endEditBlock();
    editor->setColours(colours);
}

} // namespace tools
