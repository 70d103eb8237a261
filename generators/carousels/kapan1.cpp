#include "generators/carousels/kapan1.h"

#include "core/messages.h"
#include "core/preview.h"
#include "core/registry.h"
#include "generators/carousels/widgets.h"

#include <QGroupBox>
#include <QTabWidget>

namespace generators {

namespace {

// The fields of card k (1-based) in order: picture, title, subtitle, price
// text, reason, buy link.
enum CardField { Picture, Title, Subtitle, Price, Reason, Link };

QString cardField(int k, CardField f) {
    return QStringLiteral("edt%1").arg(6 * (k - 1) + 1 + f);
}

// The input's list of a kind of card field.
QStringList& cardList(Kapan1Input& in, CardField f) {
    QStringList* lists[] = {&in.pictures, &in.titles, &in.subtitles, &in.prices, &in.reasons, &in.links};
    return *lists[f];
}

// The carousel, held by lbl4.
const QString kWidget = widgets::carousel(QStringLiteral("kavri_cont"), QStringLiteral("kavri_nav"));

const QString kTabs[] = {QStringLiteral("第一张"), QStringLiteral("第二张"), QStringLiteral("第三张"),
                         QStringLiteral("第四张"), QStringLiteral("第五张")};

} // namespace

Tfrmkapan1::Tfrmkapan1()
    : CarouselForm(QStringLiteral("Tfrmkapan1"), QStringLiteral("五图卡盘轮播")) {
    setClientSize(708, 508);
    Kapan1Input defaults;

    QGroupBox* settings =
        addGroup(this, QStringLiteral("grp1"), QRect(8, 8, 692, 64), QStringLiteral("参数设定"));
    addCaption(settings, QRect(10, 28, 70, 22), QStringLiteral("店铺类型："));
    addShopType(settings, QRect(80, 26, 90, 24),
                {{QStringLiteral("lbl2"), QStringLiteral("950"), QStringLiteral("990")},
                 {QStringLiteral("lbl3"), QStringLiteral("402"), QStringLiteral("402")}});
    addCaption(settings, QRect(184, 28, 70, 22), QStringLiteral("按钮文字："));
    addEdit(settings, QStringLiteral("edt32"), QRect(254, 26, 90, 24), defaults.buttonText);
    addCaption(settings, QRect(358, 28, 70, 22), QStringLiteral("按钮底色："));
    addEdit(settings, QStringLiteral("edt33"), QRect(428, 26, 80, 24), defaults.buttonColour);
    addButton(settings, QStringLiteral("btn1"), QRect(560, 20, 120, 34), QStringLiteral("生成/提取"));

    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("pgc1"));
    pages->setGeometry(8, 80, 692, 420);
    auto* reference = new QWidget;
    reference->setObjectName(QStringLiteral("ts1"));
    pages->addTab(reference, QStringLiteral("参照图"));
    core::addPreviewPicture(reference, QRect(8, 8, 670, 370), QStringLiteral("五图卡盘轮播"));
    const QString captions[] = {QStringLiteral("图片地址："), QStringLiteral("大标题："),
                                QStringLiteral("小标题："),   QStringLiteral("价格文字："),
                                QStringLiteral("推荐理由："), QStringLiteral("购买链接：")};
    for (int k = 1; k <= 5; ++k) {
        auto* card = new QWidget;
        card->setObjectName(QStringLiteral("ts%1").arg(k + 1));
        pages->addTab(card, kTabs[k - 1]);
        for (int f = Picture; f <= Link; ++f) {
            const int y = 16 + 44 * f;
            addCaption(card, QRect(12, y, 80, 22), captions[f]);
            addEdit(card, cardField(k, CardField(f)), QRect(92, y, 580, 24),
                    cardList(defaults, CardField(f))[k - 1]);
        }
    }

    // Width, height and the output memo lie outside the client area.
    addHolder(QStringLiteral("lbl2"), defaults.width);
    addHolder(QStringLiteral("lbl3"), defaults.height);
    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});
    addHolder(QStringLiteral("lbl4"), kWidget);

    on(QStringLiteral("btn1Click"),
       [this] { deliver(QStringLiteral("mmo1"), kapan1Snippet(input()), core::kCopiedForShop); });
}

Kapan1Input::Kapan1Input()
    : titles(5, QStringLiteral("新春年夜饭"))
    , subtitles(5, QStringLiteral("自定义一下宝贝的标题信息"))
    , prices(5, QStringLiteral("特惠价：59.00 | 已累计售出 200 件"))
    , reasons(5, QStringLiteral("推荐理由：简单易学心情不错在写两句，随便来点,别超过一行！"))
    , links(5, QStringLiteral("#")) {
    for (int k = 1; k <= 5; ++k)
        pictures << widgets::samplePicture(QStringLiteral("card-370-%1.jpg").arg(k));
}

Kapan1Input Tfrmkapan1::input() const {
    Kapan1Input in;
    in.width = text(QStringLiteral("lbl2"));
    in.height = text(QStringLiteral("lbl3"));
    in.buttonText = text(QStringLiteral("edt32"));
    in.buttonColour = text(QStringLiteral("edt33"));
    for (int k = 1; k <= 5; ++k)
        for (int f = Picture; f <= Link; ++f)
            cardList(in, CardField(f))[k - 1] = text(cardField(k, CardField(f)));
    return in;
}

QString kapan1Snippet(const Kapan1Input& in) {
    const QString& t = in.width;
    const QString& h = in.height;
    const QString& button = in.buttonText;
    const QString& colour = in.buttonColour;
    const QString card = QStringLiteral("<div style=\"width:") + t + QStringLiteral("px; height:") + h +
                         QStringLiteral("px;font-family:Microsoft Yahei; border:1px solid  "
                                        "#E0E0E0;color:#333;background-color:#fff\">");

    QString out = kWidget;
    out += QStringLiteral("<div style=\"width:") + t + QStringLiteral("px; height:") + h +
           QStringLiteral("px; overflow:hidden\"><div class=\"kavri_cont\">");
    for (int k = 1; k <= 5; ++k) {
        out += card;
        out +=
            QStringLiteral("<div style=\"width:370px; height:370px; margin:15px; float:left\"><img src=\"") +
            in.pictures[k - 1] + QStringLiteral("\" width=\"370\" height=\"370\" ></div>");
        out += QStringLiteral("<div style=\"width:502px; height:370px; margin:15px; float:right\">");
        out += QStringLiteral("<div style=\"height:80px; border-bottom:#666 1px dashed; line-height:80px; "
                              "font-size:30px; font-weight:700\">") +
               in.titles[k - 1];
        out += QStringLiteral("</div><div style=\"height:40px;line-height:60px; font-size:15px; \">") +
               in.subtitles[k - 1];
        out += QStringLiteral("</div><div style=\"height:35px;line-height:35px; font-size:15px;\">") +
               in.prices[k - 1];
        out += QStringLiteral(
                   "</div><div style=\"height:40px;line-height:40px; font-size:12px; margin-top:20px; "
                   "color:#999\">") +
               in.reasons[k - 1];
        out += QStringLiteral("</div><a style=\"color:#fff\" href=\"") + in.links[k - 1] +
               QStringLiteral("\" target=\"_blank\"><div style=\"height:40px;line-height:40px; "
                              "font-size:16px;width:190px;;  background-color:") +
               colour + QStringLiteral("; text-align:center\">") + button +
               QStringLiteral("</div></a></div></div>");
    }
    out += QStringLiteral("</div></div>");

    // The thumbnails, 85 px and 19 px apart, trigger the cards; they sit at
    // the same offset for either shop type.
    out += QStringLiteral("<div style=\"position:relative; left:435px; top:-100px; float:left; height:85px; "
                          "width:502px; margin-right:15px;\"><div class=\"kavri_nav\">");
    for (int k = 1; k <= 5; ++k)
        out += QStringLiteral("<div style=\"width:85px; height:85px; ") +
               (k < 5 ? QStringLiteral("margin-right:19px; ") : QString()) +
               QStringLiteral("float:left\"><img src=\"") + in.pictures[k - 1] +
               QStringLiteral("\" width=\"85\" height=\"85\" ></div>");
    out += QStringLiteral("</div></div></div>");
    return out;
}

QINGWU_WINDOW(
    Tfrmkapan1,
    {.order = 420,
     .tile = core::Tile{.page = u"ts8", .row = 1, .column = 1, .image = u"img46", .caption = u"五图卡盘轮播"},
     .preview = core::ShopPreview{.place = core::Place::Home, .shopType = u"cbb1"},
     .sample = [] { return kapan1Snippet(Kapan1Input()); }})

} // namespace generators
