#include "generators/promotions/beijing.h"

#include "core/registry.h"

#include <QLabel>

namespace generators {

Tfrmbeijing::Tfrmbeijing()
    : core::Form(QStringLiteral("Tfrmbeijing"), QStringLiteral("固定背景代码生成器")) {
    setClientSize(549, 337);
    const BeijingInput defaults;

    addCaption(this, QRect(12, 14, 70, 22), QStringLiteral("图片地址"));
    addEdit(this, QStringLiteral("edt1"), QRect(82, 12, 455, 24), defaults.picture);
    addButton(this, QStringLiteral("btn1"), QRect(12, 46, 160, 34), QStringLiteral("生成固定背景"));
    addButton(this, QStringLiteral("btn3"), QRect(182, 46, 180, 34), QStringLiteral("生成随页面变化背景"));
    addButton(this, QStringLiteral("btn2"), QRect(372, 46, 165, 34), QStringLiteral("复制代码"));
    addMemo(this, QStringLiteral("mmo1"), QRect(12, 90, 525, 120));
    const QStringList hints = {
        QStringLiteral("使用步骤："), QStringLiteral("装修后台 —— 导航 —— 编辑 —— 显示设置  —— 粘贴代码"),
        QStringLiteral("固定背景的意思：就是说贴图后，图片会页面居中展示，不论怎么滑动页面，背景总是显示！"),
        QStringLiteral("随页面变化背景：图片会在页面的顶部展示，页面下滑后，背景随着上移，最后消失！")};
    for (int i = 0; i < hints.size(); ++i) {
        QLabel* hint = addCaption(this, QRect(12, 218 + 28 * i, 525, 26), hints[i]);
        hint->setWordWrap(true);
    }

    on(QStringLiteral("btn1Click"), [this] { setText(QStringLiteral("mmo1"), beijingSnippet(input(true))); });
    on(QStringLiteral("btn3Click"),
       [this] { setText(QStringLiteral("mmo1"), beijingSnippet(input(false))); });
    on(QStringLiteral("btn2Click"), [this] {
        if (!needOutput(QStringLiteral("mmo1"), QStringLiteral("请先生成背景代码，再复制代码！"))) return;
        copyOut(QStringLiteral("mmo1"), QStringLiteral("复制代码成功，请粘贴在，导航 - 编辑 - 显示空白处！"));
    });
}

BeijingInput Tfrmbeijing::input(bool fixed) const {
    BeijingInput in;
    in.picture = text(QStringLiteral("edt1"));
    in.fixed = fixed;
    return in;
}

QString beijingSnippet(const BeijingInput& in) {
    return QStringLiteral("body{background-image:url(") + in.picture +
           (in.fixed ? QStringLiteral(");background-repeat:no-repeat;background-position:center;"
                                      "background-attachment:fixed;}")
                     : QStringLiteral(");background-repeat:no-repeat;background-position:center;"
                                      "background-position:top;}"));
}

QINGWU_WINDOW(
    Tfrmbeijing,
    {.order = 70,
     .tile = core::Tile{.page = u"tsmg1", .row = 3, .column = 1, .image = u"img106", .caption = u"固定背景"},
     .preview = core::ShopPreview{.place = core::Place::NavigationStyle, .output = u"mmo1"},
     .sample = [] { return beijingSnippet(BeijingInput()); }})

} // namespace generators
