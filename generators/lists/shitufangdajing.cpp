#include "generators/lists/shitufangdajing.h"
#include "core/messages.h"

#include "core/registry.h"
#include "generators/lists/hovereffects.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace generators {

ShitufangdajingInput::ShitufangdajingInput() {
    for (int k = 1; k <= 10; ++k) {
        pictures << QStringLiteral("https://img.alicdn.com/imgextra/i1/qingwu/magnifier-%1.jpg").arg(k);
        links << QStringLiteral("#");
    }
}

Tfrmshitufangdajing::Tfrmshitufangdajing()
    : hover::HoverForm(QStringLiteral("Tfrmshitufangdajing"), QStringLiteral("十图放大镜功能")) {
    setClientSize(720, 560);
    const ShitufangdajingInput defaults;
    QGroupBox* pictures =
        addGroup(this, QStringLiteral("grp2"), QRect(8, 8, 704, 430), QStringLiteral("图片参数"));
    for (int k = 1; k <= 10; ++k) {
        const int y = 20 + 40 * (k - 1);
        addCaption(pictures, QRect(10, y, 84, 22),
                   QStringLiteral("图片%1地址：").arg(k, 2, 10, QLatin1Char('0')));
        addEdit(pictures, hover::tilePictureField(k), QRect(94, y, 330, 24), defaults.pictures[k - 1]);
        addCaption(pictures, QRect(434, y, 84, 22),
                   QStringLiteral("链接%1地址：").arg(k, 2, 10, QLatin1Char('0')));
        addEdit(pictures, hover::tileLinkField(k), QRect(518, y, 176, 24), defaults.links[k - 1]);
    }

    QGroupBox* output =
        addGroup(this, QStringLiteral("grp1"), QRect(8, 444, 704, 108), QStringLiteral("输出参数"));
    addShopCombo(output, QRect(10, 22, 80, 24));
    addShopSizes(
        output, QPoint(100, 24), 4,
        {{QStringLiteral("lbl3"), defaults.width, QStringLiteral("990"), QStringLiteral("版块宽度：")},
         {QStringLiteral("lbl4"), QStringLiteral("374"), QStringLiteral("390"), QStringLiteral("版块高度：")},
         {QStringLiteral("lbl5"), defaults.tile, QStringLiteral("190"), QStringLiteral("图片宽度：")},
         {QStringLiteral("lbl6"), QStringLiteral("182"), QStringLiteral("190"),
          QStringLiteral("图片高度：")}});
    addCaption(output, QRect(100, 56, 70, 22), QStringLiteral("放大图宽："));
    addEdit(output, QStringLiteral("edt21"), QRect(170, 54, 50, 24), defaults.zoom);
    addCaption(output, QRect(230, 56, 300, 22),
               QStringLiteral("十图放大镜，放大后图像大小可设置，设置宽，高度自动"));
    hover::styleAsLink(
        addLabel(output, QStringLiteral("lbl9"), QRect(10, 56, 60, 22), QStringLiteral("清空所有")));
    QWidget* reference =
        addButton(output, QStringLiteral("btn1"), QRect(540, 20, 70, 30), QStringLiteral("参照图"));
    addButton(output, QStringLiteral("btn2"), QRect(620, 20, 74, 30), QStringLiteral("提取代码"));

    addReferencePanel(reference, output, QRect(60, 40, 600, 380), QStringLiteral("十图放大镜功能"));
    addPopupHolders(QStringLiteral("lbl10"), QStringLiteral("lbl11"), QStringLiteral("lbl12"),
                    hover::kPopupHead);
    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});

    on(QStringLiteral("lbl9Click"), [this] {
        for (int i = 1; i <= 21; ++i)
            setText(QStringLiteral("edt%1").arg(i), QString());
    });
    on(QStringLiteral("btn2Click"),
       [this] { deliver(QStringLiteral("mmo1"), shitufangdajingSnippet(input()), core::kCopiedForShop); });
}

ShitufangdajingInput Tfrmshitufangdajing::input() const {
    ShitufangdajingInput in;
    in.width = text(QStringLiteral("lbl3"));
    in.tile = text(QStringLiteral("lbl5"));
    in.zoom = text(QStringLiteral("edt21"));
    for (int k = 1; k <= 10; ++k) {
        in.pictures[k - 1] = text(hover::tilePictureField(k));
        in.links[k - 1] = text(hover::tileLinkField(k));
    }
    return in;
}

QString shitufangdajingSnippet(const ShitufangdajingInput& in) {
    const QString& w = in.width;
    const QString& s = in.tile;
    const QString& z = in.zoom;
    // The last tile of a row has no gap on its right.
    auto tile = [&](int k) {
        return QStringLiteral("<div class=\"") + QStringLiteral("kavri_28_%1").arg(k) +
               QStringLiteral("\" style=\"width:") + s + QStringLiteral("px; height:") + s +
               (k % 5 == 0 ? QStringLiteral("px; float:left;background-color: #CCC\"><img src=\"")
                           : QStringLiteral(
                                 "px; float:left; margin-right:10px; background-color: #CCC\"><img src=\"")) +
               in.pictures[k - 1] + QStringLiteral("\" width=\"") + s + QStringLiteral("\" height=\"") + s +
               QStringLiteral("\"/></div>");
    };

    QString out = QStringLiteral("<div style=\"width:") + w + QStringLiteral("px; height:") + s +
                  QStringLiteral("px; overflow:hidden\">");
    for (int k = 1; k <= 5; ++k)
        out += tile(k);
    out += QStringLiteral("</div>");
    out += QStringLiteral("<div style=\"width:") + w + QStringLiteral("px; height:") + s +
           QStringLiteral("px; overflow:hidden;margin-top:10px;\">");
    for (int k = 6; k <= 10; ++k)
        out += tile(k);
    out += QStringLiteral("</div>");
    for (int k = 1; k <= 10; ++k)
        out += hover::kPopupHead.of(QStringLiteral("kavri_28_%1").arg(k)) +
               QStringLiteral("<div style=\"width:") + z + QStringLiteral("px; height:") + z +
               QStringLiteral("px; background-color: #CCC\">") + QStringLiteral("<a href=\"") +
               in.links[k - 1] + QStringLiteral("\" target=\"_blank\"><img src=\"") + in.pictures[k - 1] +
               QStringLiteral("\"  width=\"") + z + QStringLiteral("\" height=\"") + z +
               QStringLiteral("\"/></a></div></div>");
    return out;
}

QINGWU_WINDOW(
    Tfrmshitufangdajing,
    {.order = 470,
     .tile = core::Tile{.page = u"ts8", .row = 3, .column = 1, .image = u"img60", .caption = u"十图放大镜"},
     .preview = core::ShopPreview{.place = core::Place::Home, .shopType = u"cbb1"},
     .sample = [] { return shitufangdajingSnippet(ShitufangdajingInput()); }})

} // namespace generators
