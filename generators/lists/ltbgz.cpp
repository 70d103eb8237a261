#include "generators/lists/ltbgz.h"

#include "core/messages.h"
#include "core/preview.h"
#include "core/registry.h"
#include "generators/lists/productlists.h"

#include <QTabWidget>

namespace generators {

namespace {

QString picture(int k) {
    return QStringLiteral("edt%1").arg(k);
}

QString link(int k) {
    return QStringLiteral("edt%1").arg(k + 6);
}

// The fixed fragments between the pictures and links, held in the hidden
// labels "lbl28" to "lbl39".
const QString& holder(int number) {
    static const QString texts[] = {
        QStringLiteral("<div style=\"width:"),
        QStringLiteral("px; height:470px; overflow:hidden;float:left\"><a href=\""),
        QStringLiteral("\" target=\"_blank\"><img src=\""),
        QStringLiteral("\" width=\""),
        QStringLiteral("\" height=\"470\"  alt=\"\"/></a></div>"),
        QStringLiteral("<div style=\"width:230px; height:470px; margin-left:10px;float:left\"><div "
                       "style=\"width:230px; height:230px;\"><a href=\""),
        QStringLiteral("\" width=\"230\" height=\"230\"  alt=\"\"/></a></div>"),
        QStringLiteral("<div style=\"width:230px; height:230px; margin-top:10px\"><a href=\""),
        QStringLiteral("</div><div style=\"width:470px; height:470px; margin-left:10px;float:left\"><div "
                       "style=\"width:230px; height:230px; float:left\"><a href=\""),
        QStringLiteral("<div style=\"width:230px; height:230px; float:left; margin-left:10px\"><a href=\""),
        QStringLiteral("<div style=\"width:470px; height:230px; margin-top:10px;float:left\"><a href=\""),
        QStringLiteral("\" width=\"470\" height=\"230\"  alt=\"\"/></a></div></div>"),
    };
    return texts[number - 28];
}

} // namespace

LtbgzInput::LtbgzInput() {
    for (int k = 1; k <= 6; ++k) {
        pictures << lists::samplePicture(QStringLiteral("six-irregular-%1.jpg").arg(k));
        links << QStringLiteral("https://qingwu.taobao.com/");
    }
}

Tfrmltbgz::Tfrmltbgz()
    : core::Form(QStringLiteral("Tfrmltbgz"), QStringLiteral("六图不规则列表")) {
    setClientSize(640, 470);
    const LtbgzInput defaults;
    auto* pages = new QTabWidget(this);
    pages->setGeometry(0, 0, 640, 470);
    auto* fields = new QWidget;
    auto* reference = new QWidget;
    pages->addTab(fields, QStringLiteral("六图无字版    "));
    pages->addTab(reference, QStringLiteral("参照图    "));

    addRadio(fields, QStringLiteral("rb1"), QRect(10, 10, 70, 22), QStringLiteral("集市店"), true);
    addRadio(fields, QStringLiteral("rb2"), QRect(84, 10, 70, 22), QStringLiteral("天猫店"));
    addCaption(fields, QRect(170, 10, 80, 22), QStringLiteral("左侧图宽度："));
    addLabel(fields, QStringLiteral("lbl2"), QRect(250, 10, 30, 22), defaults.leftWidth);
    addCaption(fields, QRect(280, 10, 20, 22), QStringLiteral("px"));
    const QString circled[] = {QStringLiteral("①"), QStringLiteral("②"), QStringLiteral("③"),
                               QStringLiteral("④"), QStringLiteral("⑤"), QStringLiteral("⑥")};
    for (int k = 1; k <= 6; ++k) {
        const int y = 44 + 60 * (k - 1);
        addCaption(fields, QRect(10, y + 2, 60, 22), circled[k - 1] + QStringLiteral("图片："));
        addEdit(fields, picture(k), QRect(70, y, 550, 24), defaults.pictures[k - 1]);
        addCaption(fields, QRect(10, y + 30, 60, 22), circled[k - 1] + QStringLiteral("链接："));
        addEdit(fields, link(k), QRect(70, y + 28, 550, 24), defaults.links[k - 1]);
    }
    addButton(fields, QStringLiteral("btn3"), QRect(300, 404, 100, 32), QStringLiteral("清空信息"));
    addButton(fields, QStringLiteral("btn1"), QRect(410, 404, 100, 32), QStringLiteral("生成/预览"));
    addButton(fields, QStringLiteral("btn2"), QRect(520, 404, 100, 32), QStringLiteral("复制代码"));

    core::addPreviewPicture(reference, QRect(10, 10, 614, 330), QStringLiteral("六图不规则列表"));
    const QString sizes[] = {QStringLiteral("① *470px"),   QStringLiteral("②230*230px"),
                             QStringLiteral("③230*230px"), QStringLiteral("④230*230px"),
                             QStringLiteral("⑤230*230px"), QStringLiteral("⑥470*230px"),
                             QStringLiteral("说明：宽*高")};
    for (int i = 0; i < 7; ++i)
        addCaption(reference, QRect(10 + 150 * (i % 4), 350 + 26 * (i / 4), 146, 22), sizes[i]);

    // The template: the fixed fragments between the pictures and links.
    for (int number = 28; number <= 39; ++number)
        addHolder(QStringLiteral("lbl%1").arg(number), holder(number));
    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});

    on(QStringLiteral("rb1Click"), [this] { setText(QStringLiteral("lbl2"), QStringLiteral("230")); });
    on(QStringLiteral("rb2Click"), [this] { setText(QStringLiteral("lbl2"), QStringLiteral("270")); });
    on(QStringLiteral("btn3Click"), [this] {
        for (int k = 1; k <= 12; ++k)
            setText(QStringLiteral("edt%1").arg(k), QString());
    });
    on(QStringLiteral("btn1Click"), [this] {
        setText(QStringLiteral("mmo1"), ltbgzSnippet(input()));
        core::platform().openDefault(lists::writePreviewPage(this, QStringLiteral("mmo1")));
    });
    on(QStringLiteral("btn2Click"), [this] {
        if (!needOutput(QStringLiteral("mmo1"), QStringLiteral("请先点击生成/预览生成代码，再复制代码！")))
            return;
        copyOut(QStringLiteral("mmo1"), core::kCopiedForShop);
    });
}

LtbgzInput Tfrmltbgz::input() const {
    LtbgzInput in;
    in.leftWidth = text(QStringLiteral("lbl2"));
    for (int k = 1; k <= 6; ++k) {
        in.pictures[k - 1] = text(picture(k));
        in.links[k - 1] = text(link(k));
    }
    return in;
}

QString ltbgzSnippet(const LtbgzInput& in) {
    const QString& l = in.leftWidth;
    const auto t = holder;
    // Link k, the picture opening, picture k.
    auto tile = [&](int k) { return in.links[k - 1] + t(30) + in.pictures[k - 1]; };
    return t(28) + l + t(29) + tile(1) + t(31) + l + t(32) + t(33) + tile(2) + t(34) + t(35) + tile(3) +
           t(34) + t(36) + tile(4) + t(34) + t(37) + tile(5) + t(34) + t(38) + tile(6) + t(39);
}

QINGWU_WINDOW(Tfrmltbgz, {.order = 600,
                          .tile = core::Tile{.page = u"ts6",
                                             .row = 4,
                                             .column = 1,
                                             .image = u"img51",
                                             .caption = u"六图不规则列表"},
                          .preview = core::ShopPreview{.place = core::Place::Home},
                          .sample = [] { return ltbgzSnippet(LtbgzInput()); }})

} // namespace generators
