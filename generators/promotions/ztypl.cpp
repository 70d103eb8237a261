#include "generators/promotions/ztypl.h"

#include "core/messages.h"
#include "core/platform.h"
#include "core/preview.h"
#include "core/registry.h"
#include "core/text.h"
#include "generators/promotions/pagewidgets.h"

#include <QGroupBox>
#include <QLabel>

namespace generators {

namespace {

enum CommentField { Picture, Title, Text, ButtonText, ButtonLink };

// The fields of comment k (1-based).
QString commentField(int k, CommentField f) {
    static const char* const names[5][5] = {{"edt1", "edt2", "mmo1", "edt4", "edt17"},
                                            {"edt6", "edt5", "mmo2", "edt7", "edt18"},
                                            {"edt12", "edt11", "mmo4", "edt13", "edt19"},
                                            {"edt9", "edt8", "mmo3", "edt10", "edt14"},
                                            {"edt16", "edt15", "mmo5", "edt20", "edt21"}};
    return QString::fromLatin1(names[k - 1][f]);
}

const QString kPreviewPage = QStringLiteral("files.html");

const QString kDashedLine =
    QStringLiteral("<div style=\"height:10px;border-bottom:#999 1px dashed;\"></div>");

} // namespace

Tfrmztypl::Tfrmztypl()
    : core::Form(QStringLiteral("Tfrmztypl"), QStringLiteral("左图右评论")) {
    setClientSize(1088, 615);
    const ZtyplInput defaults;
    m_dashedLine = defaults.dashedLine;

    core::addPreviewPicture(this, QRect(8, 8, 420, 300), QStringLiteral("①主图 ②图片 ③标题 ④评价 ⑤按钮"));
    QGroupBox* version =
        addGroup(this, QStringLiteral("grp1"), QRect(8, 316, 420, 56), QStringLiteral("选择版本"));
    addRadio(version, QStringLiteral("rb1"), QRect(12, 24, 90, 24), QStringLiteral("集市店"));
    addRadio(version, QStringLiteral("rb2"), QRect(110, 24, 90, 24), QStringLiteral("天猫店"));
    addCaption(this, QRect(8, 382, 420, 22),
               QStringLiteral("输入色值                              可改变③和⑤的颜色!"));
    addEdit(this, QStringLiteral("edt3"), QRect(8, 406, 120, 24), defaults.colour);
    addRadio(this, QStringLiteral("rb3"), QRect(150, 406, 140, 24), QStringLiteral("关闭顶部虚线"));
    addCaption(this, QRect(8, 442, 84, 22), QStringLiteral("①主图图片："));
    addEdit(this, QStringLiteral("medt1"), QRect(92, 440, 336, 24), defaults.mainPicture);
    addCaption(this, QRect(8, 474, 84, 22), QStringLiteral("①主图链接："));
    addEdit(this, QStringLiteral("medt2"), QRect(92, 472, 336, 24), defaults.mainLink);
    QLabel* hint = addCaption(this, QRect(8, 506, 420, 40),
                              QStringLiteral("提示：不仅仅可以做卖家评论秀，还可以做新品等，发挥一下创意！"));
    hint->setWordWrap(true);
    addButton(this, QStringLiteral("btn1"), QRect(8, 556, 130, 42), QStringLiteral("生成代码"));
    addButton(this, QStringLiteral("btn2"), QRect(153, 556, 130, 42), QStringLiteral("预览效果"));
    addButton(this, QStringLiteral("btn3"), QRect(298, 556, 130, 42), QStringLiteral("复制代码"));

    const QString titles[] = {QStringLiteral("第1个评论"), QStringLiteral("第2个评论"),
                              QStringLiteral("第3个评论"), QStringLiteral("第4个评论"),
                              QStringLiteral("第5个评论")};
    for (int k = 1; k <= 5; ++k) {
        QGroupBox* group = addGroup(this, QStringLiteral("grp%1").arg(k + 1),
                                    QRect(440, 8 + 120 * (k - 1), 640, 114), titles[k - 1]);
        addCaption(group, QRect(10, 22, 84, 22), QStringLiteral("②图片地址："));
        addEdit(group, commentField(k, Picture), QRect(94, 20, 220, 22), defaults.pictures[k - 1]);
        addCaption(group, QRect(10, 50, 84, 22), QStringLiteral("③买家标题："));
        addEdit(group, commentField(k, Title), QRect(94, 48, 220, 22), defaults.titles[k - 1]);
        addCaption(group, QRect(10, 78, 84, 22), QStringLiteral("⑤按钮名称："));
        addEdit(group, commentField(k, ButtonText), QRect(94, 76, 80, 22), defaults.buttonTexts[k - 1]);
        addCaption(group, QRect(180, 78, 80, 22), QStringLiteral("⑤按钮链接："));
        addEdit(group, commentField(k, ButtonLink), QRect(260, 76, 54, 22), defaults.buttonLinks[k - 1]);
        addCaption(group, QRect(324, 22, 84, 22), QStringLiteral("④评价文字："));
        addMemo(group, commentField(k, Text), QRect(408, 20, 222, 86),
                core::textLines(defaults.texts[k - 1]));
    }

    addHolder(QStringLiteral("lbl1"), defaults.width);
    addOutputMemo(QStringLiteral("mmo6"), {QStringLiteral("mmo6")});

    on(QStringLiteral("rb1Click"), [this] { setText(QStringLiteral("lbl1"), QStringLiteral("950px")); });
    on(QStringLiteral("rb2Click"), [this] { setText(QStringLiteral("lbl1"), QStringLiteral("990px")); });
    on(QStringLiteral("rb3Click"), [this] { m_dashedLine = false; });
    on(QStringLiteral("btn1Click"), [this] {
        setText(QStringLiteral("mmo6"), ztyplSnippet(input()));
        core::savePageLines(*this, QStringLiteral("mmo6"), core::workingPage(kPreviewPage));
        core::platform().information(this, QStringLiteral("已生成代码，您可以点击预览，或者复制代码"));
    });
    on(QStringLiteral("btn2Click"), [this] {
        if (!needOutput(QStringLiteral("mmo6"), QStringLiteral("请先生成代码，再预览效果！"))) return;
        core::platform().openDefault(core::workingPage(kPreviewPage));
    });
    on(QStringLiteral("btn3Click"), [this] {
        if (!needOutput(QStringLiteral("mmo6"), QStringLiteral("请先生成代码，再复制代码！"))) return;
        copyOut(QStringLiteral("mmo6"), core::kCopiedForShop);
    });
}

ZtyplInput::ZtyplInput()
    : mainPicture(pagewidgets::samplePicture(QStringLiteral("comment-main-350x350.jpg")))
    , titles(5, QStringLiteral("浙江MM 3 秒 前五星好评 ★★★★★"))
    , buttonTexts(5, QStringLiteral("顺便买了"))
    , buttonLinks(5, QStringLiteral("#")) {
    // The sample review, wrapped at two places in the first three comments and
    // at two others in the last two.
    const QString shortLines =
        QStringLiteral("实物与图片差很多，领口太\r\n小，完全不值这个价，请大\r\n家不要被图片所欺骗\r\n");
    const QString longLines =
        QStringLiteral("实物与图片差很多，领口太小，\r\n完全不值这个价，请大家不要被\r\n图片所欺骗\r\n");
    for (int k = 1; k <= 5; ++k) {
        pictures << pagewidgets::samplePicture(QStringLiteral("comment-%1-60x60.jpg").arg(k));
        texts << (k <= 3 ? shortLines : longLines);
    }
}

ZtyplInput Tfrmztypl::input() const {
    ZtyplInput in;
    in.dashedLine = m_dashedLine;
    in.width = text(QStringLiteral("lbl1"));
    in.colour = text(QStringLiteral("edt3"));
    in.mainPicture = text(QStringLiteral("medt1"));
    in.mainLink = text(QStringLiteral("medt2"));
    for (int k = 1; k <= 5; ++k) {
        in.pictures[k - 1] = text(commentField(k, Picture));
        in.titles[k - 1] = text(commentField(k, Title));
        in.texts[k - 1] = text(commentField(k, Text));
        in.buttonTexts[k - 1] = text(commentField(k, ButtonText));
        in.buttonLinks[k - 1] = text(commentField(k, ButtonLink));
    }
    return in;
}

QString ztyplSnippet(const ZtyplInput& in) {
    const QString& c = in.colour;
    QString out = in.dashedLine ? kDashedLine : QString();
    out += QStringLiteral("<div style=\"height:350px; width:") + in.width +
           QStringLiteral("; margin-top:12px; margin-bottom:12px;\"><div style=\"height:350px; width:350px; "
                          "float:left;\"><a href=\"") +
           in.mainLink + QStringLiteral("\" target=\"_blank\"><img src=\"") + in.mainPicture +
           QStringLiteral("\"  width=\"350\"  height=\"350\" alt=\"\"/></a></div>");
    for (int k = 1; k <= 5; ++k) {
        // Comments after the first keep 12 px from the one above.
        const QString opening =
            k == 1 ? QStringLiteral(
                         "<div style=\"height:60px; width:62%; float:right;\"><div style=\"width:60px; "
                         "height:60px; overflow:hidden; float:left\"><img src=\"")
                   : QStringLiteral(
                         "<div style=\"height:60px; margin-top:12px;width:62%; float:right;\"><div "
                         "style=\"width:60px; height:60px; overflow:hidden; float:left; \"><img src=\"");
        out +=
            opening + in.pictures[k - 1] +
            QStringLiteral("\"  alt=\"\"/></div><div style=\"width:11%; float:right; height:60px; "
                           "text-align:center;font-size:12px; margin-left:10px\"><a href=\"") +
            in.buttonLinks[k - 1] +
            QStringLiteral("\"> <div style=\"height:30px; margin-top:15px; line-height:30px; border:#CCC0px "
                           "solid;background:") +
            c + QStringLiteral("\"><span style=\"color: #FFF\">") + in.buttonTexts[k - 1] +
            QStringLiteral("</span></div></a></div><div style=\"width:75%; float:right; height:60px;\"><div "
                           "style=\"float:right; font-size:12px; height:25px; color:") +
            c + QStringLiteral(";width:98%;font-weight:700\">") + in.titles[k - 1] +
            QStringLiteral(
                "</div><div style=\"float:right; font-size:12px; height:35px; width:98%; color:#666\">") +
            in.texts[k - 1] + QStringLiteral("</div></div></div>");
    }
    return out + QStringLiteral("</div>");
}

QINGWU_WINDOW(Tfrmztypl, {.order = 670,
                          .tile = core::Tile{.page = u"tstuiyi1",
                                             .row = 1,
                                             .column = 3,
                                             .image = u"img29",
                                             .caption = u"左图右评论"},
                          .preview = core::ShopPreview{.place = core::Place::Home},
                          .sample = [] { return ztyplSnippet(ZtyplInput()); }})

} // namespace generators
