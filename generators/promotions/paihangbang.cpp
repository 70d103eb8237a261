#include "generators/promotions/paihangbang.h"

#include "core/messages.h"
#include "core/preview.h"
#include "core/registry.h"
#include "generators/promotions/pagewidgets.h"

#include <QGroupBox>
#include <QLabel>

namespace generators {

namespace {

enum Part { Title = 1, Picture, Link, Price };

// The field of one part of product k (1-based).
QString field(int k, Part part) {
    return QStringLiteral("edt%1").arg(4 * (k - 1) + part);
}

} // namespace

Tfrmpaihangbang::Tfrmpaihangbang()
    : core::Form(QStringLiteral("Tfrmpaihangbang"), QStringLiteral("190销售排行榜")) {
    setClientSize(866, 572);
    const PaihangbangInput defaults;

    const QString groups[] = {QStringLiteral("第一组"), QStringLiteral("第二组"), QStringLiteral("第三组"),
                              QStringLiteral("第四组"), QStringLiteral("第五组")};
    for (int k = 1; k <= 5; ++k) {
        const int x = 8 + 428 * ((k - 1) % 2);
        const int y = 8 + 150 * ((k - 1) / 2);
        QGroupBox* group =
            addGroup(this, QStringLiteral("grp%1").arg(k), QRect(x, y, 422, 144), groups[k - 1]);
        const QString captions[] = {QStringLiteral("标题名："), QStringLiteral("图片地址："),
                                    QStringLiteral("图片链接："), QStringLiteral("价格：")};
        const QString values[] = {defaults.titles[k - 1], defaults.pictures[k - 1], defaults.links[k - 1],
                                  defaults.prices[k - 1]};
        for (int part = Title; part <= Price; ++part) {
            const int row = 22 + 29 * (part - 1);
            addCaption(group, QRect(10, row + 2, 70, 22), captions[part - 1]);
            addEdit(group, field(k, Part(part)), QRect(80, row, 330, 24), values[part - 1]);
        }
    }
    QGroupBox* output =
        addGroup(this, QStringLiteral("grp6"), QRect(436, 308, 422, 144), QStringLiteral("输出"));
    addCaption(output, QRect(10, 26, 400, 22), QStringLiteral("图片大小：168*168  或者方形图，软件自动缩小"));
    addButton(output, QStringLiteral("btn1"), QRect(10, 70, 190, 44), QStringLiteral("参照图"));
    addButton(output, QStringLiteral("btn2"), QRect(220, 70, 190, 44), QStringLiteral("提取代码"));

    // The example, shown while the pointer rests on "参照图".
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("pnl1"));
    panel->setGeometry(8, 8, 422, 444);
    panel->setAutoFillBackground(true);
    core::addPreviewPicture(panel, QRect(0, 0, 422, 444), QStringLiteral("190销售排行榜"));
    panel->hide();

    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});

    on(QStringLiteral("btn1MouseEnter"), [panel] {
        panel->show();
        panel->raise();
    });
    on(QStringLiteral("grp6MouseEnter"), [panel] { panel->hide(); });
    on(QStringLiteral("btn2Click"),
       [this] { deliver(QStringLiteral("mmo1"), paihangbangSnippet(input()), core::kCopiedForShop); });
}

PaihangbangInput::PaihangbangInput()
    : titles({QStringLiteral("NO.1 累计售出100件"), QStringLiteral("NO.2 累计售出100件"),
              QStringLiteral("NO.3累计售出100件"), QStringLiteral("NO.4 累计售出100件"),
              QStringLiteral("NO.5 累计售出100件")})
    , pictures(5, pagewidgets::samplePicture(QStringLiteral("top-seller-168x168.jpg")))
    , links(5, QStringLiteral("#"))
    , prices(5, QStringLiteral("125.00")) {}

PaihangbangInput Tfrmpaihangbang::input() const {
    PaihangbangInput in;
    for (int k = 1; k <= 5; ++k) {
        in.titles[k - 1] = text(field(k, Title));
        in.pictures[k - 1] = text(field(k, Picture));
        in.links[k - 1] = text(field(k, Link));
        in.prices[k - 1] = text(field(k, Price));
    }
    return in;
}

QString paihangbangSnippet(const PaihangbangInput& in) {
    QString out =
        QStringLiteral("<div style=\"width:188px; border:#CCC 1px dotted; color:#333;font-size:14px; \"") +
        QStringLiteral("class=\"J_TWidget\"  data-widget-type=\"Accordion\"  data-widget-config=\"{\r\n"
                       "             'triggerType':'mouse',\r\n"
                       "             'triggerCls':'kavri_21_1',\r\n"
                       "             'panelCls':'kavri_21_2',\r\n"
                       "             'multiple':false\r\n"
                       "     }\">");
    for (int k = 1; k <= 5; ++k) {
        // Only the first product's panel starts open.
        const QString panel =
            k == 1 ? QStringLiteral("</div><div class=\"kavri_21_2\"><a href=\"")
                   : QStringLiteral("</div><div class=\"kavri_21_2\"  style=\"display:none\"><a href=\"");
        out += QStringLiteral("<div class=\"kavri_21_1\" style=\"line-height:45px; text-align:center; "
                              "border-bottom:#CCC 1px dotted;cursor:pointer;\">") +
               in.titles[k - 1] + panel + in.links[k - 1] +
               QStringLiteral("\" target=\"_blank\"><img style=\"margin:10px;\" src=\"") +
               in.pictures[k - 1] + QStringLiteral("\" width=\"168\" height=\"168\"/></a>") +
               QStringLiteral(
                   "<div style=\"line-height:30px; height:40px;text-align:center; border-bottom:#CCC 1px "
                   "dotted\">特惠价:<span style=\"color:#F00\"> ") +
               in.prices[k - 1] + QStringLiteral("</span></div></div>");
    }
    return out + QStringLiteral("</div>");
}

QINGWU_WINDOW(Tfrmpaihangbang, {.order = 390,
                                .tile = core::Tile{.page = u"ts7",
                                                   .row = 4,
                                                   .column = 3,
                                                   .image = u"img22",
                                                   .caption = u"190销售排行榜"},
                                .preview = core::ShopPreview{.place = core::Place::Side},
                                .sample = [] { return paihangbangSnippet(PaihangbangInput()); }})

} // namespace generators
