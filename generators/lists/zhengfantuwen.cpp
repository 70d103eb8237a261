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

} // namespace

ZhengfanTuwenForm::ZhengfanTuwenForm(const QString& className, const QString& caption, const Row& row)
    : hover::HoverForm(className, caption)
    , m_row(row) {
    setClientSize(760, 190 + 58 * row.pictures);

    QGroupBox* output =
        addGroup(this, QStringLiteral("grp1"), QRect(8, 6, 744, 150), QStringLiteral("输出参数"));
    addCombo(output, QStringLiteral("cbb1"), QRect(12, 24, 100, 24),
             {QStringLiteral("集市店"), QStringLiteral("天猫未开")}, QStringLiteral("店铺类型"));
    addSizeLabel(output, QPoint(126, 26), QStringLiteral("图片宽度："), QStringLiteral("lbl3"),
                 row.marketWidth, true);
    addCaption(output, QRect(262, 26, 70, 22), QStringLiteral("图片高度："));
    addEdit(output, QStringLiteral("edt1"), QRect(332, 24, 50, 24), QStringLiteral("350"));
    addCaption(output, QRect(386, 26, 20, 22), QStringLiteral("px"));
    addCaption(output, QRect(416, 26, 56, 22), QStringLiteral("背景色："));
    addEdit(output, QStringLiteral("edt14"), QRect(472, 24, 80, 24), QStringLiteral("none"));
    addCaption(output, QRect(562, 26, 56, 22), QStringLiteral("背景图："));
    addEdit(output, QStringLiteral("edt15"), QRect(618, 24, 80, 24), QStringLiteral("none"));
    hover::styleAsLink(
        addLabel(output, QStringLiteral("lbl11"), QRect(706, 26, 32, 22), QStringLiteral("帮助")));
    addCheck(output, QStringLiteral("chk1"), QRect(12, 58, 220, 24),
             QStringLiteral("去下间缝，与下版块无缝拼接"));
    addSizeLabel(output, QPoint(240, 60), QStringLiteral("版块高度："), QStringLiteral("lbl7"),
                 QStringLiteral("380"), true);
    addSizeLabel(output, QPoint(376, 60), QStringLiteral("版块宽度："), QStringLiteral("lbl2"),
                 QStringLiteral("950"), true);
    addCheck(output, QStringLiteral("chk2"), QRect(512, 58, 80, 24), QStringLiteral("基础版"));
    addCaption(output, QRect(12, 94, 84, 22), QStringLiteral("翻转背景色："));
    addEdit(output, QStringLiteral("edt20"), QRect(96, 92, 80, 24), QStringLiteral("#000"));
    addCaption(output, QRect(190, 94, 70, 22), QStringLiteral("文字颜色："));
    addEdit(output, QStringLiteral("edt21"), QRect(260, 92, 80, 24), QStringLiteral("#fff"));
    addButton(output, QStringLiteral("btn2"), QRect(620, 88, 110, 34), QStringLiteral("生成并提取"));

    QGroupBox* pictures = addGroup(this, QStringLiteral("grp2"), QRect(8, 164, 744, 18 + 58 * row.pictures),
                                   QStringLiteral("图片参数"));
    for (int k = 1; k <= row.pictures; ++k) {
        const int y = 22 + 58 * (k - 1);
        addCaption(pictures, QRect(10, y, 84, 22), QStringLiteral("图片正面%1：").arg(k));
        addEdit(pictures, pictureField(k), QRect(94, y, 300, 24),
                QStringLiteral("https://img.alicdn.com/imgextra/i1/qingwu/switch-%1-%2.jpg")
                    .arg(row.pictures)
                    .arg(k));
        addCaption(pictures, QRect(404, y, 84, 22), QStringLiteral("产品文字%1：").arg(k));
        addEdit(pictures, textField(k), QRect(488, y, 246, 24),
                k == 1 ? QStringLiteral("十字以内小描述") : QStringLiteral("经典大牌 时尚潮流"));
        addCaption(pictures, QRect(10, y + 28, 84, 22), QStringLiteral("宝贝链接%1：").arg(k));
        addEdit(pictures, linkField(k), QRect(94, y + 28, 300, 24), QStringLiteral("#"));
        addCaption(pictures, QRect(404, y + 28, 84, 22), QStringLiteral("产品价格%1：").arg(k));
        addEdit(pictures, priceField(k), QRect(488, y + 28, 100, 24), QStringLiteral("59.00"));
    }

    addHolder(QStringLiteral("lbl10"), QStringLiteral("most-footer footer-more-trigger"));
    addHolder(QStringLiteral("lbl9"), QStringLiteral("sn-simple-logo"));
    addHolder(QStringLiteral("lbl12"), QStringLiteral("most-footer footer-more-trigger"));
    addHolder(QStringLiteral("lbl13"), QStringLiteral("0"));
    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});

    on(QStringLiteral("cbb1Change"), [this] {
        const bool market = hover::marketShop(text(QStringLiteral("cbb1")));
        setText(QStringLiteral("lbl2"), market ? QStringLiteral("950") : QStringLiteral("990"));
        setText(QStringLiteral("lbl3"), market ? m_row.marketWidth : m_row.otherWidth);
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
       [this] { deliver(QStringLiteral("mmo1"), snippet(), core::kCopiedForShop); });
}

// The block is 10 px taller than the pictures, or 20 px without the gap below.
void ZhengfanTuwenForm::showBlockHeight() {
    const qint64 height = core::parseInt(text(QStringLiteral("edt1")));
    const bool seamless = control<QAbstractButton>(QStringLiteral("chk1"))->isChecked();
    setText(QStringLiteral("lbl7"), QString::number(height - (seamless ? 20 : 10)));
}

QString ZhengfanTuwenForm::pictureBlock(int k) const {
    const QString w = text(QStringLiteral("lbl3"));
    const QString h = text(QStringLiteral("edt1"));
    const QString cls = text(QStringLiteral("lbl12"));
    return QStringLiteral("<a style=\"color:") + text(QStringLiteral("edt21")) +
           QStringLiteral("; text-decoration:none\" href=\"") + text(linkField(k)) +
           QStringLiteral("\" target=\"_blank\"><div class=\"") + cls +
           QStringLiteral("\" data-title=\"鼠标滑动效果\" style=\"z-index:") + QString::number(k + 1) +
           QStringLiteral(";top:0px;left:") + m_row.lefts[k - 1] + QStringLiteral("px;width:") + w +
           QStringLiteral("px;height:") + h +
           QStringLiteral(
               "px;border:0;padding:0;background:none;\"><div class=\"footer-more\" style=\"width:") +
           w + QStringLiteral("px;height:") + h +
           QStringLiteral("px;float:none;padding:0;right:auto;top:0;left:0;\"><img src=\"") +
           text(pictureField(k)) + QStringLiteral("\" width=\"") + w + QStringLiteral("px\" height=\"") + h +
           QStringLiteral("px\" alt=\"\"><span class=\"footer-more-panel\" style=\"width:") + w +
           QStringLiteral("px;height:") + h +
           QStringLiteral("px;border:0;padding:0;background:none;bottom:auto;right:auto;top:0;left:0;\">") +
           QStringLiteral("<div style=\"width:") + w + QStringLiteral("px; height:") + h +
           QStringLiteral("px; background-color:") + text(QStringLiteral("edt20")) +
           QStringLiteral("; text-align:center; filter:alpha(Opacity=70); opacity: 0.7;margin-top:-21px; "
                          "position:relative; left:auto; top:-20;\">") +
           QStringLiteral(
               "<div style=\"font-size:14px; padding-top:50%; padding-left:20px; padding-right:20px;\">") +
           text(textField(k)) + QStringLiteral("</div>") +
           QStringLiteral(
               "<div style=\"font-size:16px; margin-top:0%; padding-left:20px; padding-right:20px;\">RMB: ") +
           text(priceField(k)) + QStringLiteral("</div>") +
           QStringLiteral("<div style=\"height:70px; width:70px; margin-left:") + m_row.indent +
           QStringLiteral(";border:1px solid;border-radius:50px;-moz-border-radius:50px; "
                          "line-height:70px;font-size:12px; "
                          "margin-top:10%;\">立即购买</div></div></span></div></div></a>");
}

QString ZhengfanTuwenForm::snippet() const {
    const QString width = text(QStringLiteral("lbl2"));
    const QString h = text(QStringLiteral("edt1"));
    const QString cls = text(QStringLiteral("lbl12"));
    QString out = QStringLiteral("<div  style=\"width:") + width + QStringLiteral("px;height:") + h +
                  QStringLiteral("px;\">");
    out += QStringLiteral("<div class=\"") + cls + QStringLiteral("\" style=\"width:") + width +
           QStringLiteral("px;height:") + h +
           QStringLiteral("px;border:0;padding:0;top:auto;left:auto;background:none;\">");
    out += QStringLiteral("<div class=\"") + cls + QStringLiteral("\" style=\"width:") + width +
           QStringLiteral("px;height:") + h + QStringLiteral("px;border:0;padding:0;top:0;left:") +
           text(QStringLiteral("lbl13")) + QStringLiteral("px;background:none;\">");
    // The 1920 px background strip, centred on the block.
    out +=
        QStringLiteral("<div class=\"") + cls +
        QStringLiteral("\" style=\"background:none;border:0;padding:0;width:1920px;height:") + h +
        QStringLiteral("px;top:auto;left:-485px;background-color:") + text(QStringLiteral("edt14")) +
        QStringLiteral(";background-image:url(") + text(QStringLiteral("edt15")) +
        QStringLiteral(");background-repeat:no-repeat;background-position:center top;background-attachment:"
                       "scroll;\"></div>");
    for (int k = 1; k <= m_row.pictures; ++k)
        out += pictureBlock(k);
    return out + QStringLiteral("</div></div></div>");
}

Tfrmzhengfantuwen4::Tfrmzhengfantuwen4()
    : ZhengfanTuwenForm(
          QStringLiteral("Tfrmzhengfantuwen4"), QStringLiteral("单行四图图文正反切换"),
          {4,
           QStringLiteral("230"),
           QStringLiteral("240"),
           {QStringLiteral("0"), QStringLiteral("240"), QStringLiteral("480"), QStringLiteral("720")},
           QStringLiteral("79px")}) {}

Tfrmzhengfantuwen3::Tfrmzhengfantuwen3()
    : ZhengfanTuwenForm(QStringLiteral("Tfrmzhengfantuwen3"), QStringLiteral("单行三图图文正反切换"),
                        {3,
                         QStringLiteral("310"),
                         QStringLiteral("323"),
                         {QStringLiteral("0"), QStringLiteral("320"), QStringLiteral("640")},
                         QStringLiteral("120px")}) {}

QINGWU_WINDOW(Tfrmzhengfantuwen3,
              {.order = 550,
               .tile = core::Tile{.page = u"ts8",
                                  .row = 5,
                                  .column = 3,
                                  .image = u"img48",
                                  .caption = u"三图图文正反切换"},
               .preview = core::ShopPreview{.place = core::Place::Home, .shopType = u"cbb1"}})
QINGWU_WINDOW(Tfrmzhengfantuwen4,
              {.order = 560,
               .tile = core::Tile{.page = u"ts8",
                                  .row = 5,
                                  .column = 2,
                                  .image = u"img47",
                                  .caption = u"四图图文正反切换"},
               .preview = core::ShopPreview{.place = core::Place::Home, .shopType = u"cbb1"}})

} // namespace generators
