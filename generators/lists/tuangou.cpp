#include "generators/lists/tuangou.h"

#include "core/messages.h"
#include "core/preview.h"
#include "core/registry.h"
#include "core/text.h"
#include "generators/lists/productlists.h"

#include <QGroupBox>
#include <QTabWidget>

namespace generators {

namespace {

// The fields of card k (1-based).
struct Card {
    int picture, link, title, price;
};
Card card(int k) {
    static const Card cards[] = {{4, 9, 12, 15}, {5, 8, 11, 14}, {6, 7, 10, 13}, {16, 17, 18, 19}};
    return cards[k - 1];
}

QString field(int number) {
    return QStringLiteral("edt%1").arg(number);
}

} // namespace

Tfrmtuangou::Tfrmtuangou()
    : core::Form(QStringLiteral("Tfrmtuangou"), QStringLiteral("仿团购促销列表")) {
    setClientSize(760, 470);
    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("pgc1"));
    pages->setGeometry(0, 0, 760, 470);
    auto* settings = new QWidget;
    auto* preview = new QWidget;
    pages->addTab(settings, QStringLiteral("参数设置      "));
    pages->addTab(preview, QStringLiteral("预览      "));

    addCombo(settings, QStringLiteral("cbb1"), QRect(10, 10, 70, 24),
             {QStringLiteral("天猫"), QStringLiteral("集市")}, QStringLiteral("集市"));
    addCaption(settings, QRect(92, 12, 64, 22), QStringLiteral("颜色风格："));
    addEdit(settings, QStringLiteral("edt1"), QRect(156, 10, 70, 24), QStringLiteral("#F30"));
    addCaption(settings, QRect(236, 12, 64, 22), QStringLiteral("按钮底色："));
    addEdit(settings, QStringLiteral("edt2"), QRect(300, 10, 70, 24), QStringLiteral("#FF0"));
    addCaption(settings, QRect(380, 12, 76, 22), QStringLiteral("按钮文字色："));
    addEdit(settings, QStringLiteral("edt3"), QRect(456, 10, 70, 24), QStringLiteral("#c00"));
    addButton(settings, QStringLiteral("btn1"), QRect(630, 6, 110, 32), QStringLiteral("确认预览"));

    for (int k = 1; k <= 4; ++k) {
        QGroupBox* group = addGroup(settings, QStringLiteral("grp%1").arg(k),
                                    QRect(8, 44 + 80 * (k - 1), 736, 76), QStringLiteral("产品%1").arg(k));
        const Card c = card(k);
        addCaption(group, QRect(10, 20, 50, 22), QStringLiteral("产品图："));
        addEdit(group, field(c.picture), QRect(60, 18, 400, 24),
                lists::samplePicture(QStringLiteral("group-buy-%1.jpg").arg(k)));
        addCaption(group, QRect(470, 20, 40, 22), QStringLiteral("链接："));
        addEdit(group, field(c.link), QRect(510, 18, 216, 24), QStringLiteral("#"));
        addCaption(group, QRect(10, 48, 50, 22), QStringLiteral("标题："));
        addEdit(group, field(c.title), QRect(60, 46, 400, 24),
                QStringLiteral("店铺装修实战入门到精通视频淘宝美工自学教程"));
        addCaption(group, QRect(470, 48, 40, 22), QStringLiteral("价格："));
        addEdit(group, field(c.price), QRect(510, 46, 216, 24), QStringLiteral("89.00"));
    }

    addCaption(settings, QRect(10, 374, 60, 22), QStringLiteral("图片高度"));
    addEdit(settings, QStringLiteral("edt20"), QRect(70, 372, 50, 24), QStringLiteral("206"));
    addCaption(settings, QRect(122, 374, 20, 22), QStringLiteral("px"));
    addCaption(settings, QRect(150, 374, 60, 22), QStringLiteral("按钮名称"));
    addEdit(settings, QStringLiteral("edt21"), QRect(210, 372, 60, 24), QStringLiteral("参团"));
    const struct {
        const char* name;
        QString caption, value;
    } sizes[] = {{"lbl13", QStringLiteral("图片宽度:"), QStringLiteral("205")},
                 {"lbl14", QStringLiteral("板块高度:"), QStringLiteral("310")},
                 {"lbl17", QStringLiteral("板块宽度:"), QStringLiteral("208")}};
    for (int i = 0; i < 3; ++i) {
        addCaption(settings, QRect(290 + 120 * i, 374, 64, 22), sizes[i].caption);
        addLabel(settings, QString::fromLatin1(sizes[i].name), QRect(354 + 120 * i, 374, 40, 22),
                 sizes[i].value);
    }
    addHolder(QStringLiteral("lbl15"), QStringLiteral("0"));
    addHolder(QStringLiteral("lbl18"), QStringLiteral("10"));

    auto* view = new QWidget(preview);
    view->setObjectName(QStringLiteral("wb1"));
    view->setGeometry(0, 0, 754, 300);
    addCaption(preview, QRect(8, 306, 600, 22),
               QStringLiteral("预览图会有稍稍有点错位，不过复制到店铺后会正常显示！"));
    addMemo(preview, QStringLiteral("mmo1"), QRect(8, 332, 620, 100));
    addButton(preview, QStringLiteral("btn2"), QRect(636, 332, 110, 40), QStringLiteral("提取代码"));

    on(QStringLiteral("cbb1Change"), [this] {
        const bool tmall = text(QStringLiteral("cbb1")) == QStringLiteral("天猫");
        setText(QStringLiteral("edt20"), tmall ? QStringLiteral("216") : QStringLiteral("206"));
        setText(QStringLiteral("lbl13"), tmall ? QStringLiteral("215") : QStringLiteral("205"));
        setText(QStringLiteral("lbl17"), tmall ? QStringLiteral("218") : QStringLiteral("208"));
    });
    on(QStringLiteral("edt20Change"), [this] {
        const QString h = text(QStringLiteral("edt20"));
        if (h.isEmpty()) return;
        setText(QStringLiteral("lbl14"), QString::number(qint64(core::parseInt(h)) + 104));
    });
    colorField(QStringLiteral("edt1"));
    colorField(QStringLiteral("edt2"));
    colorField(QStringLiteral("edt3"));
    on(QStringLiteral("btn1Click"), [this, pages, preview] {
        setText(QStringLiteral("mmo1"), snippet());
        const QString page = lists::writePreviewPage(this, QStringLiteral("mmo1"));
        pages->setCurrentWidget(preview);
        core::showPage(m_browser, control<QWidget>(QStringLiteral("wb1")), page);
    });
    on(QStringLiteral("btn2Click"), [this] {
        if (!needOutput(QStringLiteral("mmo1"), QStringLiteral("请先点击确认预览生成代码，再提取代码！")))
            return;
        copyOut(QStringLiteral("mmo1"), core::kCopiedForShop);
    });
}

QString Tfrmtuangou::snippet() const {
    const QString c = text(QStringLiteral("lbl17"));
    const QString b = QString::number(qint64(core::parseInt(c)) + 1);
    const QString p = text(QStringLiteral("lbl13"));
    const QString h = text(QStringLiteral("edt20"));
    const QString colour = text(QStringLiteral("edt1"));
    QString out;
    for (int k = 1; k <= 4; ++k) {
        const Card card = generators::card(k);
        const QString link = text(field(card.link));
        out += QStringLiteral("<div style=\" background:#FFF ;width:") + c + QStringLiteral("px; height:") +
               text(QStringLiteral("lbl14")) + QStringLiteral("px; float:left; margin:0px 0px 10px ") +
               text(k == 1 ? QStringLiteral("lbl15") : QStringLiteral("lbl18")) +
               QStringLiteral("px;font-family: Microsoft yahei; border:#DFDFDF 1px solid; padding:10px; "
                              "margin-left::0px\"><div style=\"height:55px; width:") +
               p + QStringLiteral("px; font-size:16px; color:#666\">") + text(field(card.title)) +
               QStringLiteral("</div><div style=\"border:") + colour + QStringLiteral(" 2px solid; height:") +
               h + QStringLiteral("px; overflow:hidden; width:") + p + QStringLiteral("px\"><a href=\"") +
               link + QStringLiteral("\"><img style=\"border:none\"  src=\"") + text(field(card.picture)) +
               QStringLiteral("\" width=\"") + p + QStringLiteral("\" /></a></div><div style=\"background:") +
               colour + QStringLiteral("; height:45px;width:") + b +
               QStringLiteral(
                   "px\"><div style=\" color:#FFF; font-size:26px; font-weight:600; line-height:45px; "
                   "float:left; padding-left:10px; font-family:arial\"><span style=\"font-size:14px;"
                   "font-family: Microsoft yahei; \">￥</span>") +
               text(field(card.price)) + QStringLiteral("</div><a style=\"color:") +
               text(QStringLiteral("edt3")) + QStringLiteral("; text-decoration:none\" href=\"") + link +
               QStringLiteral("\"><div style=\"background:") + text(QStringLiteral("edt2")) +
               QStringLiteral(
                   ";font-size:16px;font-weight:600;float:right; padding:4px 10px 4px 10px; margin-top:8px; "
                   "margin-right:10px;\">") +
               text(QStringLiteral("edt21")) + QStringLiteral("</div></a></div></div>");
    }
    return out;
}

QINGWU_WINDOW(Tfrmtuangou, {.order = 610,
                            .tile = core::Tile{.page = u"ts6",
                                               .row = 4,
                                               .column = 2,
                                               .image = u"img53",
                                               .caption = u"仿团购促销列表"},
                            .preview = core::ShopPreview{.place = core::Place::Home, .shopType = u"cbb1"}})

} // namespace generators
