// Coupons (优惠券): three coupons in a row, each with a vertical "领取" tab,
// the amount and its condition.
#include "core/text.h"
#include "description/assistant.h"
#include "description/section.h"

namespace description {

namespace {

void build(Tfrmmain& form, QWidget* page) {
    form.addCaption(page, QRect(6, 6, 70, 22), QStringLiteral("版块底色："));
    form.addColourEdit(page, QStringLiteral("edt5"), QRect(76, 6, 80, 22), QStringLiteral("#66F"));
    form.addCaption(page, QRect(170, 6, 70, 22), QStringLiteral("文字颜色："));
    form.addColourEdit(page, QStringLiteral("edt6"), QRect(240, 6, 80, 22), QStringLiteral("#FFF"));
    form.addCaption(page, QRect(6, 34, 70, 22), QStringLiteral("领取底色："));
    form.addColourEdit(page, QStringLiteral("edt7"), QRect(76, 34, 80, 22), QStringLiteral("#F60"));
    form.addCaption(page, QRect(170, 34, 70, 22), QStringLiteral("文字颜色："));
    form.addColourEdit(page, QStringLiteral("edt8"), QRect(240, 34, 80, 22), QStringLiteral("#FFF"));

    form.addCaption(page, QRect(6, 64, 200, 20), QStringLiteral("优惠金额 | 隔开"));
    form.addMemo(page, QStringLiteral("mmojine"), QRect(6, 86, 428, 50), {QStringLiteral("10|20|50")});
    form.addCaption(page, QRect(6, 140, 200, 20), QStringLiteral("使用说明 | 隔开"));
    form.addMemo(
        page, QStringLiteral("mmoshuoming"), QRect(6, 162, 428, 80),
        {QStringLiteral("满100元使用|"), QStringLiteral("满200元使用|"), QStringLiteral("满300元使用|")});
    form.addCaption(page, QRect(6, 246, 200, 20), QStringLiteral("链接列表 | 隔开"));
    form.addMemo(page, QStringLiteral("mmolianjie"), QRect(6, 268, 428, 60), {QStringLiteral("#|#|#")});
}

std::optional<QString> html(Tfrmmain& form) {
    const QStringList amounts = form.barList(QStringLiteral("mmojine"));
    const QStringList conditions = form.barList(QStringLiteral("mmoshuoming"));
    const QStringList links = form.barList(QStringLiteral("mmolianjie"));
    auto field = [&form](const char* name) { return form.text(QString::fromLatin1(name)); };

    QString blocks;
    for (int i = 0; i < 3; ++i) {
        blocks +=
            QStringLiteral("<a style=\"text-decoration:none; color:") + field("edt6") +
            QStringLiteral("\" href=\"") + core::listItem(links, i) +
            QStringLiteral("\" target=\"_blank\">") +
            (i == 0 ? QStringLiteral("<div style=\"width:32%;height:100px; float:left; background-color:")
                    : QStringLiteral("<div style=\"width:32%;margin-left:1.9%;height:100px; float:left; "
                                     "background-color:")) +
            field("edt5") + QStringLiteral("\">    ") +
            QStringLiteral("<div style=\"font-size:14px;float:left;width:15px; line-height:13px; "
                           "margin-top:0px; background-color:") +
            field("edt7") + QStringLiteral("; padding:8px 5px;color:") + field("edt8") +
            QStringLiteral("\">领取</div>") +
            QStringLiteral("<div style=\"float:left;line-height:100px;font-size:60px; font-family:arial; "
                           "padding-right:5px; font-weight:600; width:100px; text-align:center\">") +
            core::listItem(amounts, i) + QStringLiteral("</div>       ") +
            QStringLiteral("<div style=\"font-size:18px;float:left;height:100px;\">") +
            QStringLiteral("<div style=\"margin-top:23px;font-size:24px\">优惠券</div>") +
            QStringLiteral("<div style=\"margin-top:0px; font-size:14px\">") + core::listItem(conditions, i) +
            QStringLiteral("</div>") + QStringLiteral("</div></div></a>") + QStringLiteral("\r\n");
    }
    return QStringLiteral("<div style=\"width:") + form.totalWidth() +
           QStringLiteral("px; height:100px;font-family:Microsoft YaHei; margin:10px 0;overflow:hidden\">") +
           blocks + QStringLiteral("</div>");
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
