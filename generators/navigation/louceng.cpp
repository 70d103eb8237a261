#include "generators/navigation/louceng.h"

#include "core/preview.h"
#include "core/registry.h"
#include "core/text.h"

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
    const LoucengInput defaults;

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
        {QStringLiteral("版块高度："), QStringLiteral("edt10"), defaults.height, QStringLiteral("px")},
        {QStringLiteral("文字大小："), QStringLiteral("edt11"), defaults.textSize, {}},
        {QStringLiteral("文字颜色："), QStringLiteral("edt12"), defaults.textColour, {}}};
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
        {QStringLiteral("默认背景色："), QStringLiteral("edt1"), defaults.back, true},
        {QStringLiteral("默认背景图："), QStringLiteral("edt2"), defaults.backPicture, false},
        {QStringLiteral("跳转背景色："), QStringLiteral("edt3"), defaults.marked, true},
        {QStringLiteral("跳转背景图："), QStringLiteral("edt4"), defaults.markedPicture, false}};
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
    for (int k = 1; k <= 5; ++k)
        addEdit(names, nameField(k), QRect(12, 26 + 38 * (k - 1), 164, 24), defaults.names[k - 1]);

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
            deliver(QStringLiteral("mmo%1").arg(k + 1), loucengSnippet(input(k)),
                    QStringLiteral("该版块的锚点及自定义代码复制成功！"));
        });
    }
    on(QStringLiteral("btn6Click"), [this, browserHost] {
        setText(QStringLiteral("mmo1"), loucengPreview(input(1)));
        core::makeFolderOf(pagePath());
        core::savePageLines(*this, QStringLiteral("mmo1"), pagePath());
        core::showPage(m_browser, browserHost, pagePath());
    });
}

LoucengInput TFrmlouceng::input(int floor) const {
    LoucengInput in;
    in.floor = floor;
    in.height = text(QStringLiteral("edt10"));
    in.textSize = text(QStringLiteral("edt11"));
    in.textColour = text(QStringLiteral("edt12"));
    in.back = text(QStringLiteral("edt1"));
    in.backPicture = text(QStringLiteral("edt2"));
    in.marked = text(QStringLiteral("edt3"));
    in.markedPicture = text(QStringLiteral("edt4"));
    for (int k = 1; k <= 5; ++k)
        in.names[k - 1] = text(nameField(k));
    return in;
}

QString loucengSnippet(const LoucengInput& in) {
    const int floor = in.floor;
    const QString& height = in.height;
    const QString& textColour = in.textColour;
    const QString marked = QStringLiteral("background: url(") + in.markedPicture +
                           QStringLiteral(") ") + in.marked + QStringLiteral(" no-repeat");
    QString out =
        QStringLiteral("<a name=\"") + kAnchors[floor - 1] +
        QStringLiteral("\"></a><div style=\"line-height:") + height + QStringLiteral("px; height:") + height +
        QStringLiteral("px;width:100%; font-family:Microsoft YaHei;") + QStringLiteral("font-size:") +
        in.textSize + QStringLiteral("px; text-align:center; background: url(") +
        in.backPicture + QStringLiteral(") ") + in.back +
        QStringLiteral(" no-repeat;color:") + textColour + QStringLiteral("\">");
    for (int j = 1; j <= 5; ++j) {
        if (j == floor) {
            out +=
                j == 1
                    ? QStringLiteral("<div style=\"width:20%;") + marked + QStringLiteral("; float:left\">")
                    : QStringLiteral("<div style=\"width:20%;float:left;") + marked + QStringLiteral(";\">");
            out += in.names.value(j - 1) + QStringLiteral("</div>");
        } else {
            out += QStringLiteral("<a style=\"color:") + textColour +
                   QStringLiteral("; text-decoration:none\"  href=\"#") + kAnchors[j - 1] +
                   QStringLiteral("\">") +
                   (j == 1 ? QStringLiteral("<div style=\"width:20%; float:left\">")
                           : QStringLiteral("<div style=\"width:20%;float:left;\">")) +
                   in.names.value(j - 1) + QStringLiteral("</div></a>");
        }
    }
    return out + QStringLiteral("</div>");
}

QString loucengPreview(const LoucengInput& in) {
    const QString& height = in.height;
    QString out = QStringLiteral("<div style=\"line-height:") + height + QStringLiteral("px; height:") +
                  height + QStringLiteral("px;width:100%; font-family:Microsoft YaHei;") +
                  QStringLiteral("font-size:") + in.textSize +
                  QStringLiteral("px; text-align:center; background:url(") + in.backPicture +
                  QStringLiteral(") ") + in.back + QStringLiteral(" no-repeat;color:") +
                  in.textColour + QStringLiteral("\">");
    out += QStringLiteral("<div style=\"width:20%;background: url(") + in.markedPicture +
           QStringLiteral(") ") + in.marked + QStringLiteral(" no-repeat; float:left\">") +
           in.names.value(0) + QStringLiteral("</div></a>");
    out += QStringLiteral("<div style=\"width:20%;float:left;\">") + in.names.value(1) +
           QStringLiteral("</div>") + QStringLiteral("<div style=\"width:20%;float:left;\">") +
           in.names.value(2) + QStringLiteral("</div>") +
           QStringLiteral("<div style=\"width:19.5%;float:left;\">") + in.names.value(3) +
           QStringLiteral("</div>") + QStringLiteral("<div style=\"width:20%;float:left;\">") +
           in.names.value(4) + QStringLiteral("</div>");
    return out + QStringLiteral("</div>");
}

Tfrmmaodian::Tfrmmaodian()
    : core::Form(QStringLiteral("Tfrmmaodian"), QStringLiteral(" 锚点")) {
    setClientSize(356, 373);
    const MaodianInput defaults;

    addCaption(this, QRect(12, 10, 332, 22), QStringLiteral("第一步："));
    addCaption(this, QRect(12, 32, 332, 22), QStringLiteral("多个锚点选不同的名称"));
    addCombo(this, QStringLiteral("cbb1"), QRect(12, 56, 200, 24),
             {QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three"), QStringLiteral("Four"),
              QStringLiteral("Five"), QStringLiteral("Six"), QStringLiteral("Seven"), QStringLiteral("Eight"),
              QStringLiteral("Nine"), QStringLiteral("Ten")},
             defaults.anchor);
    addCaption(this, QRect(12, 90, 332, 22),
               QStringLiteral("第二步：输入锚点起点（可以是汉字，也可以是html代码）"));
    addMemo(this, QStringLiteral("mmo2"), QRect(12, 114, 332, 130), core::textLines(defaults.start));
    addButton(this, QStringLiteral("btn1"), QRect(12, 252, 120, 34), QStringLiteral("复制起点"));
    addCaption(this, QRect(12, 296, 332, 22),
               QStringLiteral("第三步：提取终点，即点击起点后跳转到的锚点位置"));
    addButton(this, QStringLiteral("btn2"), QRect(12, 324, 120, 34), QStringLiteral("复制终点"));

    addOutputMemo(QStringLiteral("mmo3"));
    addOutputMemo(QStringLiteral("mmo1"));

    on(QStringLiteral("btn1Click"), [this] {
        deliver(QStringLiteral("mmo3"), maodianStart(input()),
                QStringLiteral("复制起点成功，可在装修页面进行添加了！"));
    });
    on(QStringLiteral("btn2Click"), [this] {
        deliver(QStringLiteral("mmo1"), maodianTarget(input()),
                QStringLiteral("复制跳转点成功，可在装修页面进行添加了！"));
    });
}

MaodianInput Tfrmmaodian::input() const {
    return {text(QStringLiteral("cbb1")), text(QStringLiteral("mmo2"))};
}

QString maodianStart(const MaodianInput& in) {
    return QStringLiteral("<a  href=\"#") + in.anchor + QStringLiteral("\">") + in.start + QStringLiteral("</a>");
}

QString maodianTarget(const MaodianInput& in) {
    return QStringLiteral("<a name=\"") + in.anchor + QStringLiteral("\"></a>");
}

QINGWU_WINDOW(
    TFrmlouceng,
    {.order = 380,
     .tile = core::Tile{.page = u"ts7", .row = 1, .column = 1, .image = u"img68", .caption = u"楼层跳转"},
     .preview = core::ShopPreview{.place = core::Place::Home},
     .sample = [] { return loucengSnippet(LoucengInput()); }})
QINGWU_WINDOW(
    Tfrmmaodian,
    {.order = 170,
     .tile = core::Tile{.page = u"tsmg2", .row = 1, .column = 2, .image = u"img119", .caption = u"锚点"},
     .preview = core::ShopPreview{.place = core::Place::Home},
     .sample = [] { return maodianStart(MaodianInput()); }})

} // namespace generators
