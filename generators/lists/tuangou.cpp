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

// The left margins of the first card and of the others, held in the hidden
// labels "lbl15" and "lbl18".
const QString kFirstMargin = QStringLiteral("0");
const QString kMargin = QStringLiteral("10");

} // namespace

TuangouInput::TuangouInput() {
    for (int k = 1; k <= 4; ++k) {
        pictures << lists::samplePicture(QStringLiteral("group-buy-%1.jpg").arg(k));
        links << QStringLiteral("#");
        titles << QStringLiteral("店铺装修实战入门到精通视频淘宝美工自学教程");
        prices << QStringLiteral("89.00");
    }
}

Tfrmtuangou::Tfrmtuangou()
    : core::Form(QStringLiteral("Tfrmtuangou"), QStringLiteral("仿团购促销列表")) {
    setClientSize(760, 470);
    const TuangouInput defaults;
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
    addEdit(settings, QStringLiteral("edt1"), QRect(156, 10, 70, 24), defaults.colour);
    addCaption(settings, QRect(236, 12, 64, 22), QStringLiteral("按钮底色："));
    addEdit(settings, QStringLiteral("edt2"), QRect(300, 10, 70, 24), defaults.buttonColour);
    addCaption(settings, QRect(380, 12, 76, 22), QStringLiteral("按钮文字色："));
    addEdit(settings, QStringLiteral("edt3"), QRect(456, 10, 70, 24), defaults.buttonTextColour);
    addButton(settings, QStringLiteral("btn1"), QRect(630, 6, 110, 32), QStringLiteral("确认预览"));

    for (int k = 1; k <= 4; ++k) {
        QGroupBox* group = addGroup(settings, QStringLiteral("grp%1").arg(k),
                                    QRect(8, 44 + 80 * (k - 1), 736, 76), QStringLiteral("产品%1").arg(k));
        const Card c = card(k);
        addCaption(group, QRect(10, 20, 50, 22), QStringLiteral("产品图："));
        addEdit(group, field(c.picture), QRect(60, 18, 400, 24), defaults.pictures[k - 1]);
        addCaption(group, QRect(470, 20, 40, 22), QStringLiteral("链接："));
        addEdit(group, field(c.link), QRect(510, 18, 216, 24), defaults.links[k - 1]);
        addCaption(group, QRect(10, 48, 50, 22), QStringLiteral("标题："));
        addEdit(group, field(c.title), QRect(60, 46, 400, 24), defaults.titles[k - 1]);
        addCaption(group, QRect(470, 48, 40, 22), QStringLiteral("价格："));
        addEdit(group, field(c.price), QRect(510, 46, 216, 24), defaults.prices[k - 1]);
    }

    addCaption(settings, QRect(10, 374, 60, 22), QStringLiteral("图片高度"));
    addEdit(settings, QStringLiteral("edt20"), QRect(70, 372, 50, 24), defaults.pictureHeight);
    addCaption(settings, QRect(122, 374, 20, 22), QStringLiteral("px"));
    addCaption(settings, QRect(150, 374, 60, 22), QStringLiteral("按钮名称"));
    addEdit(settings, QStringLiteral("edt21"), QRect(210, 372, 60, 24), defaults.buttonCaption);
    const struct {
        const char* name;
        QString caption, value;
    } sizes[] = {{"lbl13", QStringLiteral("图片宽度:"), defaults.pictureWidth},
                 {"lbl14", QStringLiteral("板块高度:"), defaults.cardHeight},
                 {"lbl17", QStringLiteral("板块宽度:"), defaults.cardWidth}};
    for (int i = 0; i < 3; ++i) {
        addCaption(settings, QRect(290 + 120 * i, 374, 64, 22), sizes[i].caption);
        addLabel(settings, QString::fromLatin1(sizes[i].name), QRect(354 + 120 * i, 374, 40, 22),
                 sizes[i].value);
    }
    addHolder(QStringLiteral("lbl15"), kFirstMargin);
    addHolder(QStringLiteral("lbl18"), kMargin);

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
        setText(QStringLiteral("mmo1"), tuangouSnippet(input()));
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

TuangouInput Tfrmtuangou::input() const {
    TuangouInput in;
    in.cardWidth = text(QStringLiteral("lbl17"));
    in.cardHeight = text(QStringLiteral("lbl14"));
    in.pictureWidth = text(QStringLiteral("lbl13"));
    in.pictureHeight = text(QStringLiteral("edt20"));
    in.colour = text(QStringLiteral("edt1"));
    in.buttonColour = text(QStringLiteral("edt2"));
    in.buttonTextColour = text(QStringLiteral("edt3"));
    in.buttonCaption = text(QStringLiteral("edt21"));
    for (int k = 1; k <= 4; ++k) {
        const Card c = card(k);
        in.pictures[k - 1] = text(field(c.picture));
        in.links[k - 1] = text(field(c.link));
        in.titles[k - 1] = text(field(c.title));
        in.prices[k - 1] = text(field(c.price));
    }
    return in;
}

QString tuangouSnippet(const TuangouInput& in) {
    const QString& c = in.cardWidth;
    const QString b = QString::number(qint64(core::parseInt(c)) + 1);
    const QString& p = in.pictureWidth;
    const QString& h = in.pictureHeight;
    const QString& colour = in.colour;
    QString out;
    for (int k = 1; k <= 4; ++k) {
        const QString& link = in.links[k - 1];
        out += QStringLiteral("<div style=\" background:#FFF ;width:") + c + QStringLiteral("px; height:") +
               in.cardHeight + QStringLiteral("px; float:left; margin:0px 0px 10px ") +
               (k == 1 ? kFirstMargin : kMargin) +
               QStringLiteral("px;font-family: Microsoft yahei; border:#DFDFDF 1px solid; padding:10px; "
                              "margin-left::0px\"><div style=\"height:55px; width:") +
               p + QStringLiteral("px; font-size:16px; color:#666\">") + in.titles[k - 1] +
               QStringLiteral("</div><div style=\"border:") + colour + QStringLiteral(" 2px solid; height:") +
               h + QStringLiteral("px; overflow:hidden; width:") + p + QStringLiteral("px\"><a href=\"") +
               link + QStringLiteral("\"><img style=\"border:none\"  src=\"") + in.pictures[k - 1] +
               QStringLiteral("\" width=\"") + p + QStringLiteral("\" /></a></div><div style=\"background:") +
               colour + QStringLiteral("; height:45px;width:") + b +
               QStringLiteral(
                   "px\"><div style=\" color:#FFF; font-size:26px; font-weight:600; line-height:45px; "
                   "float:left; padding-left:10px; font-family:arial\"><span style=\"font-size:14px;"
                   "font-family: Microsoft yahei; \">￥</span>") +
               in.prices[k - 1] + QStringLiteral("</div><a style=\"color:") + in.buttonTextColour +
               QStringLiteral("; text-decoration:none\" href=\"") + link +
               QStringLiteral("\"><div style=\"background:") + in.buttonColour +
               QStringLiteral(
                   ";font-size:16px;font-weight:600;float:right; padding:4px 10px 4px 10px; margin-top:8px; "
                   "margin-right:10px;\">") +
               in.buttonCaption + QStringLiteral("</div></a></div></div>");
    }
    return out;
}

QINGWU_WINDOW(Tfrmtuangou, {.order = 610,
                            .tile = core::Tile{.page = u"ts6",
                                               .row = 4,
                                               .column = 2,
                                               .image = u"img53",
                                               .caption = u"仿团购促销列表"},
                            .preview = core::ShopPreview{.place = core::Place::Home, .shopType = u"cbb1"},
                            .sample = [] { return tuangouSnippet(TuangouInput()); }})

} // namespace generators
