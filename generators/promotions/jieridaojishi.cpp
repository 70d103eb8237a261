#include "generators/promotions/jieridaojishi.h"

#include "core/dates.h"
#include "core/messages.h"
#include "core/preview.h"
#include "core/registry.h"
#include "generators/promotions/shared.h"

#include <QDateTimeEdit>
#include <QGroupBox>

namespace generators {

namespace {

// The widget's configuration after the end time, the counter cells and the
// opening of the end container.
const QString kCountdownBody = QStringLiteral(
    "',\r\n     'interval': 1000,\r\n     'timeRunCls': '.ks-countdown-run',\r\n     'timeUnitCls':{\r\n"
    "     'd': '.ks-d',      \r\n     'h': '.ks-h',      \r\n     'm': '.ks-m',      \r\n"
    "     's': '.ks-s'                                    \r\n     },\r\n     'minDigit': 1,\r\n"
    "     'timeEndCls': '.ks-countdown-end'\r\n     }\">\r\n    <!-- 倒计时结束时隐藏-->\r\n\r\n"
    "    <div class=\"ks-countdown-run\">\r\n\r\n"
    "  <span class=\"ks-d\" style=\" width:100px; height:100px; text-align:center; line-height:100px; "
    "font-size:50px;font-weight:700; float:left; margin-left:30px;\">00</span>\r\n \r\n"
    "  <span style=\" width:80px; height:100px; text-align:center; line-height:100px; font-size:15px; "
    "float:left;\">Day</span>\r\n  \r\n"
    "  <span class=\"ks-h\" style=\" width:100px; height:100px; text-align:center; line-height:100px; "
    "font-size:50px;  font-weight:700; float:left;\">00</span>\r\n  \r\n"
    "  <span style=\" width:80px; height:100px; text-align:center; line-height:100px; font-size:15px; "
    "float:left; \">Hour</span>\r\n  \r\n"
    "  <span class=\"ks-m\" style=\" width:100px; height:100px; text-align:center; line-height:100px; "
    "font-size:50px;font-weight:700; float:left;\">00</span>\r\n  \r\n"
    "  <span style=\" width:80px; height:100px; text-align:center; line-height:100px; font-size:15px;  "
    "float:left;\">Minutes</span>\r\n  \r\n"
    "  <span class=\"ks-s\" style=\" width:100px; height:100px; text-align:center; line-height:100px; "
    "font-size:50px; font-weight:700; float:left;\">00</span>\r\n  \r\n"
    "  <span style=\" width:80px; height:100px; text-align:center; line-height:100px; font-size:15px; "
    "float:left; \">Seconds</span>\r\n  \r\n"
    "</div>\r\n    <div class=\"ks-countdown-run\"></div>\r\n"
    "    <div class=\"ks-countdown-end\" style=\"text-align:center; line-height:100px; "
    "font-size:20px;font-family:Microsoft Yahei\">");

// The picker shows only the day; the countdown ends at this time of it.
const QTime kTimeOfDay(1, 1, 25);

} // namespace

TFrmjieridaojishi::TFrmjieridaojishi()
    : core::Form(QStringLiteral("TFrmjieridaojishi"), QStringLiteral("节日倒计时，适合集市店及天猫店")) {
    setClientSize(950, 276);
    const JieridaojishiInput defaults;
    core::addPreviewPicture(this, QRect(0, 0, 950, 110), QStringLiteral("节日倒计时"));

    QGroupBox* params =
        addGroup(this, QStringLiteral("grp1"), QRect(8, 116, 760, 152), QStringLiteral("参数设置"));
    auto field = [&](int x, int y, const QString& caption, const QString& name, const QString& value,
                     int width) {
        addCaption(params, QRect(x, y + 2, 100, 22), caption);
        addEdit(params, name, QRect(x + 100, y, width, 24), value);
    };
    field(12, 24, QStringLiteral("节日背景色："), QStringLiteral("edt1"), defaults.nameBack, 100);
    field(262, 24, QStringLiteral("节日文字色："), QStringLiteral("edt2"), defaults.nameText, 100);
    field(512, 24, QStringLiteral("倒计时背景色："), QStringLiteral("edt3"), defaults.back, 100);
    field(12, 58, QStringLiteral("倒计时文字色："), QStringLiteral("edt4"), defaults.text, 100);
    addCaption(params, QRect(262, 60, 100, 22), QStringLiteral("倒计时时间："));
    promotions::addDatePicker(params, QStringLiteral("dtp1"), QRect(362, 58, 130, 24),
                              QDateTime(defaults.day, kTimeOfDay), QStringLiteral("yyyy-MM-dd"));
    field(512, 58, QStringLiteral("节日名："), QStringLiteral("edt6"), defaults.name, 100);
    field(12, 92, QStringLiteral("倒计时结束语："), QStringLiteral("edt5"), defaults.endText, 350);
    addCaption(params, QRect(512, 94, 200, 22), QStringLiteral("版块高度：100px"));

    QGroupBox* output =
        addGroup(this, QStringLiteral("grp2"), QRect(776, 116, 166, 152), QStringLiteral("输出"));
    addButton(output, QStringLiteral("btn1"), QRect(12, 40, 142, 60), QStringLiteral("提取代码"));
    addOutputMemo(QStringLiteral("mmo1"));

    for (const char* colour : {"edt1", "edt2", "edt3", "edt4"})
        colorField(QLatin1String(colour));

    on(QStringLiteral("btn1Click"),
       [this] { deliver(QStringLiteral("mmo1"), jieridaojishiSnippet(input()), core::kCopiedForShop); });
}

JieridaojishiInput TFrmjieridaojishi::input() const {
    JieridaojishiInput in;
    in.nameBack = text(QStringLiteral("edt1"));
    in.nameText = text(QStringLiteral("edt2"));
    in.back = text(QStringLiteral("edt3"));
    in.text = text(QStringLiteral("edt4"));
    in.day = control<QDateTimeEdit>(QStringLiteral("dtp1"))->date();
    in.endText = text(QStringLiteral("edt5"));
    in.name = text(QStringLiteral("edt6"));
    return in;
}

QString jieridaojishiSnippet(const JieridaojishiInput& in) {
    const QString end = core::dateTimeText(QDateTime(in.day, kTimeOfDay));
    QString out;
    out += QStringLiteral("<div style=\"background-color:") + in.back +
           QStringLiteral("; height:100px; color:") + in.text + QStringLiteral("; font-family:arial; \">");
    out += QStringLiteral("<span style=\" width:190px; height:100px; text-align:center; line-height:100px;"
                          "font-size:36px;font-weight:700; float:left; background-color:") +
           in.nameBack + QStringLiteral("; color:") + in.nameText +
           QStringLiteral("; font-family:Microsoft Yahei\">") + in.name + QStringLiteral("</span>");
    out += QStringLiteral(
               " <div class=\"J_TWidget\" data-widget-type=\"Countdown\"  data-widget-config=\"{\r\n     "
               "'endTime': '") +
           end;
    out += kCountdownBody + in.endText;
    out += QStringLiteral("</div><div class=\"ks-countdown-end\"></div></div>");
    return out;
}

QINGWU_WINDOW(
    TFrmjieridaojishi,
    {.order = 350,
     .tile = core::Tile{.page = u"ts7", .row = 4, .column = 2, .image = u"img35", .caption = u"节日倒计时"},
     .preview = core::ShopPreview{.place = core::Place::Home},
     .sample = [] { return jieridaojishiSnippet(JieridaojishiInput()); }})

} // namespace generators
