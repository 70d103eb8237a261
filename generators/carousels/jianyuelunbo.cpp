#include "generators/carousels/jianyuelunbo.h"

#include "core/preview.h"
#include "core/registry.h"
#include "core/text.h"
#include "generators/carousels/kavri126.h"

#include <QGroupBox>

namespace generators {

namespace {

const QString kArrows =
    QStringLiteral("<div class=\"kavri_126shang\" style=\"width:40px; height:90px;line-height:90px; "
                   "position:relative; left:465px; "
                   "top:-295px;cursor:pointer; font-size:60px; color:#000;float:left; font-family:simhei; "
                   "text-align:center;\"><</div>"
                   "<div class=\"kavri_126xia\" style=\"width:40px; height:90px;line-height:90px; "
                   "position:relative; left:1375px; "
                   "top:-295px;cursor:pointer; font-size:60px;color:#000;float:left; font-family:simhei; "
                   "text-align:center;\">></div>");

} // namespace

Tfrmjianyuelunbo::Tfrmjianyuelunbo()
    : HeldSnippetForm(QStringLiteral("Tfrmjianyuelunbo"), QStringLiteral("简约通栏轮播")) {
    setClientSize(633, 673);
    const JianyuelunboInput defaults;
    core::addPreviewPicture(this, QRect(0, 0, 633, 240), QStringLiteral("简约通栏轮播"));

    QGroupBox* output =
        addGroup(this, QStringLiteral("grp1"), QRect(8, 246, 617, 64), QStringLiteral("输出参数"));
    addCaption(output, QRect(12, 28, 70, 22), QStringLiteral("海报高度："));
    addEdit(output, QStringLiteral("edt1"), QRect(82, 26, 70, 24), defaults.height);
    addCaption(output, QRect(170, 28, 44, 22), QStringLiteral("张数："));
    QStringList counts;
    for (int i = 2; i <= 10; ++i)
        counts << QString::number(i);
    addCombo(output, QStringLiteral("cbb1"), QRect(214, 26, 60, 24), counts, defaults.count);
    addButton(output, QStringLiteral("btn3"), QRect(330, 22, 130, 32), QStringLiteral("生成代码"));
    addButton(output, QStringLiteral("btn4"), QRect(472, 22, 130, 32), QStringLiteral("通栏转化"));

    QGroupBox* pictures = addGroup(this, QStringLiteral("grp2"), QRect(8, 316, 617, 220),
                                   QStringLiteral("图片列表 -图片宽度1920px ；  图片之间用 | 隔开"));
    addMemo(pictures, QStringLiteral("mmo2"), QRect(10, 24, 597, 186), core::textLines(defaults.pictures));
    QGroupBox* links = addGroup(this, QStringLiteral("grp3"), QRect(8, 542, 617, 123),
                                QStringLiteral("海报链接 - 链接之间用 | 隔开"));
    addMemo(links, QStringLiteral("mmo3"), QRect(10, 24, 597, 89), core::textLines(defaults.links));

    on(QStringLiteral("btn3Click"), [this] {
        holdAndCopy(jianyuelunboSnippet(input()),
                    QStringLiteral("代码已被复制，记得拿通栏版块转化一下再安装哦！"));
    });
    on(QStringLiteral("btn4Click"), [this] { handOverHeld(QStringLiteral("edt1")); });
}

JianyuelunboInput Tfrmjianyuelunbo::input() const {
    JianyuelunboInput in;
    in.height = text(QStringLiteral("edt1"));
    in.count = text(QStringLiteral("cbb1"));
    in.pictures = text(QStringLiteral("mmo2"));
    in.links = text(QStringLiteral("mmo3"));
    return in;
}

QString jianyuelunboSnippet(const JianyuelunboInput& in) {
    const QStringList pictures = core::splitBarList(in.pictures);
    const QStringList links = core::splitBarList(in.links);
    const int n = core::parseInt(in.count);
    const QString& h = in.height;
    core::parseInt(h); // the height must be a whole number

    QString slides;
    for (int i = 0; i < n; ++i) {
        const QString link = core::listItem(links, i);
        const QString picture = core::listItem(pictures, i);
        slides += kavri126::slide(h, link, picture) + QStringLiteral("\r\n");
    }

    QString out = kavri126::box(h);
    out += kavri126::widget();
    out += kavri126::panels(h);
    out += slides;
    out += QStringLiteral("</div></div>");
    out += kArrows;
    out += QStringLiteral("</div></div>");
    return out;
}

QINGWU_WINDOW(Tfrmjianyuelunbo,
              {.order = 250,
               .tile = core::Tile{.page = u"ts11",
                                  .row = 2,
                                  .column = 3,
                                  .image = u"img139",
                                  .caption = u"简约通栏轮播"},
               .preview = core::ShopPreview{.place = core::Place::Wide, .output = u"LastSnippet"},
               .sample = [] { return jianyuelunboSnippet(JianyuelunboInput()); }})

} // namespace generators
