// Size chart (产品尺码): a fixed chart, 750 px wide whatever the shop type.
#include "core/text.h"
#include "description/assistant.h"
#include "description/section.h"
#include "description/sections.h"

namespace description {

QStringList sizeChartLines() {
    QStringList lines = {
        QStringLiteral("<div style=\"width:750px; font-family: Microsoft YaHei;\">"),
        QStringLiteral("\t<div style=\"text-align:center; font-size:20px; line-height:80px; "
                       "font-weight:100;\">产品尺码表 | 单位（cm）</div>"),
        QStringLiteral(
            "<table style=\"border-collapse: collapse; color: #333; font-size: 15px;\" width=\"100%\" "
            "border=\"1\" cellpadding=\"0\" cellspacing=\"0\" bordercolor=\"#999\">"),
    };
    const QList<QStringList> rows = {
        {QStringLiteral("尺码"), QStringLiteral("胸围"), QStringLiteral("腰围"), QStringLiteral("肩宽"),
         QStringLiteral("身高"), QStringLiteral("衣长")},
        {"S", "36", "37", "38", "39", "40"},
        {"M", "41", "42", "43", "44", "45"},
        {"L", "35", "36", "37", "38", "39"},
        {"XL", "40", "41", "42", "43", "45"},
        {"XXL", "46", "47", "48", "49", "50"},
    };
    for (qsizetype row = 0; row < rows.size(); ++row) {
        const QString cell =
            row == 0 ? QStringLiteral("      <td height=\"30\" align=\"center\" bgcolor=\"#E6E6E6\">")
                     : QStringLiteral("      <td height=\"25\" align=\"center\">");
        lines << QStringLiteral("    <tr>");
        for (const QString& value : rows[row])
            lines << cell + value + QStringLiteral("</td>");
        lines << QStringLiteral("    </tr>");
    }
    lines << QStringLiteral("  </table>")
          << QStringLiteral(
                 "  <div style=\"text-align:center; font-size:14px; line-height:60px; "
                 "color:#999\">备注信息：以上尺码为手工测量，可能会有1-3cm误差，实际以实物为准</div>")
          << QStringLiteral("</div>");
    return lines;
}

QString sizeChartHtml() {
    return core::joinLines(sizeChartLines());
}

namespace {

void build(Tfrmmain& form, QWidget* page) {
    form.addRadioGroup(page, QStringLiteral("rg4"), QRect(6, 6, 428, 50), QStringLiteral("样式"),
                       {QStringLiteral("默认样式")}, 0);
    form.addHolderMemo(QStringLiteral("mmochima"), sizeChartLines());
}

std::optional<QString> html(Tfrmmain&) {
    return sizeChartHtml();
}

} // namespace

SectionKind sizeChart() {
    return {QStringLiteral("btnchima"),
            QStringLiteral("产品尺码"),
            QStringLiteral("tschima"),
            QStringLiteral("尺码"),
            QStringLiteral("btn19"),
            QStringLiteral("生成"),
            QStringLiteral("btn6"),
            build,
            html};
}

} // namespace description
