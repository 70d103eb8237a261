#include "generators/carousels/santulunbo2.h"

#include "core/handoff.h"
#include "core/preview.h"
#include "core/registry.h"
#include "core/text.h"

#include <QFrame>
#include <QGroupBox>

namespace generators {

namespace {

const QString kHead =
    QStringLiteral("<div style=\"width:1920px; height:450px; overflow:hidden\">\r\n"
                   "<div class=\"J_TWidget\" data-widget-type=\"Carousel\" data-widget-config=\"{'effect': "
                   "'scrollx','contentCls':'kavri_119_cont','navCls':'kavri_119_nav', 'autoplay':true}\">\r\n"
                   "<div style=\"width:1920px; height:450px; overflow:hidden\">\r\n"
                   "<div class=\"kavri_119_cont\">\r\n");

// A sample custom block: a 300 x 150 picture tag over three lines.
QStringList sampleBlock(int k) {
    return {
        QStringLiteral("<img src=\"https://img.alicdn.com/imgextra/i1/qingwu/block-300x150-%1.jpg\"").arg(k),
        QStringLiteral(" width=\"300\" height=\"150\""), QStringLiteral(" />")};
}

QString samplePoster(int k) {
    return QStringLiteral("https://img.alicdn.com/imgextra/i1/qingwu/poster-1920x450-%1.jpg").arg(k);
}

// Design names of poster k (1-based): picture, link and custom block.
QString pictureField(int k) {
    return QStringLiteral("edt%1").arg(2 * k - 1);
}
QString linkField(int k) {
    return QStringLiteral("edt%1").arg(2 * k);
}
QString blockField(int k) {
    return QStringLiteral("mmo%1").arg(k);
}

} // namespace

Tfrmsantulunbo2::Tfrmsantulunbo2()
    : core::Form(QStringLiteral("Tfrmsantulunbo2"), QStringLiteral("1920三图自定义轮播")) {
    setClientSize(1028, 552);
    const Santulunbo2Input defaults;
    core::addPreviewPicture(this, QRect(0, 0, 1028, 220), QStringLiteral("1920三图自定义轮播"));

    addOutputMemo(QStringLiteral("mmo5"), {QStringLiteral("mmo5")});

    QGroupBox* blocks =
        addGroup(this, QStringLiteral("grp1"), QRect(8, 226, 500, 318), QStringLiteral("三小图自定义区"));
    for (int k = 1; k <= 3; ++k) {
        const int y = 22 + 98 * (k - 1);
        addCaption(blocks, QRect(10, y, 300, 20), QStringLiteral("小版块%1自定义代码区300*150：").arg(k));
        addMemo(blocks, blockField(k), QRect(10, y + 22, 480, 70), core::textLines(defaults.blocks[k - 1]));
    }

    QGroupBox* posters =
        addGroup(this, QStringLiteral("grp2"), QRect(516, 226, 504, 210), QStringLiteral("轮播图参数"));
    for (int k = 1; k <= 3; ++k) {
        const int y = 26 + 60 * (k - 1);
        addCaption(posters, QRect(10, y, 90, 22), QStringLiteral("轮播图%1地址：").arg(k));
        addEdit(posters, pictureField(k), QRect(100, y, 394, 24), defaults.pictures[k - 1]);
        addCaption(posters, QRect(10, y + 26, 90, 22), QStringLiteral("轮播图%1链接：").arg(k));
        addEdit(posters, linkField(k), QRect(100, y + 26, 394, 24), defaults.links[k - 1]);
    }

    addButton(this, QStringLiteral("btn2"), QRect(516, 444, 80, 100), QStringLiteral("参照"));
    QGroupBox* output =
        addGroup(this, QStringLiteral("grp3"), QRect(604, 444, 416, 100), QStringLiteral("输出"));
    addCombo(output, QStringLiteral("cbb1"), QRect(12, 26, 100, 24),
             {QStringLiteral("专业版"), QStringLiteral("天猫版"), QStringLiteral("基础版")},
             QStringLiteral("专业版"));
    addButton(output, QStringLiteral("btn1"), QRect(124, 22, 130, 32), QStringLiteral("生成代码"));
    addButton(output, QStringLiteral("btn3"), QRect(266, 22, 130, 32), QStringLiteral("通栏转化"));
    addCaption(output, QRect(12, 64, 390, 22), QStringLiteral("大图尺寸1920*450；自定义小版块300*150"));

    auto* reference = new QFrame(this);
    reference->setObjectName(QStringLiteral("pnl1"));
    reference->setFrameShape(QFrame::StyledPanel);
    reference->setGeometry(8, 226, 1012, 210);
    core::addPreviewPicture(reference, QRect(4, 4, 1004, 170), QStringLiteral("三图自定义轮播参照"));
    addCaption(reference, QRect(10, 180, 990, 22),
               QStringLiteral("左侧的三个版块完全可以自定义，图片代码或者HTML代码"));
    reference->hide();

    addHolder(QStringLiteral("lbl4"), kHead);

    // The reference panel shows while the pointer is over its button; the output group hides it.
    on(QStringLiteral("btn2MouseEnter"), [reference] {
        reference->show();
        reference->raise();
    });
    on(QStringLiteral("grp3MouseEnter"), [reference] { reference->hide(); });
    on(QStringLiteral("btn1Click"), [this] {
        deliver(QStringLiteral("mmo5"), santulunbo2Snippet(input()),
                QStringLiteral("代码已被复制，记得用通栏模块转化一下相应的店铺类型哦！"));
    });
    on(QStringLiteral("btn3Click"), [this] {
        if (!needOutput(QStringLiteral("mmo5"), core::generateFirst())) return;
        core::handToConverter({core::editionFromProfessionalFirst(text(QStringLiteral("cbb1"))), std::nullopt,
                               QStringLiteral("450"), text(QStringLiteral("mmo5"))});
    });
}

Santulunbo2Input::Santulunbo2Input()
    : links(3, QStringLiteral("#")) {
    for (int k = 1; k <= 3; ++k) {
        pictures << samplePoster(k);
        blocks << core::joinLines(sampleBlock(k));
    }
}

Santulunbo2Input Tfrmsantulunbo2::input() const {
    Santulunbo2Input in;
    for (int k = 1; k <= 3; ++k) {
        in.pictures[k - 1] = text(pictureField(k));
        in.links[k - 1] = text(linkField(k));
        in.blocks[k - 1] = text(blockField(k));
    }
    return in;
}

QString santulunbo2Snippet(const Santulunbo2Input& in) {
    QString out = kHead;
    for (int k = 1; k <= 3; ++k) {
        out +=
            QStringLiteral("<a href=\"") + in.links[k - 1] +
            QStringLiteral("\" target=\"_blank\"><div style=\" width:1920px; height:450px;\"><img src=\"") +
            in.pictures[k - 1];
        out += k < 3 ? QStringLiteral("\" /></div></a>") : QStringLiteral("\" /></div></a></div></div>");
    }
    out += QStringLiteral(
        "<div style=\"width:300px; height:450px; position: relative; top:-450px; left:485px;\">"
        "<div class=\"kavri_119_nav\">");
    for (int k = 1; k <= 3; ++k) {
        out += QStringLiteral("<div style=\"width:300px; height:150px;\">") + in.blocks[k - 1];
        out += k < 3 ? QStringLiteral("</div>") : QStringLiteral("</div></div></div></div></div>");
    }
    return out;
}

QINGWU_WINDOW(Tfrmsantulunbo2, {.order = 210,
                                .tile = core::Tile{.page = u"ts11",
                                                   .row = 1,
                                                   .column = 3,
                                                   .image = u"img140",
                                                   .caption = u"1920三图自定义轮播"},
                                .preview = core::ShopPreview{.place = core::Place::Wide},
                                .sample = [] { return santulunbo2Snippet(Santulunbo2Input()); }})

} // namespace generators
