// Section title (分割样式): a centred title with an underline and a subtitle
// between dashes.
#include "description/assistant.h"
#include "description/samples.h"
#include "description/section.h"
#include "description/sections.h"

namespace description {

QString sectionTitleHtml(const SectionTitleInput& in) {
    return QStringLiteral("<div style=\"width:") + in.width +
           QStringLiteral("px; padding:20px 0px; background-color:") + in.background +
           QStringLiteral(";margin:10px 0\">") +
           QStringLiteral("<div style=\"text-align:center; font-size:") + in.titleSize +
           QStringLiteral("px; font-family:Microsoft YaHei; font-weight:600;") +
           QStringLiteral("border-bottom:") + in.lineColour + QStringLiteral(" ") + in.lineWidth +
           QStringLiteral("px ") + in.lineStyle + QStringLiteral("; color:") + in.titleColour +
           QStringLiteral("; padding-bottom:0px;\">") + in.title + QStringLiteral("</div>") +
           QStringLiteral("<div style=\"padding-bottom:5px;text-align:center; font-size:") + in.smallSize +
           QStringLiteral("px; font-family:arial; line-height:30px;color:") + in.smallColour +
           QStringLiteral("\">---- ") + in.subtitle + QStringLiteral(" ----</div> ") +
           QStringLiteral("</div>");
}

namespace {

// The page's fields with their members of the input.
const std::pair<const char*, QString SectionTitleInput::*> kFields[] = {
    {"edtfengedise", &SectionTitleInput::background},
    {"cbb5", &SectionTitleInput::titleSize},
    {"edtfengebiaoti", &SectionTitleInput::titleColour},
    {"edtfengexiaozi", &SectionTitleInput::smallColour},
    {"cbb6", &SectionTitleInput::smallSize},
    {"cbb7", &SectionTitleInput::lineWidth},
    {"edtfengexian", &SectionTitleInput::lineColour},
    {"cbb8", &SectionTitleInput::lineStyle},
    {"edt26", &SectionTitleInput::title},
    {"edt27", &SectionTitleInput::subtitle}};

void build(Tfrmmain& form, QWidget* page) {
    const SectionTitleInput defaults;
    form.addRadioGroup(page, QStringLiteral("rg10"), QRect(6, 4, 428, 46), QStringLiteral("关联样式"),
                       {QStringLiteral("默认样式")}, 0);
    auto caption = [&](int x, int y, const QString& text) {
        form.addCaption(page, QRect(x, y, 70, 22), text);
    };
    caption(6, 58, QStringLiteral("版块底色："));
    form.addColourEdit(page, QStringLiteral("edtfengedise"), QRect(76, 58, 80, 22), defaults.background);
    caption(200, 58, QStringLiteral("标题大小："));
    form.addCombo(page, QStringLiteral("cbb5"), QRect(270, 58, 80, 22),
                  {QStringLiteral("24"), QStringLiteral("30"), QStringLiteral("36"), QStringLiteral("48"),
                   QStringLiteral("50"), QStringLiteral("60")},
                  defaults.titleSize);
    caption(6, 88, QStringLiteral("标题颜色："));
    form.addColourEdit(page, QStringLiteral("edtfengebiaoti"), QRect(76, 88, 80, 22), defaults.titleColour);
    caption(200, 88, QStringLiteral("小字颜色："));
    form.addColourEdit(page, QStringLiteral("edtfengexiaozi"), QRect(270, 88, 80, 22), defaults.smallColour);
    caption(6, 118, QStringLiteral("小字大小："));
    form.addCombo(page, QStringLiteral("cbb6"), QRect(76, 118, 80, 22),
                  {QStringLiteral("14"), QStringLiteral("16"), QStringLiteral("18"), QStringLiteral("24")},
                  defaults.smallSize);
    caption(200, 118, QStringLiteral("分割线宽："));
    form.addCombo(page, QStringLiteral("cbb7"), QRect(270, 118, 80, 22), numberItems(0, 4),
                  defaults.lineWidth);
    caption(6, 148, QStringLiteral("分割线色："));
    form.addColourEdit(page, QStringLiteral("edtfengexian"), QRect(76, 148, 80, 22), defaults.lineColour);
    caption(200, 148, QStringLiteral("分割样式："));
    form.addCombo(page, QStringLiteral("cbb8"), QRect(270, 148, 80, 22),
                  {QStringLiteral("solid"), QStringLiteral("dashed")}, defaults.lineStyle);
    caption(6, 184, QStringLiteral("标题："));
    form.addEdit(page, QStringLiteral("edt26"), QRect(76, 184, 358, 22), defaults.title);
    caption(6, 214, QStringLiteral("小字："));
    form.addEdit(page, QStringLiteral("edt27"), QRect(76, 214, 358, 22), defaults.subtitle);
}

std::optional<QString> html(Tfrmmain& form) {
    SectionTitleInput in;
    in.width = form.totalWidth();
    for (const auto& [name, value] : kFields)
        in.*value = form.text(QString::fromLatin1(name));
    return sectionTitleHtml(in);
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
