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

const QString kSampleShop = QStringLiteral("https://qingwu360.taobao.com");
const QString kSamplePicture = QStringLiteral("https://img.alicdn.com/imgextra/i3/qingwu/fenlei-200x240.jpg");

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

} // namespace

Tfrmfenleitongdao::Tfrmfenleitongdao()
    : core::Form(QStringLiteral("Tfrmfenleitongdao"), QStringLiteral("首页快速分类通道")) {
    setClientSize(745, 778);

    QGroupBox* output = addGroup(this, QStringLiteral("grp1"), QRect(10, 8, 725, 64), QStringLiteral("输出"));
    addCombo(output, QStringLiteral("cbb1"), QRect(12, 26, 90, 24), {QStringLiteral("集市店"), QStringLiteral("天猫店")},
             QStringLiteral("集市店"));
    addCaption(output, QRect(116, 28, 84, 22), QStringLiteral("店铺短地址："));
    addEdit(output, QStringLiteral("edt6"), QRect(200, 26, 240, 24), kSampleShop);
    addButton(output, QStringLiteral("btn1"), QRect(452, 22, 80, 32), QStringLiteral("参照图"));
    QLabel* help = addLabel(output, QStringLiteral("lbl19"), QRect(544, 28, 36, 22), QStringLiteral("帮助"));
    help->setStyleSheet(QStringLiteral("color:blue; text-decoration:underline"));
    help->setCursor(Qt::PointingHandCursor);
    addButton(output, QStringLiteral("btn2"), QRect(596, 20, 116, 36), QStringLiteral("生成提取"));
    addHolder(QStringLiteral("lbl17"), QStringLiteral("950"));
    addHolder(QStringLiteral("lbl18"), QStringLiteral("600"));

    QGroupBox* colours =
        addGroup(this, QStringLiteral("grp2"), QRect(10, 78, 725, 96), QStringLiteral("颜色设置"));
    const struct {
        QString caption, name, value;
        QRect caption_at, edit_at;
    } colourFields[] = {
        {QStringLiteral("标题名："), QStringLiteral("edt1"), QStringLiteral("快速导航"), {12, 28, 56, 22}, {68, 26, 100, 24}},
        {QStringLiteral("背景色："), QStringLiteral("edt2"), QStringLiteral("#C00"), {186, 28, 56, 22}, {242, 26, 80, 24}},
        {QStringLiteral("文字色："), QStringLiteral("edt3"), QStringLiteral("#fff"), {340, 28, 56, 22}, {396, 26, 80, 24}},
        {QStringLiteral("左侧及中间底色："), QStringLiteral("edt4"), QStringLiteral("#d9d9d9"), {12, 62, 112, 22}, {124, 60, 80, 24}},
        {QStringLiteral("文字颜色："), QStringLiteral("edt5"), QStringLiteral("#000"), {222, 62, 70, 22}, {292, 60, 80, 24}},
    };
    for (const auto& f : colourFields) {
        addCaption(colours, f.caption_at, f.caption);
        addEdit(colours, f.name, f.edit_at, f.value);
    }

    QGroupBox* picture =
        addGroup(this, QStringLiteral("grp3"), QRect(10, 180, 725, 64), QStringLiteral("右侧小图"));
    addCaption(picture, QRect(12, 28, 70, 22), QStringLiteral("图片地址："));
    addEdit(picture, QStringLiteral("edt7"), QRect(82, 26, 330, 24), kSamplePicture);
    addCaption(picture, QRect(426, 28, 70, 22), QStringLiteral("链接地址："));
    addEdit(picture, QStringLiteral("edt8"), QRect(496, 26, 216, 24), QStringLiteral("#"));

    QGroupBox* top = addGroup(this, QStringLiteral("grp4"), QRect(10, 250, 725, 64), QStringLiteral("顶部导航"));
    const QString topNames[] = {QStringLiteral("按新品"), QStringLiteral("按销量"), QStringLiteral("按收藏")};
    for (int i = 0; i < 3; ++i) {
        addEdit(top, edt(kTopLinks[i][0]), QRect(12 + 236 * i, 26, 90, 24), topNames[i]);
        addEdit(top, edt(kTopLinks[i][1]), QRect(106 + 236 * i, 26, 120, 24), QStringLiteral("#"));
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
        addEdit(page, edt(kGroups[g].big), QRect(92, 12, 200, 24), QStringLiteral("左侧分类名"));
        for (int k = 0; k < 7; ++k) {
            const int y = 52 + 46 * k;
            addCaption(page, QRect(12, y + 2, 80, 22), QStringLiteral("分类名%1：").arg(k + 1));
            addEdit(page, edt(kGroups[g].links[k][0]), QRect(92, y, 200, 24),
                    k < 6 ? QStringLiteral("自定义名") : QStringLiteral("查看更多"));
            addCaption(page, QRect(310, y + 2, 56, 22), QStringLiteral("链接%1：").arg(k + 1));
            addEdit(page, edt(kGroups[g].links[k][1]), QRect(366, y, 330, 24), QStringLiteral("#"));
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
        deliver(QStringLiteral("mmo1"), snippet(),
                QStringLiteral("代码已被复制，可以到店铺的自定义进行粘贴了,或者用代码预览器预览一下！"));
    });
}

QString Tfrmfenleitongdao::linkSpan(const QString& name, const QString& address) const {
    return QStringLiteral("<span style=\"margin-right:15px;\"><a style=\"text-decoration:none; color:") +
           text(QStringLiteral("edt5")) + QStringLiteral("\" href=\"") + address +
           QStringLiteral("\" target=\"_blank\">") + name + QStringLiteral("</a></span>");
}

QString Tfrmfenleitongdao::snippet() const {
    const QString side = text(QStringLiteral("edt4"));
    QString out = QStringLiteral("<div style=\"height:280px; width:") + text(QStringLiteral("lbl17")) +
                  QStringLiteral("px; font-size:14px;background-color:#fff;font-family: Microsoft yahei;color:") +
                  text(QStringLiteral("edt5")) + QStringLiteral("\">");
    // Left column: the title and the five big names.
    out += QStringLiteral("<div style=\"height:280px; float:left; width:150px; background-color:") + side +
           QStringLiteral(";font-weight:700;\">") +
           QStringLiteral("<div style=\"height:40px; line-height:40px; text-align:center; background-color:") +
           text(QStringLiteral("edt2")) + QStringLiteral("; font-weight:700; color:") + text(QStringLiteral("edt3")) +
           QStringLiteral("; font-size:16px\">") + text(QStringLiteral("edt1")) +
           QStringLiteral("</div><div style=\"height:10px;\"></div>");
    for (const Group& group : kGroups)
        out += QStringLiteral("<div style=\"height:40px; line-height:40px; text-align:center;\">") +
               text(edt(group.big)) + QStringLiteral("</div>");
    out += QStringLiteral("</div>");
    // Middle area: the top links and one row of links per group.
    out += QStringLiteral("<div style=\"height:280px; float:left; width:") + text(QStringLiteral("lbl18")) +
           QStringLiteral("px; font-size:14px;\">");
    out += QStringLiteral("<div style=\"height:40px; line-height:40px; background-color: ") + side +
           QStringLiteral(";padding-left:20px;\">");
    for (const auto& link : kTopLinks)
        out += linkSpan(text(edt(link[0])), text(edt(link[1])));
    out += QStringLiteral("</div>");
    out += QStringLiteral("<div style=\"height:10px;\"></div>");
    for (const Group& group : kGroups) {
        out += QStringLiteral("<div style=\"height:40px; line-height:40px; padding-left:20px\">");
        for (const auto& link : group.links)
            out += linkSpan(text(edt(link[0])), text(edt(link[1])));
        out += QStringLiteral("</div>");
    }
    out += QStringLiteral("</div>");
    // Right column: the shop search and the picture link.
    out += QStringLiteral("<div style=\"height:280px; float:left; width:200px;\">") +
           QStringLiteral("<div style=\"height:40px; line-height:40px; text-align:center;background-color: #999\">") +
           QStringLiteral("<form action=\"") + navigation::searchAction(text(QStringLiteral("edt6"))) +
           QStringLiteral("\" method=\"post\" target=\"_blank\">");
    out += QStringLiteral("<input class=\"keyword\" name=\"") + core::addresses::shopSearchField +
           QStringLiteral("\"  type=\"text\" style=\"border:#000 1px solid; width:115px; "
                          "height:23px;line-height:23px;background:url(none) #fff no-repeat; ") +
           QStringLiteral("padding-left:10px; color:#ccc\" value=\"\" /><input class=\"submit\" style=\"border:#069 "
                          "0px solid; color:#fff;width:40px;height:25px; color:#fff; background:url(none) #000; "
                          "font-weight:700\" type=\"submit\" name=\"submit\"  value=\"提交\"/></form>") +
           QStringLiteral("</div>");
    out += QStringLiteral("<div style=\"height:240px\">") + QStringLiteral("<a href=\"") +
           text(QStringLiteral("edt8")) + QStringLiteral("\" target=\"_blank\"><img src=\"") +
           text(QStringLiteral("edt7")) + QStringLiteral("\"  width=\"200\" height=\"240\"/></a>") +
           QStringLiteral("</div></div></div>");
    return out;
}

QINGWU_WINDOW(
    Tfrmfenleitongdao,
    {.order = 340,
     .tile = core::Tile{.page = u"ts7", .row = 3, .column = 3, .image = u"img15", .caption = u"快速分类通道"},
     .preview = core::ShopPreview{.place = core::Place::Home, .shopType = u"cbb1"}})

} // namespace generators
