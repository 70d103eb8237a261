#pragma once

#include <QRgb>
#include <QTextEdit>

namespace core {
class RichEdit;
}

namespace tools {

// One colouring pass of a reading layout: every whole-word, case-sensitive
// occurrence of the pattern takes the colour.
struct Colouring {
    const char16_t* pattern;
    QRgb colour;
};

// Colours the editor's text by the passes, in order, each from the start and
// going on right after each hit; `bold` also sets the hits in bold. All
// colours are handed to the editor at once.
void colourWholeWords(core::RichEdit* editor, const QList<Colouring>& passes, bool bold);

} // namespace tools
