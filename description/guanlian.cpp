// Related items (关联销售): four or three products in a row with image, title
// and price.
#include "core/text.h"
#include "description/assistant.h"
#include "description/samples.h"
#include "description/section.h"

#include <QTabWidget>

namespace description {

namespace {

const QString kLayout = QStringLiteral("rgleixing");

// The size labels a layout writes, by total width.
struct LayoutSizes {
    const char* total;
    const char* imageWidth;
    const char* imageHeight;
};

LayoutSizes layoutSizes(int layout, bool narrow) {
    if (layout == 0) return narrow ? LayoutSizes{"310", "180", "270"} : LayoutSizes{"310", "190", "270"};
    return narrow ? LayoutSizes{"360", "243", "320"} : LayoutSizes{"360", "256", "270"};
}

void build(Tfrmmain& form, QWidget* page) {
    form.addRadioGroup(page, kLayout, QRect(6, 4, 428, 46), QStringLiteral("样式选择"),
                       {QStringLiteral("图文4列"), QStringLiteral("图文3列")}, -1, 2);
    form.addCaption(page, QRect(6, 58, 60, 22), QStringLiteral("小字色："));
    form.addColourEdit(page, QStringLiteral("edtzise"), QRect(66, 58, 80, 22), QStringLiteral("#999"));
    form.addCaption(page, QRect(160, 58, 60, 22), QStringLiteral("价格色："));
    form.addColourEdit(page, QStringLiteral("edt23"), QRect(220, 58, 80, 22), QStringLiteral("#F30"));

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
                 samplePictures(1, 4, QStringLiteral("|")));

    QWidget* links = tab(QStringLiteral("tsguanlianlianjie"), QStringLiteral("链接地址"));
    form.addCaption(links, QRect(4, 4, 300, 20), QStringLiteral("【链接列表 | 隔开】"));
    form.addMemo(links, QStringLiteral("mmothree"), QRect(4, 26, 414, 186), {QStringLiteral("#|#|#|#")});

    QWidget* titles = tab(QStringLiteral("tsguanlianbiaoti"), QStringLiteral("标题说明"));
    form.addCaption(titles, QRect(4, 4, 300, 20), QStringLiteral("【产品标题 | 隔开】"));
    const QString title = QStringLiteral("披肩中老年蝙蝠外套|");
    form.addMemo(titles, QStringLiteral("mmoone"), QRect(4, 26, 414, 80), {title, title, title, title});
    form.addCaption(titles, QRect(4, 110, 300, 20), QStringLiteral("【产品价格 | 隔开】"));
    form.addMemo(titles, QStringLiteral("mmoguanlianjiage"), QRect(4, 132, 414, 80),
                 {QStringLiteral("59.00|"), QStringLiteral("68.00|"), QStringLiteral("59.00|"),
                  QStringLiteral("63.00|")});

    form.on(QStringLiteral("rgleixingClick"), [&form] {
        const int layout = form.control<core::RadioGroup>(kLayout)->itemIndex();
        if (layout < 0) return;
        const LayoutSizes sizes = layoutSizes(layout, form.totalWidth() == QLatin1String("750"));
        form.setText(QStringLiteral("lblzonggao"), QString::fromLatin1(sizes.total));
        form.setText(QStringLiteral("lbltukuan"), QString::fromLatin1(sizes.imageWidth));
        form.setText(QStringLiteral("lbltugao"), QString::fromLatin1(sizes.imageHeight));
    });
}

std::optional<QString> html(Tfrmmain& form) {
    const QStringList titles = form.barList(QStringLiteral("mmoone"));
    const QStringList pictures = form.barList(QStringLiteral("mmotwo"));
    const QStringList links = form.barList(QStringLiteral("mmothree"));
    const QStringList prices = form.barList(QStringLiteral("mmoguanlianjiage"));
    if (form.text(QStringLiteral("lblzonggao")) == QLatin1String("0")) {
        form.message(QStringLiteral("请选择生成类型后再生成代码！"));
        return std::nullopt;
    }
    const int n = form.control<core::RadioGroup>(kLayout)->itemIndex() == 0 ? 4 : 3;
    const QString w = form.text(QStringLiteral("lbltukuan"));
    const QString h = form.text(QStringLiteral("lbltugao"));
    const QString H = QString::number(qint64(core::parseInt(h)) + 70);
    const QString small = form.text(QStringLiteral("edtzise"));
    const QString price = form.text(QStringLiteral("edt23"));

    QString blocks;
    for (int i = 0; i < n; ++i) {
        blocks += QStringLiteral("<a style=\"text-decoration:none; color:") + small +
                  QStringLiteral(";font-size:14px;\"  href=\"") + core::listItem(links, i) +
                  QStringLiteral("\" target=\"_blank\">") + QStringLiteral("<li style=\"width:") + w +
                  QStringLiteral("px; height:") + H +
                  QStringLiteral("px; float:left;overflow:hidden; text-decoration:none; margin-right:10px; "
                                 "text-align:center;\">") +
                  QStringLiteral("<img src=\"") + core::listItem(pictures, i) +
                  QStringLiteral("\" width=\"") + w + QStringLiteral("\" height=\"") + h +
                  QStringLiteral("\" />") +
                  QStringLiteral("<div style=\"font-size:14px;font-family:arial; height:60px;\">") +
                  QStringLiteral("<div style=\"line-height:30px; margin-top:5px; color:") + small +
                  QStringLiteral(";font-family:Microsoft YaHei\">") + core::listItem(titles, i) +
                  QStringLiteral("</div>") + QStringLiteral("<div style=\"font-size:18px; color:") + price +
                  QStringLiteral("\">") +
                  QStringLiteral("<span style=\"font-size:12px;font-family:Microsoft YaHei\">￥</span>") +
                  core::listItem(prices, i) + QStringLiteral("</div>") + QStringLiteral("</div>") +
                  QStringLiteral("</li></a>") + QStringLiteral("\r\n");
    }
    return QStringLiteral("<div style=\"width:") + form.totalWidth() + QStringLiteral("px; height:") + H +
           QStringLiteral("px; overflow:hidden; font-family:Microsoft YaHei\">") +
           QStringLiteral("<div style=\"width:850px; height:") + H + QStringLiteral("px;\">") + blocks +
           QStringLiteral("</div></div>");
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

QString relatedItemsLayoutName(const Tfrmmain& form) {
    switch (form.control<core::RadioGroup>(kLayout)->itemIndex()) {
    case 0:
        return QStringLiteral("图文四列");
    case 1:
        return QStringLiteral("图文三列");
    default:
        return QString();
    }
}

} // namespace description
