// Product details (产品细节): n pictures, each with a title and a description,
// either centred below the picture or laid over its upper left.
#include "core/failure.h"
#include "core/text.h"
#include "description/assistant.h"
#include "description/samples.h"
#include "description/section.h"
#include "description/sections.h"

#include <algorithm>

namespace description {

namespace {

// The three lists tidied in the order the section reads them.
struct DetailsLists {
    QStringList titles, descriptions, pictures;
};

DetailsLists tidied(core::Built& built, const ProductDetailsInput& in) {
    DetailsLists lists;
    lists.titles = tidiedList(built, QStringLiteral("mmoxijiebiaoti"), in.titles);
    lists.descriptions = tidiedList(built, QStringLiteral("mmoxijieshuoming"), in.descriptions);
    lists.pictures = tidiedList(built, QStringLiteral("mmoxijietupian"), in.pictures);
    return lists;
}

} // namespace

core::Built productDetailsHtml(const ProductDetailsInput& in) {
    return core::build([&in](core::Built& built) {
        const DetailsLists lists = tidied(built, in);
        const int n = core::parseInt(in.count);
        const QString& W = in.width;

        QString blocks;
        for (int i = 0; i < n; ++i) {
            const QString picture = core::listItem(lists.pictures, i);
            if (!in.overlay()) {
                blocks += QStringLiteral("<img style=\"margin-top:5px;\" src=\"") + picture +
                          QStringLiteral("\" width=\"") + W + QStringLiteral("\"/>") +
                          QStringLiteral("<div style=\"width:") + W + QStringLiteral("px;\">") +
                          QStringLiteral("<div style=\"font-size:21px;color:") + in.titleColour +
                          QStringLiteral(
                              ";margin:30px 0px; margin-bottom:5px;font-weight:600;text-align:center\">") +
                          core::listItem(lists.titles, i) + QStringLiteral("</div>") +
                          QStringLiteral("<div style=\"color:") + in.smallColour +
                          QStringLiteral(
                              ";line-height:25px; padding:0 40px;margin-bottom:20px;;text-align:center\">") +
                          core::listItem(lists.descriptions, i) + QStringLiteral("</div>") +
                          QStringLiteral("</div>");
            } else {
                // The text block sits over the picture, so its height is needed.
                const auto measured = in.heights.constFind(picture);
                if (measured == in.heights.constEnd()) core::fail(QStringLiteral("图片没有下载：") + picture);
                const qint64 p = *measured;
                blocks += QStringLiteral("<div style=\"width:") + W + QStringLiteral("px; height:") +
                          QString::number(p - 10) + QStringLiteral("px;overflow:hidden\">") +
                          QStringLiteral("<img style=\"margin-top:5px;\" src=\"") + picture +
                          QStringLiteral("\" width=\"") + W + QStringLiteral("\"/>") +
                          QStringLiteral("<div style=\"width:350px;position:relative; top:-") +
                          QString::number(p - 50) + QStringLiteral("px; left:60px;\">") +
                          QStringLiteral("<div style=\"font-size:33px;color:") + in.titleColour +
                          QStringLiteral(";margin:30px 0px; margin-bottom:5px;font-weight:600;\">") +
                          core::listItem(lists.titles, i) + QStringLiteral("</div>") +
                          QStringLiteral("<div style=\"color:") + in.smallColour +
                          QStringLiteral(";line-height:25px;margin-bottom:20px;\">") +
                          core::listItem(lists.descriptions, i) + QStringLiteral("</div>") +
                          QStringLiteral("</div></div>");
            }
            blocks += QStringLiteral("\r\n");
        }
        built.snippet = QStringLiteral("<div style=\"width:") + W +
                        QStringLiteral("px; font-family:Microsoft YaHei; font-size:15px\">") + blocks +
                        QStringLiteral("</div>");
    });
}

PicturesToMeasure productDetailsPictures(const ProductDetailsInput& in) {
    PicturesToMeasure measure;
    if (!in.overlay()) return measure;
    measure.tidied = core::build([&](core::Built& built) {
        const QStringList pictures = tidied(built, in).pictures;
        const int n = core::parseInt(in.count);
        measure.pictures = pictures.mid(0, std::max(0, n));
    });
    return measure;
}

namespace {

void build(Tfrmmain& form, QWidget* page) {
    const ProductDetailsInput defaults;
    form.addRadioGroup(page, QStringLiteral("rg2"), QRect(6, 4, 428, 46), QStringLiteral("样式选择"),
                       {QStringLiteral("图文列表"), QStringLiteral("图文叠加")}, defaults.style, 2);
    form.addCaption(page, QRect(6, 56, 66, 22), QStringLiteral("图片张数："));
    form.addCombo(page, QStringLiteral("cbb4"), QRect(72, 56, 60, 22), numberItems(3, 12), defaults.count);
    form.addCaption(page, QRect(142, 56, 52, 22), QStringLiteral("标题色："));
    form.addColourEdit(page, QStringLiteral("edt20"), QRect(194, 56, 70, 22), defaults.titleColour);
    form.addCaption(page, QRect(274, 56, 52, 22), QStringLiteral("小字色："));
    form.addColourEdit(page, QStringLiteral("edt21"), QRect(326, 56, 70, 22), defaults.smallColour);

    form.addCaption(page, QRect(6, 84, 200, 18), QStringLiteral("标题信息 | 隔开"));
    form.addMemo(page, QStringLiteral("mmoxijiebiaoti"), QRect(6, 102, 428, 50),
                 core::textLines(defaults.titles));
    form.addCaption(page, QRect(6, 156, 200, 18), QStringLiteral("文字说明 | 隔开"));
    form.addMemo(page, QStringLiteral("mmoxijieshuoming"), QRect(6, 174, 428, 60),
                 core::textLines(defaults.descriptions));
    form.addCaption(page, QRect(6, 238, 200, 18), QStringLiteral("图片列表 | 隔开"));
    form.addMemo(page, QStringLiteral("mmoxijietupian"), QRect(6, 256, 428, 76),
                 core::textLines(defaults.pictures));
}

ProductDetailsInput input(const Tfrmmain& form) {
    ProductDetailsInput in;
    in.width = form.totalWidth();
    in.style = form.control<core::RadioGroup>(QStringLiteral("rg2"))->itemIndex();
    in.count = form.text(QStringLiteral("cbb4"));
    in.titleColour = form.text(QStringLiteral("edt20"));
    in.smallColour = form.text(QStringLiteral("edt21"));
    in.titles = form.text(QStringLiteral("mmoxijiebiaoti"));
    in.descriptions = form.text(QStringLiteral("mmoxijieshuoming"));
    in.pictures = form.text(QStringLiteral("mmoxijietupian"));
    in.heights = form.measuredHeights();
    return in;
}

std::optional<QString> html(Tfrmmain& form) {
    return core::applyBuilt(form, productDetailsHtml(input(form)));
}

// In the overlay style each block needs its picture's height.
QStringList measuredPictures(Tfrmmain& form) {
    const PicturesToMeasure measure = productDetailsPictures(input(form));
    core::applyBuilt(form, measure.tidied);
    return measure.pictures;
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
