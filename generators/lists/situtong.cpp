#include "generators/lists/situtong.h"

#include "core/preview.h"
#include "core/registry.h"
#include "generators/lists/productlists.h"

#include <QGroupBox>

namespace generators {

namespace {

QString field(int number) {
    return QStringLiteral("edt%1").arg(number);
}

// The margins of product k in the two rows of two.
QString margin(int k) {
    static const QString margins[] = {QString(), QStringLiteral(" margin-left:10px;"),
                                      QStringLiteral(" margin-top:10px;"),
                                      QStringLiteral(" margin-left:10px; margin-top:10px;")};
    return margins[k - 1];
}

} // namespace

SitutongInput::SitutongInput() {
    for (int k = 1; k <= 4; ++k) {
        pictures << QStringLiteral("https://gd1.alicdn.com/imgextra/qingwu/four-list-%1.jpg").arg(k);
        links << QStringLiteral("250");
        titles << QStringLiteral("春季新品");
        introductions << QStringLiteral("2015新品发布精选优质产品");
    }
}

TFrmsitutong::TFrmsitutong()
    : core::Form(QStringLiteral("TFrmsitutong"), QStringLiteral("通用四图列表")) {
    setClientSize(980, 652);
    const SitutongInput defaults;
    auto* view = new QWidget(this);
    view->setObjectName(QStringLiteral("wb1"));
    view->setGeometry(0, 0, 980, 300);
    addMemo(this, QStringLiteral("mmo1"), QRect(8, 304, 964, 60));

    QGroupBox* kind = addGroup(this, QStringLiteral("grp1"), QRect(8, 368, 964, 32), QString());
    addRadio(kind, QStringLiteral("rb1"), QRect(8, 6, 80, 22), QStringLiteral("集市首页"), true);
    addRadio(kind, QStringLiteral("rb4"), QRect(90, 6, 80, 22), QStringLiteral("集市描述"));
    addRadio(kind, QStringLiteral("rb2"), QRect(172, 6, 80, 22), QStringLiteral("天猫首页"));
    addRadio(kind, QStringLiteral("rb3"), QRect(254, 6, 80, 22), QStringLiteral("天猫描述"));
    addCaption(kind, QRect(344, 6, 76, 22), QStringLiteral("图整体宽度："));
    addLabel(kind, QStringLiteral("lbl2"), QRect(420, 6, 32, 22), QStringLiteral("950"));
    addCaption(kind, QRect(456, 6, 64, 22), QStringLiteral("图片宽度："));
    addLabel(kind, QStringLiteral("lbl3"), QRect(520, 6, 32, 22), defaults.width);
    addCaption(kind, QRect(556, 6, 64, 22), QStringLiteral("图片高度："));
    addLabel(kind, QStringLiteral("lbl5"), QRect(620, 6, 32, 22), QStringLiteral("250"));
    addCaption(kind, QRect(656, 6, 136, 22), QStringLiteral("按钮颜色（双击选色）"));
    addEdit(kind, QStringLiteral("edt17"), QRect(792, 5, 70, 22), defaults.tagColour);

    for (int k = 1; k <= 4; ++k) {
        const int y = 408 + 58 * (k - 1);
        addCaption(this, QRect(8, y + 2, 80, 22), QStringLiteral("图片%1地址：").arg(k));
        addEdit(this, field(4 * k - 3), QRect(88, y, 380, 24), defaults.pictures[k - 1]);
        addCaption(this, QRect(476, y + 2, 80, 22), QStringLiteral("图片%1链接：").arg(k));
        addEdit(this, field(4 * k - 2), QRect(556, y, 300, 24), defaults.links[k - 1]);
        addCaption(this, QRect(8, y + 30, 90, 22), QStringLiteral("四字内标题%1：").arg(k));
        addEdit(this, field(4 * k - 1), QRect(98, y + 28, 120, 24), defaults.titles[k - 1]);
        addCaption(this, QRect(226, y + 30, 50, 22), QStringLiteral("简介%1：").arg(k));
        addEdit(this, field(4 * k), QRect(276, y + 28, 580, 24), defaults.introductions[k - 1]);
    }
    addButton(this, QStringLiteral("btn1"), QRect(866, 408, 106, 40), QStringLiteral("生成预览"));
    addButton(this, QStringLiteral("btn2"), QRect(866, 456, 106, 40), QStringLiteral("复制代码"));

    const struct {
        const char* radio;
        const char* total;
        const char* width;
    } kinds[] = {{"rb1", "950", "470"}, {"rb4", "750", "370"}, {"rb2", "990", "490"}, {"rb3", "790", "390"}};
    for (const auto& k : kinds) {
        const QString total = QString::fromLatin1(k.total);
        const QString width = QString::fromLatin1(k.width);
        on(QString::fromLatin1(k.radio) + QStringLiteral("Click"), [this, total, width] {
            setText(QStringLiteral("lbl2"), total);
            setText(QStringLiteral("lbl3"), width);
        });
    }
    on(QStringLiteral("btn1Click"), [this] {
        setText(QStringLiteral("mmo1"), situtongSnippet(input()));
        core::showPage(m_browser, control<QWidget>(QStringLiteral("wb1")),
                       lists::writePreviewPage(this, QStringLiteral("mmo1")));
    });
    on(QStringLiteral("btn2Click"), [this] {
        if (!needOutput(QStringLiteral("mmo1"), QStringLiteral("请先点击生成预览生成代码，再复制代码！")))
            return;
        lists::copyWithNotice(this, QStringLiteral("mmo1"), QStringLiteral("代码已经复制了！"),
                              QStringLiteral("提示"));
    });
}

SitutongInput TFrmsitutong::input() const {
    SitutongInput in;
    in.width = text(QStringLiteral("lbl3"));
    in.tagColour = text(QStringLiteral("edt17"));
    for (int k = 1; k <= 4; ++k) {
        in.pictures[k - 1] = text(field(4 * k - 3));
        in.links[k - 1] = text(field(4 * k - 2));
        in.titles[k - 1] = text(field(4 * k - 1));
        in.introductions[k - 1] = text(field(4 * k));
    }
    return in;
}

QString situtongSnippet(const SitutongInput& in) {
    const QString& w = in.width;
    const QString& tag = in.tagColour;
    QString out;
    for (int k = 1; k <= 4; ++k) {
        out += QStringLiteral("<div style=\"width:") + w + QStringLiteral("px; height:300px; float:left;") +
               margin(k) + QStringLiteral("\">");
        out += QStringLiteral("<div style=\"width:") + w +
               QStringLiteral("px; height:250px; background-color:#CCC\"><a href=\"") + in.links[k - 1] +
               QStringLiteral("\" target=\"_blank\">") + QStringLiteral("<img style=\"border:0px\" src=\"") +
               in.pictures[k - 1] + QStringLiteral("\" width=\"") + w +
               QStringLiteral("\" height=\"250\" /></a></div>");
        out += QStringLiteral("<div style=\"width:") + w +
               QStringLiteral("px; height:50px; font-family:Microsoft Yahei; font-size:16px; "
                              "background-color:#EAEAEA\">");
        out += QStringLiteral("<div  style=\"width:80px; height:50px; text-align:center; line-height:50px; "
                              "background-color:") +
               tag + QStringLiteral("; float:left; font-weight:700; color:#FFF\">") + in.titles[k - 1] +
               QStringLiteral("</div>");
        out += QStringLiteral("<div style=\"height:50px; line-height:50px; float:left; margin-left:20px; "
                              "font-size:14px; overflow:hidden;color:#333\">") +
               in.introductions[k - 1] + QStringLiteral("</div>");
        out += QStringLiteral("</div>") + QStringLiteral("</div>");
    }
    return out;
}

QINGWU_WINDOW(TFrmsitutong, {.order = 580,
                             .tile = core::Tile{.page = u"ts6",
                                                .row = 3,
                                                .column = 2,
                                                .image = u"img130",
                                                .caption = u"通用四图列表"},
                             .preview = core::ShopPreview{.place = core::Place::Home, .shopType = u"lbl2"},
                             .sample = [] { return situtongSnippet(SitutongInput()); }})

} // namespace generators
