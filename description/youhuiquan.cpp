// Coupons (优惠券): three coupons in a row, each with a vertical "领取" tab,
// the amount and its condition.
#include "core/text.h"
#include "description/assistant.h"
#include "description/section.h"
#include "description/sections.h"

namespace description {

core::Built couponsHtml(const CouponsInput& in) {
    return core::build([&in](core::Built& built) {
        const QStringList amounts = tidiedList(built, QStringLiteral("mmojine"), in.amounts);
        const QStringList conditions = tidiedList(built, QStringLiteral("mmoshuoming"), in.conditions);
        const QStringList links = tidiedList(built, QStringLiteral("mmolianjie"), in.links);

        QString blocks;
        for (int i = 0; i < 3; ++i) {
            blocks +=
                QStringLiteral("<a style=\"text-decoration:none; color:") + in.text +
                QStringLiteral("\" href=\"") + core::listItem(links, i) +
                QStringLiteral("\" target=\"_blank\">") +
                (i == 0 ? QStringLiteral("<div style=\"width:32%;height:100px; float:left; background-color:")
                        : QStringLiteral("<div style=\"width:32%;margin-left:1.9%;height:100px; float:left; "
                                         "background-color:")) +
                in.background + QStringLiteral("\">    ") +
                QStringLiteral("<div style=\"font-size:14px;float:left;width:15px; line-height:13px; "
                               "margin-top:0px; background-color:") +
                in.tab + QStringLiteral("; padding:8px 5px;color:") + in.tabText +
                QStringLiteral("\">领取</div>") +
                QStringLiteral("<div style=\"float:left;line-height:100px;font-size:60px; font-family:arial; "
                               "padding-right:5px; font-weight:600; width:100px; text-align:center\">") +
                core::listItem(amounts, i) + QStringLiteral("</div>       ") +
                QStringLiteral("<div style=\"font-size:18px;float:left;height:100px;\">") +
                QStringLiteral("<div style=\"margin-top:23px;font-size:24px\">优惠券</div>") +
                QStringLiteral("<div style=\"margin-top:0px; font-size:14px\">") +
                core::listItem(conditions, i) + QStringLiteral("</div>") +
                QStringLiteral("</div></div></a>") + QStringLiteral("\r\n");
        }
        built.snippet =
            QStringLiteral("<div style=\"width:") + in.width +
            QStringLiteral("px; height:100px;font-family:Microsoft YaHei; margin:10px 0;overflow:hidden\">") +
            blocks + QStringLiteral("</div>");
    });
}

namespace {

void build(Tfrmmain& form, QWidget* page) {
    const CouponsInput defaults;
    form.addCaption(page, QRect(6, 6, 70, 22), QStringLiteral("版块底色："));
    form.addColourEdit(page, QStringLiteral("edt5"), QRect(76, 6, 80, 22), defaults.background);
    form.addCaption(page, QRect(170, 6, 70, 22), QStringLiteral("文字颜色："));
    form.addColourEdit(page, QStringLiteral("edt6"), QRect(240, 6, 80, 22), defaults.text);
    form.addCaption(page, QRect(6, 34, 70, 22), QStringLiteral("领取底色："));
    form.addColourEdit(page, QStringLiteral("edt7"), QRect(76, 34, 80, 22), defaults.tab);
    form.addCaption(page, QRect(170, 34, 70, 22), QStringLiteral("文字颜色："));
    form.addColourEdit(page, QStringLiteral("edt8"), QRect(240, 34, 80, 22), defaults.tabText);

    form.addCaption(page, QRect(6, 64, 200, 20), QStringLiteral("优惠金额 | 隔开"));
    form.addMemo(page, QStringLiteral("mmojine"), QRect(6, 86, 428, 50), core::textLines(defaults.amounts));
    form.addCaption(page, QRect(6, 140, 200, 20), QStringLiteral("使用说明 | 隔开"));
    form.addMemo(page, QStringLiteral("mmoshuoming"), QRect(6, 162, 428, 80),
                 core::textLines(defaults.conditions));
    form.addCaption(page, QRect(6, 246, 200, 20), QStringLiteral("链接列表 | 隔开"));
    form.addMemo(page, QStringLiteral("mmolianjie"), QRect(6, 268, 428, 60), core::textLines(defaults.links));
}

std::optional<QString> html(Tfrmmain& form) {
    auto field = [&form](const char* name) { return form.text(QString::fromLatin1(name)); };
    CouponsInput in;
    in.width = form.totalWidth();
    in.background = field("edt5");
    in.text = field("edt6");
    in.tab = field("edt7");
    in.tabText = field("edt8");
    in.amounts = field("mmojine");
    in.conditions = field("mmoshuoming");
    in.links = field("mmolianjie");
    return core::applyBuilt(form, couponsHtml(in));
}

} // namespace

SectionKind coupons() {
    return {QStringLiteral("btnyouhuiquan"),
            QStringLiteral("优惠券"),
            QStringLiteral("tsyouhuiquan"),
            QStringLiteral("优惠券"),
            QStringLiteral("btn16"),
            QStringLiteral("生成"),
            QStringLiteral("btntianjia"),
            build,
            html};
}

} // namespace description
