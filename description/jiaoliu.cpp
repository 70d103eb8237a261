// Buyer's notes (交流版块): a fixed table of eight notes, 750 px wide whatever
// the shop type; the labels take the chosen colour.
#include "core/text.h"
#include "description/assistant.h"
#include "description/section.h"
#include "description/sections.h"

namespace description {

namespace {

// The label colour of the fixed table, replaced by the chosen one.
const QString kLabelColour = QStringLiteral("#666666");

} // namespace

QStringList buyersNotesLines() {
    const struct {
        QString label;
        const char* labelHeight;
        const char* textHeight;
        QString text;
    } rows[] = {
        {QStringLiteral("正品保障"), "40", "30",
         QStringLiteral("本店所售产品均为全新正品，质量保证，请放心购买！")},
        {QStringLiteral("关于色差"), "100", "30",
         QStringLiteral(
             "商品照片都为专业摄影师拍摄后和后期修正调整，尽量与现实商品保持一致。但由于灯光、显示器色彩"
             "偏差及个人对颜色理解各有不同，导致少数实物可能会与照片存在色差，如无法接受请谨慎购买。最终颜色"
             "会以实际商品为准，谢谢亲的理解！")},
        {QStringLiteral("关于尺寸"), "40", "30",
         QStringLiteral("纯由我们手工测量，可能存在0.5cm的误差，请不能接受误差的朋友慎拍。")},
        {QStringLiteral("关于配送"), "30", "100",
         QStringLiteral(
             "为了确保亲们能收到完好的宝贝，我们提醒亲们在签收快递的时候，注意检查包装是否完好，并且是否有"
             "被拆过的痕迹哦！提醒亲们应该与快递当面验收您的快递包裹！本店默认：韵达快递，如需发其它快递，"
             "请联系在线客服。")},
        {QStringLiteral("7天退货"), "30", "120",
         QStringLiteral(
             "A.本店支持7天无理由退换货服务，如果您对我们的商品不满意，在保存商品及包装原样情况下以退换一次"
             "。商品及包装原样指：商品未使用过、有吊牌、未拆标、配件齐全、未改装过、无人为损坏、不影响二次"
             "销售。\r\n      B.因质量问题造成的退换货邮费由我们承担，非质量问题造成的退换货邮费由买家承担"
             "！")},
        {QStringLiteral("发货时间"), "40", "30",
         QStringLiteral(
             "17点前付款的订单，当天发货，17点后付款的订单次日发货（大型活动期间，发货另行说明）")},
        {QStringLiteral("发货快递"), "80", "30",
         QStringLiteral(
             "默认申通快递（除聚划算等大型活动外），如果亲所在的地区不在顺丰快递收送范围，亲可以直接联系在线"
             "客服协商快递")},
        {QStringLiteral("收货提醒"), "80", "30",
         QStringLiteral(
             "请您务必在签收快递前，确认商品完好无损后再签收，如检验商品过程中发现缺货、少货，可以拒签并第一"
             "时间联系我们。")},
    };
    QStringList lines = {QStringLiteral("  <table  style=\"font-size:14px; font-family:Microsoft YaHei; "
                                        "line-height:25px;border-collapse:collapse; "
                                        "color:#333\" width=\"100%\" cellpadding=\"0\" cellspacing=\"0\" "
                                        "border=\"1\" bordercolor=\"#DFDFDF\">")};
    bool first = true;
    for (const auto& row : rows) {
        lines << QStringLiteral("    <tr>")
              << QStringLiteral("      <td width=\"20%\" height=\"") + QString::fromLatin1(row.labelHeight) +
                     QStringLiteral("\" align=\"center\" valign=\"middle\"><div style=\"height:40px; "
                                    "background-color:") +
                     kLabelColour +
                     QStringLiteral("; line-height:40px; color:#FFF; margin:10px; font-weight:700; "
                                    "font-size:15px;\">") +
                     row.label + QStringLiteral("</div></td>")
              << QStringLiteral("      <td") + (first ? QStringLiteral(" width=\"88%\"") : QString()) +
                     QStringLiteral(" height=\"") + QString::fromLatin1(row.textHeight) +
                     QStringLiteral("\" valign=\"middle\"><div style=\"margin:0 20px;\">") + row.text +
                     QStringLiteral("</div></td>")
              << QStringLiteral("    </tr>");
        first = false;
    }
    lines << QStringLiteral("  </table>");
    return lines;
}

QString buyersNotesHtml(const BuyersNotesInput& in) {
    QString section = QStringLiteral("<div style=\"width:750px;\">") + core::joinLines(buyersNotesLines()) +
                      QStringLiteral("</div>");
    return section.replace(kLabelColour, in.labelColour, Qt::CaseSensitive);
}

namespace {

void build(Tfrmmain& form, QWidget* page) {
    form.addRadioGroup(page, QStringLiteral("rg9"), QRect(6, 4, 428, 46), QStringLiteral("关联样式"),
                       {QStringLiteral("买家必读")}, 0);
    form.addCaption(page, QRect(6, 58, 70, 22), QStringLiteral("标签底色："));
    form.addColourEdit(page, QStringLiteral("edt22"), QRect(76, 58, 80, 22), BuyersNotesInput().labelColour);
    form.addHolderMemo(QStringLiteral("mmomaijiabidu"), buyersNotesLines());
}

std::optional<QString> html(Tfrmmain& form) {
    return buyersNotesHtml({.labelColour = form.text(QStringLiteral("edt22"))});
}

} // namespace

SectionKind buyersNotes() {
    return {QStringLiteral("btnjiaoliu"),
            QStringLiteral("交流版块"),
            QStringLiteral("tsjiaoliu"),
            QStringLiteral("交流"),
            QStringLiteral("btn22"),
            QStringLiteral("生成"),
            QStringLiteral("btn9"),
            build,
            html};
}

} // namespace description
