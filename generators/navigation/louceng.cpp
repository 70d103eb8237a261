#include "generators/navigation/louceng.h"

#include "core/preview.h"
#include "core/registry.h"

#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace generators {

namespace {

// Floor k (1 to 5): its anchor, its name field and its button's font colour.
const QString kAnchors[] = {QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three"),
                            QStringLiteral("four"), QStringLiteral("five")};
const QColor kButtonColours[] = {QColor(0, 0, 255), QColor(255, 0, 0), QColor(0, 128, 0), QColor(0, 0, 255),
                                 QColor(255, 0, 0)};

QString nameField(int floor) {
    return QStringLiteral("edt%1").arg(floor + 4);
}

// The preview page, in the "files" folder of the current working folder.
QString pagePath() {
    return core::workingPage(QStringLiteral("files/楼层.html"));
}

} // namespace

TFrmlouceng::TFrmlouceng()
    : core::Form(QStringLiteral("TFrmlouceng"), QStringLiteral("楼层跳转效果")) {
    setClientSize(812, 589);

    auto* browserHost = new QWidget(this);
    browserHost->setObjectName(QStringLiteral("wb1"));
    browserHost->setGeometry(17, 8, 777, 113);
    addCaption(this, QRect(17, 126, 600, 22),
               QStringLiteral("提示：本效果为五个楼层之间鼠标点击相应楼层即可跳转"));

    QGroupBox* bar =
        addGroup(this, QStringLiteral("grp1"), QRect(17, 152, 250, 130), QStringLiteral("版块设置"));
    const struct {
        QString caption, name, value, unit;
    } barFields[] = {
        {QStringLiteral("版块高度："), QStringLiteral("edt10"), QStringLiteral("45"), QStringLiteral("px")},
        {QStringLiteral("文字大小："), QStringLiteral("edt11"), QStringLiteral("18"), {}},
        {QStringLiteral("文字颜色："), QStringLiteral("edt12"), QStringLiteral("#fff"), {}}};
    int y = 26;
    for (const auto& f : barFields) {
        addCaption(bar, QRect(12, y + 2, 70, 22), f.caption);
        addEdit(bar, f.name, QRect(82, y, 100, 24), f.value);
        if (!f.unit.isEmpty()) addCaption(bar, QRect(188, y + 2, 30, 22), f.unit);
        y += 34;
    }
    colorField(QStringLiteral("edt12"));

    QGroupBox* back =
        addGroup(this, QStringLiteral("grp2"), QRect(277, 152, 320, 264), QStringLiteral("背景设置"));
    const struct {
        QString caption, name, value;
        bool colour;
    } backFields[] = {
        {QStringLiteral("默认背景色："), QStringLiteral("edt1"), QStringLiteral("#ccc"), true},
        {QStringLiteral("默认背景图："), QStringLiteral("edt2"), QStringLiteral("none"), false},
        {QStringLiteral("跳转背景色："), QStringLiteral("edt3"), QStringLiteral("#f30"), true},
        {QStringLiteral("跳转背景图："), QStringLiteral("edt4"), QStringLiteral("none"), false}};
    y = 26;
    for (const auto& f : backFields) {
        addCaption(back, QRect(12, y + 2, 84, 22), f.caption);
        addEdit(back, f.name, QRect(96, y, 210, 24), f.value);
        if (f.colour) colorField(f.name);
        y += 34;
    }
    // Five lines, the blank ones included, under the four fields.
    addCaption(back, QRect(12, 160, 296, 96),
               QStringLiteral("提示信息：\r\n\r\n如果不使用图片只选择\r\n\r\n颜色即可"));

    QGroupBox* names =
        addGroup(this, QStringLiteral("grp3"), QRect(607, 152, 188, 264), QStringLiteral("楼层名称"));
    const QString floorNames[] = {QStringLiteral("新品发布"), QStringLiteral("清仓处理"),
                                  QStringLiteral("暑期特卖"), QStringLiteral("掌柜推荐"),
                                  QStringLiteral("包邮专区")};
    for (int k = 1; k <= 5; ++k)
        addEdit(names, nameField(k), QRect(12, 26 + 38 * (k - 1), 164, 24), floorNames[k - 1]);

    for (int k = 1; k <= 5; ++k)
        addButton(this, QStringLiteral("btn%1").arg(k), QRect(17 + 130 * (k - 1), 428, 122, 34),
                  QStringLiteral("提取 %1 代码").arg(k));
    addButton(this, QStringLiteral("btn6"), QRect(667, 428, 128, 34), QStringLiteral("预览"));
    addCaption(
        this, QRect(17, 472, 778, 110),
        QStringLiteral(
            "提示信息：\r\n\r\n输入各个参数后，可以分别提取他们对应的代码，并复制到店铺的自定义内容区即可，"
            "或者查看（软件首页左侧分类导航中的）免费资源\r\n\r\n中关于本功能的视频教程。"))
        ->setWordWrap(true);

    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});
    for (int k = 1; k <= 5; ++k)
        addOutputMemo(QStringLiteral("mmo%1").arg(k + 1), {QStringLiteral("mmo%1").arg(k + 1)});

    for (int k = 1; k <= 5; ++k) {
        on(nameField(k) + QStringLiteral("Change"), [this, k] {
            auto* button = control<QPushButton>(QStringLiteral("btn%1").arg(k));
            const QString name = text(nameField(k));
            if (!name.isEmpty()) button->setText(QStringLiteral("提取") + name + QStringLiteral("的代码"));
            QPalette palette = button->palette();
            palette.setColor(QPalette::ButtonText, kButtonColours[k - 1]);
            button->setPalette(palette);
        });
        on(QStringLiteral("btn%1Click").arg(k), [this, k] {
            deliver(QStringLiteral("mmo%1").arg(k + 1), floorBar(k),
                    QStringLiteral("该版块的锚点及自定义代码复制成功！"));
        });
    }
    on(QStringLiteral("btn6Click"), [this, browserHost] {
        setText(QStringLiteral("mmo1"), previewBar());
        core::makeFolderOf(pagePath());
        core::savePageLines(*this, QStringLiteral("mmo1"), pagePath());
        core::showPage(m_browser, browserHost, pagePath());
    });
}

QString TFrmlouceng::floorBar(int floor) const {
    const QString height = text(QStringLiteral("edt10"));
    const QString textColour = text(QStringLiteral("edt12"));
    const QString marked = QStringLiteral("background: url(") + text(QStringLiteral("edt4")) +
                           QStringLiteral(") ") + text(QStringLiteral("edt3")) + QStringLiteral(" no-repeat");
    QString out =
        QStringLiteral("<a name=\"") + kAnchors[floor - 1] +
        QStringLiteral("\"></a><div style=\"line-height:") + height + QStringLiteral("px; height:") + height +
        QStringLiteral("px;width:100%; font-family:Microsoft YaHei;") + QStringLiteral("font-size:") +
        text(QStringLiteral("edt11")) + QStringLiteral("px; text-align:center; background: url(") +
        text(QStringLiteral("edt2")) + QStringLiteral(") ") + text(QStringLiteral("edt1")) +
        QStringLiteral(" no-repeat;color:") + textColour + QStringLiteral("\">");
    for (int j = 1; j <= 5; ++j) {
        if (j == floor) {
            out +=
                j == 1
                    ? QStringLiteral("<div style=\"width:20%;") + marked + QStringLiteral("; float:left\">")
                    : QStringLiteral("<div style=\"width:20%;float:left;") + marked + QStringLiteral(";\">");
            out += text(nameField(j)) + QStringLiteral("</div>");
        } else {
            out += QStringLiteral("<a style=\"color:") + textColour +
                   QStringLiteral("; text-decoration:none\"  href=\"#") + kAnchors[j - 1] +
                   QStringLiteral("\">") +
                   (j == 1 ? QStringLiteral("<div style=\"width:20%; float:left\">")
                           : QStringLiteral("<div style=\"width:20%;float:left;\">")) +
                   text(nameField(j)) + QStringLiteral("</div></a>");
        }
    }
    return out + QStringLiteral("</div>");
}

QString TFrmlouceng::previewBar() const {
    const QString height = text(QStringLiteral("edt10"));
    QString out = QStringLiteral("<div style=\"line-height:") + height + QStringLiteral("px; height:") +
                  height + QStringLiteral("px;width:100%; font-family:Microsoft YaHei;") +
                  QStringLiteral("font-size:") + text(QStringLiteral("edt11")) +
                  QStringLiteral("px; text-align:center; background:url(") + text(QStringLiteral("edt2")) +
                  QStringLiteral(") ") + text(QStringLiteral("edt1")) + QStringLiteral(" no-repeat;color:") +
                  text(QStringLiteral("edt12")) + QStringLiteral("\">");
    out += QStringLiteral("<div style=\"width:20%;background: url(") + text(QStringLiteral("edt4")) +
           QStringLiteral(") ") + text(QStringLiteral("edt3")) + QStringLiteral(" no-repeat; float:left\">") +
           text(QStringLiteral("edt5")) + QStringLiteral("</div></a>");
    out += QStringLiteral("<div style=\"width:20%;float:left;\">") + text(QStringLiteral("edt6")) +
           QStringLiteral("</div>") + QStringLiteral("<div style=\"width:20%;float:left;\">") +
           text(QStringLiteral("edt7")) + QStringLiteral("</div>") +
           QStringLiteral("<div style=\"width:19.5%;float:left;\">") + text(QStringLiteral("edt8")) +
           QStringLiteral("</div>") + QStringLiteral("<div style=\"width:20%;float:left;\">") +
           text(QStringLiteral("edt9")) + QStringLiteral("</div>");
    return out + QStringLiteral("</div>");
}

Tfrmmaodian::Tfrmmaodian()
    : core::Form(QStringLiteral("Tfrmmaodian"), QStringLiteral(" 锚点")) {
    setClientSize(356, 373);

    addCaption(this, QRect(12, 10, 332, 22), QStringLiteral("第一步："));
    addCaption(this, QRect(12, 32, 332, 22), QStringLiteral("多个锚点选不同的名称"));
    addCombo(this, QStringLiteral("cbb1"), QRect(12, 56, 200, 24),
             {QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three"), QStringLiteral("Four"),
              QStringLiteral("Five"), QStringLiteral("Six"), QStringLiteral("Seven"), QStringLiteral("Eight"),
              QStringLiteral("Nine"), QStringLiteral("Ten")},
             QStringLiteral("锚点名称"));
    addCaption(this, QRect(12, 90, 332, 22),
               QStringLiteral("第二步：输入锚点起点（可以是汉字，也可以是html代码）"));
    addMemo(this, QStringLiteral("mmo2"), QRect(12, 114, 332, 130));
    addButton(this, QStringLiteral("btn1"), QRect(12, 252, 120, 34), QStringLiteral("复制起点"));
    addCaption(this, QRect(12, 296, 332, 22),
               QStringLiteral("第三步：提取终点，即点击起点后跳转到的锚点位置"));
    addButton(this, QStringLiteral("btn2"), QRect(12, 324, 120, 34), QStringLiteral("复制终点"));

    addOutputMemo(QStringLiteral("mmo3"));
    addOutputMemo(QStringLiteral("mmo1"));

    on(QStringLiteral("btn1Click"), [this] {
        deliver(QStringLiteral("mmo3"),
                QStringLiteral("<a  href=\"#") + text(QStringLiteral("cbb1")) + QStringLiteral("\">") +
                    text(QStringLiteral("mmo2")) + QStringLiteral("</a>"),
                QStringLiteral("复制起点成功，可在装修页面进行添加了！"));
    });
    on(QStringLiteral("btn2Click"), [this] {
        deliver(QStringLiteral("mmo1"),
                QStringLiteral("<a name=\"") + text(QStringLiteral("cbb1")) + QStringLiteral("\"></a>"),
                QStringLiteral("复制跳转点成功，可在装修页面进行添加了！"));
    });
}

QINGWU_WINDOW(
    TFrmlouceng,
    {.order = 380,
     .tile = core::Tile{.page = u"ts7", .row = 1, .column = 1, .image = u"img68", .caption = u"楼层跳转"},
     .preview = core::ShopPreview{.place = core::Place::Home}})
QINGWU_WINDOW(
    Tfrmmaodian,
    {.order = 170,
     .tile = core::Tile{.page = u"tsmg2", .row = 1, .column = 2, .image = u"img119", .caption = u"锚点"},
     .preview = core::ShopPreview{.place = core::Place::Home}})

} // namespace generators
