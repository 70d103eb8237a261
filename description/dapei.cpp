// Combo offer (搭配销售): two products, a plus sign and the package price with
// a buy button.
#include "description/assistant.h"
#include "description/samples.h"
#include "description/section.h"
#include "description/sections.h"

namespace description {

core::Built comboOfferHtml(const ComboOfferInput& in) {
    core::Built built;
    const QString w = in.tmall ? QStringLiteral("230") : QStringLiteral("220");
    built.update(QStringLiteral("lbltukuan"), w);
    auto product = [&w](const QString& link, const QString& picture, const QString& titleStyle,
                        const QString& title) {
        return QStringLiteral("<a style=\"text-decoration:none\" href=\"") + link +
               QStringLiteral("\" target=\"_blank\">") + QStringLiteral("  <div style=\"width:") + w +
               QStringLiteral("px; height:270px;float:left\">") + QStringLiteral("  \t<img src=\"") +
               picture + QStringLiteral("\"  width=\"") + w + QStringLiteral("\"/>") + titleStyle + title +
               QStringLiteral("</div>") + QStringLiteral("  </div></a>");
    };
    built.snippet =
        QStringLiteral("<div style=\"width:") + in.width +
        QStringLiteral("px; height:270px;font-family:Microsoft YaHei; margin:10px 0; padding:1%; border:1px "
                       "#F0F0F0 solid\">") +
        product(in.link1, in.picture1,
                QStringLiteral("    <div style=\"text-align:center; font-size:15px; margin-top:10px; "
                               "color:#333\">"),
                in.title1) +
        QStringLiteral(
            "  <div style=\"width:5%; height:225px; float:left; font-size:36px; line-height:225px; "
            "text-align:center; color:#333\">+</div>") +
        product(in.link2, in.picture2,
                QStringLiteral("    <div style=\"text-align:center; font-size:15px; margin-top:10px;"
                               "color:#333\">"),
                in.title2) +
        QStringLiteral("  <div style=\"width:") + w + QStringLiteral("px; height:270px; float:right;\">") +
        QStringLiteral("  \t<div style=\"line-height:45px; text-align:center; background-color:#ccc; "
                       "font-size:23px; color:#FFF; font-weight:600\">搭配套餐</div>") +
        QStringLiteral(
            "<div style=\"line-height:45px; text-align:center;font-size:16px; color:#999\">—— 原价:") +
        in.oldPrice + QStringLiteral(" ——</div>") +
        QStringLiteral("    <div style=\"line-height:30px; text-align:center;font-size:16px; "
                       "color:#333\">【划算套餐价】</div>") +
        QStringLiteral(
            "    <div style=\"line-height:50px; text-align:center;font-size:36px; font-family:arial; "
            "color:#F30\"><span style=\" font-family: Microsoft YaHei\">￥</span>") +
        in.price + QStringLiteral("</div>") + QStringLiteral("<a style=\"text-decoration:none;color:") +
        in.buttonText + QStringLiteral("\" href=\"") + in.buyLink + QStringLiteral("\" target=\"_blank\">") +
        QStringLiteral(
            "    <div style=\"line-height:40px; text-align:center;font-size:16px; background-color:") +
        in.button + QStringLiteral("; margin-top:10px;\">立即购买</div></a>") + QStringLiteral("  </div>") +
        QStringLiteral("</div>");
    return built;
}

namespace {

// The page's fields top to bottom, with their members of the input.
struct Field {
    const char* name;
    QString caption;
    QString ComboOfferInput::*value;
    bool colour;
};

const Field kFields[] = {
    {"edt9", QStringLiteral("单品1地址："), &ComboOfferInput::picture1, false},
    {"edt10", QStringLiteral("单品1标题："), &ComboOfferInput::title1, false},
    {"edt11", QStringLiteral("单品1链接："), &ComboOfferInput::link1, false},
    {"edt12", QStringLiteral("单品2地址："), &ComboOfferInput::picture2, false},
    {"edt13", QStringLiteral("单品2标题："), &ComboOfferInput::title2, false},
    {"edt14", QStringLiteral("单品2链接："), &ComboOfferInput::link2, false},
    {"edt15", QStringLiteral("套餐原价："), &ComboOfferInput::oldPrice, false},
    {"edt16", QStringLiteral("套餐现价："), &ComboOfferInput::price, false},
    {"edt17", QStringLiteral("按钮色系："), &ComboOfferInput::button, true},
    {"edt18", QStringLiteral("文字颜色："), &ComboOfferInput::buttonText, true},
    {"edt19", QStringLiteral("购买链接："), &ComboOfferInput::buyLink, false},
};

void build(Tfrmmain& form, QWidget* page) {
    const ComboOfferInput defaults;
    int y = 6;
    for (const Field& field : kFields) {
        form.addCaption(page, QRect(6, y, 80, 22), field.caption);
        const QRect box(86, y, 340, 22);
        if (field.colour)
            form.addColourEdit(page, QString::fromLatin1(field.name), box, defaults.*field.value);
        else
            form.addEdit(page, QString::fromLatin1(field.name), box, defaults.*field.value);
        y += 29;
    }
}

std::optional<QString> html(Tfrmmain& form) {
    ComboOfferInput in;
    in.width = form.totalWidth();
    in.tmall = form.tmall();
    for (const Field& field : kFields)
        in.*field.value = form.text(QString::fromLatin1(field.name));
    return core::applyBuilt(form, comboOfferHtml(in));
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
