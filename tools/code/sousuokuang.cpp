#include "tools/code/sousuokuang.h"

#include "core/addresses.h"
#include "core/files.h"
#include "core/registry.h"
#include "core/text.h"

#include <QComboBox>
#include <QLineEdit>

namespace tools {

namespace {

const QString kSampleShop = QStringLiteral("https://qingwu360.taobao.com");
const QString kSampleKeyword = QStringLiteral("青梧掌柜装修工具");
const QString kSampleHotWords = QStringLiteral("通栏转化|图片列表计算器|自定义搜索框");
const QString kSampleCode =
    QStringLiteral("<img src=\"https://img.alicdn.com/imgextra/i1/qingwu/dianzhao-950x150.jpg\" />");
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
    field(props, 10, 24, 96, QStringLiteral("*  店铺地址："), QStringLiteral("edtdizhi"), 234, kSampleShop)
        ->setToolTip(QStringLiteral("请填写店铺的短地址，以 .com 结尾，末尾不要加 /"));
    field(props, 10, 56, 96, QStringLiteral("搜索框高度："), QStringLiteral("edtgaodu"), 80,
          QStringLiteral("35"))
        ->setToolTip(QStringLiteral("整个搜索框的高度"));
    field(props, 10, 88, 96, QStringLiteral("默认关键字："), QStringLiteral("edtguanjianzi"), 234,
          kSampleKeyword);
    field(props, 10, 120, 96, QStringLiteral("关键字颜色："), QStringLiteral("edtguanjianzise"), 80,
          QStringLiteral("#ccc"));
    field(props, 10, 152, 96, QStringLiteral("搜索框色系："), QStringLiteral("edtsexi"), 80,
          QStringLiteral("#f30"))
        ->setToolTip(QStringLiteral("搜索按钮及线框的颜色"));

    QGroupBox* hot = addGroup(this, QStringLiteral("grp2"), QRect(6, 632, 350, 90),
                              QStringLiteral("② 热词：用 | 隔开，不启用则留空"));
    addEdit(hot, QStringLiteral("edtreci"), QRect(10, 24, 330, 24), kSampleHotWords);
    field(hot, 10, 56, 60, QStringLiteral("颜色："), QStringLiteral("edtrecise"), 80, QStringLiteral("#000"));

    QGroupBox* textBox =
        addGroup(this, QStringLiteral("grp3"), QRect(362, 436, 350, 190), QStringLiteral("③ 文本框属性"));
    field(textBox, 10, 24, 70, QStringLiteral("宽度："), QStringLiteral("edtwenbenkuan"), 80,
          QStringLiteral("200"));
    field(textBox, 180, 24, 70, QStringLiteral("底色："), QStringLiteral("edtwenbense"), 80,
          QStringLiteral("#fff"));
    addCaption(textBox, QRect(10, 56, 70, 24), QStringLiteral("边线宽："));
    addCombo(textBox, QStringLiteral("cbbxiankuan"), QRect(80, 56, 80, 24),
             {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")},
             QStringLiteral("0"));
    field(textBox, 10, 88, 70, QStringLiteral("背景图："), QStringLiteral("edtwenbenbeijing"), 260,
          QStringLiteral("none"));
    field(textBox, 10, 120, 70, QStringLiteral("图宽度："), QStringLiteral("edtwenbentukuan"), 80,
          QStringLiteral("0"));

    QGroupBox* button =
        addGroup(this, QStringLiteral("grp4"), QRect(362, 632, 350, 174), QStringLiteral("④ 按钮属性"));
    field(button, 10, 24, 70, QStringLiteral("宽度："), QStringLiteral("edtanniukuan"), 80,
          QStringLiteral("75"));
    field(button, 180, 24, 70, QStringLiteral("文字："), QStringLiteral("edtanniuwenzi"), 80,
          QStringLiteral("Search"));
    field(button, 10, 56, 70, QStringLiteral("文字色："), QStringLiteral("edtwenzise"), 80,
          QStringLiteral("#fff"));
    field(button, 10, 88, 70, QStringLiteral("背景图："), QStringLiteral("edtanniubeijing"), 260,
          QStringLiteral("none"));

    QGroupBox* own =
        addGroup(this, QStringLiteral("grp5"), QRect(718, 436, 360, 230), QStringLiteral("⑤ 自定义代码"));
    field(own, 10, 24, 50, QStringLiteral("宽度："), QStringLiteral("edtzidingyikuan"), 80,
          QStringLiteral("950"));
    field(own, 180, 24, 50, QStringLiteral("高度："), QStringLiteral("edtzidingyigao"), 80,
          QStringLiteral("150"));
    addMemo(own, QStringLiteral("mmozidingyi"), QRect(10, 56, 340, 164), {kSampleCode});

    QGroupBox* output =
        addGroup(this, QStringLiteral("grp6"), QRect(718, 672, 360, 134), QStringLiteral("⑥ 搜索框输出："));
    field(output, 10, 24, 60, QStringLiteral("右边距："), QStringLiteral("edtyoubianju"), 60,
          QStringLiteral("0"));
    field(output, 180, 24, 60, QStringLiteral("顶边距："), QStringLiteral("edtdingbianju"), 60,
          QStringLiteral("0"));
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
    on(QStringLiteral("btntiaoshiClick"), [this] { build(); });
    on(QStringLiteral("btnsousuokuangClick"), [this] {
        if (!needOutput(QStringLiteral("mmo1"), QStringLiteral("请先点击调试效果生成搜索框！"))) return;
        copyOut(QStringLiteral("mmo1"), QStringLiteral("搜索框生成并提取成功！"));
    });
    on(QStringLiteral("btntiquClick"), [this] {
        if (!needOutput(QStringLiteral("mmo1"), QStringLiteral("请先点击调试效果生成搜索框！"))) return;
        const Sizes size = sizes();
        deliver(QStringLiteral("mmo2"),
                block(size) + text(QStringLiteral("mmo1")) + QStringLiteral("</div></div>"),
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

// The block of own code and the opening of the layer that carries the search box.
Tfrmsousuokuang::Sizes Tfrmsousuokuang::sizes() const {
    // Parsed 32-bit values never overflow in 64-bit sums.
    const qint64 tw = core::parseInt(text(QStringLiteral("edtwenbenkuan")));
    const qint64 bw = core::parseInt(text(QStringLiteral("edtanniukuan")));
    const qint64 f = core::parseInt(text(QStringLiteral("cbbxiankuan")));
    const qint64 p = core::parseInt(text(QStringLiteral("edtwenbentukuan")));
    const qint64 bh = core::parseInt(text(QStringLiteral("edtzidingyigao")));
    const qint64 tm = core::parseInt(text(QStringLiteral("edtdingbianju")));
    const qint64 rm = core::parseInt(text(QStringLiteral("edtyoubianju")));
    return {tw + bw + 4 * f + p, bh - tm + 5, rm - p - 2 * f, tw - p, tw - 2 * f};
}

QString Tfrmsousuokuang::block(const Sizes& size) const {
    return QStringLiteral("<div style=\"width:") + text(QStringLiteral("edtzidingyikuan")) +
           QStringLiteral("px;height:") + text(QStringLiteral("edtzidingyigao")) +
           QStringLiteral("px;overflow:hidden\">") + text(QStringLiteral("mmozidingyi")) +
           QStringLiteral("<div style=\"width:") + QString::number(size.boxWidth) +
           QStringLiteral("px; height:") + text(QStringLiteral("edtgaodu")) +
           QStringLiteral("px;position:relative;top:") + topOffset(size.lift) + QStringLiteral("px;right:") +
           QString::number(size.rightOffset) + QStringLiteral("px;float:right\">");
}

void Tfrmsousuokuang::build() {
    QString shop = text(QStringLiteral("edtdizhi"));
    if (shop.contains(QStringLiteral("https"))) {
        shop.replace(QStringLiteral("https"), QStringLiteral("http"));
        setText(QStringLiteral("edtdizhi"), shop);
    }
    const Sizes size = sizes();

    const QString h = text(QStringLiteral("edtgaodu"));
    const QString colour = text(QStringLiteral("edtsexi"));
    const QString hotColour = text(QStringLiteral("edtrecise"));
    const QString hotText = text(QStringLiteral("edtreci"));
    QString hot = QStringLiteral("<div style=\"font-size:12px;margin-top:5px;\">");
    if (!hotText.isEmpty()) {
        hot += QStringLiteral("热搜：");
        for (const QString& word : core::splitBarList(hotText))
            hot += QStringLiteral("<a style=\"text-decoration:none;color:") + hotColour +
                   QStringLiteral("\" href=\"") + shop + core::addresses::searchBoxKeywordSearch + word +
                   QStringLiteral("\" target=\"_blank\">") + word + QStringLiteral("</a>&nbsp;\r\n");
    }
    hot += QStringLiteral("</div>\r\n");

    // The form; the preview sizes its field and button by height instead of line height.
    auto form = [&](const QString& fieldSize, const QString& buttonHeight) {
        return QStringLiteral("<form action=\"") + shop + core::addresses::shopSearchPath +
               QStringLiteral("\" method=\"post\" target=\"_blank\">") +
               QStringLiteral("\t<input class=\"keyword\" name=\"keyword\"  type=\"text\" style=\"border:") +
               colour + QStringLiteral(" ") + text(QStringLiteral("cbbxiankuan")) +
               QStringLiteral("px solid; ") + fieldSize + QStringLiteral(";background:url(") +
               text(QStringLiteral("edtwenbenbeijing")) + QStringLiteral(") ") +
               text(QStringLiteral("edtwenbense")) + QStringLiteral(" no-repeat; padding-left:") +
               text(QStringLiteral("edtwenbentukuan")) + QStringLiteral("px; color:") +
               text(QStringLiteral("edtguanjianzise")) + QStringLiteral("\" value=\"") +
               text(QStringLiteral("edtguanjianzi")) + QStringLiteral("\" /><input class=\"submit\" ") +
               QStringLiteral("style=\"border:") + text(QStringLiteral("cbbxiankuan")) +
               QStringLiteral("px solid ") + colour + QStringLiteral("; color:") +
               text(QStringLiteral("edtwenzise")) + QStringLiteral(";width:") +
               text(QStringLiteral("edtanniukuan")) + QStringLiteral("px;") + buttonHeight + h +
               QStringLiteral("px; background:url(") + text(QStringLiteral("edtanniubeijing")) +
               QStringLiteral(") ") + colour + QStringLiteral("; font-weight:700\" ") +
               QStringLiteral("type=\"submit\" name=\"submit\"  value=\"") +
               text(QStringLiteral("edtanniuwenzi")) + QStringLiteral("\"/>") + QStringLiteral("</form>");
    };
    setText(QStringLiteral("mmo1"),
            form(QStringLiteral("width:") + QString::number(size.fieldWidth) + QStringLiteral("px;") +
                     QStringLiteral("line-height:") + h + QStringLiteral("px"),
                 QStringLiteral("line-height:")) +
                hot);

    const QString page =
        QStringLiteral("<style>body { background-image: url(") + kSampleBackground +
        QStringLiteral(");padding-left:7px;padding-top:2px;}</style>") + block(size) +
        form(QStringLiteral("width:") + QString::number(size.previewFieldWidth) + QStringLiteral("px; ") +
                 QStringLiteral("height:") + h + QStringLiteral("px"),
             QStringLiteral("height:")) +
        QStringLiteral("<div style=\"font-size:12px;margin-top:-10px;\">") + hot + QStringLiteral("</div>") +
        QStringLiteral("</div></div>");
    core::writeTextFile(previewFile(), page);
    browser()->navigate(previewFile());
}

QINGWU_WINDOW(Tfrmsousuokuang, {.order = 830,
                                .tile = core::Tile{.page = u"tsmg1",
                                                   .row = 1,
                                                   .column = 2,
                                                   .image = u"img96",
                                                   .caption = u"自定义搜索框"},
                                .preview = core::ShopPreview{.place = core::Place::Home}})

} // namespace tools
