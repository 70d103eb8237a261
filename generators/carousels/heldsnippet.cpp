#include "generators/carousels/heldsnippet.h"

#include "core/handoff.h"

namespace generators {

namespace {
const QString kHolder = QStringLiteral("LastSnippet");
}

HeldSnippetForm::HeldSnippetForm(const QString& className, const QString& caption)
    : core::Form(className, caption) {
    addHolderMemo(kHolder, {});
}

void HeldSnippetForm::holdAndCopy(const QString& snippet, const QString& notice) {
    setText(kHolder, snippet);
    core::platform().setClipboardText(snippet);
    message(notice);
}

void HeldSnippetForm::handOverHeld(const QString& heightField) {
    if (!needOutput(kHolder, core::generateFirst())) return;
    core::handToConverter({core::Edition::Professional, std::nullopt, text(heightField), text(kHolder)});
    setText(kHolder, QString());
}

} // namespace generators
