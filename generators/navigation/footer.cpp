#include "generators/navigation/footer.h"

#include "core/messages.h"
#include "core/platform.h"
#include "core/preview.h"
#include "core/registry.h"
#include "generators/navigation/navigation.h"

#include <QGroupBox>

namespace generators {

namespace {

const QString kSampleFavourite = QStringLiteral("https://img.alicdn.com/imgextra/i4/qingwu/dibu-shoucang-75x75.png");
const QString kSampleBack = QStringLiteral("https://img.alicdn.com/imgextra/i4/qingwu/dibu-fanhui-75x75.png");
const QString kAnimatedFooter =
    QStringLiteral("https://img.alicdn.com/L1/142/414097029/modules/tshop-um-lo-end/assets/images/a.gif");

// The four links of the footer as (address, text).
const char* const kLinks[4][2] = {{"edt9", "edt8"}, {"edt11", "edt10"}, {"edt14", "edt12"}, {"edt15", "edt13"}};

} // namespace

Tfrmdbdm::Tfrmdbdm()
    : core::Form(QStringLiteral("Tfrmdbdm"), QStringLiteral("底部信息")) {
    setClientSize(800, 597);
    core::addPreviewPicture(this, QRect(10, 8, 780, 120), QStringLiteral("底部信息"));

    QGroupBox* global =
        addGroup(this, QStringLiteral("grp1"), QRect(10, 134, 780, 60), QStringLiteral("全局参数"));
    const QString themes[] = {QStringLiteral("红色系"), QStringLiteral("蓝色系"), QStringLiteral("灰色系"),
                              QStringLiteral("粉色系")};
    for (int i = 0; i < 4; ++i)
        addRadio(global, QStringLiteral("rb%1").arg(i + 1), QRect(12 + 76 * i, 24, 72, 24), themes[i]);
    addCaption(global, QRect(330, 26, 70, 22), QStringLiteral("自定义色："));
    addEdit(global, QStringLiteral("edt7"), QRect(400, 24, 90, 24), QStringLiteral("#000"));
    addButton(global, QStringLiteral("btn1"), QRect(520, 18, 116, 34), QStringLiteral("生成代码"));
    addButton(global, QStringLiteral("btn3"), QRect(648, 18, 116, 34), QStringLiteral("复制代码"));

    QGroupBox* links = addGroup(this, QStringLiteral("grp2"), QRect(10, 200, 780, 90), QStringLiteral("底部链接"));
    const struct {
        QString text, address, textValue;
        int x, y;
    } linkFields[] = {{QStringLiteral("edt8"), QStringLiteral("edt9"), QStringLiteral("首页"), 100, 24},
                      {QStringLiteral("edt10"), QStringLiteral("edt11"), QStringLiteral("新品发布"), 100, 56},
                      {QStringLiteral("edt12"), QStringLiteral("edt14"), QStringLiteral("热销推荐"), 490, 24},
                      {QStringLiteral("edt13"), QStringLiteral("edt15"), QStringLiteral("清仓热卖"), 490, 56}};
    addCaption(links, QRect(12, 26, 88, 22), QStringLiteral("①②标签链接："));
    addCaption(links, QRect(402, 26, 88, 22), QStringLiteral("③④标签链接："));
    for (const auto& f : linkFields) {
        addEdit(links, f.text, QRect(f.x, f.y, 100, 24), f.textValue);
        addEdit(links, f.address, QRect(f.x + 106, f.y, 170, 24), QStringLiteral("#"));
    }

    QGroupBox* columns =
        addGroup(this, QStringLiteral("grp3"), QRect(10, 296, 780, 170), QStringLiteral("信息栏目"));
    const QString titles[] = {QStringLiteral("温馨提示"), QStringLiteral("关于快递"), QStringLiteral("关于色差"),
                              QStringLiteral("关于退换货")};
    const QString texts[] = {QStringLiteral("这里是温馨提示信息"), QStringLiteral("关于快递信息"),
                             QStringLiteral("关于色差信息"), QStringLiteral("关于退换货信息")};
    for (int k = 1; k <= 4; ++k) {
        const int x = 12 + 190 * (k - 1);
        addEdit(columns, QStringLiteral("edt%1").arg(k), QRect(x, 24, 180, 24), titles[k - 1]);
        addMemo(columns, QStringLiteral("mmo%1").arg(k), QRect(x, 54, 180, 104), {texts[k - 1]});
    }

    QGroupBox* buttons =
        addGroup(this, QStringLiteral("grp4"), QRect(10, 472, 780, 100), QStringLiteral("图片按钮"));
    const struct {
        QString caption, name, value;
        int x, y;
    } buttonFields[] = {{QStringLiteral("收藏店铺："), QStringLiteral("edt5"), kSampleFavourite, 12, 26},
                        {QStringLiteral("返回图片："), QStringLiteral("edt6"), kSampleBack, 12, 60},
                        {QStringLiteral("收藏链接："), QStringLiteral("edt16"), QStringLiteral("#"), 402, 26},
                        {QStringLiteral("店铺地址："), QStringLiteral("edt17"), QStringLiteral("#"), 402, 60}};
    for (const auto& f : buttonFields) {
        addCaption(buttons, QRect(f.x, f.y + 2, 70, 22), f.caption);
        addEdit(buttons, f.name, QRect(f.x + 70, f.y, 290, 24), f.value);
    }

    addOutputMemo(QStringLiteral("mmo5"), {QStringLiteral("mmo5")});

    const QString themeColours[] = {QStringLiteral("#DD2300"), QStringLiteral("#0E96E5"), QStringLiteral("#666"),
                                    QStringLiteral("#E87D7D")};
    for (int i = 0; i < 4; ++i)
        on(QStringLiteral("rb%1Click").arg(i + 1),
           [this, colour = themeColours[i]] { setText(QStringLiteral("edt7"), colour); });
    on(QStringLiteral("btn1Click"), [this] {
        setText(QStringLiteral("mmo5"), snippet());
        core::platform().information(this, QStringLiteral("代码生成完毕"));
    });
    on(QStringLiteral("btn3Click"), [this] {
        if (!needOutput(QStringLiteral("mmo5"), QStringLiteral("请先点击生成代码，再复制代码！"))) return;
        copyOut(QStringLiteral("mmo5"), navigation::kCopiedShort);
    });
}

QString Tfrmdbdm::snippet() const {
    const QString theme = text(QStringLiteral("edt7"));
    QString out = QStringLiteral("<div style=\" clear:both; overflow:hidden; color:#444\"><div style=\"height:28px; "
                                 "line-height:28px; background:#FFF; text-align:center; border-top:1px dashed #999\">");
    for (const auto& link : kLinks)
        out += QStringLiteral("<a style=\"padding:0 10px;color:") + theme +
               QStringLiteral("\" target=\"_blank\" href=\"") + text(QString::fromLatin1(link[0])) +
               QStringLiteral("\">") + text(QString::fromLatin1(link[1])) + QStringLiteral("</a>");
    out += QStringLiteral("</div>");
    out += QStringLiteral("<div style=\"clear:both; overflow:hidden; text-align:left;background:#FFF;zoom:1;"
                          "border-bottom:1px solid #E7E7E7;border-top:1px dashed #999; padding:10px 0\">");
    for (int k = 1; k <= 4; ++k)
        out += QStringLiteral("<dl style=\" width:190px;float:left; overflow:hidden; border-right:1px dashed "
                              "#E7E7E7\"><dt style=\"color:") +
               theme + QStringLiteral(";padding:10px 0 10px 15px;\"><b>") + text(QStringLiteral("edt%1").arg(k)) +
               QStringLiteral("</b></dt><dd style=\"padding:0 15px 10px 15px; line-height:18px; "
                              "color:#999;font-size:14px\">") +
               text(QStringLiteral("mmo%1").arg(k)) + QStringLiteral("</dd></dl>");
    out += QStringLiteral("<dl style=\" padding:10px 0 0 12px; float:left;\"><dd style=\"float:right;\"><a "
                          "style=\"display:block;width:75px; height:75px; background:url(") +
           text(QStringLiteral("edt6")) + QStringLiteral(") no-repeat\" href=\"") + text(QStringLiteral("edt17")) +
           QStringLiteral("\" target=\"_blank\"></a></dd><dd style=\"float:right\"><a "
                          "style=\"display:block;width:75px; height:75px; background:") +
           theme + QStringLiteral("  url(") + text(QStringLiteral("edt5")) + QStringLiteral(") no-repeat\" href=\"") +
           text(QStringLiteral("edt16")) + QStringLiteral("\"></a></dd></dl></div></div></a>");
    return out;
}

TFrmdonghuadibu::TFrmdonghuadibu()
    : core::Form(QStringLiteral("TFrmdonghuadibu"), QStringLiteral("动态GIF底部信息")) {
    setClientSize(677, 560);
    core::addPreviewPicture(this, QRect(10, 8, 657, 150), QStringLiteral("动态GIF底部信息"));

    QGroupBox* output = addGroup(this, QStringLiteral("grp1"), QRect(10, 164, 657, 64), QStringLiteral("输出"));
    addCombo(output, QStringLiteral("cbb1"), QRect(12, 26, 90, 24), {QStringLiteral("集市店"), QStringLiteral("天猫店")},
             QStringLiteral("集市店"));
    addCaption(output, QRect(116, 28, 44, 22), QStringLiteral("宽度："));
    addLabel(output, QStringLiteral("lbl2"), QRect(160, 28, 40, 22), QStringLiteral("950"));
    addCaption(output, QRect(204, 28, 90, 22), QStringLiteral("高度：242px"));
    addCaption(output, QRect(300, 28, 98, 22), QStringLiteral("高亮文字颜色："));
    addEdit(output, QStringLiteral("edt6"), QRect(398, 26, 90, 24), QStringLiteral("#00A5C5"));
    colorField(QStringLiteral("edt6"));
    addButton(output, QStringLiteral("btn1"), QRect(520, 20, 120, 36), QStringLiteral("提取代码"));

    QGroupBox* texts = addGroup(this, QStringLiteral("grp2"), QRect(10, 234, 657, 190), QStringLiteral("文字信息"));
    const struct {
        QString caption, title, memo, titleValue;
        QStringList lines;
    } columns[] = {
        {QStringLiteral("左："), QStringLiteral("edt1"), QStringLiteral("mmo1"), QStringLiteral("发货时间"),
         {QStringLiteral("16点前下单当日发货，16点"), QStringLiteral("后下单次日发货。")}},
        {QStringLiteral("中："), QStringLiteral("edt2"), QStringLiteral("mmo2"), QStringLiteral("关于快递"),
         {QStringLiteral("默认发顺丰快递，港澳台地"), QStringLiteral("区不发货。")}},
        {QStringLiteral("右："), QStringLiteral("edt3"), QStringLiteral("mmo3"), QStringLiteral("关于退换货"),
         {QStringLiteral("本店支持七天无理由退换货"), QStringLiteral("政策。")}},
    };
    int x = 12;
    for (const auto& c : columns) {
        addCaption(texts, QRect(x, 26, 28, 22), c.caption);
        addEdit(texts, c.title, QRect(x + 28, 24, 170, 24), c.titleValue);
        addMemo(texts, c.memo, QRect(x, 56, 198, 120), c.lines);
        x += 214;
    }

    QGroupBox* favourite =
        addGroup(this, QStringLiteral("grp3"), QRect(10, 430, 657, 100), QStringLiteral("收藏我们"));
    addCaption(favourite, QRect(12, 28, 70, 22), QStringLiteral("收藏链接："));
    addEdit(favourite, QStringLiteral("edt4"), QRect(82, 26, 560, 24), QStringLiteral("#"));
    addCaption(favourite, QRect(12, 62, 70, 22), QStringLiteral("背景图："));
    addEdit(favourite, QStringLiteral("edt5"), QRect(82, 60, 560, 24), kAnimatedFooter);

    addOutputMemo(QStringLiteral("mmo4"), {QStringLiteral("mmo4")});

    on(QStringLiteral("cbb1Change"), [this] {
        setText(QStringLiteral("lbl2"), text(QStringLiteral("cbb1")) == QStringLiteral("集市店")
                                            ? QStringLiteral("950")
                                            : QStringLiteral("990"));
    });
    on(QStringLiteral("btn1Click"), [this] { deliver(QStringLiteral("mmo4"), snippet(), core::kCopiedForShop); });
}

QString TFrmdonghuadibu::snippet() const {
    // A 150 px text over the picture: its title in the highlight colour, then
    // its text. The middle one has a blank after its opening, the right one
    // after its title.
    auto textBlock = [this](const QString& margin, const QString& afterOpening, const char* title,
                            const QString& afterTitle, const char* memo) {
        return QStringLiteral("<div style=\"width:150px; height:100px;margin-left:") + margin +
               QStringLiteral("px; font-size:14px; line-height:20px; float:left\">") + afterOpening +
               QStringLiteral("<div style=\"font-weight:700; line-height:35px; color:") + text(QStringLiteral("edt6")) +
               QStringLiteral("\">") + text(QString::fromLatin1(title)) + QStringLiteral("：</div>") + afterTitle +
               QStringLiteral("<div>") + text(QString::fromLatin1(memo)) + QStringLiteral("</div>") +
               QStringLiteral("</div>");
    };
    QString out = QStringLiteral("<div style=\"width:") + text(QStringLiteral("lbl2")) +
                  QStringLiteral("px; height: 241px; background-image: url(") + text(QStringLiteral("edt5")) +
                  QStringLiteral("); color:#666\">");
    out += QStringLiteral("<div style=\"height:100px;\">") +
           textBlock(QStringLiteral("235"), {}, "edt1", {}, "mmo1");
    out += QStringLiteral("<a style=\"text-decoration:none\" href=\"#\" target=\"_blank\">") +
           QStringLiteral("<div style=\"width:110px; height:100px;margin-left:415px; font-size:14px; "
                          "line-height:100px; float:left;font-weight:700; text-align:center;color:#000\">【 返回顶部 "
                          "】</div></a>") +
           QStringLiteral("</div>");
    out += QStringLiteral("<div style=\"height:100px;\">") +
           textBlock(QStringLiteral("260"), QStringLiteral(" "), "edt2", {}, "mmo2");
    out += textBlock(QStringLiteral("230"), {}, "edt3", QStringLiteral(" "), "mmo3");
    out += QStringLiteral("<a href=\"") + text(QStringLiteral("edt4")) +
           QStringLiteral("\" target=\"_blank\"><div style=\"width:100px; "
                          "height:100px;margin-left:30px;float:left\"></div></a>") +
           QStringLiteral("</div>") + QStringLiteral("</div>");
    return out;
}

QINGWU_WINDOW(Tfrmdbdm, {.order = 710,
                         .tile = core::Tile{.page = u"tstuiyi1",
                                            .row = 3,
                                            .column = 1,
                                            .image = u"img32",
                                            .caption = u"底部信息"},
                         .preview = core::ShopPreview{.place = core::Place::Home, .shopType = u"cbb1"}})
QINGWU_WINDOW(TFrmdonghuadibu,
              {.order = 700,
               .tile = core::Tile{.page = u"tstuiyi1",
                                  .row = 2,
                                  .column = 3,
                                  .image = u"img103",
                                  .caption = u"动态底部信息"},
               .preview = core::ShopPreview{.place = core::Place::Home, .shopType = u"cbb1"}})

} // namespace generators
