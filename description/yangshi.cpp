// Section title (分割样式): a centred title with an underline and a subtitle
// between dashes.
#include "description/assistant.h"
#include "description/samples.h"
#include "description/section.h"

namespace description {

namespace {

void build(Tfrmmain& form, QWidget* page) {
    form.addRadioGroup(page, QStringLiteral("rg10"), QRect(6, 4, 428, 46), QStringLiteral("关联样式"),
                       {QStringLiteral("默认样式")}, 0);
    auto caption = [&](int x, int y, const QString& text) {
        form.addCaption(page, QRect(x, y, 70, 22), text);
    };
    caption(6, 58, QStringLiteral("版块底色："));
    form.addColourEdit(page, QStringLiteral("edtfengedise"), QRect(76, 58, 80, 22), QStringLiteral("#FFF"));
    caption(200, 58, QStringLiteral("标题大小："));
    form.addCombo(page, QStringLiteral("cbb5"), QRect(270, 58, 80, 22),
                  {QStringLiteral("24"), QStringLiteral("30"), QStringLiteral("36"), QStringLiteral("48"),
                   QStringLiteral("50"), QStringLiteral("60")},
                  QStringLiteral("48"));
    caption(6, 88, QStringLiteral("标题颜色："));
    form.addColourEdit(page, QStringLiteral("edtfengebiaoti"), QRect(76, 88, 80, 22), QStringLiteral("#000"));
    caption(200, 88, QStringLiteral("小字颜色："));
    form.addColourEdit(page, QStringLiteral("edtfengexiaozi"), QRect(270, 88, 80, 22),
                       QStringLiteral("#999"));
    caption(6, 118, QStringLiteral("小字大小："));
    form.addCombo(page, QStringLiteral("cbb6"), QRect(76, 118, 80, 22),
                  {QStringLiteral("14"), QStringLiteral("16"), QStringLiteral("18"), QStringLiteral("24")},
                  QStringLiteral("14"));
    caption(200, 118, QStringLiteral("分割线宽："));
    form.addCombo(page, QStringLiteral("cbb7"), QRect(270, 118, 80, 22), numberItems(0, 4),
                  QStringLiteral("1"));
    caption(6, 148, QStringLiteral("分割线色："));
    form.addColourEdit(page, QStringLiteral("edtfengexian"), QRect(76, 148, 80, 22), QStringLiteral("#999"));
    caption(200, 148, QStringLiteral("分割样式："));
    form.addCombo(page, QStringLiteral("cbb8"), QRect(270, 148, 80, 22),
                  {QStringLiteral("solid"), QStringLiteral("dashed")}, QStringLiteral("dashed"));
    caption(6, 184, QStringLiteral("标题："));
    form.addEdit(page, QStringLiteral("edt26"), QRect(76, 184, 358, 22), QStringLiteral("精美细致 完美品质"));
    caption(6, 214, QStringLiteral("小字："));
    form.addEdit(page, QStringLiteral("edt27"), QRect(76, 214, 358, 22),
                 QStringLiteral("Exquisite and perfect quality"));
}

std::optional<QString> html(Tfrmmain& form) {
    auto field = [&form](const char* name) { return form.text(QString::fromLatin1(name)); };
    return QStringLiteral("<div style=\"width:") + form.totalWidth() +
           QStringLiteral("px; padding:20px 0px; background-color:") + field("edtfengedise") +
           QStringLiteral(";margin:10px 0\">") +
           QStringLiteral("<div style=\"text-align:center; font-size:") + field("cbb5") +
           QStringLiteral("px; font-family:Microsoft YaHei; font-weight:600;") +
           QStringLiteral("border-bottom:") + field("edtfengexian") + QStringLiteral(" ") + field("cbb7") +
           QStringLiteral("px ") + field("cbb8") + QStringLiteral("; color:") + field("edtfengebiaoti") +
           QStringLiteral("; padding-bottom:0px;\">") + field("edt26") + QStringLiteral("</div>") +
           QStringLiteral("<div style=\"padding-bottom:5px;text-align:center; font-size:") + field("cbb6") +
           QStringLiteral("px; font-family:arial; line-height:30px;color:") + field("edtfengexiaozi") +
           QStringLiteral("\">---- ") + field("edt27") + QStringLiteral(" ----</div> ") +
           QStringLiteral("</div>");
}

} // namespace

SectionKind sectionTitle() {
    return {QStringLiteral("btnyangshi"),
            QStringLiteral("分割样式"),
            QStringLiteral("tsyangshi"),
            QStringLiteral("样式"),
            QStringLiteral("btn21"),
            QStringLiteral("生成"),
            QStringLiteral("btn10"),
            build,
            html};
}

} // namespace description
