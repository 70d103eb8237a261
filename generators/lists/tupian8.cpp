#include "generators/lists/tupian8.h"

#include "core/preview.h"
#include "core/registry.h"
#include "generators/lists/productlists.h"

namespace generators {

namespace {

QString field(int number) {
    return QStringLiteral("edt%1").arg(number);
}

// The margins of product k: the first row after its first block keeps 10 px to
// the left, the second row keeps 10 px to the top as well.
QString margin(int k) {
    if (k == 1) return {};
    if (k < 5) return QStringLiteral("margin-left:10px;");
    if (k == 5) return QStringLiteral("margin-top:10px");
    return QStringLiteral("margin-left:10px;margin-top:10px");
}

} // namespace

Tupian8Input::Tupian8Input() {
    for (int k = 1; k <= 8; ++k) {
        pictures << lists::samplePicture(QStringLiteral("list8-%1.jpg").arg(k));
        links << QStringLiteral("#");
        words << QStringLiteral("毛呢衫");
        prices << QStringLiteral("抢购价￥96.00");
    }
}

Tfrmtupian8::Tfrmtupian8()
    : core::Form(QStringLiteral("Tfrmtupian8"),
                 QStringLiteral("集市店首页950描述750及天猫店首页990描述790宝贝描述均可用8图关联列表")) {
    setClientSize(876, 400);
    const Tupian8Input defaults;
    core::addPreviewPicture(this, QRect(0, 0, 876, 110), QStringLiteral("8图关联列表"));
    addCombo(this, QStringLiteral("cbb1"), QRect(8, 120, 96, 24),
             {QStringLiteral("集市描述"), QStringLiteral("天猫描述"), QStringLiteral("集市首页"),
              QStringLiteral("天猫首页")},
             QStringLiteral("集市描述"));
    addCaption(this, QRect(114, 122, 64, 22), QStringLiteral("图片宽度："));
    addLabel(this, QStringLiteral("lbl3"), QRect(178, 122, 40, 22), defaults.width);
    addCaption(this, QRect(224, 122, 64, 22), QStringLiteral("图片高度："));
    addLabel(this, QStringLiteral("lbl4"), QRect(288, 122, 40, 22), QStringLiteral("330"));
    addCaption(this, QRect(336, 122, 64, 22), QStringLiteral("按钮底色："));
    addEdit(this, QStringLiteral("edt33"), QRect(400, 120, 80, 24), defaults.tagColour);
    addCaption(this, QRect(486, 122, 60, 22), QStringLiteral("双击取色"));
    addButton(this, QStringLiteral("btn1"), QRect(756, 116, 106, 30), QStringLiteral("提取代码"));

    for (int k = 1; k <= 8; ++k) {
        const int y = 156 + 30 * (k - 1);
        addCaption(this, QRect(8, y + 2, 50, 22), QStringLiteral("图片%1：").arg(k));
        addEdit(this, field(4 * k - 3), QRect(58, y, 300, 24), defaults.pictures[k - 1]);
        addCaption(this, QRect(366, y + 2, 40, 22), QStringLiteral("链接："));
        addEdit(this, field(4 * k - 2), QRect(406, y, 150, 24), defaults.links[k - 1]);
        addCaption(this, QRect(564, y + 2, 40, 22), QStringLiteral("小词："));
        addEdit(this, field(4 * k - 1), QRect(604, y, 80, 24), defaults.words[k - 1]);
        addCaption(this, QRect(692, y + 2, 40, 22), QStringLiteral("价格："));
        addEdit(this, field(4 * k), QRect(732, y, 130, 24), defaults.prices[k - 1]);
    }

    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});

    on(QStringLiteral("cbb1Change"), [this] {
        const QString kind = text(QStringLiteral("cbb1"));
        const QString width = kind == QStringLiteral("集市描述")   ? QStringLiteral("180")
                              : kind == QStringLiteral("集市首页") ? QStringLiteral("230")
                              : kind == QStringLiteral("天猫首页") ? QStringLiteral("240")
                                                                   : QStringLiteral("190");
        setText(QStringLiteral("lbl3"), width);
    });
    colorField(QStringLiteral("edt33"));
    on(QStringLiteral("btn1Click"), [this] {
        setText(QStringLiteral("mmo1"), tupian8Snippet(input()));
        lists::copyWithNotice(this, QStringLiteral("mmo1"), QStringLiteral("代码已生成并复制"),
                              QStringLiteral("提示"));
    });
}

Tupian8Input Tfrmtupian8::input() const {
    Tupian8Input in;
    in.width = text(QStringLiteral("lbl3"));
    in.tagColour = text(QStringLiteral("edt33"));
    for (int k = 1; k <= 8; ++k) {
        in.pictures[k - 1] = text(field(4 * k - 3));
        in.links[k - 1] = text(field(4 * k - 2));
        in.words[k - 1] = text(field(4 * k - 1));
        in.prices[k - 1] = text(field(4 * k));
    }
    return in;
}

QString tupian8Snippet(const Tupian8Input& in) {
    const QString& w = in.width;
    QString out;
    for (int k = 1; k <= 8; ++k) {
        out += QStringLiteral("<a style=\"color:#000; text-decoration:none\" href=\"") + in.links[k - 1] +
               QStringLiteral("\" target=\"_blank\"><div style=\"width:") + w +
               QStringLiteral("px; height:370px; font-size:14px; font-family:Microsoft Yahei; float:left;") +
               margin(k) + QStringLiteral("\"><div style=\"width:") + w +
               QStringLiteral("px; height:330px; overflow:hidden\"><img src=\"") + in.pictures[k - 1] +
               QStringLiteral("\" /></div>") +
               QStringLiteral("<div style=\"line-height:30px; height:30px; background-color: #EAEAEA; "
                              "padding-right:8px;\">") +
               QStringLiteral("<span style=\"float:right; font-size:14px\">") + in.prices[k - 1] +
               QStringLiteral("</span><span style=\"padding:0px 10px; background-color:") + in.tagColour +
               QStringLiteral("; float:left; color:#FFF\">") + in.words[k - 1] +
               QStringLiteral("</span></div></div></a>");
    }
    return out;
}

QINGWU_WINDOW(
    Tfrmtupian8,
    {.order = 570,
     .tile = core::Tile{.page = u"ts6", .row = 3, .column = 1, .image = u"img129", .caption = u"8图关联列表"},
     .preview = core::ShopPreview{.place = core::Place::Home, .shopType = u"cbb1"},
     .sample = [] { return tupian8Snippet(Tupian8Input()); }})

} // namespace generators
