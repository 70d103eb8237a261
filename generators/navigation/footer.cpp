#include "generators/navigation/footer.h"

#include "core/messages.h"
#include "core/platform.h"
#include "core/preview.h"
#include "core/registry.h"
#include "core/text.h"
#include "generators/navigation/navigation.h"

#include <QGroupBox>

namespace generators {

namespace {

// The four links of the footer as (address, text).
const char* const kLinks[4][2] = {{"edt9", "edt8"}, {"edt11", "edt10"}, {"edt14", "edt12"}, {"edt15", "edt13"}};

} // namespace

Tfrmdbdm::Tfrmdbdm()
    : core::Form(QStringLiteral("Tfrmdbdm"), QStringLiteral("底部信息")) {
    setClientSize(800, 597);
    const DbdmInput defaults;
    core::addPreviewPicture(this, QRect(10, 8, 780, 120), QStringLiteral("底部信息"));

    QGroupBox* global =
        addGroup(this, QStringLiteral("grp1"), QRect(10, 134, 780, 60), QStringLiteral("全局参数"));
    const QString themes[] = {QStringLiteral("红色系"), QStringLiteral("蓝色系"), QStringLiteral("灰色系"),
                              QStringLiteral("粉色系")};
    for (int i = 0; i < 4; ++i)
        addRadio(global, QStringLiteral("rb%1").arg(i + 1), QRect(12 + 76 * i, 24, 72, 24), themes[i]);
    addCaption(global, QRect(330, 26, 70, 22), QStringLiteral("自定义色："));
    addEdit(global, QStringLiteral("edt7"), QRect(400, 24, 90, 24), defaults.theme);
    addButton(global, QStringLiteral("btn1"), QRect(520, 18, 116, 34), QStringLiteral("生成代码"));
    addButton(global, QStringLiteral("btn3"), QRect(648, 18, 116, 34), QStringLiteral("复制代码"));

    QGroupBox* links = addGroup(this, QStringLiteral("grp2"), QRect(10, 200, 780, 90), QStringLiteral("底部链接"));
    const QPoint linkPlaces[] = {{100, 24}, {100, 56}, {490, 24}, {490, 56}};
    addCaption(links, QRect(12, 26, 88, 22), QStringLiteral("①②标签链接："));
    addCaption(links, QRect(402, 26, 88, 22), QStringLiteral("③④标签链接："));
    for (int i = 0; i < 4; ++i) {
        const QPoint at = linkPlaces[i];
        addEdit(links, QString::fromLatin1(kLinks[i][1]), QRect(at.x(), at.y(), 100, 24), defaults.linkTexts[i]);
        addEdit(links, QString::fromLatin1(kLinks[i][0]), QRect(at.x() + 106, at.y(), 170, 24),
                defaults.linkAddresses[i]);
    }

    QGroupBox* columns =
        addGroup(this, QStringLiteral("grp3"), QRect(10, 296, 780, 170), QStringLiteral("信息栏目"));
    for (int k = 1; k <= 4; ++k) {
        const int x = 12 + 190 * (k - 1);
        addEdit(columns, QStringLiteral("edt%1").arg(k), QRect(x, 24, 180, 24), defaults.titles[k - 1]);
        addMemo(columns, QStringLiteral("mmo%1").arg(k), QRect(x, 54, 180, 104),
                core::textLines(defaults.texts[k - 1]));
    }

    QGroupBox* buttons =
        addGroup(this, QStringLiteral("grp4"), QRect(10, 472, 780, 100), QStringLiteral("图片按钮"));
    const struct {
        QString caption, name, value;
        int x, y;
    } buttonFields[] = {{QStringLiteral("收藏店铺："), QStringLiteral("edt5"), defaults.favouritePicture, 12, 26},
                        {QStringLiteral("返回图片："), QStringLiteral("edt6"), defaults.backPicture, 12, 60},
                        {QStringLiteral("收藏链接："), QStringLiteral("edt16"), defaults.favouriteLink, 402, 26},
                        {QStringLiteral("店铺地址："), QStringLiteral("edt17"), defaults.shopLink, 402, 60}};
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
        setText(QStringLiteral("mmo5"), dbdmSnippet(input()));
        core::platform().information(this, QStringLiteral("代码生成完毕"));
    });
    on(QStringLiteral("btn3Click"), [this] {
        if (!needOutput(QStringLiteral("mmo5"), QStringLiteral("请先点击生成代码，再复制代码！"))) return;
        copyOut(QStringLiteral("mmo5"), navigation::kCopiedShort);
    });
}

DbdmInput Tfrmdbdm::input() const {
    DbdmInput in;
    in.theme = text(QStringLiteral("edt7"));
    for (int i = 0; i < 4; ++i) {
        in.linkAddresses[i] = text(QString::fromLatin1(kLinks[i][0]));
        in.linkTexts[i] = text(QString::fromLatin1(kLinks[i][1]));
        in.titles[i] = text(QStringLiteral("edt%1").arg(i + 1));
        in.texts[i] = text(QStringLiteral("mmo%1").arg(i + 1));
    }
    in.favouritePicture = text(QStringLiteral("edt5"));
    in.backPicture = text(QStringLiteral("edt6"));
    in.favouriteLink = text(QStringLiteral("edt16"));
    in.shopLink = text(QStringLiteral("edt17"));
    return in;
}

QString dbdmSnippet(const DbdmInput& in) {
    const QString& theme = in.theme;
    QString out = QStringLiteral("<div style=\" clear:both; overflow:hidden; color:#444\"><div style=\"height:28px; "
                                 "line-height:28px; background:#FFF; text-align:center; border-top:1px dashed #999\">");
    for (int i = 0; i < 4; ++i)
        out += QStringLiteral("<a style=\"padding:0 10px;color:") + theme +
               QStringLiteral("\" target=\"_blank\" href=\"") + in.linkAddresses.value(i) + QStringLiteral("\">") +
               in.linkTexts.value(i) + QStringLiteral("</a>");
    out += QStringLiteral("</div>");
    out += QStringLiteral("<div style=\"clear:both; overflow:hidden; text-align:left;background:#FFF;zoom:1;"
                          "border-bottom:1px solid #E7E7E7;border-top:1px dashed #999; padding:10px 0\">");
    for (int k = 0; k < 4; ++k)
        out += QStringLiteral("<dl style=\" width:190px;float:left; overflow:hidden; border-right:1px dashed "
                              "#E7E7E7\"><dt style=\"color:") +
               theme + QStringLiteral(";padding:10px 0 10px 15px;\"><b>") + in.titles.value(k) +
               QStringLiteral("</b></dt><dd style=\"padding:0 15px 10px 15px; line-height:18px; "
                              "color:#999;font-size:14px\">") +
               in.texts.value(k) + QStringLiteral("</dd></dl>");
    out += QStringLiteral("<dl style=\" padding:10px 0 0 12px; float:left;\"><dd style=\"float:right;\"><a "
                          "style=\"display:block;width:75px; height:75px; background:url(") +
           in.backPicture + QStringLiteral(") no-repeat\" href=\"") + in.shopLink +
           QStringLiteral("\" target=\"_blank\"></a></dd><dd style=\"float:right\"><a "
                          "style=\"display:block;width:75px; height:75px; background:") +
           theme + QStringLiteral("  url(") + in.favouritePicture + QStringLiteral(") no-repeat\" href=\"") +
           in.favouriteLink + QStringLiteral("\"></a></dd></dl></div></div></a>");
    return out;
}

TFrmdonghuadibu::TFrmdonghuadibu()
    : core::Form(QStringLiteral("TFrmdonghuadibu"), QStringLiteral("动态GIF底部信息")) {
    setClientSize(677, 560);
    const DonghuadibuInput defaults;
    core::addPreviewPicture(this, QRect(10, 8, 657, 150), QStringLiteral("动态GIF底部信息"));

    QGroupBox* output = addGroup(this, QStringLiteral("grp1"), QRect(10, 164, 657, 64), QStringLiteral("输出"));
    addCombo(output, QStringLiteral("cbb1"), QRect(12, 26, 90, 24), {QStringLiteral("集市店"), QStringLiteral("天猫店")},
             QStringLiteral("集市店"));
    addCaption(output, QRect(116, 28, 44, 22), QStringLiteral("宽度："));
    addLabel(output, QStringLiteral("lbl2"), QRect(160, 28, 40, 22), defaults.width);
    addCaption(output, QRect(204, 28, 90, 22), QStringLiteral("高度：242px"));
    addCaption(output, QRect(300, 28, 98, 22), QStringLiteral("高亮文字颜色："));
    addEdit(output, QStringLiteral("edt6"), QRect(398, 26, 90, 24), defaults.highlight);
    colorField(QStringLiteral("edt6"));
    addButton(output, QStringLiteral("btn1"), QRect(520, 20, 120, 36), QStringLiteral("提取代码"));

    QGroupBox* texts = addGroup(this, QStringLiteral("grp2"), QRect(10, 234, 657, 190), QStringLiteral("文字信息"));
    const QString captions[] = {QStringLiteral("左："), QStringLiteral("中："), QStringLiteral("右：")};
    for (int k = 1; k <= 3; ++k) {
        const int x = 12 + 214 * (k - 1);
        addCaption(texts, QRect(x, 26, 28, 22), captions[k - 1]);
        addEdit(texts, QStringLiteral("edt%1").arg(k), QRect(x + 28, 24, 170, 24), defaults.titles[k - 1]);
        addMemo(texts, QStringLiteral("mmo%1").arg(k), QRect(x, 56, 198, 120),
                core::textLines(defaults.texts[k - 1]));
    }

    QGroupBox* favourite =
        addGroup(this, QStringLiteral("grp3"), QRect(10, 430, 657, 100), QStringLiteral("收藏我们"));
    addCaption(favourite, QRect(12, 28, 70, 22), QStringLiteral("收藏链接："));
    addEdit(favourite, QStringLiteral("edt4"), QRect(82, 26, 560, 24), defaults.favouriteLink);
    addCaption(favourite, QRect(12, 62, 70, 22), QStringLiteral("背景图："));
    addEdit(favourite, QStringLiteral("edt5"), QRect(82, 60, 560, 24), defaults.background);

    addOutputMemo(QStringLiteral("mmo4"), {QStringLiteral("mmo4")});

    on(QStringLiteral("cbb1Change"), [this] {
        setText(QStringLiteral("lbl2"), text(QStringLiteral("cbb1")) == QStringLiteral("集市店")
                                            ? QStringLiteral("950")
                                            : QStringLiteral("990"));
    });
    on(QStringLiteral("btn1Click"), [this] { deliver(QStringLiteral("mmo4"), donghuadibuSnippet(input()), core::kCopiedForShop); });
}

DonghuadibuInput TFrmdonghuadibu::input() const {
    DonghuadibuInput in;
    in.width = text(QStringLiteral("lbl2"));
    in.highlight = text(QStringLiteral("edt6"));
    for (int k = 1; k <= 3; ++k) {
        in.titles[k - 1] = text(QStringLiteral("edt%1").arg(k));
        in.texts[k - 1] = text(QStringLiteral("mmo%1").arg(k));
    }
    in.favouriteLink = text(QStringLiteral("edt4"));
    in.background = text(QStringLiteral("edt5"));
    return in;
}

QString donghuadibuSnippet(const DonghuadibuInput& in) {
    // A 150 px text over the picture: its title in the highlight colour, then
    // its text. The middle one has a blank after its opening, the right one
    // after its title.
    auto textBlock = [&in](const QString& margin, const QString& afterOpening, int k, const QString& afterTitle) {
        return QStringLiteral("<div style=\"width:150px; height:100px;margin-left:") + margin +
               QStringLiteral("px; font-size:14px; line-height:20px; float:left\">") + afterOpening +
               QStringLiteral("<div style=\"font-weight:700; line-height:35px; color:") + in.highlight +
               QStringLiteral("\">") + in.titles.value(k) + QStringLiteral("：</div>") + afterTitle +
               QStringLiteral("<div>") + in.texts.value(k) + QStringLiteral("</div>") +
               QStringLiteral("</div>");
    };
    QString out = QStringLiteral("<div style=\"width:") + in.width +
                  QStringLiteral("px; height: 241px; background-image: url(") + in.background +
                  QStringLiteral("); color:#666\">");
    out += QStringLiteral("<div style=\"height:100px;\">") +
           textBlock(QStringLiteral("235"), {}, 0, {});
    out += QStringLiteral("<a style=\"text-decoration:none\" href=\"#\" target=\"_blank\">") +
           QStringLiteral("<div style=\"width:110px; height:100px;margin-left:415px; font-size:14px; "
                          "line-height:100px; float:left;font-weight:700; text-align:center;color:#000\">【 返回顶部 "
                          "】</div></a>") +
           QStringLiteral("</div>");
    out += QStringLiteral("<div style=\"height:100px;\">") +
           textBlock(QStringLiteral("260"), QStringLiteral(" "), 1, {});
    out += textBlock(QStringLiteral("230"), {}, 2, QStringLiteral(" "));
    out += QStringLiteral("<a href=\"") + in.favouriteLink +
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
                         .preview = core::ShopPreview{.place = core::Place::Home},
                         .sample = [] { return dbdmSnippet(DbdmInput()); }})
QINGWU_WINDOW(TFrmdonghuadibu,
              {.order = 700,
               .tile = core::Tile{.page = u"tstuiyi1",
                                  .row = 2,
                                  .column = 3,
                                  .image = u"img103",
                                  .caption = u"动态底部信息"},
               .preview = core::ShopPreview{.place = core::Place::Home, .shopType = u"cbb1"},
               .sample = [] { return donghuadibuSnippet(DonghuadibuInput()); }})

} // namespace generators
