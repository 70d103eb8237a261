// Product details (产品细节): n pictures, each with a title and a description,
// either centred below the picture or laid over its upper left.
#include "core/text.h"
#include "description/assistant.h"
#include "description/samples.h"
#include "description/section.h"

#include <algorithm>

namespace description {

namespace {

QStringList fiveLines(const QString& line) {
    return {line + QLatin1Char('|'), line + QLatin1Char('|'), line + QLatin1Char('|'),
            line + QLatin1Char('|'), line};
}

void build(Tfrmmain& form, QWidget* page) {
    form.addRadioGroup(page, QStringLiteral("rg2"), QRect(6, 4, 428, 46), QStringLiteral("样式选择"),
                       {QStringLiteral("图文列表"), QStringLiteral("图文叠加")}, 0, 2);
    form.addCaption(page, QRect(6, 56, 66, 22), QStringLiteral("图片张数："));
    form.addCombo(page, QStringLiteral("cbb4"), QRect(72, 56, 60, 22), numberItems(3, 12),
                  QStringLiteral("5"));
    form.addCaption(page, QRect(142, 56, 52, 22), QStringLiteral("标题色："));
    form.addColourEdit(page, QStringLiteral("edt20"), QRect(194, 56, 70, 22), QStringLiteral("#f30"));
    form.addCaption(page, QRect(274, 56, 52, 22), QStringLiteral("小字色："));
    form.addColourEdit(page, QStringLiteral("edt21"), QRect(326, 56, 70, 22), QStringLiteral("#999"));

    form.addCaption(page, QRect(6, 84, 200, 18), QStringLiteral("标题信息 | 隔开"));
    form.addMemo(page, QStringLiteral("mmoxijiebiaoti"), QRect(6, 102, 428, 50),
                 fiveLines(QStringLiteral("高品质面料说明")));
    form.addCaption(page, QRect(6, 156, 200, 18), QStringLiteral("文字说明 | 隔开"));
    form.addMemo(page, QStringLiteral("mmoxijieshuoming"), QRect(6, 174, 428, 60),
                 fiveLines(QStringLiteral("2016单鞋春款时尚蛋卷鞋浅口新品真皮豆豆鞋平底软底串珠水钻女鞋")));
    form.addCaption(page, QRect(6, 238, 200, 18), QStringLiteral("图片列表 | 隔开"));
    form.addMemo(page, QStringLiteral("mmoxijietupian"), QRect(6, 256, 428, 76),
                 samplePictures(21, 5, QString()));
}

std::optional<QString> html(Tfrmmain& form) {
    const QStringList titles = form.barList(QStringLiteral("mmoxijiebiaoti"));
    const QStringList descriptions = form.barList(QStringLiteral("mmoxijieshuoming"));
    const QStringList pictures = form.barList(QStringLiteral("mmoxijietupian"));
    const int n = core::parseInt(form.text(QStringLiteral("cbb4")));
    const bool overlay = form.control<core::RadioGroup>(QStringLiteral("rg2"))->itemIndex() == 1;
    const QString W = form.totalWidth();
    const QString titleColour = form.text(QStringLiteral("edt20"));
    const QString smallColour = form.text(QStringLiteral("edt21"));

    QString blocks;
    for (int i = 0; i < n; ++i) {
        const QString picture = core::listItem(pictures, i);
        if (!overlay) {
            blocks +=
                QStringLiteral("<img style=\"margin-top:5px;\" src=\"") + picture +
                QStringLiteral("\" width=\"") + W + QStringLiteral("\"/>") +
                QStringLiteral("<div style=\"width:") + W + QStringLiteral("px;\">") +
                QStringLiteral("<div style=\"font-size:21px;color:") + titleColour +
                QStringLiteral(";margin:30px 0px; margin-bottom:5px;font-weight:600;text-align:center\">") +
                core::listItem(titles, i) + QStringLiteral("</div>") + QStringLiteral("<div style=\"color:") +
                smallColour +
                QStringLiteral(";line-height:25px; padding:0 40px;margin-bottom:20px;;text-align:center\">") +
                core::listItem(descriptions, i) + QStringLiteral("</div>") + QStringLiteral("</div>");
        } else {
            // The text block sits over the picture, so its height is needed.
            const qint64 p = form.pictureHeight(picture);
            blocks +=
                QStringLiteral("<div style=\"width:") + W + QStringLiteral("px; height:") +
                QString::number(p - 10) + QStringLiteral("px;overflow:hidden\">") +
                QStringLiteral("<img style=\"margin-top:5px;\" src=\"") + picture +
                QStringLiteral("\" width=\"") + W + QStringLiteral("\"/>") +
                QStringLiteral("<div style=\"width:350px;position:relative; top:-") +
                QString::number(p - 50) + QStringLiteral("px; left:60px;\">") +
                QStringLiteral("<div style=\"font-size:33px;color:") + titleColour +
                QStringLiteral(";margin:30px 0px; margin-bottom:5px;font-weight:600;\">") +
                core::listItem(titles, i) + QStringLiteral("</div>") + QStringLiteral("<div style=\"color:") +
                smallColour + QStringLiteral(";line-height:25px;margin-bottom:20px;\">") +
                core::listItem(descriptions, i) + QStringLiteral("</div>") + QStringLiteral("</div></div>");
        }
        blocks += QStringLiteral("\r\n");
    }
    return QStringLiteral("<div style=\"width:") + W +
           QStringLiteral("px; font-family:Microsoft YaHei; font-size:15px\">") + blocks +
           QStringLiteral("</div>");
}

// In the overlay style each block needs its picture's height: the pictures
// the blocks will ask for, as far as the list reaches.
QStringList measuredPictures(Tfrmmain& form) {
    if (form.control<core::RadioGroup>(QStringLiteral("rg2"))->itemIndex() != 1) return {};
    // The lists are read, and tidied, in the order the section reads them.
    form.barList(QStringLiteral("mmoxijiebiaoti"));
    form.barList(QStringLiteral("mmoxijieshuoming"));
    const QStringList pictures = form.barList(QStringLiteral("mmoxijietupian"));
    const int n = core::parseInt(form.text(QStringLiteral("cbb4")));
    return pictures.mid(0, std::max(0, n));
}

} // namespace

SectionKind productDetails() {
    SectionKind kind{QStringLiteral("btnxijie"),
                     QStringLiteral("产品细节"),
                     QStringLiteral("tsxijie"),
                     QStringLiteral("细节"),
                     QStringLiteral("btn11"),
                     QStringLiteral("生成"),
                     QStringLiteral("btn20"),
                     build,
                     html};
    kind.pictures = measuredPictures;
    return kind;
}

} // namespace description
