#include "tools/code/codecolours.h"

#include "core/exacttext.h"
#include "core/form.h"

#include <QTextCursor>

namespace tools {

void colourWholeWords(core::RichEdit* editor, const QList<Colouring>& passes, bool bold) {
    // The passes read the text as the editor shows it, where every position is
    // a position of the document.
    const QString shown = core::ExactText::displayText(editor->text());
    const auto boundary = [&](qsizetype at) {
        return at < 0 || at >= shown.size() || !shown[at].isLetterOrNumber();
    };
    QList<QTextEdit::ExtraSelection> colours;
    for (const Colouring& colouring : passes) {
        const QString pattern = QString::fromUtf16(colouring.pattern);
        QTextEdit::ExtraSelection coloured;
        coloured.format.setForeground(QColor::fromRgb(colouring.colour));
        if (bold) coloured.format.setFontWeight(QFont::Bold);
        for (qsizetype at = shown.indexOf(pattern); at >= 0; at = shown.indexOf(pattern, at)) {
            // Whole words only: no letter or digit just before or after.
            if (!boundary(at - 1) || !boundary(at + pattern.size())) {
                ++at;
                continue;
            }
            coloured.cursor = QTextCursor(editor->document());
            coloured.cursor.setPosition(int(at));
            coloured.cursor.setPosition(int(at + pattern.size()), QTextCursor::KeepAnchor);
            colours << coloured;
            at += pattern.size();
        }
    }
    editor->setColours(colours);
}

} // namespace tools
