#include "tools/code/sousuokuang.h"

#include "core/addresses.h"
#include "core/files.h"
#include "core/registry.h"
#include "core/text.h"

#include <QComboBox>
#include <QLineEdit>

namespace tools {

namespace {

const QString kSampleBackground = QStringLiteral("https://img.alicdn.com/imgextra/i2/qingwu/page-back.jpg");

// The preview page, shared with the other generators that preview in place.
QString previewFile() {
    return core::workingFolder() + QStringLiteral("/files.html");
}

// A layer's vertical shift: a lift moves it up, a negative lift down.
QString topOffset(qint64 lift) {
    return lift < 0 ? QString::number(-lift) : QStringLiteral("-") + QString::number(lift);
}

} // namespace

Tfrmsousuokuang::Tfrmsousuokuang()
    : core::Form(QStringLiteral("Tfrmsousuokuang"),
                 QStringLiteral("青梧掌柜之自定义搜索框（店招搜索框）    技术支持：（旺旺）岚舟设计工作室  "
                                "QQ：qingwu360")) {
    setClientSize(1084, 812);
    const SousuokuangInput defaults;

    auto* view = new QWidget(this);
    view->setObjectName(QStringLiteral("wb1"));
    view->setGeometry(0, 0, 1084, 430);

    auto field = [&](QWidget* group, int x, int y, int labelWidth, const QString& caption,
                     const QString& name, int width, const QString& value) {
        addCaption(group, QRect(x, y, labelWidth, 24), caption);
        return addEdit(group, name, QRect(x + labelWidth, y, width, 24), value);
    };

    QGroupBox* props =
        addGroup(this, QStringLiteral("grp1"), QRect(6, 436, 350, 190), QStringLiteral("① 属性设置"));
    field(props, 10, 24, 96, QStringLiteral("*  店铺地址："), QStringLiteral("edtdizhi"), 234, defaults.shop)
        ->setToolTip(QStringLiteral("请填写店铺的短地址，以 .com 结尾，末尾不要加 /"));
    field(props, 10, 56, 96, QStringLiteral("搜索框高度："), QStringLiteral("edtgaodu"), 80, defaults.height)
        ->setToolTip(QStringLiteral("整个搜索框的高度"));
    field(props, 10, 88, 96, QStringLiteral("默认关键字："), QStringLiteral("edtguanjianzi"), 234, defaults.keyword);
    field(props, 10, 120, 96, QStringLiteral("关键字颜色："), QStringLiteral("edtguanjianzise"), 80, defaults.keywordColour);
    field(props, 10, 152, 96, QStringLiteral("搜索框色系："), QStringLiteral("edtsexi"), 80, defaults.colour)
        ->setToolTip(QStringLiteral("搜索按钮及线框的颜色"));

    QGroupBox* hot = addGroup(this, QStringLiteral("grp2"), QRect(6, 632, 350, 90),
                              QStringLiteral("② 热词：用 | 隔开，不启用则留空"));
    addEdit(hot, QStringLiteral("edtreci"), QRect(10, 24, 330, 24), defaults.hotWords);
    field(hot, 10, 56, 60, QStringLiteral("颜色："), QStringLiteral("edtrecise"), 80, defaults.hotColour);

    QGroupBox* textBox =
        addGroup(this, QStringLiteral("grp3"), QRect(362, 436, 350, 190), QStringLiteral("③ 文本框属性"));
    field(textBox, 10, 24, 70, QStringLiteral("宽度："), QStringLiteral("edtwenbenkuan"), 80, defaults.fieldWidth);
    field(textBox, 180, 24, 70, QStringLiteral("底色："), QStringLiteral("edtwenbense"), 80, defaults.fieldColour);
    addCaption(textBox, QRect(10, 56, 70, 24), QStringLiteral("边线宽："));
    addCombo(textBox, QStringLiteral("cbbxiankuan"), QRect(80, 56, 80, 24),
             {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}, defaults.frame);
    field(textBox, 10, 88, 70, QStringLiteral("背景图："), QStringLiteral("edtwenbenbeijing"), 260, defaults.fieldPicture);
    field(textBox, 10, 120, 70, QStringLiteral("图宽度："), QStringLiteral("edtwenbentukuan"), 80, defaults.fieldPictureWidth);

    QGroupBox* button =
        addGroup(this, QStringLiteral("grp4"), QRect(362, 632, 350, 174), QStringLiteral("④ 按钮属性"));
    field(button, 10, 24, 70, QStringLiteral("宽度："), QStringLiteral("edtanniukuan"), 80, defaults.buttonWidth);
    field(button, 180, 24, 70, QStringLiteral("文字："), QStringLiteral("edtanniuwenzi"), 80, defaults.buttonText);
    field(button, 10, 56, 70, QStringLiteral("文字色："), QStringLiteral("edtwenzise"), 80, defaults.buttonTextColour);
    field(button, 10, 88, 70, QStringLiteral("背景图："), QStringLiteral("edtanniubeijing"), 260, defaults.buttonPicture);

    QGroupBox* own =
        addGroup(this, QStringLiteral("grp5"), QRect(718, 436, 360, 230), QStringLiteral("⑤ 自定义代码"));
    field(own, 10, 24, 50, QStringLiteral("宽度："), QStringLiteral("edtzidingyikuan"), 80, defaults.codeWidth);
    field(own, 180, 24, 50, QStringLiteral("高度："), QStringLiteral("edtzidingyigao"), 80, defaults.codeHeight);
    addMemo(own, QStringLiteral("mmozidingyi"), QRect(10, 56, 340, 164), core::textLines(defaults.code));

    QGroupBox* output =
        addGroup(this, QStringLiteral("grp6"), QRect(718, 672, 360, 134), QStringLiteral("⑥ 搜索框输出："));
    field(output, 10, 24, 60, QStringLiteral("右边距："), QStringLiteral("edtyoubianju"), 60, defaults.right);
    field(output, 180, 24, 60, QStringLiteral("顶边距："), QStringLiteral("edtdingbianju"), 60, defaults.top);
    addButton(output, QStringLiteral("btntiaoshi"), QRect(10, 62, 106, 50), QStringLiteral("调试效果"));
    addButton(output, QStringLiteral("btnsousuokuang"), QRect(126, 62, 106, 50),
              QStringLiteral("提取搜索框"));
    addButton(output, QStringLiteral("btntiqu"), QRect(242, 62, 106, 50), QStringLiteral("提取代码"));

    // The search box made by "调试效果" and the block combined with it.
    addOutputMemo(QStringLiteral("mmo1"));
    addOutputMemo(QStringLiteral("mmo2"));

    for (const char* edit : {"edtguanjianzise", "edtrecise", "edtsexi", "edtwenbense", "edtwenzise"}) {
        const QString name = QString::fromLatin1(edit);
        colorField(name, [this, name](const QColor& colour) {
            const QString c = core::colorText(colour);
            control<QLineEdit>(name)->setStyleSheet(QStringLiteral("background-color:%1;color:%1;").arg(c));
        });
    }
    on(QStringLiteral("FormShow"), [this] { browser(); });
    on(QStringLiteral("btntiaoshiClick"), [this] {
        const SousuokuangInput in = input();
        setText(QStringLiteral("mmo1"), core::applyBuilt(*this, sousuokuangBox(in)));
        core::writeTextFile(previewFile(), sousuokuangPage(in));
        browser()->navigate(previewFile());
    });
    on(QStringLiteral("btnsousuokuangClick"), [this] {
        if (!needOutput(QStringLiteral("mmo1"), QStringLiteral("请先点击调试效果生成搜索框！"))) return;
        copyOut(QStringLiteral("mmo1"), QStringLiteral("搜索框生成并提取成功！"));
    });
    on(QStringLiteral("btntiquClick"), [this] {
        if (!needOutput(QStringLiteral("mmo1"), QStringLiteral("请先点击调试效果生成搜索框！"))) return;
        deliver(QStringLiteral("mmo2"), sousuokuangSnippet(input()),
                QStringLiteral("搜索框与自定义代码结合生成并提取完毕！"));
    });
}

core::Browser* Tfrmsousuokuang::browser() {
    if (!m_browser) {
        m_browser = core::platform().createBrowser(control<QWidget>(QStringLiteral("wb1")));
        m_browser->navigate(core::addresses::searchBoxNotice);
    }
    return m_browser;
}

SousuokuangInput Tfrmsousuokuang::input() const {
    SousuokuangInput in;
    in.shop = text(QStringLiteral("edtdizhi"));
    in.height = text(QStringLiteral("edtgaodu"));
    in.keyword = text(QStringLiteral("edtguanjianzi"));
    in.keywordColour = text(QStringLiteral("edtguanjianzise"));
    in.colour = text(QStringLiteral("edtsexi"));
    in.hotWords = text(QStringLiteral("edtreci"));
    in.hotColour = text(QStringLiteral("edtrecise"));
    in.fieldWidth = text(QStringLiteral("edtwenbenkuan"));
    in.fieldColour = text(QStringLiteral("edtwenbense"));
    in.frame = text(QStringLiteral("cbbxiankuan"));
    in.fieldPicture = text(QStringLiteral("edtwenbenbeijing"));
    in.fieldPictureWidth = text(QStringLiteral("edtwenbentukuan"));
    in.buttonWidth = text(QStringLiteral("edtanniukuan"));
    in.buttonText = text(QStringLiteral("edtanniuwenzi"));
    in.buttonTextColour = text(QStringLiteral("edtwenzise"));
    in.buttonPicture = text(QStringLiteral("edtanniubeijing"));
    in.codeWidth = text(QStringLiteral("edtzidingyikuan"));
    in.codeHeight = text(QStringLiteral("edtzidingyigao"));
    in.code = text(QStringLiteral("mmozidingyi"));
    in.right = text(QStringLiteral("edtyoubianju"));
    in.top = text(QStringLiteral("edtdingbianju"));
    in.box = text(QStringLiteral("mmo1"));
    return in;
}

namespace {

// The shop address as the search box uses it: "https" becomes "http".
QString boxShop(const QString& shop) {
    return shop.contains(QStringLiteral("https")) ? QString(shop).replace(QStringLiteral("https"), QStringLiteral("http"))
                                                  : shop;
}

// The derived sizes of the search box layer.
struct Sizes {
    qint64 boxWidth, lift, rightOffset, fieldWidth, previewFieldWidth;
};

Sizes sizes(const SousuokuangInput& in) {
    // Parsed 32-bit values never overflow in 64-bit sums.
    const qint64 tw = core::parseInt(in.fieldWidth);
    const qint64 bw = core::parseInt(in.buttonWidth);
    const qint64 f = core::parseInt(in.frame);
    const qint64 p = core::parseInt(in.fieldPictureWidth);
    const qint64 bh = core::parseInt(in.codeHeight);
    const qint64 tm = core::parseInt(in.top);
    const qint64 rm = core::parseInt(in.right);
    return {tw + bw + 4 * f + p, bh - tm + 5, rm - p - 2 * f, tw - p, tw - 2 * f};
}

// The block of own code and the opening of the layer that carries the search box.
QString block(const SousuokuangInput& in, const Sizes& size) {
    return QStringLiteral("<div style=\"width:") + in.codeWidth + QStringLiteral("px;height:") + in.codeHeight +
           QStringLiteral("px;overflow:hidden\">") + in.code + QStringLiteral("<div style=\"width:") +
           QString::number(size.boxWidth) + QStringLiteral("px; height:") + in.height +
           QStringLiteral("px;position:relative;top:") + topOffset(size.lift) + QStringLiteral("px;right:") +
           QString::number(size.rightOffset) + QStringLiteral("px;float:right\">");
}

// The hot words, one linked line each, followed by CR LF.
QString hotWords(const SousuokuangInput& in, const QString& shop) {
    QString hot = QStringLiteral("<div style=\"font-size:12px;margin-top:5px;\">");
    if (!in.hotWords.isEmpty()) {
        hot += QStringLiteral("热搜：");
        for (const QString& word : core::splitBarList(in.hotWords))
            hot += QStringLiteral("<a style=\"text-decoration:none;color:") + in.hotColour +
                   QStringLiteral("\" href=\"") + shop + core::addresses::searchBoxKeywordSearch + word +
                   QStringLiteral("\" target=\"_blank\">") + word + QStringLiteral("</a>&nbsp;\r\n");
    }
    return hot + QStringLiteral("</div>\r\n");
}

// The form; the preview sizes its field and button by height instead of line height.
QString searchForm(const SousuokuangInput& in, const QString& shop, const QString& fieldSize,
                   const QString& buttonHeight) {
    return QStringLiteral("<form action=\"") + shop + core::addresses::shopSearchPath +
           QStringLiteral("\" method=\"post\" target=\"_blank\">") +
           QStringLiteral("\t<input class=\"keyword\" name=\"keyword\"  type=\"text\" style=\"border:") + in.colour +
           QStringLiteral(" ") + in.frame + QStringLiteral("px solid; ") + fieldSize +
           QStringLiteral(";background:url(") + in.fieldPicture + QStringLiteral(") ") + in.fieldColour +
           QStringLiteral(" no-repeat; padding-left:") + in.fieldPictureWidth + QStringLiteral("px; color:") +
           in.keywordColour + QStringLiteral("\" value=\"") + in.keyword +
           QStringLiteral("\" /><input class=\"submit\" ") + QStringLiteral("style=\"border:") + in.frame +
           QStringLiteral("px solid ") + in.colour + QStringLiteral("; color:") + in.buttonTextColour +
           QStringLiteral(";width:") + in.buttonWidth + QStringLiteral("px;") + buttonHeight + in.height +
           QStringLiteral("px; background:url(") + in.buttonPicture + QStringLiteral(") ") + in.colour +
           QStringLiteral("; font-weight:700\" ") + QStringLiteral("type=\"submit\" name=\"submit\"  value=\"") +
           in.buttonText + QStringLiteral("\"/>") + QStringLiteral("</form>");
}

} // namespace

core::Built sousuokuangBox(const SousuokuangInput& in) {
    return core::build([&](core::Built& b) {
        const QString shop = boxShop(in.shop);
        if (shop != in.shop) b.update(QStringLiteral("edtdizhi"), shop);
        const Sizes size = sizes(in);
        b.snippet = searchForm(in, shop,
                               QStringLiteral("width:") + QString::number(size.fieldWidth) + QStringLiteral("px;") +
                                   QStringLiteral("line-height:") + in.height + QStringLiteral("px"),
                               QStringLiteral("line-height:")) +
                    hotWords(in, shop);
    });
}

QString sousuokuangPage(const SousuokuangInput& in) {
    const QString shop = boxShop(in.shop);
    const Sizes size = sizes(in);
    return QStringLiteral("<style>body { background-image: url(") + kSampleBackground +
           QStringLiteral(");padding-left:7px;padding-top:2px;}</style>") + block(in, size) +
           searchForm(in, shop,
                      QStringLiteral("width:") + QString::number(size.previewFieldWidth) + QStringLiteral("px; ") +
                          QStringLiteral("height:") + in.height + QStringLiteral("px"),
                      QStringLiteral("height:")) +
           QStringLiteral("<div style=\"font-size:12px;margin-top:-10px;\">") + hotWords(in, shop) +
           QStringLiteral("</div>") + QStringLiteral("</div></div>");
}

QString sousuokuangSnippet(const SousuokuangInput& in) {
    return block(in, sizes(in)) + in.box + QStringLiteral("</div></div>");
}

QINGWU_WINDOW(Tfrmsousuokuang, {.order = 830,
                                .tile = core::Tile{.page = u"tsmg1",
                                                   .row = 1,
                                                   .column = 2,
                                                   .image = u"img96",
                                                   .caption = u"自定义搜索框"},
                                .preview = core::ShopPreview{.place = core::Place::Home},
                                // "调试效果", then "提取代码".
                                .sample = [] {
                                    SousuokuangInput in;
                                    in.box = sousuokuangBox(in).snippet;
                                    return sousuokuangSnippet(in);
                                }})

} // namespace tools
