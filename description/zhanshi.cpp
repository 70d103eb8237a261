// Product display (产品展示): n pictures one under the other, as wide as the
// section.
#include "core/text.h"
#include "description/assistant.h"
#include "description/samples.h"
#include "description/section.h"
#include "description/sections.h"

namespace description {

core::Built productDisplayHtml(const ProductDisplayInput& in) {
    return core::build([&in](core::Built& built) {
        const QStringList pictures = tidiedList(built, QStringLiteral("mmozhanshi"), in.pictures);
        const int n = core::parseInt(in.count);
        for (int i = 0; i < n; ++i)
            built.snippet += QStringLiteral("<img style=\"margin:5px 0\" src=\"") +
                             core::listItem(pictures, i) + QStringLiteral("\" alt=\" 790.jpg\" width=\"") +
                             in.width + QStringLiteral("\"/>") + QStringLiteral("\r\n");
    });
}

namespace {

void build(Tfrmmain& form, QWidget* page) {
    const ProductDisplayInput defaults;
    form.addCaption(page, QRect(6, 6, 70, 22), QStringLiteral("图片张数："));
    form.addCombo(page, QStringLiteral("cbb3"), QRect(76, 6, 80, 22), numberItems(3, 12), defaults.count);
    form.addCaption(page, QRect(6, 36, 200, 20), QStringLiteral("图片列表 | 隔开"));
    form.addMemo(page, QStringLiteral("mmozhanshi"), QRect(6, 58, 428, 270),
                 core::textLines(defaults.pictures));
}

std::optional<QString> html(Tfrmmain& form) {
    ProductDisplayInput in;
    in.width = form.totalWidth();
    in.count = form.text(QStringLiteral("cbb3"));
    in.pictures = form.text(QStringLiteral("mmozhanshi"));
    return core::applyBuilt(form, productDisplayHtml(in));
}

} // namespace

SectionKind productDisplay() {
    return {QStringLiteral("btnzhanshi"),
            QStringLiteral("产品展示"),
            QStringLiteral("tszhanshi"),
            QStringLiteral("展示"),
            QStringLiteral("btn1"),
            QStringLiteral("生成"),
            QStringLiteral("btn3"),
            build,
            html};
}

} // namespace description
