#include "generators/navigation/daohangdaisousuo.h"

#include "core/addresses.h"
#include "core/messages.h"
#include "core/registry.h"
#include "core/text.h"
#include "generators/navigation/navigation.h"

#include <QGroupBox>

namespace generators {

namespace {

// Tab k (1 to 7) takes its name from edt(2k+3) and its link from edt(2k+4).
QString tabName(int k) {
    return QStringLiteral("edt%1").arg(2 * k + 3);
}
QString tabLink(int k) {
    return QStringLiteral("edt%1").arg(2 * k + 4);
}

} // namespace

TFrmdaohangdaisousuo::TFrmdaohangdaisousuo()
    : core::Form(QStringLiteral("TFrmdaohangdaisousuo"), QStringLiteral("导航天猫集市通用 - 带搜索")) {
    setClientSize(760, 520);
    const DaohangdaisousuoInput defaults;

    QGroupBox* output = addGroup(this, QStringLiteral("grp1"), QRect(10, 8, 740, 96), QStringLiteral("输出"));
    addCaption(output, QRect(12, 26, 110, 22), QStringLiteral("店铺首页短地址："));
    addEdit(output, QStringLiteral("edt1"), QRect(122, 24, 250, 24), defaults.shop);
    addCaption(output, QRect(390, 26, 80, 22), QStringLiteral("默认关键词："));
    addEdit(output, QStringLiteral("edt4"), QRect(470, 24, 110, 24), defaults.keyword);
    addCaption(output, QRect(12, 62, 80, 22), QStringLiteral("导航底色："));
    addEdit(output, QStringLiteral("edt2"), QRect(92, 60, 90, 24), defaults.bar);
    addCaption(output, QRect(200, 62, 100, 22), QStringLiteral("所有分类底色："));
    addEdit(output, QStringLiteral("edt3"), QRect(300, 60, 90, 24), defaults.first);
    addButton(output, QStringLiteral("btn1"), QRect(600, 40, 120, 40), QStringLiteral("提取代码"));

    QGroupBox* tabs = addGroup(this, QStringLiteral("grp2"), QRect(10, 110, 740, 160), QStringLiteral("参数"));
    for (int k = 1; k <= 7; ++k) {
        const int x = k <= 4 ? 12 : 372;
        const int y = 24 + 32 * ((k - 1) % 4);
        addCaption(tabs, QRect(x, y + 2, 80, 22), QStringLiteral("标签%1名称：").arg(k));
        addEdit(tabs, tabName(k), QRect(x + 80, y, 90, 24), defaults.names[k - 1]);
        addCaption(tabs, QRect(x + 176, y + 2, 80, 22), QStringLiteral("标签%1链接：").arg(k));
        addEdit(tabs, tabLink(k), QRect(x + 256, y, 100, 24), defaults.links[k - 1]);
    }

    QGroupBox* header =
        addGroup(this, QStringLiteral("grp3"), QRect(10, 276, 740, 160), QStringLiteral("自定义店招代码"));
    addMemo(header, QStringLiteral("mmo2"), QRect(12, 24, 716, 120), core::textLines(defaults.header));

    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});

    on(QStringLiteral("btn1Click"), [this] { deliver(QStringLiteral("mmo1"), daohangdaisousuoSnippet(input()), core::kCopiedForShop); });
}

DaohangdaisousuoInput TFrmdaohangdaisousuo::input() const {
    DaohangdaisousuoInput in;
    in.shop = text(QStringLiteral("edt1"));
    in.bar = text(QStringLiteral("edt2"));
    in.first = text(QStringLiteral("edt3"));
    in.keyword = text(QStringLiteral("edt4"));
    for (int k = 1; k <= 7; ++k) {
        in.names[k - 1] = text(tabName(k));
        in.links[k - 1] = text(tabLink(k));
    }
    in.header = text(QStringLiteral("mmo2"));
    return in;
}

QString daohangdaisousuoSnippet(const DaohangdaisousuoInput& in) {
    const QString& tabColour = in.first;
    QString out = QStringLiteral("<div style=\"height:150px; font-size:14px; font-family:Microsoft Yahei\"><div "
                                 "style=\"height:120px; overflow:hidden\">") +
                  in.header + QStringLiteral("</div>");
    out += QStringLiteral("<div style=\"height:30px; background-color:") + in.bar +
           QStringLiteral(";\">");
    out += QStringLiteral("<a style=\"color:#FFF; text-decoration:none\" href=\"") + in.links.value(0) +
           QStringLiteral("\" target=\"_blank\"><div style=\"line-height:30px; width:15%; text-align:center; "
                          "background-color:") +
           tabColour + QStringLiteral("; float:left\">") + in.names.value(0) + QStringLiteral("</div></a>");
    for (int k = 2; k <= 7; ++k)
        out += QStringLiteral("<a style=\"color:#FFF; text-decoration:none\" href=\"") + in.links.value(k - 1) +
               QStringLiteral("\" target=\"_blank\"><div style=\"line-height:30px; width:10%; "
                              "text-align:center;float:left\">") +
               in.names.value(k - 1) + QStringLiteral("</div></a>");
    out += QStringLiteral("<div style=\"width:19%;float:right;margin-top:4px ;font-size:12px; \">") +
           QStringLiteral("<form action=\"") + navigation::searchAction(in.shop) +
           QStringLiteral("\" method=\"post\" target=\"_blank\">");
    out += QStringLiteral("<input name=\"") + core::addresses::shopSearchField +
           QStringLiteral("\" type=\"text\" style=\" border:#fff 1px solid; height:20px; "
                          "width:120px;padding-left:10px; background-color:#FFF;color:#333\" value=\"") +
           in.keyword + QStringLiteral("\" /><input style=\"border:0; background-color:") +
           tabColour + QStringLiteral("; color:#FFF; width:44px;height:22px;cursor:pointer;") +
           QStringLiteral("\" type=\"submit\" name=\"submit\" id=\"submit\" value=\"搜索\">");
    out += QStringLiteral("</form>") + QStringLiteral("</div></div></div>");
    return out;
}

QINGWU_WINDOW(
    TFrmdaohangdaisousuo,
    {.order = 310,
     .tile = core::Tile{.page = u"ts7", .row = 2, .column = 2, .image = u"img17", .caption = u"导航带搜索"},
     .preview = core::ShopPreview{.place = core::Place::Top},
     .sample = [] { return daohangdaisousuoSnippet(DaohangdaisousuoInput()); }})

} // namespace generators
