#include "generators/lists/batuzhezhao.h"
#include "core/messages.h"

#include "core/registry.h"
#include "generators/lists/hovereffects.h"

#include <QGroupBox>
#include <QPushButton>

namespace generators {

namespace {

// Front, back and link field of tile k (1-based).
struct TileFields {
    QString front, back, link;
};
TileFields tileFields(int k) {
    static const int first[] = {4, 1, 7, 10, 13, 16, 19, 22};
    const int f = first[k - 1];
    return {QStringLiteral("edt%1").arg(f), QStringLiteral("edt%1").arg(f + 1),
            QStringLiteral("edt%1").arg(f + 2)};
}

QString tileClass(int k) {
    return QStringLiteral("kavri329_%1").arg(k);
}

const QString kColumn =
    QStringLiteral("<div style=\"width:165px; height:335px; float:left; margin-left:6px;\">");

const hover::PopupHead kHead{
    QStringLiteral(
        "<div class=\"J_TWidget hidden\" data-widget-type=\"Popup\" data-widget-config=\"{'trigger':'."),
    QStringLiteral("', 'align':{'node':'."), QStringLiteral("','offset':[0,0], 'points':['cc','cc'] } }\">")};

} // namespace

BatuzhezhaoInput::BatuzhezhaoInput() {
    for (int k = 1; k <= 8; ++k) {
        fronts << QStringLiteral("https://img.alicdn.com/imgextra/i1/qingwu/mask-front-%1.jpg").arg(k);
        backs << QStringLiteral("https://img.alicdn.com/imgextra/i1/qingwu/mask-back-%1.jpg").arg(k);
        links << QStringLiteral("#");
    }
}

Tfrmbatuzhezhao::Tfrmbatuzhezhao()
    : hover::HoverForm(QStringLiteral("Tfrmbatuzhezhao"), QStringLiteral("八图遮罩翻转")) {
    setClientSize(800, 500);
    const BatuzhezhaoInput defaults;
    const QString captions[] = {QStringLiteral("左边图"), QStringLiteral("位置2"), QStringLiteral("位置3"),
                                QStringLiteral("位置4"),  QStringLiteral("位置5"), QStringLiteral("位置6"),
                                QStringLiteral("位置7"),  QStringLiteral("右边图")};
    for (int k = 1; k <= 8; ++k) {
        const int column = (k - 1) % 2;
        const int row = (k - 1) / 2;
        QGroupBox* group = addGroup(this, QStringLiteral("grp%1").arg(k),
                                    QRect(8 + 396 * column, 8 + 100 * row, 388, 94), captions[k - 1]);
        const TileFields fields = tileFields(k);
        addCaption(group, QRect(10, 18, 60, 22), QStringLiteral("正面图："));
        addEdit(group, fields.front, QRect(70, 16, 308, 22), defaults.fronts[k - 1]);
        addCaption(group, QRect(10, 42, 60, 22), QStringLiteral("反面图："));
        addEdit(group, fields.back, QRect(70, 40, 308, 22), defaults.backs[k - 1]);
        addCaption(group, QRect(10, 66, 60, 22), QStringLiteral("链接："));
        addEdit(group, fields.link, QRect(70, 64, 308, 22), defaults.links[k - 1]);
    }

    QGroupBox* settings =
        addGroup(this, QStringLiteral("grp9"), QRect(8, 410, 784, 84), QStringLiteral("整体输出参数"));
    addShopCombo(settings, QRect(10, 20, 80, 24));
    addShopSizes(
        settings, QPoint(98, 22), 4,
        {{QStringLiteral("lbl10"), defaults.width, QStringLiteral("990"), QStringLiteral("版块宽度：")},
         {QStringLiteral("lbl11"), QStringLiteral("335"), QStringLiteral("335"),
          QStringLiteral("版块高度：")},
         {QStringLiteral("lbl12"), defaults.leftWidth, QStringLiteral("306"), QStringLiteral("左图宽度：")},
         {QStringLiteral("lbl13"), QStringLiteral("165"), QStringLiteral("165"),
          QStringLiteral("右图宽度：")}});
    addCaption(settings, QRect(98, 50, 150, 22), QStringLiteral("小图尺寸：165*165px"));
    QWidget* reference =
        addButton(settings, QStringLiteral("btn1"), QRect(632, 18, 60, 28), QStringLiteral("参照"));
    addButton(settings, QStringLiteral("btn2"), QRect(698, 18, 78, 28), QStringLiteral("提取代码"));

    addReferencePanel(reference, settings, QRect(100, 40, 600, 360), QStringLiteral("八图遮罩翻转"));
    addPopupHolders(QStringLiteral("lbl14"), QStringLiteral("lbl15"), QStringLiteral("lbl16"), kHead);
    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});

    // The reference panel starts hidden.
    on(QStringLiteral("FormCreate"), [this] { control(QStringLiteral("pnl1"))->hide(); });
    on(QStringLiteral("btn2Click"),
       [this] { deliver(QStringLiteral("mmo1"), batuzhezhaoSnippet(input()), core::kCopiedForShop); });
    fire(QStringLiteral("FormCreate"));
}

BatuzhezhaoInput Tfrmbatuzhezhao::input() const {
    BatuzhezhaoInput in;
    in.width = text(QStringLiteral("lbl10"));
    in.leftWidth = text(QStringLiteral("lbl12"));
    for (int k = 1; k <= 8; ++k) {
        const TileFields fields = tileFields(k);
        in.fronts[k - 1] = text(fields.front);
        in.backs[k - 1] = text(fields.back);
        in.links[k - 1] = text(fields.link);
    }
    return in;
}

QString batuzhezhaoSnippet(const BatuzhezhaoInput& in) {
    const QString& w = in.width;
    const QString& l = in.leftWidth;
    auto front = [&](int k) { return in.fronts[k - 1]; };
    // Square k of the three middle columns: the upper one of a column keeps a
    // 6 px gap below; the squares from 5 on have a blank before the picture.
    auto square = [&](int k) {
        const bool upper = k % 2 == 0;
        return QStringLiteral("<!--%1-->").arg(k) + QStringLiteral("<div class=\"") + tileClass(k) +
               QStringLiteral("\" style=\"width:165px; height:165px;") +
               (upper ? QStringLiteral(" margin-bottom:6px;") : QString()) + QStringLiteral("\">") +
               (k >= 5 ? QStringLiteral(" ") : QString()) + QStringLiteral("<img src=\"") + front(k) +
               QStringLiteral("\" width=\"165\" height=\"165\" alt=\"\"></div>");
    };

    QString out = QStringLiteral("<div style=\"width:") + w + QStringLiteral("px; height:335px;\">");
    out += QStringLiteral("<!--1-->") + QStringLiteral("<div class=\"kavri329_1\" style=\"width:") + l +
           QStringLiteral("px; height:335px; float:left\">") + QStringLiteral("<img src=\"") + front(1) +
           QStringLiteral("\" width=\"") + l + QStringLiteral("\" height=\"335\" alt=\"\">") +
           QStringLiteral("</div>");
    out += kColumn + square(2) + square(3);
    out += QStringLiteral("</div>") + kColumn + square(4) + square(5);
    out += QStringLiteral("</div>") + kColumn + square(6) + square(7);
    out += QStringLiteral("</div>");
    out += QStringLiteral("<!--8-->") +
           QStringLiteral(
               "<div class=\"kavri329_8\" style=\"width:165px; height:335px; float:left; margin-left:6px; "
               "overflow:hidden\">") +
           QStringLiteral("<img src=\"") + front(8) +
           QStringLiteral("\" width=\"167\" height=\"335\" alt=\"\">") + QStringLiteral("</div>");
    out += QStringLiteral("</div>");

    for (int k = 1; k <= 8; ++k) {
        const QString size = k == 1 ? QStringLiteral("\" width=\"") + l + QStringLiteral("\" height=\"335\"")
                             : k == 8 ? QStringLiteral("\" width=\"165\" height=\"335\"")
                                      : QStringLiteral("\" width=\"165\" height=\"165\"");
        out += kHead.of(tileClass(k)) + QStringLiteral("<a href=\"") + in.links[k - 1] +
               QStringLiteral("\" target=\"_blank\">") + QStringLiteral("<img src=\"") + in.backs[k - 1] +
               size + QStringLiteral(" alt=\"\"></a></div>");
    }
    return out;
}

QINGWU_WINDOW(Tfrmbatuzhezhao, {.order = 530,
                                .tile = core::Tile{.page = u"ts8",
                                                   .row = 5,
                                                   .column = 1,
                                                   .image = u"img125",
                                                   .caption = u"八图遮罩翻转"},
                                .preview = core::ShopPreview{.place = core::Place::Home, .shopType = u"cbb1"},
                                .sample = [] { return batuzhezhaoSnippet(BatuzhezhaoInput()); }})

} // namespace generators
