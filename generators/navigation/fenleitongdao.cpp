#include "generators/navigation/fenleitongdao.h"

#include "core/addresses.h"
#include "core/preview.h"
#include "core/registry.h"
#include "generators/navigation/navigation.h"

#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

namespace generators {

namespace {

// One group of the channel: its big name and its seven links as (name, address).
struct Group {
    int big;
    int links[7][2];
};
const Group kGroups[5] = {
    {14, {{16, 17}, {18, 19}, {20, 21}, {22, 23}, {24, 25}, {26, 27}, {9, 10}}},
    {11, {{13, 28}, {29, 30}, {31, 32}, {33, 34}, {35, 36}, {37, 38}, {39, 40}}},
    {41, {{43, 44}, {45, 46}, {47, 48}, {49, 50}, {51, 52}, {53, 54}, {55, 56}}},
    {57, {{59, 60}, {61, 62}, {63, 64}, {65, 66}, {67, 68}, {69, 70}, {71, 72}}},
    {73, {{75, 76}, {77, 78}, {79, 80}, {81, 82}, {83, 84}, {85, 86}, {87, 88}}},
};

// The three top links as (name, address).
const int kTopLinks[3][2] = {{12, 15}, {42, 58}, {74, 89}};

QString edt(int number) {
    return QStringLiteral("edt%1").arg(number);
}

// A link of the middle area in the block's text colour.
QString linkSpan(const QString& colour, const QString& name, const QString& address) {
    return QStringLiteral("<span style=\"margin-right:15px;\"><a style=\"text-decoration:none; color:") + colour +
           QStringLiteral("\" href=\"") + address + QStringLiteral("\" target=\"_blank\">") + name +
           QStringLiteral("</a></span>");
}

} // namespace

FenleitongdaoInput::FenleitongdaoInput() {
    for (int g = 0; g < 5; ++g) {
        Group group{QStringLiteral("左侧分类名"), QStringList(6, QStringLiteral("自定义名")),
                    QStringList(7, QStringLiteral("#"))};
        group.names << QStringLiteral("查看更多");
        groups << group;
    }
}

Tfrmfenleitongdao::Tfrmfenleitongdao()
    : core::Form(QStringLiteral("Tfrmfenleitongdao"), QStringLiteral("首页快速分类通道")) {
    setClientSize(745, 778);
    const FenleitongdaoInput defaults;

    QGroupBox* output = addGroup(this, QStringLiteral("grp1"), QRect(10, 8, 725, 64), QStringLiteral("输出"));
    addCombo(output, QStringLiteral("cbb1"), QRect(12, 26, 90, 24), {QStringLiteral("集市店"), QStringLiteral("天猫店")},
             QStringLiteral("集市店"));
    addCaption(output, QRect(116, 28, 84, 22), QStringLiteral("店铺短地址："));
    addEdit(output, QStringLiteral("edt6"), QRect(200, 26, 240, 24), defaults.shop);
    addButton(output, QStringLiteral("btn1"), QRect(452, 22, 80, 32), QStringLiteral("参照图"));
    QLabel* help = addLabel(output, QStringLiteral("lbl19"), QRect(544, 28, 36, 22), QStringLiteral("帮助"));
    help->setStyleSheet(QStringLiteral("color:blue; text-decoration:underline"));
    help->setCursor(Qt::PointingHandCursor);
    addButton(output, QStringLiteral("btn2"), QRect(596, 20, 116, 36), QStringLiteral("生成提取"));
    addHolder(QStringLiteral("lbl17"), defaults.width);
    addHolder(QStringLiteral("lbl18"), defaults.middle);

    QGroupBox* colours =
        addGroup(this, QStringLiteral("grp2"), QRect(10, 78, 725, 96), QStringLiteral("颜色设置"));
    const struct {
        QString caption, name, value;
        QRect caption_at, edit_at;
    } colourFields[] = {
        {QStringLiteral("标题名："), QStringLiteral("edt1"), defaults.title, {12, 28, 56, 22}, {68, 26, 100, 24}},
        {QStringLiteral("背景色："), QStringLiteral("edt2"), defaults.titleBack, {186, 28, 56, 22}, {242, 26, 80, 24}},
        {QStringLiteral("文字色："), QStringLiteral("edt3"), defaults.titleColour, {340, 28, 56, 22}, {396, 26, 80, 24}},
        {QStringLiteral("左侧及中间底色："), QStringLiteral("edt4"), defaults.side, {12, 62, 112, 22}, {124, 60, 80, 24}},
        {QStringLiteral("文字颜色："), QStringLiteral("edt5"), defaults.textColour, {222, 62, 70, 22}, {292, 60, 80, 24}},
    };
    for (const auto& f : colourFields) {
        addCaption(colours, f.caption_at, f.caption);
        addEdit(colours, f.name, f.edit_at, f.value);
    }

    QGroupBox* picture =
        addGroup(this, QStringLiteral("grp3"), QRect(10, 180, 725, 64), QStringLiteral("右侧小图"));
    addCaption(picture, QRect(12, 28, 70, 22), QStringLiteral("图片地址："));
    addEdit(picture, QStringLiteral("edt7"), QRect(82, 26, 330, 24), defaults.picture);
    addCaption(picture, QRect(426, 28, 70, 22), QStringLiteral("链接地址："));
    addEdit(picture, QStringLiteral("edt8"), QRect(496, 26, 216, 24), defaults.pictureLink);

    QGroupBox* top = addGroup(this, QStringLiteral("grp4"), QRect(10, 250, 725, 64), QStringLiteral("顶部导航"));
    for (int i = 0; i < 3; ++i) {
        addEdit(top, edt(kTopLinks[i][0]), QRect(12 + 236 * i, 26, 90, 24), defaults.topNames[i]);
        addEdit(top, edt(kTopLinks[i][1]), QRect(106 + 236 * i, 26, 120, 24), defaults.topLinks[i]);
    }

    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("pgc1"));
    pages->setGeometry(10, 322, 725, 446);
    const QString tabs[] = {QStringLiteral("   第一组   "), QStringLiteral("   第二组   "),
                            QStringLiteral("   第三组   "), QStringLiteral("   第四组   "),
                            QStringLiteral("   第五组   ")};
    for (int g = 0; g < 5; ++g) {
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("ts%1").arg(g + 1));
        pages->addTab(page, tabs[g]);
        addCaption(page, QRect(12, 14, 80, 22), QStringLiteral("大分类名："));
        addEdit(page, edt(kGroups[g].big), QRect(92, 12, 200, 24), defaults.groups[g].big);
        for (int k = 0; k < 7; ++k) {
            const int y = 52 + 46 * k;
            addCaption(page, QRect(12, y + 2, 80, 22), QStringLiteral("分类名%1：").arg(k + 1));
            addEdit(page, edt(kGroups[g].links[k][0]), QRect(92, y, 200, 24), defaults.groups[g].names[k]);
            addCaption(page, QRect(310, y + 2, 56, 22), QStringLiteral("链接%1：").arg(k + 1));
            addEdit(page, edt(kGroups[g].links[k][1]), QRect(366, y, 330, 24), defaults.groups[g].links[k]);
        }
    }

    // The example of the finished channel, shown while the pointer rests on "参照图".
    auto* example = new QWidget(this);
    example->setObjectName(QStringLiteral("pnl1"));
    example->setGeometry(10, 78, 725, 690);
    core::addPreviewPicture(example, QRect(0, 0, 725, 690), QStringLiteral("首页快速分类通道"));
    example->hide();

    addOutputMemo(QStringLiteral("mmo1"));

    on(QStringLiteral("cbb1Change"), [this] {
        const bool market = text(QStringLiteral("cbb1")) == QStringLiteral("集市店");
        setText(QStringLiteral("lbl17"), market ? QStringLiteral("950") : QStringLiteral("990"));
        setText(QStringLiteral("lbl18"), market ? QStringLiteral("600") : QStringLiteral("640"));
    });
    on(QStringLiteral("btn1MouseEnter"), [this] {
        auto* panel = control<QWidget>(QStringLiteral("pnl1"));
        panel->show();
        panel->raise();
    });
    on(QStringLiteral("grp1MouseEnter"), [this] { control<QWidget>(QStringLiteral("pnl1"))->hide(); });
    on(QStringLiteral("lbl19Click"), [this] {
        message(QStringLiteral("注意短地址为.com结尾不带/以及后面的地址，板块高度为280转化基础版的朋友注意高度！"));
    });
    on(QStringLiteral("btn2Click"), [this] {
        deliver(QStringLiteral("mmo1"), fenleitongdaoSnippet(input()),
                QStringLiteral("代码已被复制，可以到店铺的自定义进行粘贴了,或者用代码预览器预览一下！"));
    });
}

FenleitongdaoInput Tfrmfenleitongdao::input() const {
    FenleitongdaoInput in;
    in.width = text(QStringLiteral("lbl17"));
    in.middle = text(QStringLiteral("lbl18"));
    in.shop = text(QStringLiteral("edt6"));
    in.title = text(QStringLiteral("edt1"));
    in.titleBack = text(QStringLiteral("edt2"));
    in.titleColour = text(QStringLiteral("edt3"));
    in.side = text(QStringLiteral("edt4"));
    in.textColour = text(QStringLiteral("edt5"));
    in.picture = text(QStringLiteral("edt7"));
    in.pictureLink = text(QStringLiteral("edt8"));
    for (int i = 0; i < 3; ++i) {
        in.topNames[i] = text(edt(kTopLinks[i][0]));
        in.topLinks[i] = text(edt(kTopLinks[i][1]));
    }
    for (int g = 0; g < 5; ++g) {
        in.groups[g].big = text(edt(kGroups[g].big));
        for (int k = 0; k < 7; ++k) {
            in.groups[g].names[k] = text(edt(kGroups[g].links[k][0]));
            in.groups[g].links[k] = text(edt(kGroups[g].links[k][1]));
        }
    }
    return in;
}

QString fenleitongdaoSnippet(const FenleitongdaoInput& in) {
    const QString& side = in.side;
    QString out = QStringLiteral("<div style=\"height:280px; width:") + in.width +
                  QStringLiteral("px; font-size:14px;background-color:#fff;font-family: Microsoft yahei;color:") +
                  in.textColour + QStringLiteral("\">");
    // Left column: the title and the five big names.
    out += QStringLiteral("<div style=\"height:280px; float:left; width:150px; background-color:") + side +
           QStringLiteral(";font-weight:700;\">") +
           QStringLiteral("<div style=\"height:40px; line-height:40px; text-align:center; background-color:") +
           in.titleBack + QStringLiteral("; font-weight:700; color:") + in.titleColour +
           QStringLiteral("; font-size:16px\">") + in.title +
           QStringLiteral("</div><div style=\"height:10px;\"></div>");
    for (const FenleitongdaoInput::Group& group : in.groups)
        out += QStringLiteral("<div style=\"height:40px; line-height:40px; text-align:center;\">") + group.big +
               QStringLiteral("</div>");
    out += QStringLiteral("</div>");
    // Middle area: the top links and one row of links per group.
    out += QStringLiteral("<div style=\"height:280px; float:left; width:") + in.middle +
           QStringLiteral("px; font-size:14px;\">");
    out += QStringLiteral("<div style=\"height:40px; line-height:40px; background-color: ") + side +
           QStringLiteral(";padding-left:20px;\">");
    for (int i = 0; i < in.topNames.size(); ++i)
        out += linkSpan(in.textColour, in.topNames[i], in.topLinks.value(i));
    out += QStringLiteral("</div>");
    out += QStringLiteral("<div style=\"height:10px;\"></div>");
    for (const FenleitongdaoInput::Group& group : in.groups) {
        out += QStringLiteral("<div style=\"height:40px; line-height:40px; padding-left:20px\">");
        for (int k = 0; k < group.names.size(); ++k)
            out += linkSpan(in.textColour, group.names[k], group.links.value(k));
        out += QStringLiteral("</div>");
    }
    out += QStringLiteral("</div>");
    // Right column: the shop search and the picture link.
    out += QStringLiteral("<div style=\"height:280px; float:left; width:200px;\">") +
           QStringLiteral("<div style=\"height:40px; line-height:40px; text-align:center;background-color: #999\">") +
           QStringLiteral("<form action=\"") + navigation::searchAction(in.shop) +
           QStringLiteral("\" method=\"post\" target=\"_blank\">");
    out += QStringLiteral("<input class=\"keyword\" name=\"") + core::addresses::shopSearchField +
           QStringLiteral("\"  type=\"text\" style=\"border:#000 1px solid; width:115px; "
                          "height:23px;line-height:23px;background:url(none) #fff no-repeat; ") +
           QStringLiteral("padding-left:10px; color:#ccc\" value=\"\" /><input class=\"submit\" style=\"border:#069 "
                          "0px solid; color:#fff;width:40px;height:25px; color:#fff; background:url(none) #000; "
                          "font-weight:700\" type=\"submit\" name=\"submit\"  value=\"提交\"/></form>") +
           QStringLiteral("</div>");
    out += QStringLiteral("<div style=\"height:240px\">") + QStringLiteral("<a href=\"") +
           in.pictureLink + QStringLiteral("\" target=\"_blank\"><img src=\"") +
           in.picture + QStringLiteral("\"  width=\"200\" height=\"240\"/></a>") +
           QStringLiteral("</div></div></div>");
    return out;
}

QINGWU_WINDOW(
    Tfrmfenleitongdao,
    {.order = 340,
     .tile = core::Tile{.page = u"ts7", .row = 3, .column = 3, .image = u"img15", .caption = u"快速分类通道"},
     .preview = core::ShopPreview{.place = core::Place::Home, .shopType = u"cbb1"},
     .sample = [] { return fenleitongdaoSnippet(FenleitongdaoInput()); }})

} // namespace generators
