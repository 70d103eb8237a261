#include "generators/promotions/danpinyouhuiquan.h"

#include "core/dates.h"
#include "core/messages.h"
#include "core/preview.h"
#include "core/registry.h"
#include "generators/promotions/shared.h"

#include <QDateTimeEdit>
#include <QGroupBox>

namespace generators {

namespace {

// The widget's configuration after the end day, and the running counter.
const QString kCountdownBody = QStringLiteral(
    " 12:00:00',\r\n     'interval': 1000,\r\n     'timeRunCls': '.ks-countdown-run',\r\n     "
    "'timeUnitCls':{\r\n"
    "    'd': '.ks-d',      \r\n    'h': '.ks-h',      \r\n    'm': '.ks-m',      \r\n"
    "    's': '.ks-s'                                          \r\n     },\r\n     'minDigit': 1,\r\n"
    "     'timeEndCls': '.ks-countdown-end'\r\n     }\">\r\n    <!-- 倒计时结束时隐藏-->\r\n\r\n"
    "    <div class=\"ks-countdown-run\">\r\n    离活动结束还有：<span class=\"ks-d\">00</span>天\r\n"
    "    <span class=\"ks-h\">00</span>小时\r\n    <span class=\"ks-m\">00</span>分\r\n"
    "    <span class=\"ks-s\">00</span>秒,请从速领取！~\r\n    </div>\r\n    <div "
    "class=\"ks-countdown-run\"></div>\r\n"
    "     <!-- 倒计时结束时显示-->\r\n    <div class=\"ks-countdown-end\">");

const QString kCountdownTail = QStringLiteral(
    "</div>\r\n    <div class=\"ks-countdown-end\">\r\n    </div>\r\n   </div>\r\n<!--倒计时结束-->    \r\n"
    "    \r\n    \r\n    \r\n    \r\n    \r\n    </div>\r\n  </div>\r\n</div>\r\n");

} // namespace

Tfrmdanpinyouhuiquan::Tfrmdanpinyouhuiquan()
    : core::Form(QStringLiteral("Tfrmdanpinyouhuiquan"),
                 QStringLiteral("单品优惠券领取倒计时，适用集市店及天猫店")) {
    setClientSize(726, 519);
    const DanpinyouhuiquanInput defaults;
    core::addPreviewPicture(this, QRect(8, 6, 710, 200), QStringLiteral("单品优惠券"));

    QGroupBox* params =
        addGroup(this, QStringLiteral("grp1"), QRect(8, 214, 710, 296), QStringLiteral("参数设置"));
    auto row = [&](int y, const QString& caption, const QString& name, const QString& value,
                   int width = 560) {
        addCaption(params, QRect(12, y + 2, 120, 22), caption);
        addEdit(params, name, QRect(132, y, width, 24), value);
    };
    row(24, QStringLiteral("单品图片地址："), QStringLiteral("edt1"), defaults.picture);
    row(56, QStringLiteral("链接地址："), QStringLiteral("edt2"), defaults.link);
    row(88, QStringLiteral("优惠券数额："), QStringLiteral("edt3"), defaults.amount, 120);
    row(120, QStringLiteral("领取地址："), QStringLiteral("edt4"), defaults.claim);
    row(152, QStringLiteral("活动标题信息："), QStringLiteral("edt6"), defaults.title);
    row(184, QStringLiteral("按钮颜色："), QStringLiteral("edt5"), defaults.colour, 120);

    addCaption(params, QRect(12, 218, 120, 22), QStringLiteral("倒计时截止时间："));
    promotions::addDatePicker(params, QStringLiteral("dtp1"), QRect(132, 216, 200, 24),
                              QDateTime(defaults.endDay, QTime(11, 27, 16)),
                              QStringLiteral("yyyy-MM-dd hh:mm:ss"));

    row(250, QStringLiteral("倒计时结束语："), QStringLiteral("edt7"), defaults.endText, 400);
    addButton(params, QStringLiteral("btn1"), QRect(552, 214, 140, 60), QStringLiteral("提取代码"));

    addOutputMemo(QStringLiteral("mmo1"));

    on(QStringLiteral("btn1Click"),
       [this] { deliver(QStringLiteral("mmo1"), danpinyouhuiquanSnippet(input()), core::kCopiedForShop); });
}

DanpinyouhuiquanInput Tfrmdanpinyouhuiquan::input() const {
    DanpinyouhuiquanInput in;
    in.picture = text(QStringLiteral("edt1"));
    in.link = text(QStringLiteral("edt2"));
    in.amount = text(QStringLiteral("edt3"));
    in.claim = text(QStringLiteral("edt4"));
    in.title = text(QStringLiteral("edt6"));
    in.colour = text(QStringLiteral("edt5"));
    // The offer ends at noon of the chosen day, whatever time the picker shows.
    in.endDay = control<QDateTimeEdit>(QStringLiteral("dtp1"))->date();
    in.endText = text(QStringLiteral("edt7"));
    return in;
}

QString danpinyouhuiquanSnippet(const DanpinyouhuiquanInput& in) {
    const QString& colour = in.colour;
    const QString endDay = core::shortDateText(in.endDay);
    QString out;
    out += QStringLiteral(
               "<div style=\"border:1px solid #ccc; height:300px;color:#333; font-family:Microsoft "
               "Yahei;background-color:#FFF\"><div style=\"width:300px; height:300px; float:left\"><a "
               "href=\"") +
           in.link + QStringLiteral("\" target=\"_blank\">");
    out += QStringLiteral("<img src=\"") + in.picture +
           QStringLiteral("\" width=\"300\" height=\"300\"/></a></div>");
    out += QStringLiteral("<div style=\"height:300px; float:left;margin-left:50px; width:500px\">");
    out += QStringLiteral("<div style=\" line-height:90px; font-size:26px; font-family:Microsoft "
                          "Yahei;font-weight:700; \">") +
           in.title + QStringLiteral("</div>");
    out += QStringLiteral("<div style=\" line-height:80px; font-size:26px;border:") + colour +
           QStringLiteral(" 2px solid; height:80px;color:") + colour +
           QStringLiteral("; padding-left:50px;\">");
    out += QStringLiteral(
               "<div style=\" font-size:48px; font-weight:700; width:50%;float:left;font-family:Arial;\">"
               "<span style=\"font-size:24px;font-family:Microsoft Yahei\">￥</span>") +
           in.amount + QStringLiteral("</div>");
    out += QStringLiteral("<a style=\"color:#FFF; text-decoration:none\" href=\"") + in.claim +
           QStringLiteral("\" target=\"_blank\"><div style=\" font-size:30px; font-weight:700; "
                          "width:50%;float:left;text-align:center; background-color:") +
           colour + QStringLiteral("\">立即领取</div></a></div>");
    out += QStringLiteral(
        "<div style=\" line-height:90px; font-size:18px; font-family:Microsoft Yahei;float:left\">");
    out += QStringLiteral(
               "<div class=\"J_TWidget\" data-widget-type=\"Countdown\"  data-widget-config=\"{\r\n     "
               "'endTime': '") +
           endDay;
    out += kCountdownBody + in.endText;
    out += kCountdownTail;
    return out;
}

QINGWU_WINDOW(
    Tfrmdanpinyouhuiquan,
    {.order = 360,
     .tile = core::Tile{.page = u"ts7", .row = 5, .column = 1, .image = u"img12", .caption = u"单品优惠券"},
     .preview = core::ShopPreview{.place = core::Place::Home},
     .sample = [] { return danpinyouhuiquanSnippet(DanpinyouhuiquanInput()); }})

} // namespace generators
