#include "tools/code/tonglan3.h"

#include "app/windows.h"
#include "core/text.h"

#include <QPushButton>

namespace tools {

namespace {

const QString kHelp = QStringLiteral(
    "如果DW代码复制进来显示乱码，别紧张，将DW的代码复制到任意TXT文档后，在从TXT复制出来粘贴在下面的编辑框，"
    "就木有问题了，或者将dw编辑的html文件保存，点击软件的导入代码！");

// The middle layer: centred on the page, sized to the banner.
const QString kLayerTail = QStringLiteral(
    "right:auto;top:auto;padding:0;border:none;left:auto;z-index:1;background-color: transparent; \">");

// The previewer's edition index: 0 basic, 1 professional, 2 Tmall.
int previewEdition(core::Edition edition) {
    switch (edition) {
    case core::Edition::Professional:
        return 1;
    case core::Edition::Tmall:
        return 2;
    case core::Edition::Basic:
        break;
    }
    return 0;
}

} // namespace

Tfrmtonglan3::Tfrmtonglan3()
    : BannerConverter(QStringLiteral("Tfrmtonglan3"), QStringLiteral("通栏模块"), 479, 0,
                      QStringLiteral("1920"), kHelp) {
    addButton(this, QStringLiteral("btn2"), QRect(360, 16, 110, 36), QStringLiteral("预览一下"));

    on(QStringLiteral("btn2Click"), [this] {
        if (!needOutput(QStringLiteral("mmo2"),
                        QStringLiteral("还没有转化代码，请先点击【重要】转化并提取代码，再预览一下！")))
            return;
        core::Form* previewer = app::window(QStringLiteral("Tfrmyulan"));
        if (!previewer) return;
        previewer->showForm();
        previewer->setText(QStringLiteral("redt1"), text(QStringLiteral("mmo2")));
        previewer->control<core::RadioGroup>(QStringLiteral("rg1"))->setItemIndex(previewEdition(edition()));
    });
}

QString Tfrmtonglan3::converted() const {
    const QString typed = text(QStringLiteral("edt1"));
    const double width = core::parseFloat(typed);
    const QString tmallOffset = core::formatFloat(core::finite((width - 990) * 0.5, typed));
    const QString professionalOffset = core::formatFloat(core::finite((width - 950) * 0.5, typed));
    const QString basicOffset =
        core::formatFloat(core::finite(core::parseFloat(professionalOffset) + 200, typed));

    const auto [w, h, hc, code] = fields();
    const core::Edition chosen = edition();

    QString out;
    if (chosen == core::Edition::Tmall) {
        out += QStringLiteral("<div style=\"height:") + hc + QStringLiteral("px;\">");
        out += QStringLiteral("<div class=\"sn-simple-logo\" style=\"left:50%;width:") + w;
        out += QStringLiteral("px;height:") + h + QStringLiteral("px;") + kLayerTail;
        out += QStringLiteral("<div class=\"sn-simple-logo\" style=\"left:-") + tmallOffset;
        out += QStringLiteral("px;top:0px;border:none;padding:0;background-color: transparent; \">");
    } else {
        const bool basic = chosen == core::Edition::Basic;
        out += QStringLiteral("<div  style=\"height:") + hc +
               (basic ? QStringLiteral("\">") : QStringLiteral("px;\">"));
        out += QStringLiteral("<div class=\"most-footer footer-more-trigger\" style=\"left:50%;width:") + w;
        out += QStringLiteral("px;height:") + h + QStringLiteral("px;") + kLayerTail + QStringLiteral(" ");
        out += QStringLiteral("<div class=\"most-footer footer-more-trigger\" style=\"left:-") +
               (basic ? basicOffset : professionalOffset);
        out += QStringLiteral("px;top:0px;border:none;padding:0;") +
               QStringLiteral("background-color: transparent; \">");
    }
    out += code;
    out += QStringLiteral("</div></div></div>");
    return out;
}

QINGWU_WINDOW(Tfrmtonglan3)

} // namespace tools
