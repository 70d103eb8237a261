// Divider bar (分隔条): a 40 px bar with a title block at the left and a text
// at the right.
#include "description/assistant.h"
#include "description/samples.h"
#include "description/section.h"
#include "description/sections.h"

namespace description {

QString dividerBarHtml(const DividerBarInput& in) {
    return QStringLiteral("<div style=\"width:") + in.width +
           QStringLiteral("px;height:40px; background-color:") + in.background +
           QStringLiteral("; line-height:40px; font-size:") + in.fontSize +
           QStringLiteral("px; font-family:Microsoft YaHei;border-bottom:") + in.lineColour +
           QStringLiteral(" ") + in.lineWidth + QStringLiteral("px solid;margin:10px 0\">") +
           QStringLiteral("<div style=\"float:left; height:40px; padding:0px 30px;background-color:") +
           in.highlight + QStringLiteral(";color:") + in.titleColour + QStringLiteral("\">") + in.title +
           QStringLiteral("</div>") +
           QStringLiteral("<div style=\"float:right; height:40px; padding:0 30px;color:") + in.rightColour +
           QStringLiteral("; font-size:14px\">") + in.right + QStringLiteral("</div>") +
           QStringLiteral("</div>");
}

namespace {

void build(Tfrmmain& form, QWidget* page) {
    const DividerBarInput defaults;
    QGroupBox* params =
        form.addGroup(page, QStringLiteral("grpfengecanshu"), QRect(6, 4, 428, 84), QStringLiteral("参数"));
    form.addCaption(params, QRect(8, 22, 50, 22), QStringLiteral("底色："));
    form.addColourEdit(params, QStringLiteral("edt1"), QRect(58, 22, 80, 22), defaults.background);
    form.addCaption(params, QRect(150, 22, 60, 22), QStringLiteral("高亮色："));
    form.addColourEdit(params, QStringLiteral("edt24"), QRect(210, 22, 80, 22), defaults.highlight);
    form.addCaption(params, QRect(8, 52, 50, 22), QStringLiteral("线宽："));
    form.addCombo(params, QStringLiteral("cbb2"), QRect(58, 52, 80, 22), numberItems(0, 4),
                  defaults.lineWidth);
    form.addCaption(params, QRect(150, 52, 60, 22), QStringLiteral("底线色："));
    form.addColourEdit(params, QStringLiteral("edt2"), QRect(210, 52, 80, 22), defaults.lineColour);

    QGroupBox* title = form.addGroup(page, QStringLiteral("grpfengewenzi"), QRect(6, 94, 428, 84),
                                     QStringLiteral("分割文字"));
    form.addEdit(title, QStringLiteral("edt3"), QRect(8, 22, 280, 22), defaults.title);
    form.addCaption(title, QRect(8, 52, 50, 22), QStringLiteral("字色："));
    form.addColourEdit(title, QStringLiteral("edt4"), QRect(58, 52, 80, 22), defaults.titleColour);
    form.addCaption(title, QRect(150, 52, 50, 22), QStringLiteral("字号："));
    form.addCombo(title, QStringLiteral("cbb1"), QRect(200, 52, 80, 22),
                  {QStringLiteral("12"), QStringLiteral("14"), QStringLiteral("15"), QStringLiteral("16"),
                   QStringLiteral("18"), QStringLiteral("24")},
                  defaults.fontSize);

    QGroupBox* right = form.addGroup(page, QStringLiteral("grpfengeyouce"), QRect(6, 184, 428, 84),
                                     QStringLiteral("右侧说明文字"));
    form.addEdit(right, QStringLiteral("edt25"), QRect(8, 22, 280, 22), defaults.right);
    form.addCaption(right, QRect(8, 52, 50, 22), QStringLiteral("字色："));
    form.addColourEdit(right, QStringLiteral("edt28"), QRect(58, 52, 80, 22), defaults.rightColour);
}

std::optional<QString> html(Tfrmmain& form) {
    auto field = [&form](const char* name) { return form.text(QString::fromLatin1(name)); };
    DividerBarInput in;
    in.width = form.totalWidth();
    in.background = field("edt1");
    in.highlight = field("edt24");
    in.lineWidth = field("cbb2");
    in.lineColour = field("edt2");
    in.title = field("edt3");
    in.titleColour = field("edt4");
    in.fontSize = field("cbb1");
    in.right = field("edt25");
    in.rightColour = field("edt28");
    return dividerBarHtml(in);
}

} // namespace

SectionKind dividerBar() {
    return {QStringLiteral("btnfengetiao"),
            QStringLiteral("分隔条"),
            QStringLiteral("tsfengetiao"),
            QStringLiteral("分隔条"),
            QStringLiteral("btn15"),
            QStringLiteral("生成"),
            QStringLiteral("btn8"),
            build,
            html};
}

} // namespace description
