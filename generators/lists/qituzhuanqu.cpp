#include "generators/lists/qituzhuanqu.h"

#include "core/messages.h"
#include "core/preview.h"
#include "core/registry.h"
#include "core/text.h"
#include "generators/lists/productlists.h"

#include <QGroupBox>
#include <QPushButton>

namespace generators {

namespace {

// The margins of picture k: the second and third of a row keep 10 px to the
// left, the rows after the first 10 px to the top.
QString margin(int k) {
    static const QString margins[] = {QString(),
                                      QStringLiteral("; margin-left:10px;"),
                                      QStringLiteral("; margin-left:10px;"),
                                      QStringLiteral("; margin-top:10px;"),
                                      QStringLiteral("; margin-top:10px;"),
                                      QStringLiteral("; margin-left:10px;margin-top:10px;"),
                                      QStringLiteral("; margin-left:10px;margin-top:10px;")};
    return margins[k - 1];
}

} // namespace

QituzhuanquInput::QituzhuanquInput()
    : text(core::joinLines({QStringLiteral("纯棉T恤柔软透气，简约的版型搭配清新的色彩，"),
                            QStringLiteral("无论上班还是出游都能轻松穿出青春活力，"),
                            QStringLiteral("多款新品限时特惠中。")})) {
    for (int k = 1; k <= 7; ++k) {
        pictures << lists::samplePicture(QStringLiteral("seven-zone-%1.jpg").arg(k));
        links << QStringLiteral("#");
    }
}

Tfrmqituzhuanqu::Tfrmqituzhuanqu()
    : hover::HoverForm(QStringLiteral("Tfrmqituzhuanqu"), QStringLiteral("七图专区版")) {
    setClientSize(720, 520);
    const QituzhuanquInput defaults;
    core::addPreviewPicture(this, QRect(0, 0, 720, 90), QStringLiteral("七图专区"));

    QGroupBox* pictures =
        addGroup(this, QStringLiteral("grp2"), QRect(8, 96, 704, 250), QStringLiteral("图片参数"));
    for (int k = 1; k <= 7; ++k) {
        const int y = 20 + 32 * (k - 1);
        addCaption(pictures, QRect(10, y + 2, 80, 22), QStringLiteral("图片%1地址：").arg(k));
        addEdit(pictures, hover::tilePictureField(k), QRect(90, y, 380, 24), defaults.pictures[k - 1]);
        addCaption(pictures, QRect(480, y + 2, 66, 22), QStringLiteral("链接地址："));
        addEdit(pictures, hover::tileLinkField(k), QRect(546, y, 148, 24), defaults.links[k - 1]);
    }

    QGroupBox* zone =
        addGroup(this, QStringLiteral("grp3"), QRect(8, 352, 704, 100), QStringLiteral("专区参数"));
    addCaption(zone, QRect(10, 22, 80, 22), QStringLiteral("大标题信息："));
    addEdit(zone, QStringLiteral("edt15"), QRect(90, 20, 250, 24), defaults.title);
    addCaption(zone, QRect(350, 22, 66, 22), QStringLiteral("链接地址："));
    addEdit(zone, QStringLiteral("edt16"), QRect(416, 20, 278, 24), defaults.zoneLink);
    addCaption(zone, QRect(10, 50, 80, 22), QStringLiteral("副标题信息："));
    addMemo(zone, QStringLiteral("mmo1"), QRect(90, 48, 604, 46), core::textLines(defaults.text));

    QGroupBox* output =
        addGroup(this, QStringLiteral("grp1"), QRect(8, 458, 704, 56), QStringLiteral("输出"));
    addShopCombo(output, QRect(10, 22, 80, 24));
    addShopSizes(output, QPoint(100, 24), 1,
                 {{QStringLiteral("lbl2"), defaults.pictureWidth, QStringLiteral("323"),
                   QStringLiteral("图片宽度：")}});
    addHiddenShopSizes({{QStringLiteral("lbl5"), defaults.width, QStringLiteral("990"), QString()}});
    addCaption(output, QRect(220, 24, 110, 22), QStringLiteral("图片高度：400px"));
    QWidget* reference =
        addButton(output, QStringLiteral("btn2"), QRect(470, 16, 100, 34), QStringLiteral("参照图"));
    addButton(output, QStringLiteral("btn1"), QRect(590, 16, 104, 34), QStringLiteral("提取代码"));
    addReferencePanel(reference, output, QRect(60, 60, 600, 380), QStringLiteral("七图专区"));
    addOutputMemo(QStringLiteral("mmo2"), {QStringLiteral("mmo2")});

    on(QStringLiteral("btn1Click"),
       [this] { deliver(QStringLiteral("mmo2"), qituzhuanquSnippet(input()), core::kCopiedForShop); });
}

QituzhuanquInput Tfrmqituzhuanqu::input() const {
    QituzhuanquInput in;
    in.width = text(QStringLiteral("lbl5"));
    in.pictureWidth = text(QStringLiteral("lbl2"));
    for (int k = 1; k <= 7; ++k) {
        in.pictures[k - 1] = text(hover::tilePictureField(k));
        in.links[k - 1] = text(hover::tileLinkField(k));
    }
    in.title = text(QStringLiteral("edt15"));
    in.text = text(QStringLiteral("mmo1"));
    in.zoneLink = text(QStringLiteral("edt16"));
    return in;
}

QString qituzhuanquSnippet(const QituzhuanquInput& in) {
    const QString& w = in.pictureWidth;
    auto picture = [&](int k) {
        return QStringLiteral("<div style=\"width:") + w + QStringLiteral("px; height:400px; float:left") +
               margin(k) + QStringLiteral("\">") + QStringLiteral("<a href=\"") + in.links[k - 1] +
               QStringLiteral("\" target=\"_blank\"><img style=\"border:0px\"  src=\"") + in.pictures[k - 1] +
               QStringLiteral("\" alt=\" \"") +
               (k == 2 ? QString() : QStringLiteral(" width=\"") + w + QStringLiteral("\"")) +
               QStringLiteral(" height=\"400\"/></a></div>");
    };
    const QString zone =
        QStringLiteral(
            "<div style=\"width:630px; height:400px; float:left; margin-left:10px;margin-top:10px; "
            "background-color: #EAEAEA\">") +
        QStringLiteral("<div style=\" font-family:Microsoft Yahei; font-size:36px; line-height:100px; "
                       "border-bottom:#CCC 1px solid;margin:20px;\">") +
        in.title + QStringLiteral("</div>") +
        QStringLiteral(
            "<div style=\" font-family:Microsoft Yahei; font-size:14px; line-height:30px; padding:10px "
            "20px;\">") +
        in.text + QStringLiteral("</div>") + QStringLiteral("<a style=\"text-decoration:none\" href=\"") +
        in.zoneLink + QStringLiteral("\" target=\"_blank\">") +
        QStringLiteral("<div style=\" font-family:Microsoft Yahei; font-size:16px; "
                       "line-height:40px;background-color:#F30; "
                       "color:#FFF; width:150px; text-align:center; margin-left:22px; "
                       "margin-top:15px;\">进入专区</div></a>") +
        QStringLiteral("</div>");
    return QStringLiteral("<div style=\"width:") + in.width +
           QStringLiteral("px; height:1220px; color:#333\">") + picture(1) + picture(2) + picture(3) +
           picture(4) + zone + picture(5) + picture(6) + picture(7) + QStringLiteral("</div>");
}

QINGWU_WINDOW(
    Tfrmqituzhuanqu,
    {.order = 630,
     .tile = core::Tile{.page = u"ts6", .row = 5, .column = 1, .image = u"img59", .caption = u"七图专区"},
     .preview = core::ShopPreview{.place = core::Place::Home, .shopType = u"cbb1"},
     .sample = [] { return qituzhuanquSnippet(QituzhuanquInput()); }})

} // namespace generators
