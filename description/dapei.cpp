// Combo offer (搭配销售): two products, a plus sign and the package price with
// a buy button.
#include "description/assistant.h"
#include "description/samples.h"
#include "description/section.h"

namespace description {

namespace {

void build(Tfrmmain& form, QWidget* page) {
    const struct {
        const char* name;
        QString caption;
        QString value;
        bool colour;
    } fields[] = {
        {"edt9", QStringLiteral("单品1地址："), samplePicture(1), false},
        {"edt10", QStringLiteral("单品1标题："), QStringLiteral("华为荣耀，闪耀全城"), false},
        {"edt11", QStringLiteral("单品1链接："), QStringLiteral("#"), false},
        {"edt12", QStringLiteral("单品2地址："), samplePicture(1), false},
        {"edt13", QStringLiteral("单品2标题："), QStringLiteral("华为荣耀，闪耀全城"), false},
        {"edt14", QStringLiteral("单品2链接："), QStringLiteral("#"), false},
        {"edt15", QStringLiteral("套餐原价："), QStringLiteral("1696.0"), false},
        {"edt16", QStringLiteral("套餐现价："), QStringLiteral("696.0"), false},
        {"edt17", QStringLiteral("按钮色系："), QStringLiteral("#66F"), true},
        {"edt18", QStringLiteral("文字颜色："), QStringLiteral("#fff"), true},
        {"edt19", QStringLiteral("购买链接："), QStringLiteral("#"), false},
    };
    int y = 6;
    for (const auto& field : fields) {
        form.addCaption(page, QRect(6, y, 80, 22), field.caption);
        const QRect box(86, y, 340, 22);
        if (field.colour)
            form.addColourEdit(page, QString::fromLatin1(field.name), box, field.value);
        else
            form.addEdit(page, QString::fromLatin1(field.name), box, field.value);
        y += 29;
    }
}

std::optional<QString> html(Tfrmmain& form) {
    const QString w = form.tmall() ? QStringLiteral("230") : QStringLiteral("220");
    form.setText(QStringLiteral("lbltukuan"), w);
    auto field = [&form](const char* name) { return form.text(QString::fromLatin1(name)); };
    auto product = [&](const char* link, const char* picture, const QString& titleStyle, const char* title) {
        return QStringLiteral("<a style=\"text-decoration:none\" href=\"") + field(link) +
               QStringLiteral("\" target=\"_blank\">") + QStringLiteral("  <div style=\"width:") + w +
               QStringLiteral("px; height:270px;float:left\">") + QStringLiteral("  \t<img src=\"") +
               field(picture) + QStringLiteral("\"  width=\"") + w + QStringLiteral("\"/>") + titleStyle +
               field(title) + QStringLiteral("</div>") + QStringLiteral("  </div></a>");
    };
    return QStringLiteral("<div style=\"width:") + form.totalWidth() +
           QStringLiteral(
               "px; height:270px;font-family:Microsoft YaHei; margin:10px 0; padding:1%; border:1px "
               "#F0F0F0 solid\">") +
           product("edt11", "edt9",
                   QStringLiteral("    <div style=\"text-align:center; font-size:15px; margin-top:10px; "
                                  "color:#333\">"),
                   "edt10") +
           QStringLiteral(
               "  <div style=\"width:5%; height:225px; float:left; font-size:36px; line-height:225px; "
               "text-align:center; color:#333\">+</div>") +
           product("edt14", "edt12",
                   QStringLiteral("    <div style=\"text-align:center; font-size:15px; margin-top:10px;"
                                  "color:#333\">"),
                   "edt13") +
           QStringLiteral("  <div style=\"width:") + w + QStringLiteral("px; height:270px; float:right;\">") +
           QStringLiteral("  \t<div style=\"line-height:45px; text-align:center; background-color:#ccc; "
                          "font-size:23px; color:#FFF; font-weight:600\">搭配套餐</div>") +
           QStringLiteral(
               "<div style=\"line-height:45px; text-align:center;font-size:16px; color:#999\">—— 原价:") +
           field("edt15") + QStringLiteral(" ——</div>") +
           QStringLiteral("    <div style=\"line-height:30px; text-align:center;font-size:16px; "
                          "color:#333\">【划算套餐价】</div>") +
           QStringLiteral(
               "    <div style=\"line-height:50px; text-align:center;font-size:36px; font-family:arial; "
               "color:#F30\"><span style=\" font-family: Microsoft YaHei\">￥</span>") +
           field("edt16") + QStringLiteral("</div>") +
           QStringLiteral("<a style=\"text-decoration:none;color:") + field("edt18") +
           QStringLiteral("\" href=\"") + field("edt19") + QStringLiteral("\" target=\"_blank\">") +
           QStringLiteral(
               "    <div style=\"line-height:40px; text-align:center;font-size:16px; background-color:") +
           field("edt17") + QStringLiteral("; margin-top:10px;\">立即购买</div></a>") +
           QStringLiteral("  </div>") + QStringLiteral("</div>");
}

} // namespace

SectionKind comboOffer() {
    return {QStringLiteral("btndapei"),
            QStringLiteral("搭配销售"),
            QStringLiteral("tsdapei"),
            QStringLiteral("搭配"),
            QStringLiteral("btn7"),
            QStringLiteral("预览"),
            QStringLiteral("btn17"),
            build,
            html};
}

} // namespace description
