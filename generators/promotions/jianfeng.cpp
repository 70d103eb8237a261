#include "generators/promotions/jianfeng.h"

#include "core/messages.h"
#include "core/registry.h"
#include "generators/promotions/pagewidgets.h"

#include <QGroupBox>
#include <QRadioButton>

namespace generators {

namespace {

// Basic shops wrap in the footer trigger class, Tmall shops in the logo class;
// the Tmall middle opening has no trailing blank.
QString wrapped(bool tmall, const QString& height, const QString& gap, const QString& code) {
    const QString lifted = pagewidgets::difference(height, gap);
    const QString open = QStringLiteral("<div data-title=\"") + pagewidgets::kCredit +
                         QStringLiteral("\" style=\"height:") + lifted + QStringLiteral("px;\"> ");
    if (!tmall)
        return open + QStringLiteral("<div class=\"footer-more-trigger\" style=\"width:950px;height:") +
               height +
               QStringLiteral("px;right:auto;top:auto;padding:0;border:none;left:auto;z-index:1;\"> ") +
               QStringLiteral("<div class=\"footer-more-trigger\" style=\"left:0px;top:-") + gap +
               QStringLiteral("px;border:none;padding:0;\">") + code + QStringLiteral("</div></div></div>");
    return open + QStringLiteral("<div class=\"sn-simple-logo\" style=\"width:990px;height:") + height +
           QStringLiteral("px;right:auto;top:auto;padding:0;border:none;left:auto;z-index:1;\">") +
           QStringLiteral("<div class=\"sn-simple-logo\" style=\"left:0px;top:-") + gap +
           QStringLiteral("px;border:none;padding:0;\">") + code + QStringLiteral("</div></div></div>");
}

} // namespace

TFrmjianfeng::TFrmjianfeng()
    : core::Form(QStringLiteral("TFrmjianfeng"), QStringLiteral("去除版块上下间缝问题")) {
    setClientSize(604, 429);
    const JianfengInput defaults;

    addCaption(this, QRect(16, 10, 572, 22),
               QStringLiteral("本功能可实现板块衔接的间缝问题，实现上下版块无缝拼接"));
    QGroupBox* output =
        addGroup(this, QStringLiteral("grp1"), QRect(12, 38, 300, 60), QStringLiteral("输出参数"));
    addRadio(output, QStringLiteral("rb1"), QRect(12, 24, 80, 24), QStringLiteral("集市店"),
             defaults.shop == 0);
    addRadio(output, QStringLiteral("rb2"), QRect(96, 24, 80, 24), QStringLiteral("天猫店"),
             defaults.shop == 1);
    addCaption(this, QRect(326, 60, 70, 22), QStringLiteral("版块高度："));
    addEdit(this, QStringLiteral("edt1"), QRect(396, 58, 70, 24), defaults.height);
    QGroupBox* gap =
        addGroup(this, QStringLiteral("grp2"), QRect(12, 104, 300, 60), QStringLiteral("去除间缝高度"));
    addRadio(gap, QStringLiteral("rb3"), QRect(12, 24, 80, 24), QStringLiteral("10px"), defaults.gap == 0);
    addRadio(gap, QStringLiteral("rb4"), QRect(96, 24, 80, 24), QStringLiteral("20px"), defaults.gap == 1);
    addButton(this, QStringLiteral("btn1"), QRect(326, 112, 140, 40), QStringLiteral("提交转化"));
    QGroupBox* code = addGroup(this, QStringLiteral("grp3"), QRect(12, 172, 580, 245),
                               QStringLiteral("去除间缝的自定义代码"));
    addMemo(code, QStringLiteral("mmo1"), QRect(10, 24, 560, 211));
    addOutputMemo(QStringLiteral("mmo2"), {QStringLiteral("mmo2")});

    on(QStringLiteral("btn1Click"), [this] {
        const JianfengInput in = input();
        const QString snippet = jianfengSnippet(in);
        if (snippet.isNull()) return;
        deliver(QStringLiteral("mmo2"), snippet,
                QStringLiteral("-") + jianfengGap(in) + QStringLiteral(" ") + core::kCopiedForShop);
    });
}

JianfengInput TFrmjianfeng::input() const {
    const auto checked = [this](const char* name) {
        return control<QRadioButton>(QString::fromLatin1(name))->isChecked();
    };
    JianfengInput in;
    in.shop = checked("rb1") ? 0 : checked("rb2") ? 1 : -1;
    in.gap = checked("rb3") ? 0 : checked("rb4") ? 1 : -1;
    in.height = text(QStringLiteral("edt1"));
    in.code = text(QStringLiteral("mmo1"));
    return in;
}

QString jianfengGap(const JianfengInput& in) {
    return in.gap == 0 ? QStringLiteral("10") : QStringLiteral("20");
}

QString jianfengSnippet(const JianfengInput& in) {
    if (in.shop < 0 || in.gap < 0) return QString();
    return wrapped(in.shop == 1, in.height, jianfengGap(in), in.code);
}

QINGWU_WINDOW(TFrmjianfeng, {.order = 90,
                             .tile = core::Tile{.page = u"tsmg1",
                                                .row = 4,
                                                .column = 1,
                                                .image = u"img101",
                                                .caption = u"去除版块间缝"},
                             .preview = core::ShopPreview{.place = core::Place::Home},
                             // Nothing is chosen at first: the sample takes the first shop type and gap.
                             .sample = [] {
                                 JianfengInput in;
                                 in.shop = 0;
                                 in.gap = 0;
                                 return jianfengSnippet(in);
                             }})

} // namespace generators
