// Related items (关联销售): four or three products in a row with image, title
// and price.
#include "core/text.h"
#include "description/assistant.h"
#include "description/samples.h"
#include "description/section.h"
#include "description/sections.h"

#include <QTabWidget>

namespace description {

namespace {

const QString kLayout = QStringLiteral("rgleixing");

} // namespace

core::Built relatedItemsLayoutSizes(int layout, const QString& width) {
    // 总高, 图宽 and 图高 by layout, for the 750 px description and the others.
    static const char* const sizes[2][2][3] = {{{"310", "180", "270"}, {"310", "190", "270"}},
                                               {{"360", "243", "320"}, {"360", "256", "270"}}};
    const char* const* chosen = sizes[layout == 0 ? 0 : 1][width == QLatin1String("750") ? 0 : 1];
    core::Built built;
    built.update(QStringLiteral("lblzonggao"), QString::fromLatin1(chosen[0]));
    built.update(QStringLiteral("lbltukuan"), QString::fromLatin1(chosen[1]));
    built.update(QStringLiteral("lbltugao"), QString::fromLatin1(chosen[2]));
    return built;
}

QString relatedItemsLayoutName(int layout) {
    switch (layout) {
    case 0:
        return QStringLiteral("图文四列");
    case 1:
        return QStringLiteral("图文三列");
    default:
        return QString();
    }
}

core::Built relatedItemsHtml(const RelatedItemsInput& in) {
    return core::build([&in](core::Built& built) {
        const QStringList titles = tidiedList(built, QStringLiteral("mmoone"), in.titles);
        const QStringList pictures = tidiedList(built, QStringLiteral("mmotwo"), in.pictures);
        const QStringList links = tidiedList(built, QStringLiteral("mmothree"), in.links);
        const QStringList prices = tidiedList(built, QStringLiteral("mmoguanlianjiage"), in.prices);
        if (!in.layoutChosen()) return;
        const int n = in.layout == 0 ? 4 : 3;
        const QString& w = in.imageWidth;
        const QString& h = in.imageHeight;
        const QString H = QString::number(qint64(core::parseInt(h)) + 70);

        QString blocks;
        for (int i = 0; i < n; ++i) {
            blocks +=
                QStringLiteral("<a style=\"text-decoration:none; color:") + in.smallColour +
                QStringLiteral(";font-size:14px;\"  href=\"") + core::listItem(links, i) +
                QStringLiteral("\" target=\"_blank\">") + QStringLiteral("<li style=\"width:") + w +
                QStringLiteral("px; height:") + H +
                QStringLiteral("px; float:left;overflow:hidden; text-decoration:none; margin-right:10px; "
                               "text-align:center;\">") +
                QStringLiteral("<img src=\"") + core::listItem(pictures, i) + QStringLiteral("\" width=\"") +
                w + QStringLiteral("\" height=\"") + h + QStringLiteral("\" />") +
                QStringLiteral("<div style=\"font-size:14px;font-family:arial; height:60px;\">") +
                QStringLiteral("<div style=\"line-height:30px; margin-top:5px; color:") + in.smallColour +
                QStringLiteral(";font-family:Microsoft YaHei\">") + core::listItem(titles, i) +
                QStringLiteral("</div>") + QStringLiteral("<div style=\"font-size:18px; color:") +
                in.priceColour + QStringLiteral("\">") +
                QStringLiteral("<span style=\"font-size:12px;font-family:Microsoft YaHei\">￥</span>") +
                core::listItem(prices, i) + QStringLiteral("</div>") + QStringLiteral("</div>") +
                QStringLiteral("</li></a>") + QStringLiteral("\r\n");
        }
        built.snippet = QStringLiteral("<div style=\"width:") + in.width + QStringLiteral("px; height:") + H +
                        QStringLiteral("px; overflow:hidden; font-family:Microsoft YaHei\">") +
                        QStringLiteral("<div style=\"width:850px; height:") + H + QStringLiteral("px;\">") +
                        blocks + QStringLiteral("</div></div>");
    });
}

namespace {

void build(Tfrmmain& form, QWidget* page) {
    const RelatedItemsInput defaults;
    form.addRadioGroup(page, kLayout, QRect(6, 4, 428, 46), QStringLiteral("样式选择"),
                       {QStringLiteral("图文4列"), QStringLiteral("图文3列")}, defaults.layout, 2);
    form.addCaption(page, QRect(6, 58, 60, 22), QStringLiteral("小字色："));
    form.addColourEdit(page, QStringLiteral("edtzise"), QRect(66, 58, 80, 22), defaults.smallColour);
    form.addCaption(page, QRect(160, 58, 60, 22), QStringLiteral("价格色："));
    form.addColourEdit(page, QStringLiteral("edt23"), QRect(220, 58, 80, 22), defaults.priceColour);

    auto* lists = new QTabWidget(page);
    lists->setObjectName(QStringLiteral("pgc2"));
    lists->setGeometry(6, 86, 428, 248);
    auto tab = [&](const QString& name, const QString& caption) {
        auto* sheet = new QWidget;
        sheet->setObjectName(name);
        lists->addTab(sheet, caption);
        return sheet;
    };
    QWidget* pictures = tab(QStringLiteral("tsguanliantupian"), QStringLiteral("图片列表"));
    form.addCaption(pictures, QRect(4, 4, 300, 20), QStringLiteral("【图片列表 | 隔开】"));
    form.addMemo(pictures, QStringLiteral("mmotwo"), QRect(4, 26, 414, 186),
                 core::textLines(defaults.pictures));

    QWidget* links = tab(QStringLiteral("tsguanlianlianjie"), QStringLiteral("链接地址"));
    form.addCaption(links, QRect(4, 4, 300, 20), QStringLiteral("【链接列表 | 隔开】"));
    form.addMemo(links, QStringLiteral("mmothree"), QRect(4, 26, 414, 186), core::textLines(defaults.links));

    QWidget* titles = tab(QStringLiteral("tsguanlianbiaoti"), QStringLiteral("标题说明"));
    form.addCaption(titles, QRect(4, 4, 300, 20), QStringLiteral("【产品标题 | 隔开】"));
    form.addMemo(titles, QStringLiteral("mmoone"), QRect(4, 26, 414, 80), core::textLines(defaults.titles));
    form.addCaption(titles, QRect(4, 110, 300, 20), QStringLiteral("【产品价格 | 隔开】"));
    form.addMemo(titles, QStringLiteral("mmoguanlianjiage"), QRect(4, 132, 414, 80),
                 core::textLines(defaults.prices));

    form.on(QStringLiteral("rgleixingClick"), [&form] {
        const int layout = form.control<core::RadioGroup>(kLayout)->itemIndex();
        if (layout < 0) return;
        core::applyBuilt(form, relatedItemsLayoutSizes(layout, form.totalWidth()));
    });
}

RelatedItemsInput input(const Tfrmmain& form) {
    RelatedItemsInput in;
    in.width = form.totalWidth();
    in.layout = form.control<core::RadioGroup>(kLayout)->itemIndex();
    in.totalHeight = form.text(QStringLiteral("lblzonggao"));
    in.imageWidth = form.text(QStringLiteral("lbltukuan"));
    in.imageHeight = form.text(QStringLiteral("lbltugao"));
    in.smallColour = form.text(QStringLiteral("edtzise"));
    in.priceColour = form.text(QStringLiteral("edt23"));
    in.titles = form.text(QStringLiteral("mmoone"));
    in.pictures = form.text(QStringLiteral("mmotwo"));
    in.links = form.text(QStringLiteral("mmothree"));
    in.prices = form.text(QStringLiteral("mmoguanlianjiage"));
    return in;
}

std::optional<QString> html(Tfrmmain& form) {
    const RelatedItemsInput in = input(form);
    const QString section = core::applyBuilt(form, relatedItemsHtml(in));
    if (!in.layoutChosen()) {
        form.message(QStringLiteral("请选择生成类型后再生成代码！"));
        return std::nullopt;
    }
    return section;
}

} // namespace

SectionKind relatedItems() {
    return {QStringLiteral("btnguanlian"),
            QStringLiteral("关联销售"),
            QStringLiteral("tsguanlian"),
            QStringLiteral("关联"),
            QStringLiteral("btn14"),
            QStringLiteral("生成"),
            QStringLiteral("btnadd"),
            build,
            html};
}

} // namespace description
