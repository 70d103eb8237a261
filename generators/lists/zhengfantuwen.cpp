#include "generators/lists/zhengfantuwen.h"
#include "core/messages.h"

#include "core/registry.h"
#include "core/text.h"
#include "generators/lists/hovereffects.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

namespace generators {

namespace {

// Fields of picture k (1-based).
QString pictureField(int k) {
    return QStringLiteral("edt%1").arg(3 * k - 1);
}
QString textField(int k) {
    return QStringLiteral("edt%1").arg(3 * k);
}
QString linkField(int k) {
    return QStringLiteral("edt%1").arg(3 * k + 1);
}
QString priceField(int k) {
    return QStringLiteral("edt%1").arg(15 + k);
}

// What differs between the three- and the four-picture row.
struct Row {
    QString marketWidth; // picture width in an ordinary shop
    QString otherWidth;  // in a Tmall shop
    QStringList lefts;   // left offset of each picture
    QString indent;      // left margin of the buy button
};
const Row& row(int pictures) {
    static const Row four{
        QStringLiteral("230"),
        QStringLiteral("240"),
        {QStringLiteral("0"), QStringLiteral("240"), QStringLiteral("480"), QStringLiteral("720")},
        QStringLiteral("79px")};
    static const Row three{QStringLiteral("310"),
                           QStringLiteral("323"),
                           {QStringLiteral("0"), QStringLiteral("320"), QStringLiteral("640")},
                           QStringLiteral("120px")};
    return pictures == 3 ? three : four;
}

} // namespace

ZhengfanTuwenInput::ZhengfanTuwenInput(int pictures)
    : pictures(pictures)
    , pictureWidth(row(pictures).marketWidth) {
    for (int k = 1; k <= pictures; ++k) {
        pictureAddresses << QStringLiteral("https://img.alicdn.com/imgextra/i1/qingwu/switch-%1-%2.jpg")
                                .arg(pictures)
                                .arg(k);
        texts << (k == 1 ? QStringLiteral("十字以内小描述") : QStringLiteral("经典大牌 时尚潮流"));
        links << QStringLiteral("#");
        prices << QStringLiteral("59.00");
    }
}

ZhengfanTuwenForm::ZhengfanTuwenForm(const QString& className, const QString& caption, int pictures)
    : hover::HoverForm(className, caption)
    , m_pictures(pictures) {
    const ZhengfanTuwenInput defaults(pictures);
    setClientSize(760, 190 + 58 * pictures);

    QGroupBox* output =
        addGroup(this, QStringLiteral("grp1"), QRect(8, 6, 744, 150), QStringLiteral("输出参数"));
    addCombo(output, QStringLiteral("cbb1"), QRect(12, 24, 100, 24),
             {QStringLiteral("集市店"), QStringLiteral("天猫未开")}, QStringLiteral("店铺类型"));
    addSizeLabel(output, QPoint(126, 26), QStringLiteral("图片宽度："), QStringLiteral("lbl3"),
                 defaults.pictureWidth, true);
    addCaption(output, QRect(262, 26, 70, 22), QStringLiteral("图片高度："));
    addEdit(output, QStringLiteral("edt1"), QRect(332, 24, 50, 24), defaults.height);
    addCaption(output, QRect(386, 26, 20, 22), QStringLiteral("px"));
    addCaption(output, QRect(416, 26, 56, 22), QStringLiteral("背景色："));
    addEdit(output, QStringLiteral("edt14"), QRect(472, 24, 80, 24), defaults.background);
    addCaption(output, QRect(562, 26, 56, 22), QStringLiteral("背景图："));
    addEdit(output, QStringLiteral("edt15"), QRect(618, 24, 80, 24), defaults.backgroundPicture);
    hover::styleAsLink(
        addLabel(output, QStringLiteral("lbl11"), QRect(706, 26, 32, 22), QStringLiteral("帮助")));
    addCheck(output, QStringLiteral("chk1"), QRect(12, 58, 220, 24),
             QStringLiteral("去下间缝，与下版块无缝拼接"));
    addSizeLabel(output, QPoint(240, 60), QStringLiteral("版块高度："), QStringLiteral("lbl7"),
                 QStringLiteral("380"), true);
    addSizeLabel(output, QPoint(376, 60), QStringLiteral("版块宽度："), QStringLiteral("lbl2"),
                 defaults.width, true);
    addCheck(output, QStringLiteral("chk2"), QRect(512, 58, 80, 24), QStringLiteral("基础版"));
    addCaption(output, QRect(12, 94, 84, 22), QStringLiteral("翻转背景色："));
    addEdit(output, QStringLiteral("edt20"), QRect(96, 92, 80, 24), defaults.panelColour);
    addCaption(output, QRect(190, 94, 70, 22), QStringLiteral("文字颜色："));
    addEdit(output, QStringLiteral("edt21"), QRect(260, 92, 80, 24), defaults.textColour);
    addButton(output, QStringLiteral("btn2"), QRect(620, 88, 110, 34), QStringLiteral("生成并提取"));

    QGroupBox* group = addGroup(this, QStringLiteral("grp2"), QRect(8, 164, 744, 18 + 58 * pictures),
                                QStringLiteral("图片参数"));
    for (int k = 1; k <= pictures; ++k) {
        const int y = 22 + 58 * (k - 1);
        addCaption(group, QRect(10, y, 84, 22), QStringLiteral("图片正面%1：").arg(k));
        addEdit(group, pictureField(k), QRect(94, y, 300, 24), defaults.pictureAddresses[k - 1]);
        addCaption(group, QRect(404, y, 84, 22), QStringLiteral("产品文字%1：").arg(k));
        addEdit(group, textField(k), QRect(488, y, 246, 24), defaults.texts[k - 1]);
        addCaption(group, QRect(10, y + 28, 84, 22), QStringLiteral("宝贝链接%1：").arg(k));
        addEdit(group, linkField(k), QRect(94, y + 28, 300, 24), defaults.links[k - 1]);
        addCaption(group, QRect(404, y + 28, 84, 22), QStringLiteral("产品价格%1：").arg(k));
        addEdit(group, priceField(k), QRect(488, y + 28, 100, 24), defaults.prices[k - 1]);
    }

    addHolder(QStringLiteral("lbl10"), defaults.trigger);
    addHolder(QStringLiteral("lbl9"), QStringLiteral("sn-simple-logo"));
    addHolder(QStringLiteral("lbl12"), defaults.trigger);
    addHolder(QStringLiteral("lbl13"), defaults.shift);
    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});

    on(QStringLiteral("cbb1Change"), [this] {
        const bool market = hover::marketShop(text(QStringLiteral("cbb1")));
        setText(QStringLiteral("lbl2"), market ? QStringLiteral("950") : QStringLiteral("990"));
        setText(QStringLiteral("lbl3"), market ? row(m_pictures).marketWidth : row(m_pictures).otherWidth);
        setText(QStringLiteral("lbl12"), text(market ? QStringLiteral("lbl10") : QStringLiteral("lbl9")));
    });
    on(QStringLiteral("edt1Change"), [this] {
        if (!text(QStringLiteral("edt1")).isEmpty()) showBlockHeight();
    });
    on(QStringLiteral("chk1Click"), [this] {
        if (text(QStringLiteral("edt1")).isEmpty())
            setText(QStringLiteral("lbl7"), QStringLiteral("380"));
        else
            showBlockHeight();
    });
    on(QStringLiteral("chk2Click"), [this] {
        const bool basic = control<QAbstractButton>(QStringLiteral("chk2"))->isChecked();
        setText(QStringLiteral("lbl13"), basic ? QStringLiteral("-200") : QStringLiteral("0"));
    });
    colorField(QStringLiteral("edt14"));
    on(QStringLiteral("lbl11Click"), [this] {
        message(
            QStringLiteral(
                "背景色及背景图为通栏（1920）的相关属性色，生成代码后，可以复制到本软件的代码预览功能预览！"),
            QStringLiteral("提示信息框"));
    });
    on(QStringLiteral("btn2Click"),
       [this] { deliver(QStringLiteral("mmo1"), zhengfanTuwenSnippet(input()), core::kCopiedForShop); });
}

// The block is 10 px taller than the pictures, or 20 px without the gap below.
void ZhengfanTuwenForm::showBlockHeight() {
    const qint64 height = core::parseInt(text(QStringLiteral("edt1")));
    const bool seamless = control<QAbstractButton>(QStringLiteral("chk1"))->isChecked();
    setText(QStringLiteral("lbl7"), QString::number(height - (seamless ? 20 : 10)));
}

ZhengfanTuwenInput ZhengfanTuwenForm::input() const {
    ZhengfanTuwenInput in(m_pictures);
    in.width = text(QStringLiteral("lbl2"));
    in.pictureWidth = text(QStringLiteral("lbl3"));
    in.height = text(QStringLiteral("edt1"));
    in.background = text(QStringLiteral("edt14"));
    in.backgroundPicture = text(QStringLiteral("edt15"));
    in.panelColour = text(QStringLiteral("edt20"));
    in.textColour = text(QStringLiteral("edt21"));
    in.trigger = text(QStringLiteral("lbl12"));
    in.shift = text(QStringLiteral("lbl13"));
    for (int k = 1; k <= m_pictures; ++k) {
        in.pictureAddresses[k - 1] = text(pictureField(k));
        in.texts[k - 1] = text(textField(k));
        in.links[k - 1] = text(linkField(k));
        in.prices[k - 1] = text(priceField(k));
    }
    return in;
}

namespace {

QString pictureBlock(const ZhengfanTuwenInput& in, int k) {
    const QString& w = in.pictureWidth;
    const QString& h = in.height;
    const QString& cls = in.trigger;
    return QStringLiteral("<a style=\"color:") + in.textColour +
           QStringLiteral("; text-decoration:none\" href=\"") + in.links[k - 1] +
           QStringLiteral("\" target=\"_blank\"><div class=\"") + cls +
           QStringLiteral("\" data-title=\"鼠标滑动效果\" style=\"z-index:") + QString::number(k + 1) +
           QStringLiteral(";top:0px;left:") + row(in.pictures).lefts[k - 1] + QStringLiteral("px;width:") +
           w + QStringLiteral("px;height:") + h +
           QStringLiteral(
               "px;border:0;padding:0;background:none;\"><div class=\"footer-more\" style=\"width:") +
           w + QStringLiteral("px;height:") + h +
           QStringLiteral("px;float:none;padding:0;right:auto;top:0;left:0;\"><img src=\"") +
           in.pictureAddresses[k - 1] + QStringLiteral("\" width=\"") + w + QStringLiteral("px\" height=\"") +
           h + QStringLiteral("px\" alt=\"\"><span class=\"footer-more-panel\" style=\"width:") + w +
           QStringLiteral("px;height:") + h +
           QStringLiteral("px;border:0;padding:0;background:none;bottom:auto;right:auto;top:0;left:0;\">") +
           QStringLiteral("<div style=\"width:") + w + QStringLiteral("px; height:") + h +
           QStringLiteral("px; background-color:") + in.panelColour +
           QStringLiteral("; text-align:center; filter:alpha(Opacity=70); opacity: 0.7;margin-top:-21px; "
                          "position:relative; left:auto; top:-20;\">") +
           QStringLiteral(
               "<div style=\"font-size:14px; padding-top:50%; padding-left:20px; padding-right:20px;\">") +
           in.texts[k - 1] + QStringLiteral("</div>") +
           QStringLiteral(
               "<div style=\"font-size:16px; margin-top:0%; padding-left:20px; padding-right:20px;\">RMB: ") +
           in.prices[k - 1] + QStringLiteral("</div>") +
           QStringLiteral("<div style=\"height:70px; width:70px; margin-left:") + row(in.pictures).indent +
           QStringLiteral(";border:1px solid;border-radius:50px;-moz-border-radius:50px; "
                          "line-height:70px;font-size:12px; "
                          "margin-top:10%;\">立即购买</div></div></span></div></div></a>");
}

} // namespace

QString zhengfanTuwenSnippet(const ZhengfanTuwenInput& in) {
    const QString& width = in.width;
    const QString& h = in.height;
    const QString& cls = in.trigger;
    QString out = QStringLiteral("<div  style=\"width:") + width + QStringLiteral("px;height:") + h +
                  QStringLiteral("px;\">");
    out += QStringLiteral("<div class=\"") + cls + QStringLiteral("\" style=\"width:") + width +
           QStringLiteral("px;height:") + h +
           QStringLiteral("px;border:0;padding:0;top:auto;left:auto;background:none;\">");
    out += QStringLiteral("<div class=\"") + cls + QStringLiteral("\" style=\"width:") + width +
           QStringLiteral("px;height:") + h + QStringLiteral("px;border:0;padding:0;top:0;left:") + in.shift +
           QStringLiteral("px;background:none;\">");
    // The 1920 px background strip, centred on the block.
    out +=
        QStringLiteral("<div class=\"") + cls +
        QStringLiteral("\" style=\"background:none;border:0;padding:0;width:1920px;height:") + h +
        QStringLiteral("px;top:auto;left:-485px;background-color:") + in.background +
        QStringLiteral(";background-image:url(") + in.backgroundPicture +
        QStringLiteral(");background-repeat:no-repeat;background-position:center top;background-attachment:"
                       "scroll;\"></div>");
    for (int k = 1; k <= in.pictures; ++k)
        out += pictureBlock(in, k);
    return out + QStringLiteral("</div></div></div>");
}

Tfrmzhengfantuwen4::Tfrmzhengfantuwen4()
    : ZhengfanTuwenForm(QStringLiteral("Tfrmzhengfantuwen4"), QStringLiteral("单行四图图文正反切换"), 4) {}

Tfrmzhengfantuwen3::Tfrmzhengfantuwen3()
    : ZhengfanTuwenForm(QStringLiteral("Tfrmzhengfantuwen3"), QStringLiteral("单行三图图文正反切换"), 3) {}

QINGWU_WINDOW(Tfrmzhengfantuwen3,
              {.order = 550,
               .tile = core::Tile{.page = u"ts8",
                                  .row = 5,
                                  .column = 3,
                                  .image = u"img48",
                                  .caption = u"三图图文正反切换"},
               .preview = core::ShopPreview{.place = core::Place::Home, .shopType = u"cbb1"},
               .sample = [] { return zhengfanTuwenSnippet(ZhengfanTuwenInput(3)); }})
QINGWU_WINDOW(Tfrmzhengfantuwen4,
              {.order = 560,
               .tile = core::Tile{.page = u"ts8",
                                  .row = 5,
                                  .column = 2,
                                  .image = u"img47",
                                  .caption = u"四图图文正反切换"},
               .preview = core::ShopPreview{.place = core::Place::Home, .shopType = u"cbb1"},
               .sample = [] { return zhengfanTuwenSnippet(ZhengfanTuwenInput(4)); }})

} // namespace generators
