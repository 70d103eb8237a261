// Custom HTML (自定义): the typed code in a 750 px table; it fills the code
// box only and leaves the preview alone.
#include "description/assistant.h"
#include "description/section.h"
#include "description/sections.h"

namespace description {

QString customCodeHtml(const CustomHtmlInput& in) {
    return QStringLiteral("<table width=\"750\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\"><tr><td>") +
           in.code + QStringLiteral("</td></tr></table>");
}

namespace {

void build(Tfrmmain& form, QWidget* page) {
    form.addCaption(page, QRect(6, 6, 300, 20), QStringLiteral("自定义html代码内容"));
    form.addMemo(page, QStringLiteral("mmo34"), QRect(6, 28, 428, 300),
                 core::textLines(CustomHtmlInput().code));
}

std::optional<QString> html(Tfrmmain& form) {
    return customCodeHtml({.code = form.text(QStringLiteral("mmo34"))});
}

} // namespace

SectionKind customHtml() {
    SectionKind kind{QStringLiteral("btnzidingyi"),
                     QStringLiteral("自定义"),
                     QStringLiteral("tszidingyi"),
                     QStringLiteral("自定义"),
                     QStringLiteral("btn23"),
                     QStringLiteral("生成"),
                     QStringLiteral("btn13"),
                     build,
                     html};
    kind.preview = false;
    return kind;
}

} // namespace description
