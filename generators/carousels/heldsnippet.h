#pragma once

#include "core/form.h"

namespace generators {

// A generator without an output memo: each generation keeps its snippet in
// the hidden holder "LastSnippet" and copies it, and the convert button hands
// the held snippet to the banner converter (professional edition, height
// only) and then lets go of it.
class HeldSnippetForm : public core::Form {
    Q_OBJECT
public:
    HeldSnippetForm(const QString& className, const QString& caption);

protected:
    // Holds the snippet, copies it and shows the generator's message.
    void holdAndCopy(const QString& snippet, const QString& notice);
    // Hands the held snippet over with the text of the height field; nothing
    // is held afterwards, so a second press hands over no code.
    void handOverHeld(const QString& heightField);
};

} // namespace generators
