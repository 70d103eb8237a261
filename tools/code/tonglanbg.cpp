#include "tools/code/tonglanbg.h"

#include "core/registry.h"
#include "core/text.h"

#include <QLabel>

namespace tools {

namespace {

const QString kHelp = QStringLiteral(
    "如果DW代码复制进来显示乱码，别紧张\r将DW的代码复制到任意TXT文档后，在从TXT复制\r出来粘贴在下面的编辑框，"
    "就木有问题了，或者将dw编辑的html文件保存，点击软件的导入代码！");

// The 1920 px layer under the page's content column, shifted to the window's
// left edge by the edition's fixed amount.
QString layerHead(core::Edition edition) {
    switch (edition) {
    case core::Edition::Tmall:
        return QStringLiteral("<div class=\"sn-simple-logo\" style=\"left:0px;width:1920px;height:");
    case core::Edition::Professional:
        return QStringLiteral(
            "<div class=\"most-footer footer-more-trigger\" style=\"left:-485px;width:1920px;height:");
    case core::Edition::Basic:
        break;
    }
    return QStringLiteral(
        "<div class=\"most-footer footer-more-trigger\" style=\"left:-685px;width:1920px;height:");
}

// The block of width W centred inside that layer.
QString blockHead(core::Edition edition) {
    if (edition == core::Edition::Tmall)
        return QStringLiteral("<div class=\"sn-simple-logo\" style=\"width:");
    return QStringLiteral("<div class=\"most-footer footer-more-trigger\" style=\"width:");
}

} // namespace

Tfrmtonglanbg::Tfrmtonglanbg()
    : BannerConverter(QStringLiteral("Tfrmtonglanbg"), QStringLiteral("通栏模块 - 加背景功能 - 测试版"), 528,
                      49, QStringLiteral("1200"), kHelp) {
    addLabel(this, QStringLiteral("lbl6"), QRect(10, kExtraTop, 84, 24), QStringLiteral("背景图地址："));
    addEdit(this, QStringLiteral("edt4"), QRect(94, kExtraTop, 574, 24), QStringLiteral("none"));
    addLabel(this, QStringLiteral("lbl3"), QRect(10, kExtraTop + 26, 658, 20),
             QStringLiteral("此功能可以给需要转化的代码加一个背景，尺寸1920宽。"));
}

QString Tfrmtonglanbg::converted() const {
    const QString typed = text(QStringLiteral("edt1"));
    const double width = core::parseFloat(typed);
    const QString tmallOffset = core::formatFloat(core::finite((1920 - width) * 0.5 - 7, typed));
    const QString offset = core::formatFloat(core::finite((1920 - width) * 0.5, typed));

    const auto [w, h, hc, code] = fields();
    const QString background = text(QStringLiteral("edt4"));
    const core::Edition chosen = edition();

    QString out;
    out += QStringLiteral("<div  style=\"height:") + hc + QStringLiteral("px;\">");
    out += layerHead(chosen) + h + QStringLiteral("px;");
    out += QStringLiteral("right:auto;top:auto;padding:0;border:none;z-index:1; background-image:url(") +
           background;
    out += QStringLiteral(")\"> ");
    out += blockHead(chosen) + w + QStringLiteral("px;left:") +
           (chosen == core::Edition::Tmall ? tmallOffset : offset);
    out += QStringLiteral("px;top:0px;border:none;padding:0;");
    out +=
        QStringLiteral("background-color:transparent;height:") + h + QStringLiteral("px;overflow:hidden\">");
    out += code;
    out += QStringLiteral("</div></div></div>");
    return out;
}

QINGWU_WINDOW(Tfrmtonglanbg,
              {.order = 820,
               .tile = core::Tile{
                   .page = u"tsmg1", .row = 2, .column = 1, .image = u"img122", .caption = u"通栏加背景"}})

} // namespace tools
