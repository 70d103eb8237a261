#include "generators/lists/jianianhua.h"

#include "core/messages.h"
#include "core/preview.h"
#include "core/registry.h"
#include "generators/lists/productlists.h"

#include <QLineEdit>
#include <QTabWidget>

namespace generators {

namespace {

QString field(int number) {
    return QStringLiteral("edt%1").arg(number);
}

// Card k's fields.
QString picture(int k) {
    return field(k + 1);
}
QString link(int k) {
    return field(k + 9);
}
QString tag(int k) {
    return field(k + 17);
}
QString price(int k) {
    return field(k + 25);
}
QString title(int k) {
    return field(k + 33);
}

struct Edition {
    const char* radio;
    QString picture, width, height, unit;
};

} // namespace

JianianhuaInput::JianianhuaInput() {
    for (int k = 1; k <= 8; ++k) {
        pictures << lists::samplePicture(QStringLiteral("carnival-%1.jpg").arg(k));
        links << QStringLiteral("#");
        titles << QStringLiteral("淘宝嘉年华页面仿照设计");
        tags << QStringLiteral("嘉年华");
        prices << QStringLiteral("49.00");
    }
}

TFrmjianianhua::TFrmjianianhua()
    : core::Form(QStringLiteral("TFrmjianianhua"), QStringLiteral("仿淘宝嘉年华，图片列表排列")) {
    setClientSize(800, 560);
    const JianianhuaInput defaults;
    auto* pages = new QTabWidget(this);
    pages->setGeometry(0, 0, 800, 560);
    auto* settings = new QWidget;
    auto* preview = new QWidget;
    pages->addTab(settings, QStringLiteral(" 参数"));
    pages->addTab(preview, QStringLiteral(" 预览"));

    addCaption(settings, QRect(10, 10, 70, 22), QStringLiteral("选择版本："));
    addRadio(settings, QStringLiteral("rb1"), QRect(80, 10, 70, 22), QStringLiteral("集市版"), true);
    addRadio(settings, QStringLiteral("rb2"), QRect(150, 10, 70, 22), QStringLiteral("天猫版"));
    const struct {
        const char* name;
        QString caption, value;
    } sizes[] = {{"lbl3", QStringLiteral("图片宽度："), defaults.pictureWidth},
                 {"lbl4", QStringLiteral("图片高度："), defaults.pictureHeight},
                 {"lbl8", QStringLiteral("模块宽度："), defaults.width},
                 {"lbl10", QStringLiteral("模块高度："), defaults.height},
                 {"lbl12", QStringLiteral("单元占位高度："), defaults.cardHeight}};
    for (int i = 0; i < 5; ++i) {
        addCaption(settings, QRect(230 + 100 * i, 10, i == 4 ? 86 : 64, 22), sizes[i].caption);
        addLabel(settings, QString::fromLatin1(sizes[i].name),
                 QRect(i == 4 ? 316 + 100 * i : 294 + 100 * i, 10, 30, 22), sizes[i].value);
    }
    addCaption(settings, QRect(630, 34, 150, 22), QStringLiteral("方便基础版转化高度"));

    addCaption(settings, QRect(10, 40, 56, 22), QStringLiteral("背景色："));
    addEdit(settings, QStringLiteral("edt1"), QRect(66, 38, 24, 24))->setReadOnly(true);
    addEdit(settings, QStringLiteral("edt44"), QRect(94, 38, 70, 24), defaults.background);
    addCaption(settings, QRect(176, 40, 56, 22), QStringLiteral("文字色："));
    addEdit(settings, QStringLiteral("edt43"), QRect(232, 38, 24, 24))->setReadOnly(true);
    addEdit(settings, QStringLiteral("edt45"), QRect(260, 38, 70, 24), defaults.accent);
    addEdit(settings, QStringLiteral("edt42"), QRect(344, 38, 80, 24), QStringLiteral("嘉年华"));
    addButton(settings, QStringLiteral("btn1"), QRect(428, 36, 70, 28), QStringLiteral("一键标签"));

    for (int k = 1; k <= 8; ++k) {
        const int y = 72 + 52 * (k - 1);
        addCaption(settings, QRect(10, y + 2, 76, 22), QStringLiteral("图片地址%1：").arg(k));
        addEdit(settings, picture(k), QRect(86, y, 380, 24), defaults.pictures[k - 1]);
        addCaption(settings, QRect(476, y + 2, 50, 22), QStringLiteral("链接%1：").arg(k));
        addEdit(settings, link(k), QRect(526, y, 264, 24), defaults.links[k - 1]);
        addCaption(settings, QRect(10, y + 26, 50, 22), QStringLiteral("标题%1：").arg(k));
        addEdit(settings, title(k), QRect(60, y + 24, 250, 24), defaults.titles[k - 1]);
        addCaption(settings, QRect(320, y + 26, 50, 22), QStringLiteral("标签%1：").arg(k));
        addEdit(settings, tag(k), QRect(370, y + 24, 120, 24), defaults.tags[k - 1]);
        addCaption(settings, QRect(500, y + 26, 50, 22), QStringLiteral("价格%1：").arg(k));
        addEdit(settings, price(k), QRect(550, y + 24, 100, 24), defaults.prices[k - 1]);
    }
    addButton(settings, QStringLiteral("btn2"), QRect(480, 496, 90, 32), QStringLiteral("清空"));
    addButton(settings, QStringLiteral("btn3"), QRect(580, 496, 110, 32), QStringLiteral("生成/复制代码"));
    addButton(settings, QStringLiteral("btn4"), QRect(700, 496, 90, 32), QStringLiteral("预览"));

    auto* view = new QWidget(preview);
    view->setObjectName(QStringLiteral("wb1"));
    view->setGeometry(0, 0, 794, 530);
    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});
    resetColours();

    const Edition editions[] = {
        {"rb1", defaults.pictureWidth, defaults.width, defaults.height, defaults.cardHeight},
        {"rb2", QStringLiteral("215"), QStringLiteral("990"), QStringLiteral("740"), QStringLiteral("330")}};
    for (const Edition& e : editions)
        on(QString::fromLatin1(e.radio) + QStringLiteral("Click"), [this, e] {
            setText(QStringLiteral("lbl3"), e.picture);
            setText(QStringLiteral("lbl4"), e.picture);
            setText(QStringLiteral("lbl8"), e.width);
            setText(QStringLiteral("lbl10"), e.height);
            setText(QStringLiteral("lbl12"), e.unit);
        });
    const struct {
        const char* swatch;
        const char* value;
    } colours[] = {{"edt1", "edt44"}, {"edt43", "edt45"}};
    for (const auto& c : colours) {
        const QString swatch = QString::fromLatin1(c.swatch);
        const QString value = QString::fromLatin1(c.value);
        on(swatch + QStringLiteral("Click"), [this, swatch, value] {
            if (const std::optional<QColor> colour = chooseColorInto(value))
                core::paintField(control<QLineEdit>(swatch), *colour, true);
        });
    }
    on(QStringLiteral("FormShow"), [this] { resetColours(); });
    on(QStringLiteral("btn1Click"), [this] {
        for (int k = 1; k <= 8; ++k)
            setText(tag(k), text(QStringLiteral("edt42")));
    });
    on(QStringLiteral("btn2Click"), [this] {
        for (QLineEdit* edit : findChildren<QLineEdit*>())
            if (edit->objectName().startsWith(QStringLiteral("edt"))) edit->clear();
        resetColours();
    });
    on(QStringLiteral("btn3Click"), [this] {
        setText(QStringLiteral("mmo1"), jianianhuaSnippet(input()));
        lists::writePreviewPage(this, QStringLiteral("mmo1"));
        copyOut(QStringLiteral("mmo1"), core::kCopiedForShop);
    });
    on(QStringLiteral("btn4Click"), [this, pages, preview] {
        message(QStringLiteral("记得先点生成再预览哦！"));
        pages->setCurrentWidget(preview);
        core::showPage(m_browser, control<QWidget>(QStringLiteral("wb1")), core::sharedPreviewPage());
    });
}

void TFrmjianianhua::resetColours() {
    const JianianhuaInput defaults;
    setText(QStringLiteral("edt45"), defaults.accent);
    setText(QStringLiteral("edt44"), defaults.background);
    core::paintField(control<QLineEdit>(QStringLiteral("edt1")), QColor(255, 204, 0), true);
    core::paintField(control<QLineEdit>(QStringLiteral("edt43")), QColor(255, 50, 0), true);
}

JianianhuaInput TFrmjianianhua::input() const {
    JianianhuaInput in;
    in.pictureWidth = text(QStringLiteral("lbl3"));
    in.pictureHeight = text(QStringLiteral("lbl4"));
    in.width = text(QStringLiteral("lbl8"));
    in.height = text(QStringLiteral("lbl10"));
    in.cardHeight = text(QStringLiteral("lbl12"));
    in.background = text(QStringLiteral("edt44"));
    in.accent = text(QStringLiteral("edt45"));
    for (int k = 1; k <= 8; ++k) {
        in.pictures[k - 1] = text(picture(k));
        in.links[k - 1] = text(link(k));
        in.titles[k - 1] = text(title(k));
        in.tags[k - 1] = text(tag(k));
        in.prices[k - 1] = text(price(k));
    }
    return in;
}

QString jianianhuaSnippet(const JianianhuaInput& in) {
    const QString& w = in.pictureWidth;
    const QString& v = in.pictureHeight;
    const QString& u = in.cardHeight;
    const QString& accent = in.accent;
    QString out = QStringLiteral("<div style=\"width:") + in.width + QStringLiteral("px; height:") +
                  in.height + QStringLiteral("px; background:") + in.background +
                  QStringLiteral("; padding:10px 0;font-family: Microsoft yahei; text-align:center\">");
    for (int k = 1; k <= 8; ++k) {
        out += QStringLiteral("<a href=\"") + in.links[k - 1] +
               QStringLiteral("\" target=\"_blank\" style=\"text-decoration:none\" >");
        out += QStringLiteral("<div style=\"width:") + w + QStringLiteral("px; height:") + u +
               QStringLiteral("px; float:left; background:#fff; margin-left:10px; padding:10px;") +
               (k >= 5 ? QStringLiteral("margin-top:10px; ") : QString()) + QStringLiteral("\">");
        out += QStringLiteral("<div style=\"width:") + w + QStringLiteral("px; height:") + v +
               QStringLiteral("px; overflow:hidden\">");
        out += QStringLiteral("<img style=\"border:none;\" src=\"") + in.pictures[k - 1] +
               QStringLiteral("\" width=\"") + w + QStringLiteral("\" height=\"") + v +
               QStringLiteral(" \" alt=\"岚舟设计工作室\">");
        out += QStringLiteral("</div>");
        out += QStringLiteral("<div style=\"width:") + w +
               QStringLiteral("px;overflow:hidden; font-size:14px; margin-top:15px; color:#666\">") +
               in.titles[k - 1] + QStringLiteral("</div>");
        out += QStringLiteral("<div style=\"width:") + w +
               QStringLiteral(
                   "px;height:50px; line-height:40px;  overflow:hidden; font-size:14px;font-weight:100; "
                   "color:") +
               accent + QStringLiteral("\">") + in.tags[k - 1] +
               QStringLiteral("<span style=\"font-size:12px\">￥</span><span style=\"font-size:18px\">") +
               in.prices[k - 1] + QStringLiteral("</span></div>");
        out += QStringLiteral("<div style=\"width:") + w +
               QStringLiteral(
                   "px; height:35px; overflow:hidden; font-size:16px; line-height:35px; font-weight:700; "
                   "color:#Fff; background: ") +
               accent + QStringLiteral(";\">立即购买</div>");
        out += QStringLiteral("</div>") + QStringLiteral("</a>");
    }
    return out + QStringLiteral("</div>");
}

QINGWU_WINDOW(
    TFrmjianianhua,
    {.order = 620,
     .tile = core::Tile{.page = u"ts6", .row = 4, .column = 3, .image = u"img54", .caption = u"仿嘉年华列表"},
     .preview = core::ShopPreview{.place = core::Place::Home, .shopType = u"lbl8"},
     .sample = [] { return jianianhuaSnippet(JianianhuaInput()); }})

} // namespace generators
