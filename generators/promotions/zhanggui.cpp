#include "generators/promotions/zhanggui.h"

#include "core/platform.h"
#include "core/preview.h"
#include "core/registry.h"
#include "core/text.h"
#include "generators/promotions/pagewidgets.h"

#include <QGroupBox>
#include <QTabWidget>

namespace generators {

TFrmzhanggui::TFrmzhanggui()
    : core::Form(QStringLiteral("TFrmzhanggui"), QStringLiteral("掌柜说版块")) {
    setClientSize(989, 335);
    const ZhangguiInput defaults;

    QTabWidget* pages = pagewidgets::addPages(
        this, QRect(0, 0, 989, 335),
        {QStringLiteral("参数   "), QStringLiteral("参照图   "), QStringLiteral("预览      ")});
    QWidget* settings = pages->widget(0);
    core::addPreviewPicture(pages->widget(1), QRect(8, 8, 965, 285), QStringLiteral("掌柜说"));
    QWidget* preview = pages->widget(2);
    auto* view = new QWidget(preview);
    view->setObjectName(QStringLiteral("wb1"));
    view->setGeometry(0, 0, 983, 300);

    QGroupBox* data =
        addGroup(settings, QStringLiteral("grp1"), QRect(8, 8, 640, 290), QStringLiteral("数据参数"));
    const auto field = [&](int column, int row, const QString& caption, const QString& name,
                           const QString& value) {
        const int x = 10 + 315 * column;
        const int y = 24 + 30 * row;
        addCaption(data, QRect(x, y + 2, 75, 22), caption);
        addEdit(data, name, QRect(x + 75, y, 225, 24), value);
    };
    field(0, 0, QStringLiteral("左边标题："), QStringLiteral("edt6"), defaults.leftTitle);
    field(0, 1, QStringLiteral("头像地址："), QStringLiteral("edt1"), defaults.picture);
    addCaption(data, QRect(10, 86, 75, 22), QStringLiteral("文字内容："));
    addMemo(data, QStringLiteral("mmo1"), QRect(85, 84, 225, 196), core::textLines(defaults.note));
    field(1, 0, QStringLiteral("右标题："), QStringLiteral("edt7"), defaults.rightTitle);
    field(1, 1, QStringLiteral("促销图片："), QStringLiteral("edt8"), defaults.productPicture);
    field(1, 2, QStringLiteral("促销标题："), QStringLiteral("edt2"), defaults.productTitle);
    field(1, 3, QStringLiteral("链接地址："), QStringLiteral("edt3"), defaults.link);
    field(1, 4, QStringLiteral("宝贝价格："), QStringLiteral("edt4"), defaults.price);
    field(1, 5, QStringLiteral("促销标签："), QStringLiteral("edt5"), defaults.tag);
    field(1, 6, QStringLiteral("颜色："), QStringLiteral("edt11"), defaults.colour);
    field(1, 7, QStringLiteral("购买按钮："), QStringLiteral("edt10"), defaults.button);
    field(1, 8, QStringLiteral("底色："), QStringLiteral("edt9"), defaults.buttonColour);

    addMemo(settings, QStringLiteral("mmo2"), QRect(656, 8, 320, 230), {QStringLiteral("代码生成区：")});
    addButton(settings, QStringLiteral("btn1"), QRect(656, 250, 150, 44), QStringLiteral("生成预览"));
    addButton(settings, QStringLiteral("btn2"), QRect(826, 250, 150, 44), QStringLiteral("复制代码"));

    on(QStringLiteral("btn1Click"), [this, pages, preview] {
        setText(QStringLiteral("mmo2"), zhangguiSnippet(input()));
        const QString page = core::workingPage(QStringLiteral("files.html"));
        core::savePageLines(*this, QStringLiteral("mmo2"), page);
        pages->setCurrentWidget(preview);
        core::showPage(m_browser, control<QWidget>(QStringLiteral("wb1")), page);
    });
    on(QStringLiteral("btn2Click"), [this] {
        if (!needOutput(QStringLiteral("mmo2"), QStringLiteral("请先点击生成预览生成代码，再复制代码！")))
            return;
        copyOut(QStringLiteral("mmo2"), QStringLiteral("代码已被复制了！"));
    });
}

ZhangguiInput TFrmzhanggui::input() const {
    ZhangguiInput in;
    in.leftTitle = text(QStringLiteral("edt6"));
    in.picture = text(QStringLiteral("edt1"));
    in.note = text(QStringLiteral("mmo1"));
    in.rightTitle = text(QStringLiteral("edt7"));
    in.productPicture = text(QStringLiteral("edt8"));
    in.productTitle = text(QStringLiteral("edt2"));
    in.link = text(QStringLiteral("edt3"));
    in.price = text(QStringLiteral("edt4"));
    in.tag = text(QStringLiteral("edt5"));
    in.colour = text(QStringLiteral("edt11"));
    in.button = text(QStringLiteral("edt10"));
    in.buttonColour = text(QStringLiteral("edt9"));
    return in;
}

QString zhangguiSnippet(const ZhangguiInput& in) {
    const QString& colour = in.colour;
    return QStringLiteral("<table width=\"100%\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\" "
                          "style=\"font-size:12px; "
                          "font-family:IMPACT; line-height:20px;\"><tr><td width=\"170\" rowspan=\"5\" "
                          "valign=\"top\"><img src=\"") +
           in.picture +
           QStringLiteral(
               "\" width=\"150\"/></td><td height=\"50\"><span style=\"font-size:24px;color:#333;\">") +
           in.leftTitle +
           QStringLiteral(
               "<div style=\"border-bottom:#CCC 1px dashed; height:5px;\"></div></span></td><td width=\"20\" "
               "rowspan=\"5\" align=\"right\" style=\"font-size:24px\">&nbsp;</td><td width=\"270\" "
               "colspan=\"2\" align=\"left\" style=\"font-size:20px;color:#333;\">") +
           in.rightTitle +
           QStringLiteral(
               "<div style=\"border-bottom:#CCC 1px dashed; height:10px;\"></div></td></tr><tr><td "
               "rowspan=\"4\" valign=\"top\" style=\"color:#666;\">") +
           in.note +
           QStringLiteral("</td><td width=\"112\" rowspan=\"3\" align=\"left\" valign=\"top\" "
                          "style=\"font-size:24px\"><img src=\"") +
           in.productPicture +
           QStringLiteral(
               "\" width=\"100\" height=\"100\"/></td><td width=\"130\" height=\"30\" align=\"left\" "
               "valign=\"center\" style=\"font-size:15px; font-family:'微软雅黑';color:#333\">") +
           in.productTitle +
           QStringLiteral("</td></tr><tr><td width=\"67\" height=\"45\" align=\"left\" valign=\"top\" "
                          "style=\"font-size:12px; font-family:'微软雅黑'; color:") +
           colour + QStringLiteral("\">￥<span style=\"font-size:16px; font-weight:700;\">") + in.price +
           QStringLiteral(
               "</span></td></tr><tr><td align=\"left\" valign=\"middle\" style=\"font-size:24px\"><table "
               "width=\"100%\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\"><tr><td width=\"30%\" "
               "height=\"25\" align=\"center\" bgcolor=\"") +
           colour + QStringLiteral("\" style=\"color:#FFF; font-size:12px\">") + in.tag +
           QStringLiteral("</td><td width=\"40%\" align=\"center\" bgcolor=\"") + in.buttonColour +
           QStringLiteral("\" style=\"color:#FFF; font-size:12px\"><a href=\"") + in.link +
           QStringLiteral("\" target=\"_blank\"><span style=\"color:#fff;text-decoration: none;\">") +
           in.button + QStringLiteral("</span></a></td></tr></table></td></tr></table>");
}

QINGWU_WINDOW(
    TFrmzhanggui,
    {.order = 400,
     .tile = core::Tile{.page = u"ts7", .row = 5, .column = 3, .image = u"img82", .caption = u"掌柜说"},
     .preview = core::ShopPreview{.place = core::Place::Home, .output = u"mmo2"},
     .sample = [] { return zhangguiSnippet(ZhangguiInput()); }})

} // namespace generators
