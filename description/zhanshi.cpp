// Product display (产品展示): n pictures one under the other, as wide as the
// section.
#include "core/text.h"
#include "description/assistant.h"
#include "description/samples.h"
#include "description/section.h"

namespace description {

namespace {

void build(Tfrmmain& form, QWidget* page) {
    form.addCaption(page, QRect(6, 6, 70, 22), QStringLiteral("图片张数："));
    form.addCombo(page, QStringLiteral("cbb3"), QRect(76, 6, 80, 22), numberItems(3, 12),
                  QStringLiteral("5"));
    form.addCaption(page, QRect(6, 36, 200, 20), QStringLiteral("图片列表 | 隔开"));
    form.addMemo(page, QStringLiteral("mmozhanshi"), QRect(6, 58, 428, 270),
                 samplePictures(11, 5, QString()));
}

std::optional<QString> html(Tfrmmain& form) {
    const QStringList pictures = form.barList(QStringLiteral("mmozhanshi"));
    const int n = core::parseInt(form.text(QStringLiteral("cbb3")));
    QString lines;
    for (int i = 0; i < n; ++i)
        lines += QStringLiteral("<img style=\"margin:5px 0\" src=\"") + core::listItem(pictures, i) +
                 QStringLiteral("\" alt=\" 790.jpg\" width=\"") + form.totalWidth() + QStringLiteral("\"/>") +
                 QStringLiteral("\r\n");
    return lines;
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
