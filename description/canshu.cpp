// Product parameters (产品参数): a picture at the left and one parameter a
// line at the right.
#include "core/text.h"
#include "description/assistant.h"
#include "description/samples.h"
#include "description/section.h"
#include "description/sections.h"

namespace description {

QString parametersHtml(const ParametersInput& in) {
    QString parameters;
    for (const QString& line : core::textLines(in.parameters))
        parameters += line + QStringLiteral("<br>") + QStringLiteral("\r\n");
    return QStringLiteral("<div style=\"width:") + in.width +
           QStringLiteral("px; margin:10px 0;background-color:#f5f5f5;padding:15px 0px; height:320px; "
                          "font-family:Microsoft YaHei\">") +
           QStringLiteral("<div style=\"background-color:#FFF;height:320px; margin:0px 15px;\">") +
           QStringLiteral("<div style=\"width:320px; height:320px; overflow:hidden; float:left\">") +
           QStringLiteral("<img src=\"") + in.picture + QStringLiteral("\" width=\"320\"/>") +
           QStringLiteral("</div>") +
           QStringLiteral(
               "<div style=\"width:320px; height:300px;float:left;line-height:30px; font-size:14px; "
               "padding:10px; background-color:#FFF; padding-left:60px; color:#999\">") +
           QStringLiteral(
               "<div style=\"font-size:18px; font-weight:600; line-height:60px; color:#333\">参数信息 "
               "/Parameters</div>") +
           parameters + QStringLiteral("</div></div></div>");
}

namespace {

void build(Tfrmmain& form, QWidget* page) {
    const ParametersInput defaults;
    form.addCaption(page, QRect(6, 6, 400, 20), QStringLiteral("参数信息，一行一个信息 ( 7行内 )"));
    form.addMemo(page, QStringLiteral("mmocanshu"), QRect(6, 28, 428, 200),
                 core::textLines(defaults.parameters));
    form.addCaption(page, QRect(6, 240, 70, 22), QStringLiteral("产品图片："));
    form.addEdit(page, QStringLiteral("edtcanshutu"), QRect(76, 240, 358, 22), defaults.picture);
}

std::optional<QString> html(Tfrmmain& form) {
    ParametersInput in;
    in.width = form.totalWidth();
    in.parameters = form.text(QStringLiteral("mmocanshu"));
    in.picture = form.text(QStringLiteral("edtcanshutu"));
    return parametersHtml(in);
}

} // namespace

SectionKind parameters() {
    return {QStringLiteral("btncanshu"),
            QStringLiteral("产品参数"),
            QStringLiteral("tscanshu"),
            QStringLiteral("参数"),
            QStringLiteral("btn18"),
            QStringLiteral("生成"),
            QStringLiteral("btn5"),
            build,
            html};
}

} // namespace description
