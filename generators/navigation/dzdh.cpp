#include "generators/navigation/dzdh.h"

#include "core/platform.h"
#include "core/preview.h"
#include "core/registry.h"

#include <QGroupBox>
#include <QLineEdit>

namespace generators {

namespace {

// Tab k (1 to 9) takes its name from edt(2k+3) and its link from edt(2k+4).
QString tabName(int k) {
    return QStringLiteral("edt%1").arg(2 * k + 3);
}
QString tabLink(int k) {
    return QStringLiteral("edt%1").arg(2 * k + 4);
}

// The preview page, in the current working folder.
QString pagePath() {
    return core::workingPage(QStringLiteral("店招.html"));
}

} // namespace

Tfrmdzdh::Tfrmdzdh()
    : core::Form(QStringLiteral("Tfrmdzdh"), QStringLiteral("店招导航生成")) {
    setClientSize(1002, 726);
    const DzdhInput defaults;
    core::addPreviewPicture(this, QRect(10, 8, 982, 150), QStringLiteral("店招导航"));

    QGroupBox* params =
        addGroup(this, QStringLiteral("grp1"), QRect(10, 164, 982, 360), QStringLiteral("店招导航参数"));
    addCaption(params, QRect(12, 26, 80, 22), QStringLiteral("店招图片："));
    addEdit(params, QStringLiteral("edt1"), QRect(92, 24, 600, 24), defaults.picture);
    addButton(params, QStringLiteral("btn5"), QRect(702, 22, 80, 28), QStringLiteral("粘贴"));

    const struct {
        QString caption, name, value;
        int x;
    } colours[] = {{QStringLiteral("间隔色："), QStringLiteral("edt2"), defaults.gap, 12},
                   {QStringLiteral("收藏底色："), QStringLiteral("edt4"), defaults.favouriteColour, 232},
                   {QStringLiteral("标签底色："), QStringLiteral("edt3"), defaults.tabColour, 452}};
    for (const auto& c : colours) {
        addCaption(params, QRect(c.x, 60, 80, 22), c.caption);
        addEdit(params, c.name, QRect(c.x + 80, 58, 110, 24), c.value);
        colorField(c.name);
    }

    const QString numbers = QStringLiteral("①②③④⑤⑥⑦⑧⑨");
    for (int k = 1; k <= 9; ++k) {
        const int x = k <= 5 ? 12 : 492;
        const int y = 96 + 34 * ((k - 1) % 5);
        addCaption(params, QRect(x, y + 2, 90, 22), numbers.mid(k - 1, 1) + QStringLiteral("标签名称："));
        addEdit(params, tabName(k), QRect(x + 90, y, 110, 24), defaults.names[k - 1]);
        addCaption(params, QRect(x + 210, y + 2, 70, 22), QStringLiteral("链接地址："));
        addEdit(params, tabLink(k), QRect(x + 280, y, 180, 24), defaults.links[k - 1]);
    }
    addCaption(params, QRect(492, 234, 90, 22), QStringLiteral("收藏地址："));
    addEdit(params, QStringLiteral("edt23"), QRect(582, 232, 370, 24), defaults.favouriteLink);

    addButton(params, QStringLiteral("btn1"), QRect(600, 290, 150, 40), QStringLiteral("生成代码"));
    addButton(params, QStringLiteral("btn2"), QRect(780, 290, 150, 40), QStringLiteral("复制代码"));

    // The preview browser lies along the bottom and appears with the first page.
    auto* browserHost = new QWidget(this);
    browserHost->setObjectName(QStringLiteral("wb1"));
    browserHost->setGeometry(0, 533, 1002, 193);
    browserHost->hide();

    addOutputMemo(QStringLiteral("mmo1"));

    on(QStringLiteral("btn1Click"), [this] {
        setText(QStringLiteral("mmo1"), dzdhSnippet(input()));
        core::makeFolderOf(pagePath());
        core::savePageLines(*this, QStringLiteral("mmo1"), pagePath());
        auto* host = control<QWidget>(QStringLiteral("wb1"));
        host->show();
        core::showPage(m_browser, host, pagePath());
    });
    on(QStringLiteral("btn2Click"), [this] {
        if (!needOutput(QStringLiteral("mmo1"), QStringLiteral("请先点击生成代码，再复制代码！"))) return;
        copyOut(QStringLiteral("mmo1"), QStringLiteral("代码已被复制，粘贴到自定义导航吧！"));
    });
    on(QStringLiteral("btn5Click"), [this] {
        auto* edit = control<QLineEdit>(QStringLiteral("edt1"));
        edit->selectAll();
        // An empty clipboard pastes nothing.
        if (core::platform().clipboardHasText())
            setText(QStringLiteral("edt1"), core::platform().clipboardText());
        edit->setFocus();
        message(QStringLiteral("图片地址已贴入！"));
    });
}

DzdhInput Tfrmdzdh::input() const {
    DzdhInput in;
    in.picture = text(QStringLiteral("edt1"));
    in.gap = text(QStringLiteral("edt2"));
    in.tabColour = text(QStringLiteral("edt3"));
    in.favouriteColour = text(QStringLiteral("edt4"));
    for (int k = 1; k <= 9; ++k) {
        in.names[k - 1] = text(tabName(k));
        in.links[k - 1] = text(tabLink(k));
    }
    in.favouriteLink = text(QStringLiteral("edt23"));
    return in;
}

QString dzdhSnippet(const DzdhInput& in) {
    QString out = QStringLiteral("<div style=\"width:950px; height:150px; background:") + in.gap;
    out += QStringLiteral("\"><div style=\"width:950px; height:120px; overflow:hidden\"><img src=\"") +
           in.picture + QStringLiteral("\" /></div>");
    for (int k = 0; k < 9; ++k)
        out += QStringLiteral("<div style=\"height:30px; width:94px; float:left; text-align:center; "
                              "line-height:30px; margin-right:1px; font-family: Microsoft "
                              "yahei;font-size:14px;background:") +
               in.tabColour + QStringLiteral("\"><a href=\"") + in.links.value(k) +
               QStringLiteral("\" target=\"_blank\"><span style=\"color:#FFF; text-decoration:none\">") +
               in.names.value(k) + QStringLiteral("</span></a></div>");
    out += QStringLiteral(
               "<div style=\"height:30px; width:95px; float:right; text-align:center; line-height:30px; "
               "font-family: Microsoft yahei; font-size:14px;background:") +
           in.favouriteColour + QStringLiteral("\"><a href=\"") + in.favouriteLink +
           QStringLiteral("\" target=\"_blank\"><span style=\"color:#FFF; "
                          "text-decoration:none\">收藏店铺</span></a></div>");
    return out;
}

QINGWU_WINDOW(
    Tfrmdzdh,
    {.order = 290,
     .tile = core::Tile{.page = u"ts7", .row = 2, .column = 1, .image = u"img18", .caption = u"店招导航"},
     .preview = core::ShopPreview{.place = core::Place::Top, .output = u"mmo1"},
     .sample = [] { return dzdhSnippet(DzdhInput()); }})

} // namespace generators
