#include "generators/lists/xijiewutu.h"

#include "core/messages.h"
#include "core/preview.h"
#include "core/registry.h"
#include "core/text.h"
#include "generators/lists/productlists.h"

#include <QGroupBox>

namespace generators {

namespace {

// The caption bar pulled up over the bottom of a small picture.
const QString kCaptionBar =
    QStringLiteral("<div style=\"position:relative; left:auto; top:-40px; line-height:40px; "
                   "background-color:#000; color:#FFF; "
                   "text-align:center; font-size:14px;filter:alpha(Opacity=70); opacity: 0.7; \">");

} // namespace

XijiewutuInput::XijiewutuInput()
    : picture(lists::samplePicture(QStringLiteral("detail-large.jpg")))
    , captions({QStringLiteral("时尚肩带设计"), QStringLiteral("精致衣角设计"), QStringLiteral("时尚衣橱")})
    , body(core::joinLines(
          {QStringLiteral("新疆长绒棉纤维细长，手感柔软顺滑，"), QStringLiteral("透气吸汗，久穿不起球。")})) {
    for (int i = 1; i <= 3; ++i)
        smallPictures << lists::samplePicture(QStringLiteral("detail-small-%1.jpg").arg(i));
}

Tfrmxijiewutu::Tfrmxijiewutu()
    : core::Form(QStringLiteral("Tfrmxijiewutu"), QStringLiteral("细节五图单链接")) {
    setClientSize(700, 520);
    const XijiewutuInput defaults;
    core::addPreviewPicture(this, QRect(0, 0, 700, 110), QStringLiteral("细节五图"));

    QGroupBox* settings =
        addGroup(this, QStringLiteral("grp2"), QRect(8, 116, 684, 56), QStringLiteral("参数设置"));
    addCombo(settings, QStringLiteral("cbb1"), QRect(10, 22, 80, 24),
             {QStringLiteral("集市店"), QStringLiteral("天猫店")}, QStringLiteral("集市店"));
    const struct {
        const char* name;
        QString caption, value;
    } sizes[] = {{"lbl1", QStringLiteral("总宽度："), defaults.width},
                 {"lbl2", QStringLiteral("左图宽度："), defaults.leftWidth},
                 {"lbl4", QStringLiteral("左图高度："), QStringLiteral("500")}};
    for (int i = 0; i < 3; ++i) {
        addCaption(settings, QRect(100 + 120 * i, 24, 70, 22), sizes[i].caption);
        addLabel(settings, QString::fromLatin1(sizes[i].name), QRect(170 + 120 * i, 24, 40, 22),
                 sizes[i].value);
    }
    addCaption(settings, QRect(470, 24, 150, 22), QStringLiteral("小图尺寸：245*245"));

    QGroupBox* pictures =
        addGroup(this, QStringLiteral("grp3"), QRect(8, 178, 684, 150), QStringLiteral("图片参数"));
    addCaption(pictures, QRect(10, 22, 76, 22), QStringLiteral("大图地址："));
    addEdit(pictures, QStringLiteral("edt1"), QRect(86, 20, 588, 24), defaults.picture);
    for (int i = 1; i <= 3; ++i) {
        const int y = 20 + 30 * i;
        addCaption(pictures, QRect(10, y + 2, 76, 22), QStringLiteral("小图地址%1：").arg(i));
        addEdit(pictures, QStringLiteral("edt%1").arg(i + 1), QRect(86, y, 440, 24),
                defaults.smallPictures[i - 1]);
        addEdit(pictures, QStringLiteral("edt%1").arg(i + 7), QRect(534, y, 140, 24),
                defaults.captions[i - 1]);
    }

    QGroupBox* texts =
        addGroup(this, QStringLiteral("grp1"), QRect(8, 334, 684, 180), QStringLiteral("输出"));
    addCaption(texts, QRect(10, 22, 76, 22), QStringLiteral("链接地址："));
    addEdit(texts, QStringLiteral("edt5"), QRect(86, 20, 588, 24), defaults.link);
    addCaption(texts, QRect(10, 52, 76, 22), QStringLiteral("文字信息："));
    addEdit(texts, QStringLiteral("edt6"), QRect(86, 50, 120, 24), defaults.heading);
    addEdit(texts, QStringLiteral("edt7"), QRect(214, 50, 200, 24), defaults.subheading);
    addCaption(texts, QRect(10, 82, 76, 22), QStringLiteral("文字说明："));
    addMemo(texts, QStringLiteral("mmo1"), QRect(86, 80, 440, 90), core::textLines(defaults.body));
    addButton(texts, QStringLiteral("btn1"), QRect(560, 130, 114, 40), QStringLiteral("提取代码"));
    addOutputMemo(QStringLiteral("mmo2"), {QStringLiteral("mmo2")});

    on(QStringLiteral("btn1Click"),
       [this] { deliver(QStringLiteral("mmo2"), xijiewutuSnippet(input()), core::kCopiedForShop); });
}

XijiewutuInput Tfrmxijiewutu::input() const {
    XijiewutuInput in;
    in.width = text(QStringLiteral("lbl1"));
    in.leftWidth = text(QStringLiteral("lbl2"));
    in.picture = text(QStringLiteral("edt1"));
    for (int i = 1; i <= 3; ++i) {
        in.smallPictures[i - 1] = text(QStringLiteral("edt%1").arg(i + 1));
        in.captions[i - 1] = text(QStringLiteral("edt%1").arg(i + 7));
    }
    in.link = text(QStringLiteral("edt5"));
    in.heading = text(QStringLiteral("edt6"));
    in.subheading = text(QStringLiteral("edt7"));
    in.body = text(QStringLiteral("mmo1"));
    return in;
}

QString xijiewutuSnippet(const XijiewutuInput& in) {
    QString out = QStringLiteral("<a style=\"text-decoration:none\" href=\"") + in.link +
                  QStringLiteral("\" target=\"_blank\">");
    out += QStringLiteral("<div style=\"width:") + in.width + QStringLiteral("px; height:500px;\">");
    out += QStringLiteral("<div style=\"width:") + in.leftWidth +
           QStringLiteral("px; height:500px; float:left\">") + QStringLiteral("<img src=\"") + in.picture +
           QStringLiteral("\" alt=\" \"/></div>");
    out += QStringLiteral(
               "<div style=\"width:245px; height:245px; float:left; margin-left:10px; overflow:hidden\">") +
           QStringLiteral("<img src=\"") + in.smallPictures[0] + QStringLiteral("\" alt=\" \"/>") +
           kCaptionBar + in.captions[0] + QStringLiteral("</div></div>");
    out += QStringLiteral(
               "<div style=\"width:245px; height:245px; float:left; margin-left:10px;overflow:hidden\"><img "
               "src=\"") +
           in.smallPictures[1] + QStringLiteral("\" alt=\" 1_08\"/>") + kCaptionBar + in.captions[1] +
           QStringLiteral("</div></div>");
    out += QStringLiteral(
               "<div style=\"width:243px; height:243px; float:left; margin-left:10px; margin-top:10px; "
               "border:#CCC 1px solid\">") +
           QStringLiteral(
               "<div style=\"width:80px;line-height:40px; font-size:18px; font-family:Microsoft Yahei; "
               "padding:20px; padding-bottom:0px; color:#333\">") +
           in.heading + QStringLiteral("</div>") +
           QStringLiteral(
               "<div style=\"height:40px;font-size:14px; font-family:Microsoft Yahei; padding-left:20px; "
               "color:#333\">") +
           in.subheading + QStringLiteral("</div>") +
           QStringLiteral("<div style=\"font-size:12px; padding:0 20px; line-height:25px; color:#999\">") +
           in.body + QStringLiteral("</div></div>");
    out += QStringLiteral("<div style=\"width:245px; height:245px; float:left; "
                          "margin-left:10px;margin-top:10px;overflow:hidden\">") +
           QStringLiteral("<img src=\"") + in.smallPictures[2] + QStringLiteral("\" alt=\" 1_09\"/>") +
           kCaptionBar + in.captions[2] + QStringLiteral("</div></div></div></a>");
    return out;
}

QINGWU_WINDOW(
    Tfrmxijiewutu,
    {.order = 640,
     .tile = core::Tile{.page = u"ts6", .row = 5, .column = 2, .image = u"img62", .caption = u"细节五图"},
     .preview = core::ShopPreview{.place = core::Place::Home, .shopType = u"cbb1"},
     .sample = [] { return xijiewutuSnippet(XijiewutuInput()); }})

} // namespace generators
