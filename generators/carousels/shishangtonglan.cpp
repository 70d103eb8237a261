#include "generators/carousels/shishangtonglan.h"

#include "core/files.h"
#include "core/handoff.h"
#include "core/preview.h"
#include "core/registry.h"
#include "core/text.h"

#include <QFileInfo>
#include <QLabel>

namespace generators {

namespace {

const QString kSamplePoster =
    QStringLiteral("https://img.alicdn.com/imgextra/i1/qingwu/fashion-1920x600.jpg");
const QString kSampleSmall = QStringLiteral("https://img.alicdn.com/imgextra/i2/qingwu/fashion-200x260.jpg");

const QStringList kHelp = {
    QStringLiteral("原理：通栏大图海报外加浮动的分类标签"),
    QStringLiteral(
        "本功能是静态HTML，默认情况下为给大图加单个链接，如果海报上有多个链接时，需要借助DW的热点功能："),
    QStringLiteral("第一步：通过本软件生成代码；"),
    QStringLiteral("第二步：打开DW，将生成的代码粘贴进去，并去掉大图的链接"),
    QStringLiteral("第三步：根据需要绘制热点并加好链接！"),
    QStringLiteral("第四步：将做好的代码复制到，软件的【通栏助手】编辑框中生成通栏代码"),
    QStringLiteral("第五步：将生成的代码复制到店铺相应的位置的自定义板块中即可！")};

// The preview page written at every generation, in "files" below the current folder.
QString previewFile() {
    return core::workingPage(QStringLiteral("files/时尚大图.html"));
}

} // namespace

Tfrmshishangtonglan::Tfrmshishangtonglan()
    : core::Form(QStringLiteral("Tfrmshishangtonglan"), QStringLiteral("时尚通栏海报加分类")) {
    setClientSize(1000, 720);
    const ShishangtonglanInput defaults;
    core::addPreviewPicture(this, QRect(0, 0, 1000, 313), QStringLiteral("1920 时尚通栏海报加分类"));

    QGroupBox* poster =
        addGroup(this, QStringLiteral("grp1"), QRect(8, 320, 480, 170), QStringLiteral("图片参数"));
    addCaption(poster, QRect(10, 26, 80, 24), QStringLiteral("大图地址："));
    addEdit(poster, QStringLiteral("edt1"), QRect(90, 26, 380, 24), defaults.poster);
    addCaption(poster, QRect(10, 60, 80, 24), QStringLiteral("大图链接："));
    addEdit(poster, QStringLiteral("edt19"), QRect(90, 60, 380, 24), defaults.posterLink);
    addCaption(poster, QRect(10, 94, 80, 24), QStringLiteral("小图地址："));
    addEdit(poster, QStringLiteral("edt2"), QRect(90, 94, 380, 24), defaults.small);
    addCaption(poster, QRect(10, 128, 80, 24), QStringLiteral("小图链接："));
    addEdit(poster, QStringLiteral("edt3"), QRect(90, 128, 380, 24), defaults.smallLink);

    QGroupBox* column =
        addGroup(this, QStringLiteral("grp2"), QRect(496, 320, 496, 270), QStringLiteral("分类参数"));
    addCaption(column, QRect(10, 26, 80, 24), QStringLiteral("左侧名称："));
    addEdit(column, QStringLiteral("edt20"), QRect(90, 26, 200, 24), defaults.heading);
    for (int k = 1; k <= 6; ++k) {
        const int y = 26 + 34 * k;
        addCaption(column, QRect(10, y, 80, 24), QStringLiteral("分类%1名称：").arg(k));
        addEdit(column, QStringLiteral("edt%1").arg(2 + 2 * k), QRect(90, y, 130, 24), defaults.names[k - 1]);
        addCaption(column, QRect(230, y, 80, 24), QStringLiteral("分类%1链接：").arg(k));
        addEdit(column, QStringLiteral("edt%1").arg(3 + 2 * k), QRect(310, y, 176, 24),
                defaults.links[k - 1]);
    }

    QGroupBox* button =
        addGroup(this, QStringLiteral("grp3"), QRect(8, 498, 480, 92), QStringLiteral("按钮"));
    addCaption(button, QRect(10, 26, 50, 24), QStringLiteral("文字："));
    addEdit(button, QStringLiteral("edt16"), QRect(60, 26, 150, 24), defaults.buttonText);
    addCaption(button, QRect(230, 26, 50, 24), QStringLiteral("颜色："));
    addEdit(button, QStringLiteral("edt17"), QRect(280, 26, 90, 24), defaults.buttonColour);
    addCaption(button, QRect(10, 58, 50, 24), QStringLiteral("链接："));
    addEdit(button, QStringLiteral("edt18"), QRect(60, 58, 410, 24), defaults.buttonLink);

    QGroupBox* remarks =
        addGroup(this, QStringLiteral("grp4"), QRect(8, 598, 480, 114), QStringLiteral("备注"));
    addCaption(remarks, QRect(10, 26, 460, 22), QStringLiteral("大图尺寸：1920*600     小图尺寸：200*260"));
    addCaption(remarks, QRect(10, 54, 460, 22), QStringLiteral("本功能配合通栏助手功能使用！"));
    addLabel(remarks, QStringLiteral("lbl6"), QRect(10, 84, 40, 22), QStringLiteral("帮助"))
        ->setStyleSheet(QStringLiteral("color:blue; text-decoration:underline"));

    addCombo(this, QStringLiteral("cbb1"), QRect(496, 604, 120, 26),
             {QStringLiteral("专业版"), QStringLiteral("基础版"), QStringLiteral("天猫版")},
             QStringLiteral("专业版"));
    addButton(this, QStringLiteral("btn1"), QRect(496, 642, 160, 60), QStringLiteral("生成代码"));
    addButton(this, QStringLiteral("btn2"), QRect(664, 642, 160, 60), QStringLiteral("预览"));
    addButton(this, QStringLiteral("btn3"), QRect(832, 642, 160, 60), QStringLiteral("通栏转化"));

    QGroupBox* help =
        addGroup(this, QStringLiteral("pnlhelp"), QRect(150, 60, 700, 420), QStringLiteral("新手帮助页面"));
    help->setAutoFillBackground(true);
    QLabel* lines = addCaption(help, QRect(20, 30, 660, 340), kHelp.join(QStringLiteral("\n\n")));
    lines->setWordWrap(true);
    lines->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    addLabel(help, QStringLiteral("lbl7"), QRect(640, 384, 40, 22), QStringLiteral("关闭"))
        ->setStyleSheet(QStringLiteral("color:blue; text-decoration:underline"));
    help->hide();

    addOutputMemo(QStringLiteral("mmo1"));

    on(QStringLiteral("lbl6Click"), [this] {
        auto* panel = control<QWidget>(QStringLiteral("pnlhelp"));
        panel->show();
        panel->raise();
    });
    on(QStringLiteral("lbl7Click"), [this] { control<QWidget>(QStringLiteral("pnlhelp"))->hide(); });
    on(QStringLiteral("btn1Click"), [this] {
        setText(QStringLiteral("mmo1"), shishangtonglanSnippet(input()));
        core::savePageLines(*this, QStringLiteral("mmo1"), previewFile());
        copyOut(QStringLiteral("mmo1"), QStringLiteral("代码已生成并复制，记得本功能要配合通栏助手使用哦！"));
    });
    // A missing page is not opened: the preview then shows nothing.
    on(QStringLiteral("btn2Click"), [] {
        if (QFileInfo::exists(previewFile())) core::platform().openDefault(previewFile());
    });
    on(QStringLiteral("btn3Click"), [this] {
        if (!needOutput(QStringLiteral("mmo1"), core::generateFirst())) return;
        core::handToConverter({core::editionFromProfessionalFirst(text(QStringLiteral("cbb1"))),
                               QStringLiteral("1920"), QStringLiteral("600"), text(QStringLiteral("mmo1"))});
    });
}

ShishangtonglanInput::ShishangtonglanInput()
    : poster(kSamplePoster)
    , small(kSampleSmall)
    , names(6, QStringLiteral("标签名称"))
    , links(6, QStringLiteral("#")) {}

ShishangtonglanInput Tfrmshishangtonglan::input() const {
    ShishangtonglanInput in;
    in.poster = text(QStringLiteral("edt1"));
    in.posterLink = text(QStringLiteral("edt19"));
    in.small = text(QStringLiteral("edt2"));
    in.smallLink = text(QStringLiteral("edt3"));
    in.heading = text(QStringLiteral("edt20"));
    for (int k = 1; k <= 6; ++k) {
        in.names[k - 1] = text(QStringLiteral("edt%1").arg(2 + 2 * k));
        in.links[k - 1] = text(QStringLiteral("edt%1").arg(3 + 2 * k));
    }
    in.buttonText = text(QStringLiteral("edt16"));
    in.buttonColour = text(QStringLiteral("edt17"));
    in.buttonLink = text(QStringLiteral("edt18"));
    return in;
}

QString shishangtonglanSnippet(const ShishangtonglanInput& in) {
    auto category = [&](int k) {
        return in.links[k - 1] + QStringLiteral("\" target=\"_blank\">") + in.names[k - 1];
    };
    const QString link =
        QStringLiteral("<a style=\"font-size:14px; color:#000; text-decoration:none;\"  target=\"_blank\" "
                       "href=\"");
    const QString laterCategory =
        QStringLiteral("<a  style=\"font-size:14px; color:#000; text-decoration:none\" href=\"");

    QString out;
    out += link + in.posterLink + QStringLiteral("\">") +
           QStringLiteral("<img style=\"border:none\"  src=\"") + in.poster +
           QStringLiteral("\" width=\"1920\" height=\"600\"  alt=\"\"/></a>");
    out += QStringLiteral("<div style=\"width:200px; height:600px; position:relative; left:465px; top:-600px;"
                          "float:left; text-align:left; font-weight:100\">");
    out += link + in.smallLink + QStringLiteral("\">") + QStringLiteral("<img style=\"border:none\" src=\"") +
           in.small + QStringLiteral("\" width=\"200\" height=\"260\"  alt=\"\"/></a>");
    out += QStringLiteral(
        "<div style=\"width:200px; height:340px; background-color:#FFF; filter:alpha(Opacity=70); "
        "opacity: 0.7;\"><div style=\"width:200px; height:260px;line-height:35px; "
        "padding-left:30px; padding-top:24px; font-size:14px\">");
    out += QStringLiteral("<span style=\"color:#000; font-weight:700\">") + in.heading +
           QStringLiteral("</span><br>");
    out += QStringLiteral("<a style=\"font-size:14px; color:#000; text-decoration:none\" href=\"") +
           category(1) + QStringLiteral("</a><br>");
    for (int k = 2; k <= 5; ++k)
        out += laterCategory + category(k) + QStringLiteral("</a><br>");
    out += laterCategory + category(6) + QStringLiteral("</a> </div>");
    out +=
        QStringLiteral("<a style=\"font-size:14px; color:#FFF; text-decoration:none\" href=\"") +
        in.buttonLink + QStringLiteral("\" target=\"_blank\"><div style=\"background-color:") +
        in.buttonColour +
        QStringLiteral("; margin:0 30px; height:35px; text-align:center; color:#FFF; line-height:35px;\">") +
        in.buttonText + QStringLiteral("</div></a></div></div>");
    return out;
}

QINGWU_WINDOW(
    Tfrmshishangtonglan,
    {.order = 270,
     .tile = core::Tile{.page = u"ts7", .row = 1, .column = 2, .image = u"img16", .caption = u"时尚分类海报"},
     .preview = core::ShopPreview{.place = core::Place::Wide},
     .sample = [] { return shishangtonglanSnippet(ShishangtonglanInput()); }})

} // namespace generators
