#include "generators/carousels/fangkuai.h"

#include "core/preview.h"
#include "core/registry.h"
#include "core/text.h"
#include "core/trim.h"

#include <QGroupBox>

namespace generators {

namespace {

const QString kWidget = QStringLiteral(
    "<div class=\"J_TWidget\"  data-widget-type=\"Carousel\"  data-widget-config=\"{'effect': 'scrollx', "
    "'navCls':'kavri1205nav', 'contentCls':'kavri1205cont', 'duration':'1', 'easing':'bounceOut', "
    "'autoplay':'true' }\">");

const QString kButtonStyle = QStringLiteral(
    "<li style=\"width:25px; height:25px; background-color:#f30;border:0px solid;border-radius:3px;"
    "-moz-border-radius:3px;cursor:pointer; margin-right:10px;float:left;line-height:25px; "
    "text-align:center; "
    "color:#FFF\">");

} // namespace

Tfrmfangkuai::Tfrmfangkuai()
    : HeldSnippetForm(QStringLiteral("Tfrmfangkuai"), QStringLiteral("方块按钮 - 图片宽度1920px")) {
    setClientSize(500, 547);
    const FangkuaiInput defaults;
    core::addPreviewPicture(this, QRect(0, 0, 500, 180), QStringLiteral("方块按钮轮播"));

    QGroupBox* output =
        addGroup(this, QStringLiteral("grp1"), QRect(8, 186, 484, 64), QStringLiteral("输出参数"));
    addCaption(output, QRect(10, 28, 70, 22), QStringLiteral("图片高度："));
    addEdit(output, QStringLiteral("edt1"), QRect(80, 26, 60, 24), defaults.height);
    addCaption(output, QRect(150, 28, 70, 22), QStringLiteral("生成张数："));
    QStringList counts;
    for (int i = 1; i <= 6; ++i)
        counts << QString::number(i);
    addCombo(output, QStringLiteral("cbb1"), QRect(220, 26, 50, 24), counts, defaults.count);
    addButton(output, QStringLiteral("btn1"), QRect(284, 22, 90, 32), QStringLiteral("生成"));
    addButton(output, QStringLiteral("btn2"), QRect(384, 22, 90, 32), QStringLiteral("转化通栏"));

    QGroupBox* pictures = addGroup(this, QStringLiteral("grp2"), QRect(8, 256, 484, 160),
                                   QStringLiteral("图片地址  -  图片间用 | 隔开"));
    addMemo(pictures, QStringLiteral("mmo1"), QRect(10, 24, 464, 126), core::textLines(defaults.pictures));
    QGroupBox* links = addGroup(this, QStringLiteral("grp3"), QRect(8, 422, 484, 117),
                                QStringLiteral("链接地址  -  链接间用 | 隔开"));
    addMemo(links, QStringLiteral("mmo2"), QRect(10, 24, 464, 83), core::textLines(defaults.links));

    on(QStringLiteral("btn1Click"), [this] {
        holdAndCopy(core::applyBuilt(*this, fangkuaiSnippet(input())),
                    QStringLiteral("代码已被复制，记得拿通栏版块转化一下再安装哦！"));
    });
    on(QStringLiteral("btn2Click"), [this] { handOverHeld(QStringLiteral("edt1")); });
}

FangkuaiInput Tfrmfangkuai::input() const {
    FangkuaiInput in;
    in.height = text(QStringLiteral("edt1"));
    in.count = text(QStringLiteral("cbb1"));
    in.pictures = text(QStringLiteral("mmo1"));
    in.links = text(QStringLiteral("mmo2"));
    return in;
}

core::Built fangkuaiSnippet(const FangkuaiInput& in) {
    return core::build([&](core::Built& built) {
        // An empty box is given its hint first, and the hint is what is read.
        QString pictureList = in.pictures;
        QString linkList = in.links;
        if (pictureList.isEmpty()) {
            pictureList = QStringLiteral("请输入图片地址，图片之间用 | 隔开");
            built.update(QStringLiteral("mmo1"), pictureList);
        } else if (linkList.isEmpty()) {
            linkList = QStringLiteral("请输入链接地址，链接之间用 | 隔开");
            built.update(QStringLiteral("mmo2"), linkList);
        }

        const QStringList pictures = core::splitBarList(core::trimBlanks(pictureList));
        const QStringList links = core::splitBarList(core::trimBlanks(linkList));
        const QString& h = in.height;
        const int n = core::parseInt(in.count);

        QString posters;
        QString buttons;
        for (int i = 0; i < n; ++i) {
            const QString link = core::listItem(links, i);
            const QString picture = core::listItem(pictures, i);
            posters += QStringLiteral("<li><a href=\"") + link +
                       QStringLiteral("\" target=\"_blank\"><img src=\"") + picture +
                       QStringLiteral("\" width=\"1920\" height=\"") + h +
                       QStringLiteral("\" /></a></li>\r\n");
            buttons += kButtonStyle + QString::number(i + 1) + QStringLiteral("</li>\r\n");
        }

        // The button row, 35 px a button, centred and 50 px above the bottom edge.
        const qint64 rowWidth = qint64(n) * 35;
        const qint64 rowLeft = (1920 - rowWidth) / 2;
        const qint64 rowTop = qint64(core::parseInt(h)) - 50;

        QString out = QStringLiteral("<div style=\"height:") + h + QStringLiteral("px; overflow:hidden;\">");
        out += kWidget;
        out += QStringLiteral("<div style=\"list-style-type:none; height:") + h +
               QStringLiteral("px; overflow:hidden\" class=\"kavri1205cont\">");
        out += posters;
        out += QStringLiteral("</div>");
        out += QStringLiteral("<div style=\"list-style-type:none; position:relative;top:") +
               QString::number(rowTop) + QStringLiteral("px;left:") + QString::number(rowLeft) +
               QStringLiteral("px;width:") + QString::number(rowWidth) +
               QStringLiteral("px;font-family:arial; font-weight:700\" class=\"kavri1205nav\">");
        out += buttons;
        out += QStringLiteral("</div></div>");
        out += QStringLiteral("</div>");
        built.snippet = out;
    });
}

QINGWU_WINDOW(Tfrmfangkuai,
              {.order = 230,
               .tile = core::Tile{.page = u"ts11",
                                  .row = 2,
                                  .column = 2,
                                  .image = u"img134",
                                  .caption = u"方块按钮轮播"},
               .preview = core::ShopPreview{.place = core::Place::Wide, .output = u"LastSnippet"},
               .sample = [] { return fangkuaiSnippet(FangkuaiInput()).snippet; }})

} // namespace generators
