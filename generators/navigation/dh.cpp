#include "generators/navigation/dh.h"

#include "core/registry.h"

#include <QGroupBox>

namespace generators {

namespace {

// The marketplace's arrow sprite of the all-categories entry.
const QString kCategoryArrow = QStringLiteral("https://img.alicdn.com/tps/i1/T18WsRFcpdXXXPXsT8-51-381.gif");

} // namespace

QString dhSnippet(const DhInput& c) {
    QString css;
    css += QStringLiteral(".skin-box-bd{background:") + c.bar + QStringLiteral("}");
    css += QStringLiteral(".skin-box-bd .menu-list {background:") + c.bar + QStringLiteral("}");
    css += QStringLiteral(".skin-box-bd .menu-list .menu .link {background:") + c.tab +
           QStringLiteral(";border-right: 1px solid ") + c.tabGap + QStringLiteral("}");
    css += QStringLiteral(".skin-box-bd .menu-list .menu .link:hover {background:") + c.tabHover +
           QStringLiteral("}");
    css += QStringLiteral(".skin-box-bd .menu-list .menu .link .title {color:") + c.tabText +
           QStringLiteral(";font-weight:") + c.weight + QStringLiteral(";font-size:") + c.size +
           QStringLiteral("}");
    css += QStringLiteral(".skin-box-bd .menu-list .menu .link .title:hover{color:") + c.tabTextHover +
           QStringLiteral(";font-weight:") + c.weight + QStringLiteral("}");
    css += QStringLiteral(".all-cats .link {border:0;background:") + c.allCats + QStringLiteral("}");
    css += QStringLiteral(".all-cats .link:hover {background:") + c.allCatsHover + QStringLiteral("}");
    css += QStringLiteral(".all-cats .link .title {color:") + c.allCatsText + QStringLiteral(";font-size:") +
           c.size + QStringLiteral("}");
    css += QStringLiteral(".all-cats  .link .title:hover {color:") + c.allCatsTextHover + QStringLiteral("}");
    css += QStringLiteral(".all-cats .link .popup-icon {background: url(") + kCategoryArrow +
           QStringLiteral(") 0 -50px no-repeat;}");
    css += QStringLiteral(".popup-content .cats-tree .fst-cat {border-bottom: 1px solid ") + c.dropBorder +
           QStringLiteral("}");
    css += QStringLiteral(".popup-inner .cats-tree .fst-cat {background:") + c.drop + QStringLiteral("}");
    css += QStringLiteral(".popup-inner .cats-tree .fst-cat:hover {background:") + c.dropHover +
           QStringLiteral(";border-top: solid 0px #fff}");
    css += QStringLiteral(".popup-inner .cats-tree .fst-cat .cat-hd .fst-cat-name {color:") + c.dropText +
           QStringLiteral("}");
    css += QStringLiteral(".popup-inner .cats-tree .fst-cat .cat-hd .fst-cat-name:hover {color:") +
           c.dropTextHover + QStringLiteral("}");
    css += QStringLiteral(".popup-content .cats-tree .fst-cat .snd-pop .snd-cat-hd a "
                          "{height:30px;line-height:30px;padding-left: 15px;font-weight: 100;width:100%}");
    css += QStringLiteral(".snd-pop-inner .fst-cat-bd .snd-cat-name {color:") + c.second + QStringLiteral("}");
    css += QStringLiteral(".snd-pop-inner .fst-cat-bd .snd-cat-name:hover {color:") + c.secondTextHover +
           QStringLiteral(";background: ") + c.secondHover + QStringLiteral("}");
    css += QStringLiteral(".snd-pop-inner{height:auto;padding:0px;margin:0px;}.snd-pop-inner .fst-cat-bd{padding:"
                          "0px;margin:0px;background-color:") +
           c.secondPanel + QStringLiteral("}");
    css += QStringLiteral(".skin-box-bd .menu-list .menu-selected .link .title{background:rgba(255,51,0,0);}");
    return css;
}

Tfrmdh::Tfrmdh()
    : core::Form(QStringLiteral("Tfrmdh"), QStringLiteral("默认导航修改")) {
    setClientSize(720, 430);
    const DhInput defaults;

    QGroupBox* layout =
        addGroup(this, QStringLiteral("grp1"), QRect(10, 8, 700, 64), QStringLiteral("布局参数"));
    addCaption(layout, QRect(12, 26, 70, 22), QStringLiteral("文字加粗："));
    addCombo(layout, QStringLiteral("cbb1"), QRect(82, 24, 110, 24), {QStringLiteral("100"), QStringLiteral("600")},
             defaults.weight);
    addCaption(layout, QRect(210, 26, 70, 22), QStringLiteral("字体大小："));
    addCombo(layout, QStringLiteral("cbb2"), QRect(280, 24, 110, 24),
             {QStringLiteral("12px"), QStringLiteral("14px"), QStringLiteral("15px")}, defaults.size);
    addButton(layout, QStringLiteral("btn1"), QRect(530, 20, 150, 34), QStringLiteral("生成并复制CSS"));

    QGroupBox* style =
        addGroup(this, QStringLiteral("grp2"), QRect(10, 80, 700, 310), QStringLiteral("自定义风格"));
    // Three columns of colour fields, in the order of the design.
    const struct {
        QString caption, name, value;
    } fields[] = {
        {QStringLiteral("整体导航色:#"), QStringLiteral("edt1"), defaults.bar},
        {QStringLiteral("导航标签底色:#"), QStringLiteral("edt2"), defaults.tab},
        {QStringLiteral("标签间隔色:#"), QStringLiteral("edt18"), defaults.tabGap},
        {QStringLiteral("鼠标划过标签底色:#"), QStringLiteral("edt3"), defaults.tabHover},
        {QStringLiteral("标签文字颜色:#"), QStringLiteral("edt4"), defaults.tabText},
        {QStringLiteral("鼠标划过文字颜色:#"), QStringLiteral("edt5"), defaults.tabTextHover},
        {QStringLiteral("所有分类底色:#"), QStringLiteral("edt9"), defaults.allCats},
        {QStringLiteral("鼠标划过分类底色:#"), QStringLiteral("edt8"), defaults.allCatsHover},
        {QStringLiteral("分类文字颜色:#"), QStringLiteral("edt7"), defaults.allCatsText},
        {QStringLiteral("鼠标划过文字颜色:#"), QStringLiteral("edt6"), defaults.allCatsTextHover},
        {QStringLiteral("下 拉 底 色:#"), QStringLiteral("edt14"), defaults.drop},
        {QStringLiteral("下拉边框底色:#"), QStringLiteral("edt10"), defaults.dropBorder},
        {QStringLiteral("划过下拉菜单底色:#"), QStringLiteral("edt11"), defaults.dropHover},
        {QStringLiteral("下拉文字颜色:#"), QStringLiteral("edt12"), defaults.dropText},
        {QStringLiteral("鼠标划过文字颜色:#"), QStringLiteral("edt13"), defaults.dropTextHover},
        {QStringLiteral("二级文字色:#"), QStringLiteral("edt15"), defaults.second},
        {QStringLiteral("二级菜单底色:#"), QStringLiteral("edt19"), defaults.secondPanel},
        {QStringLiteral("滑过二级底色:#"), QStringLiteral("edt16"), defaults.secondHover},
        {QStringLiteral("鼠标划过二级菜单字色:#"), QStringLiteral("edt17"), defaults.secondTextHover},
    };
    int i = 0;
    for (const auto& f : fields) {
        const int x = 12 + 230 * (i % 3);
        const int y = 26 + 38 * (i / 3);
        addCaption(style, QRect(x, y + 2, 140, 22), f.caption);
        addEdit(style, f.name, QRect(x + 140, y, 76, 24), f.value);
        colorField(f.name);
        ++i;
    }
    addCaption(this, QRect(12, 398, 500, 22), QStringLiteral("单击编辑框可编辑，双击相应版块内输入颜色值！"));

    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});

    on(QStringLiteral("btn1Click"), [this] {
        deliver(QStringLiteral("mmo1"), dhSnippet(input()),
                QStringLiteral("代码已被复制，店铺后台-指向导航栏-编辑-显示设置-猛粘贴进去！"));
    });
}

DhInput Tfrmdh::input() const {
    auto t = [this](const char* name) { return text(QString::fromLatin1(name)); };
    return {t("cbb1"),  t("cbb2"),  t("edt1"),  t("edt2"),  t("edt18"), t("edt3"),  t("edt4"),
            t("edt5"),  t("edt9"),  t("edt8"),  t("edt7"),  t("edt6"),  t("edt14"), t("edt10"),
            t("edt11"), t("edt12"), t("edt13"), t("edt15"), t("edt19"), t("edt16"), t("edt17")};
}

QINGWU_WINDOW(
    Tfrmdh,
    {.order = 300,
     .tile = core::Tile{.page = u"ts7", .row = 3, .column = 1, .image = u"img19", .caption = u"默认导航修改"},
     .preview = core::ShopPreview{.place = core::Place::NavigationStyle},
     .sample = [] { return dhSnippet(DhInput()); }})

} // namespace generators
