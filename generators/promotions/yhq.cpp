#include "generators/promotions/yhq.h"

#include "core/messages.h"
#include "core/preview.h"
#include "core/registry.h"
#include "generators/promotions/shared.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <array>

namespace generators {

namespace {

// The fields of one coupon.
struct Coupon {
    QString caption, background, amount, picture, title, link, condition;
};

const std::array<Coupon, 4> kCoupons = {{
    {QStringLiteral("第一张"), QStringLiteral("edt1"), QStringLiteral("edt2"), QStringLiteral("edt3"),
     QStringLiteral("edt4"), QStringLiteral("edt5"), QStringLiteral("edt22")},
    {QStringLiteral("第二张"), QStringLiteral("edt6"), QStringLiteral("edt7"), QStringLiteral("edt8"),
     QStringLiteral("edt9"), QStringLiteral("edt10"), QStringLiteral("edt11")},
    {QStringLiteral("第三张"), QStringLiteral("edt18"), QStringLiteral("edt19"), QStringLiteral("edt20"),
     QStringLiteral("edt23"), QStringLiteral("edt24"), QStringLiteral("edt25")},
    {QStringLiteral("第四张"), QStringLiteral("edt12"), QStringLiteral("edt13"), QStringLiteral("edt14"),
     QStringLiteral("edt15"), QStringLiteral("edt16"), QStringLiteral("edt17")},
}};

struct Preset {
    QString name, background, text;
};

const std::array<Preset, 5> kPresets = {{
    {QStringLiteral("中国红"), QStringLiteral("#CC0033"), QStringLiteral("#CCCC00")},
    {QStringLiteral("天然绿"), QStringLiteral("#339933"), QStringLiteral("#fff")},
    {QStringLiteral("清新蓝"), QStringLiteral("#0099CC"), QStringLiteral("#fff")},
    {QStringLiteral("浪漫紫"), QStringLiteral("#990066"), QStringLiteral("#fff")},
    {QStringLiteral("柔和橙"), QStringLiteral("#CC6600"), QStringLiteral("#fff")},
}};

const QString kFirstOpening =
    QStringLiteral("<div style=\"width:25%; float:left;height:100px; background: url(");
const QString kNextOpening =
    QStringLiteral("<div style=\"width:24%; float:left;height:100px;  margin-left:1%;background: url(");

} // namespace

Tfrmyhq::Tfrmyhq()
    : core::Form(QStringLiteral("Tfrmyhq"), QStringLiteral("店铺优惠券")) {
    setClientSize(987, 502);
    const YhqInput defaults;

    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("pgc1"));
    pages->setGeometry(0, 0, 987, 502);
    auto* params = new QWidget;
    auto* preview = new QWidget;
    auto* reference = new QWidget;
    pages->addTab(params, QStringLiteral("具体参数设置  "));
    pages->addTab(preview, QStringLiteral("预览      "));
    pages->addTab(reference, QStringLiteral("参照图     "));

    auto* view = new QWidget(preview);
    view->setObjectName(QStringLiteral("wb1"));
    view->setGeometry(0, 0, 979, 470);
    core::addPreviewPicture(reference, QRect(0, 0, 979, 470), QStringLiteral("店铺优惠券"));

    QLabel* hint1 = addCaption(
        params, QRect(10, 6, 960, 20),
        QStringLiteral(
            "使用：您可以选择默认的五种风格，也可以将底色及文字色进行自行修改，制作自定义色，此时底色为"
            "单色，所以背景图不用填写默认即可！"));
    QLabel* hint2 = addCaption(
        params, QRect(10, 28, 960, 20),
        QStringLiteral(
            "如果底色不想要单色，那么您可以添加自定义的背景图，如果第一张想添加主图图片，那么请将第一张"
            "的所有参数留空，切将图片地址粘贴在背景图即可！"));
    hint1->setWordWrap(false);
    hint2->setWordWrap(false);

    QGroupBox* global =
        addGroup(params, QStringLiteral("grp1"), QRect(10, 54, 960, 56), QStringLiteral("全局参数"));
    QComboBox* presets =
        addCombo(global, QStringLiteral("cbb1"), QRect(12, 22, 140, 24),
                 {kPresets[0].name, kPresets[1].name, kPresets[2].name, kPresets[3].name, kPresets[4].name},
                 QStringLiteral("默认风格"));
    addCaption(global, QRect(180, 24, 70, 22), QStringLiteral("文字颜色："));
    addEdit(global, QStringLiteral("edt21"), QRect(250, 22, 100, 24), defaults.textColour);

    for (int k = 0; k < 4; ++k) {
        const Coupon& c = kCoupons[k];
        QGroupBox* group = addGroup(params, QStringLiteral("grp%1").arg(k + 2),
                                    QRect(10 + 240 * k, 118, 232, 250), c.caption);
        const std::array<std::pair<QString, std::pair<QString, QString>>, 6> rows = {{
            {QStringLiteral("底色："), {c.background, defaults.backgrounds[k]}},
            {QStringLiteral("金额："), {c.amount, defaults.amounts[k]}},
            {QStringLiteral("背景图："), {c.picture, defaults.pictures[k]}},
            {QStringLiteral("标题："), {c.title, defaults.titles[k]}},
            {QStringLiteral("链接："), {c.link, defaults.links[k]}},
            {QStringLiteral("说明："), {c.condition, defaults.conditions[k]}},
        }};
        for (int r = 0; r < 6; ++r) {
            addCaption(group, QRect(10, 24 + 36 * r, 60, 22), rows[r].first);
            addEdit(group, rows[r].second.first, QRect(70, 22 + 36 * r, 150, 24), rows[r].second.second);
        }
    }
    addButton(params, QStringLiteral("btn2"), QRect(600, 390, 170, 44), QStringLiteral("生成预览"));
    addButton(params, QStringLiteral("btn1"), QRect(790, 390, 170, 44), QStringLiteral("复制代码"));

    addOutputMemo(QStringLiteral("mmo1"));

    for (const QString& field : {kCoupons[0].background, kCoupons[1].background, kCoupons[2].background,
                                 kCoupons[3].background, QStringLiteral("edt21")})
        colorField(field);

    on(QStringLiteral("cbb1Change"), [this] {
        const QString chosen = text(QStringLiteral("cbb1"));
        for (const Preset& preset : kPresets) {
            if (chosen != preset.name) continue;
            for (const Coupon& c : kCoupons)
                setText(c.background, preset.background);
            setText(QStringLiteral("edt21"), preset.text);
        }
    });
    // Picking the preset already shown applies it again.
    connect(presets, &QComboBox::activated, this, [this] { dispatch(QStringLiteral("cbb1Change")); });

    on(QStringLiteral("btn2Click"), [this, pages, preview] {
        setText(QStringLiteral("mmo1"), yhqSnippet(input()));
        core::savePageLines(*this, QStringLiteral("mmo1"), core::sharedPreviewPage());
        pages->setCurrentWidget(preview);
        core::showPage(m_browser, control<QWidget>(QStringLiteral("wb1")), core::sharedPreviewPage());
    });
    on(QStringLiteral("btn1Click"), [this] {
        if (!needOutput(QStringLiteral("mmo1"), QStringLiteral("请先点击生成预览生成代码，再复制代码！")))
            return;
        copyOut(QStringLiteral("mmo1"), core::kCopiedForShop);
    });
}

YhqInput::YhqInput()
    : backgrounds(4, QStringLiteral("#099"))
    , amounts({QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("50"), QStringLiteral("80")})
    , pictures(4, QStringLiteral("#"))
    , titles(4, QStringLiteral("领取优惠券"))
    , links(4, QStringLiteral("#"))
    , conditions({QStringLiteral("购物满100元使用"), QStringLiteral("购物满200元使用"),
                  QStringLiteral("购物满500元使用"), QStringLiteral("购物满1000元使用")}) {}

YhqInput Tfrmyhq::input() const {
    YhqInput in;
    in.textColour = text(QStringLiteral("edt21"));
    for (int k = 0; k < 4; ++k) {
        const Coupon& c = kCoupons[k];
        in.backgrounds[k] = text(c.background);
        in.amounts[k] = text(c.amount);
        in.pictures[k] = text(c.picture);
        in.titles[k] = text(c.title);
        in.links[k] = text(c.link);
        in.conditions[k] = text(c.condition);
    }
    return in;
}

QString yhqSnippet(const YhqInput& in) {
    QString out = QStringLiteral("<div style=\"width:100%; color:") + in.textColour + QStringLiteral("\" >");
    for (int k = 0; k < 4; ++k) {
        out += QStringLiteral("<a style=\" text-decoration:none;color:") + in.textColour +
               QStringLiteral("\" href=\"") + in.links[k] + QStringLiteral("\">");
        out += (k == 0 ? kFirstOpening : kNextOpening) + in.pictures[k] + QStringLiteral(") ") +
               in.backgrounds[k] + QStringLiteral("\">");
        out += QStringLiteral(
                   "<div style=\"float:left; margin-top:30px; font-family:Microsoft yahei; "
                   "font-size:20px;margin-left:10px;\">￥</div><div style=\"float:left; font-size:60px; "
                   "height:100px; line-height:100px;font-family:Microsoft yahei; font-weight:700\">") +
               in.amounts[k] + QStringLiteral("</div>");
        out += QStringLiteral("<div style=\"float:left;font-family:Microsoft yahei;margin-top:27px; "
                              "margin-left:10px;font-weight:100;font-size:20px\">") +
               in.titles[k] + QStringLiteral("</div>");
        out += QStringLiteral("<div style=\"float:left;font-family:verdana;margin-top:2px; margin-left:10px; "
                              "font-size:12px\">") +
               in.conditions[k] + QStringLiteral(" </div> </div></a>");
    }
    return out + QStringLiteral("</div>");
}

QINGWU_WINDOW(
    Tfrmyhq,
    {.order = 410,
     .tile = core::Tile{.page = u"ts7", .row = 4, .column = 1, .image = u"img14", .caption = u"店铺优惠券"},
     .preview = core::ShopPreview{.place = core::Place::Home},
     .sample = [] { return yhqSnippet(YhqInput()); }})

} // namespace generators
