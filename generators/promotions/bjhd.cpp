#include "generators/promotions/bjhd.h"

#include "core/messages.h"
#include "core/registry.h"
#include "generators/promotions/pagewidgets.h"

#include <QGroupBox>
#include <QLabel>

namespace generators {

TfrmBJHD::TfrmBJHD()
    : core::Form(QStringLiteral("TfrmBJHD"), QStringLiteral("背景交替模块")) {
    setClientSize(764, 738);
    const BjhdInput defaults;

    QGroupBox* output =
        addGroup(this, QStringLiteral("grp1"), QRect(12, 10, 740, 64), QStringLiteral("输出"));
    addCombo(output, QStringLiteral("cbb1"), QRect(12, 26, 100, 24),
             {QStringLiteral("专业版"), QStringLiteral("基础版")}, defaults.edition);
    addCaption(output, QRect(126, 28, 230, 22), QStringLiteral("版块宽度：1920px      版块高度："));
    addEdit(output, QStringLiteral("edt1"), QRect(356, 26, 60, 24), defaults.height);
    addCaption(output, QRect(420, 28, 20, 22), QStringLiteral("px"));

    QGroupBox* back =
        addGroup(this, QStringLiteral("grp2"), QRect(12, 82, 740, 84), QStringLiteral("大背景图片地址"));
    addEdit(back, QStringLiteral("edt2"), QRect(12, 24, 716, 24), defaults.background);
    addCaption(back, QRect(12, 54, 716, 22), QStringLiteral("备注：1920宽，高度自拟，双击清空"));

    QGroupBox* top =
        addGroup(this, QStringLiteral("grp3"), QRect(12, 174, 740, 116), QStringLiteral("顶层小图参数"));
    addCaption(top, QRect(12, 26, 70, 22), QStringLiteral("图片地址："));
    addEdit(top, QStringLiteral("edt3"), QRect(82, 24, 646, 24), defaults.topPicture);
    addCaption(top, QRect(12, 56, 70, 22), QStringLiteral("图片链接："));
    addEdit(top, QStringLiteral("edt5"), QRect(82, 54, 646, 24), defaults.topLink);
    addCaption(top, QRect(12, 86, 716, 22), QStringLiteral("中间镂空png图片宽度 1920px "));

    QGroupBox* middle = addGroup(this, QStringLiteral("grp4"), QRect(12, 298, 740, 370),
                                 QStringLiteral("强悍自定义中间部分"));
    QLabel* hint =
        addCaption(middle, QRect(12, 22, 716, 40),
                   QStringLiteral("默认状态下此位置可以不编辑，如果想自定义中间的滑动部分可以自定义HTML代码,"
                                  "如果输入自定义代码，无需生成代码直接提取即可"));
    hint->setWordWrap(true);
    addMemo(middle, QStringLiteral("mmo1"), QRect(12, 66, 716, 294));
    addButton(this, QStringLiteral("btn1"), QRect(432, 680, 150, 42), QStringLiteral("生成代码"));
    addButton(this, QStringLiteral("btn2"), QRect(602, 680, 150, 42), QStringLiteral("提取代码"));
    addOutputMemo(QStringLiteral("mmo2"), {QStringLiteral("mmo2")});

    on(QStringLiteral("edt2DblClick"), [this] { setText(QStringLiteral("edt2"), QString()); });
    on(QStringLiteral("btn1Click"), [this] { setText(QStringLiteral("mmo1"), bjhdMiddle(input())); });
    on(QStringLiteral("btn2Click"),
       [this] { deliver(QStringLiteral("mmo2"), bjhdSnippet(input()), core::kCopiedForShop); });
}

BjhdInput TfrmBJHD::input() const {
    BjhdInput in;
    in.edition = text(QStringLiteral("cbb1"));
    in.height = text(QStringLiteral("edt1"));
    in.background = text(QStringLiteral("edt2"));
    in.topPicture = text(QStringLiteral("edt3"));
    in.topLink = text(QStringLiteral("edt5"));
    in.middle = text(QStringLiteral("mmo1"));
    return in;
}

QString bjhdMiddle(const BjhdInput& in) {
    return QStringLiteral("<a href=\"") + in.topLink + QStringLiteral("\" target=\"_blank\">") +
           QStringLiteral("<img src=\"") + in.topPicture +
           QStringLiteral("\" alt=\" HD_01.png\" width=\"1920\" height=\"") + in.height +
           QStringLiteral("\"/></a>");
}

QString bjhdSnippet(const BjhdInput& in) {
    const QString& p = in.height;
    // The basic edition's custom module sits 120 px further right; a typed
    // edition is taken as the professional one.
    const QString offset =
        in.edition == QStringLiteral("基础版") ? QStringLiteral("1070") : QStringLiteral("950");
    return QStringLiteral("<div data-title=\"") + pagewidgets::kCredit +
           QStringLiteral("\" style=\"height:") + p + QStringLiteral("px;\">") +
           QStringLiteral("<div class=\"footer-more-trigger\" style=\"left:50%;width:1920px;height:") + p +
           QStringLiteral("px;right:auto;top:auto;padding:0;border:none;z-index:1;\">") +
           QStringLiteral("<div class=\"footer-more-trigger\" style=\"left:-") + offset +
           QStringLiteral("px;top:0px;border:none;padding:0;\">") + QStringLiteral("<div style=\"height:") +
           p + QStringLiteral("px;width:1920px;background:url(") + in.background +
           QStringLiteral(");background-repeat:no-repeat;background-position:center;background-attachment:"
                          "fixed;\">") +
           QStringLiteral("<div style=\"width:1920px; height:") + p + QStringLiteral("px;\">") + in.middle +
           QStringLiteral("</div></div></div></div></div>");
}

QINGWU_WINDOW(
    TfrmBJHD,
    {.order = 80,
     .tile = core::Tile{.page = u"tsmg1", .row = 3, .column = 2, .image = u"img117", .caption = u"背景交替"},
     .preview = core::ShopPreview{.place = core::Place::Wide, .output = u"mmo1"},
     .sample = [] { return bjhdMiddle(BjhdInput()); }})

} // namespace generators
