// Divider bar (分隔条): a 40 px bar with a title block at the left and a text
// at the right.
#include "description/assistant.h"
#include "description/samples.h"
#include "description/section.h"

namespace description {

namespace {

void build(Tfrmmain& form, QWidget* page) {
    QGroupBox* params =
        form.addGroup(page, QStringLiteral("grpfengecanshu"), QRect(6, 4, 428, 84), QStringLiteral("参数"));
    form.addCaption(params, QRect(8, 22, 50, 22), QStringLiteral("底色："));
    form.addColourEdit(params, QStringLiteral("edt1"), QRect(58, 22, 80, 22), QStringLiteral("#F3F3F3"));
    form.addCaption(params, QRect(150, 22, 60, 22), QStringLiteral("高亮色："));
    form.addColourEdit(params, QStringLiteral("edt24"), QRect(210, 22, 80, 22), QStringLiteral("#c0c0c0"));
    form.addCaption(params, QRect(8, 52, 50, 22), QStringLiteral("线宽："));
    form.addCombo(params, QStringLiteral("cbb2"), QRect(58, 52, 80, 22), numberItems(0, 4),
                  QStringLiteral("0"));
    form.addCaption(params, QRect(150, 52, 60, 22), QStringLiteral("底线色："));
    form.addColourEdit(params, QStringLiteral("edt2"), QRect(210, 52, 80, 22), QStringLiteral("#8080FF"));

    QGroupBox* title = form.addGroup(page, QStringLiteral("grpfengewenzi"), QRect(6, 94, 428, 84),
                                     QStringLiteral("分割文字"));
    form.addEdit(title, QStringLiteral("edt3"), QRect(8, 22, 280, 22), QStringLiteral("产品参数"));
    form.addCaption(title, QRect(8, 52, 50, 22), QStringLiteral("字色："));
    form.addColourEdit(title, QStringLiteral("edt4"), QRect(58, 52, 80, 22), QStringLiteral("#fff"));
    form.addCaption(title, QRect(150, 52, 50, 22), QStringLiteral("字号："));
    form.addCombo(title, QStringLiteral("cbb1"), QRect(200, 52, 80, 22),
                  {QStringLiteral("12"), QStringLiteral("14"), QStringLiteral("15"), QStringLiteral("16"),
                   QStringLiteral("18"), QStringLiteral("24")},
                  QStringLiteral("16"));

    QGroupBox* right = form.addGroup(page, QStringLiteral("grpfengeyouce"), QRect(6, 184, 428, 84),
                                     QStringLiteral("右侧说明文字"));
    form.addEdit(right, QStringLiteral("edt25"), QRect(8, 22, 280, 22), QStringLiteral("欢迎光临本店"));
    form.addCaption(right, QRect(8, 52, 50, 22), QStringLiteral("字色："));
    form.addColourEdit(right, QStringLiteral("edt28"), QRect(58, 52, 80, 22), QStringLiteral("#808080"));
}

std::optional<QString> html(Tfrmmain& form) {
    auto field = [&form](const char* name) { return form.text(QString::fromLatin1(name)); };
    return QStringLiteral("<div style=\"width:") + form.totalWidth() +
           QStringLiteral("px;height:40px; background-color:") + field("edt1") +
           QStringLiteral("; line-height:40px; font-size:") + field("cbb1") +
           QStringLiteral("px; font-family:Microsoft YaHei;border-bottom:") + field("edt2") +
           QStringLiteral(" ") + field("cbb2") + QStringLiteral("px solid;margin:10px 0\">") +
           QStringLiteral("<div style=\"float:left; height:40px; padding:0px 30px;background-color:") +
           field("edt24") + QStringLiteral(";color:") + field("edt4") + QStringLiteral("\">") +
           field("edt3") + QStringLiteral("</div>") +
           QStringLiteral("<div style=\"float:right; height:40px; padding:0 30px;color:") + field("edt28") +
           QStringLiteral("; font-size:14px\">") + field("edt25") + QStringLiteral("</div>") +
           QStringLiteral("</div>");
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
