#include "generators/promotions/xiu.h"

#include "core/messages.h"
#include "core/platform.h"
#include "core/preview.h"
#include "core/registry.h"
#include "generators/promotions/pagewidgets.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QTabWidget>

namespace generators {

namespace {

enum ReviewField { Title, Review, Buyer, Picture, Link, Price };

// The fields of review k (1-based), in the order title, review, buyer,
// picture, link, price.
QString reviewField(int k, ReviewField f) {
    static const int numbers[5][6] = {{1, 10, 15, 20, 25, 30},
                                      {2, 9, 14, 19, 24, 29},
                                      {4, 8, 13, 18, 23, 28},
                                      {3, 7, 12, 17, 22, 27},
                                      {5, 6, 11, 16, 21, 26}};
    return QStringLiteral("edt%1").arg(numbers[k - 1][f]);
}

} // namespace

TFrmxiu::TFrmxiu()
    : core::Form(QStringLiteral("TFrmxiu"), QStringLiteral("买家秀 天猫 集市 750 均通用")) {
    setClientSize(1169, 364);
    const XiuInput defaults;

    QTabWidget* pages = pagewidgets::addPages(
        this, QRect(0, 0, 1169, 364), {QStringLiteral("   参数设置   "), QStringLiteral("   买家秀参照   ")});
    QWidget* settings = pages->widget(0);
    QWidget* reference = pages->widget(1);
    core::addPreviewPicture(reference, QRect(8, 8, 700, 300), QStringLiteral("买家秀"));
    addCaption(reference, QRect(720, 20, 300, 22), QStringLiteral("支持五款宝贝自下往上滚动播放"));

    QGroupBox* block =
        addGroup(settings, QStringLiteral("grp1"), QRect(8, 6, 1147, 56), QStringLiteral("参数设置"));
    addCaption(block, QRect(10, 24, 70, 22), QStringLiteral("滚动速度："));
    addEdit(block, QStringLiteral("edt31"), QRect(80, 22, 50, 24), defaults.speed);
    addCaption(block, QRect(150, 24, 84, 22), QStringLiteral("显示框高度："));
    addEdit(block, QStringLiteral("edt32"), QRect(234, 22, 60, 24), defaults.height);
    addCaption(block, QRect(314, 24, 70, 22), QStringLiteral("版块名称："));
    addEdit(block, QStringLiteral("edt33"), QRect(384, 22, 120, 24), defaults.name);
    addButton(block, QStringLiteral("btn1"), QRect(700, 18, 130, 32), QStringLiteral("清空重来"));
    addButton(block, QStringLiteral("btn2"), QRect(840, 18, 130, 32), QStringLiteral("生成代码"));
    addButton(block, QStringLiteral("btn3"), QRect(980, 18, 130, 32), QStringLiteral("预览效果"));

    const QString captions[] = {QStringLiteral("标题%1："),     QStringLiteral("评语%1："),
                                QStringLiteral("买家名%1："),   QStringLiteral("宝贝图地址%1："),
                                QStringLiteral("宝贝链接%1："), QStringLiteral("价格%1：")};
    const QStringList* values[] = {&defaults.titles,   &defaults.reviews, &defaults.buyers,
                                   &defaults.pictures, &defaults.links,   &defaults.prices};
    // Two rows per review: title and review; buyer, picture, link and price.
    const struct {
        int row, captionLeft, captionWidth, editWidth;
    } places[] = {{0, 8, 60, 200},   {0, 280, 60, 800}, {1, 8, 70, 120},
                  {1, 210, 95, 420}, {1, 737, 80, 180}, {1, 1009, 55, 76}};
    for (int k = 1; k <= 5; ++k) {
        for (int f = Title; f <= Price; ++f) {
            const auto& place = places[f];
            const int y = 66 + 50 * (k - 1) + 24 * place.row;
            addCaption(settings, QRect(place.captionLeft, y + 1, place.captionWidth, 22), captions[f].arg(k));
            addEdit(settings, reviewField(k, ReviewField(f)),
                    QRect(place.captionLeft + place.captionWidth, y, place.editWidth, 22),
                    (*values[f])[k - 1]);
        }
    }

    addHolder(QStringLiteral("lbl10"), defaults.marqueeHeight);
    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});

    // The marquee runs 60 px lower than its cell.
    on(QStringLiteral("edt32Change"), [this] {
        if (!text(QStringLiteral("edt32")).isEmpty())
            setText(QStringLiteral("lbl10"),
                    pagewidgets::difference(text(QStringLiteral("edt32")), QStringLiteral("60")));
    });
    on(QStringLiteral("btn1Click"), [this] {
        for (QLineEdit* edit : findChildren<QLineEdit*>())
            edit->clear();
        setText(QStringLiteral("edt31"), QStringLiteral("2"));
        setText(QStringLiteral("edt32"), QStringLiteral("300"));
        setText(QStringLiteral("edt33"), QStringLiteral("买家秀"));
    });
    on(QStringLiteral("btn2Click"),
       [this] { deliver(QStringLiteral("mmo1"), xiuSnippet(input()), core::kCopiedForShop); });
    on(QStringLiteral("btn3Click"), [this] {
        if (!needOutput(QStringLiteral("mmo1"), QStringLiteral("请先生成代码，再预览效果！"))) return;
        const QString page = core::workingPage(QStringLiteral("files.html"));
        core::savePageLines(*this, QStringLiteral("mmo1"), page);
        core::platform().openDefault(page);
    });
}

XiuInput::XiuInput()
    : titles(5, QStringLiteral("宝贝标题信息"))
    , reviews(5, QStringLiteral(
                     "本次购物很开心，卖家服务周到，认真讲解！，产品质量不错，摸起来很舒适，穿起来也很大"
                     "气档次，很感谢！"))
    , buyers(5, QStringLiteral("岚舟设计"))
    , pictures(5, pagewidgets::samplePicture(QStringLiteral("buyer-show-50x50.jpg")))
    , links(5, QStringLiteral("#"))
    , prices(5, QStringLiteral("49.0")) {}

XiuInput TFrmxiu::input() const {
    XiuInput in;
    in.speed = text(QStringLiteral("edt31"));
    in.height = text(QStringLiteral("edt32"));
    in.name = text(QStringLiteral("edt33"));
    in.marqueeHeight = text(QStringLiteral("lbl10"));
    for (int k = 1; k <= 5; ++k) {
        in.titles[k - 1] = text(reviewField(k, Title));
        in.reviews[k - 1] = text(reviewField(k, Review));
        in.buyers[k - 1] = text(reviewField(k, Buyer));
        in.pictures[k - 1] = text(reviewField(k, Picture));
        in.links[k - 1] = text(reviewField(k, Link));
        in.prices[k - 1] = text(reviewField(k, Price));
    }
    return in;
}

QString xiuSnippet(const XiuInput& in) {
    QString out =
        QStringLiteral("<table width=\"100%\" border=\"2\" bordercolor=\"#CC0000\" cellspacing=\"0\" "
                       "cellpadding=\"0\" ><tr><th height=\"40\" bgcolor=\"#CC0000\" scope=\"col\" ><span "
                       "style=\"color:#FFF; font-size:16px; font-weight:700\">") +
        in.name + QStringLiteral("</span></th>") + QStringLiteral("</tr>") + QStringLiteral("<tr>");
    out += QStringLiteral("<td height=\"") + in.height + QStringLiteral("\" valign=\"middle\">") +
           QStringLiteral("<marquee style=\" padding:15px;\" height=\"") + in.marqueeHeight +
           QStringLiteral("\"  scrollAmount=") + in.speed + QStringLiteral(" direction=up>");
    for (int k = 1; k <= 5; ++k) {
        const auto f = [&](ReviewField field) {
            const QStringList* fields[] = {&in.titles,   &in.reviews, &in.buyers,
                                           &in.pictures, &in.links,   &in.prices};
            return (*fields[field])[k - 1];
        };
        out +=
            QStringLiteral("<table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\"><tr><th "
                           "align=\"left\" scope=\"col\" style=\"font-weight:100\">") +
            QStringLiteral("<a style=\"text-decoration:none; color:#000\"  href=\"") + f(Link) +
            QStringLiteral("\"  target=\"_blank\" ><div style=\"height:100px; border-bottom:#CCC dotted 1px; "
                           "color:#999\">") +
            QStringLiteral(
                "<div style=\"float:left; margin:10px 0; width:70px\"><img style=\"border:none;\" src=\"") +
            f(Picture) + QStringLiteral("\" width=\"50\" height=\"50 \" alt=\"第") + QString::number(k) +
            QStringLiteral("张\">") +
            QStringLiteral("<div style=\"color:#F30; font-family:time new roman; font-size:14px; padding:5px "
                           "0\">￥") +
            f(Price) + QStringLiteral("</div>") +
            QStringLiteral("<br></div><div style=\"float:left; margin:10px 0;\"><div style=\"color:#F00; "
                           "padding:0px 5px 13px 0px;font-size:14px;\">") +
            f(Title) + QStringLiteral("</div>") +
            QStringLiteral("<div  style=\"font-size:12px; padding:3px 0\">评语为：") + f(Review) +
            QStringLiteral("</div><div  style=\"font-size:12px;padding:5px 0\">") + QStringLiteral("买家：") +
            f(Buyer) +
            QStringLiteral(" <span style=\"color:#F00; \"> ★★★★★ </span> 好评</div></div></div></a>") +
            QStringLiteral("</th></tr></table>");
    }
    return out + QStringLiteral("</marquee></td></tr></table>");
}

QINGWU_WINDOW(
    TFrmxiu,
    {.order = 660,
     .tile = core::Tile{.page = u"tstuiyi1", .row = 1, .column = 2, .image = u"img28", .caption = u"买家秀"},
     .preview = core::ShopPreview{.place = core::Place::Home},
     .sample = [] { return xiuSnippet(XiuInput()); }})

} // namespace generators
