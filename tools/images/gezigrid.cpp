#include "tools/images/gezigrid.h"

#include "core/failure.h"
#include "core/text.h"

namespace tools {

namespace {

const QString kSeparator = QStringLiteral(" | ");
// More cells than this in one row is no grid: the row frames would not fit in memory.
constexpr int kMostCells = 1000;

// Checked integer arithmetic: a result beyond 64 bits fails instead of wrapping.
qint64 times(qint64 a, qint64 b) {
    qint64 result = 0;
    if (__builtin_mul_overflow(a, b, &result)) core::fail(QStringLiteral("Integer overflow"));
    return result;
}
qint64 plus(qint64 a, qint64 b) {
    qint64 result = 0;
    if (__builtin_add_overflow(a, b, &result)) core::fail(QStringLiteral("Integer overflow"));
    return result;
}
qint64 divided(qint64 a, qint64 b) {
    if (b == 0) core::fail(QStringLiteral("Division by zero"));
    return a / b;
}

bool blank(const QString& cells) {
    return cells.trimmed().isEmpty();
}

void emptyFields(core::Built& built, const QStringList& fields) {
    for (const QString& field : fields)
        built.update(field, QString());
}

// The frames of the fields for the count, which is not blank.
void writeFrames(core::Built& built, const QString& cells, const QStringList& fields) {
    const int n = geziCellCount(cells);
    if (n < 2) return;
    const QString frame = kSeparator.repeated(n - 1);
    for (const QString& field : fields)
        built.update(field, frame);
}

} // namespace

int geziCellCount(const QString& typed) {
    const int n = core::parseInt(typed);
    if (n > kMostCells) core::fail(QStringLiteral("一行最多生成 %1 张，请减少每行的张数").arg(kMostCells));
    return n;
}

core::Built geziRowFrames(const QString& cells, const QStringList& fields) {
    return core::build([&](core::Built& built) {
        emptyFields(built, fields);
        if (!blank(cells)) writeFrames(built, cells, fields);
    });
}

core::Built geziRow(const GeziRowInput& in) {
    return core::build([&in](core::Built& built) {
        emptyFields(built, kGeziRowFields);
        if (blank(in.cells)) return;
        const qint64 h0 = core::parseInt(in.pictureHeight);
        const qint64 w0 = core::parseInt(in.pictureWidth);
        const qint64 total = core::parseInt(in.width);
        const qint64 n = geziCellCount(in.cells);
        const qint64 spacing = core::parseInt(in.spacing);
        const qint64 margin = core::parseInt(in.margin);
        const qint64 column = divided(plus(total, -times(n - 1, spacing)), n);
        built.update(QStringLiteral("edt4"), QString::number(column));
        const qint64 pictureWidth = plus(column, -times(2, margin));
        built.update(QStringLiteral("edttupiankuan"), QString::number(pictureWidth));
        built.update(QStringLiteral("edttupiangao"), QString::number(divided(times(pictureWidth, h0), w0)));
        writeFrames(built, in.cells, kGeziRowFields);
    });
}

core::Built geziDemoRow(const QString& cells, const QString& picture, const QString& title,
                        const QString& subtitle) {
    return core::build([&](core::Built& built) {
        emptyFields(built, kGeziRowFields);
        const int n = geziCellCount(cells);
        QString pictures, titles, prices, links;
        for (int i = 0; i < n; ++i) {
            pictures += picture + QStringLiteral("\r\n");
            titles += title + kSeparator;
            prices += subtitle + kSeparator;
            links += QStringLiteral(" # | ");
        }
        built.update(QStringLiteral("mmo2"), pictures);
        built.update(QStringLiteral("edt5"), titles);
        built.update(QStringLiteral("edt6"), prices);
        built.update(QStringLiteral("mmo3"), links);
    });
}

GeziGroup geziGroup(const GeziGroupInput& in) {
    GeziGroup group;
    group.built = core::build([&](core::Built& built) {
        const QStringList pictures = core::splitBarList(in.pictures);
        const QStringList links = core::splitBarList(in.links);
        const QStringList titles = core::splitBarList(in.titles);
        const QStringList prices = core::splitBarList(in.prices);

        const qint64 border = core::parseInt(in.border);
        const qint64 totalHeight =
            plus(plus(core::parseInt(in.captionHeight), core::parseInt(in.pictureHeight)), times(2, border));
        const qint64 column = plus(core::parseInt(in.column), -times(2, border));
        const int n = geziCellCount(in.cells);
        const bool titled = in.titleFlag == QStringLiteral("有");
        const bool priced = in.priceFlag == QStringLiteral("有");

        // Every cell is made before anything is written: a missing item stops the whole group.
        QString cells;
        for (int i = 0; i < n; ++i) {
            QString cell = in.cellTemplate;
            cell.replace(QStringLiteral("宽度"), QString::number(column));
            cell.replace(QStringLiteral("图高"), in.pictureHeight);
            if (cell.contains(QStringLiteral("图片")))
                cell.replace(QStringLiteral("图片"), core::listItem(pictures, i));
            if (cell.contains(QStringLiteral("链接")))
                cell.replace(QStringLiteral("链接"), core::listItem(links, i));
            cell.replace(QStringLiteral("总高"), QString::number(totalHeight));
            cell.replace(QStringLiteral("图宽"), in.pictureWidth);
            cell.replace(QStringLiteral("图外框"), in.margin);
            cell.replace(QStringLiteral("边线"), in.border);
            cell.replace(QStringLiteral("间距"), in.spacing);
            if (titled) cell.replace(QStringLiteral("标题"), core::listItem(titles, i));
            if (priced) cell.replace(QStringLiteral("价格"), core::listItem(prices, i));
            cells += cell + QStringLiteral("\r\n");
        }
        built.update(QStringLiteral("edt2"), QString::number(totalHeight));
        built.update(QStringLiteral("edt4"), QString::number(column));

        const qint64 inner = times(n, plus(column, 20));
        built.snippet =
            QStringLiteral("<div style=\"width:") + in.width + QStringLiteral("px; height:") +
            QString::number(plus(totalHeight, times(2, border))) +
            QStringLiteral("px;overflow:hidden;margin:") + in.spacing + QStringLiteral("px 0px\">") +
            QStringLiteral("<div style=\"width:") + QString::number(inner) + QStringLiteral("px; height:") +
            QString::number(totalHeight) + QStringLiteral("px;\">") + cells + QStringLiteral("</div></div>");
        group.cells = cells;
        group.footer =
            QStringLiteral(
                "<div style=\"font-size:12px; line-height:30px;color:#999;font-weight:100;text-align:"
                "center;margin-top:20px\"> 上次操作历史：") +
            QStringLiteral(" 版块宽度：") + in.width + QStringLiteral("px，版块高度：") +
            QString::number(totalHeight) + QStringLiteral("px | 生成列数：") + QString::number(n) +
            QStringLiteral(" ，单列宽度：") + QString::number(column) + QStringLiteral("px | 图片宽度：") +
            in.pictureWidth + QStringLiteral("px，图片高度：") + in.pictureHeight +
            QStringLiteral("px</div>");
    });
    return group;
}

QString geziPreviewPage(const QString& width, const QString& style, const QString& extraHeading,
                        const QString& body, const QString& footer) {
    QString page =
        QStringLiteral("<!DOCTYPE><html><style type=\"text/css\">body{background-color:#333;padding-top:20px;"
                       "border:none;color:#fff }</style><div style=\"margin:auto;width:") +
        width + QStringLiteral("px\">") +
        QStringLiteral("<div style=\"font-size:30px;font-family:Arial; font-weight:100;padding:15px 0;"
                       "text-align:center\">") +
        QStringLiteral("Pelora Picture Preview ") +
        QStringLiteral(
            "<br><span style=\"font-size:12px; line-height:25px;color:#ccc;font-weight:100;\"> ====== "
            "所属样式：") +
        style + extraHeading + QStringLiteral(" ====== </span></div>") + body;
    // The generation's footer closes the page with its own last division.
    page +=
        footer.isEmpty() ? QStringLiteral("</div></div></html>") : footer + QStringLiteral("</div></html>");
    return page;
}

} // namespace tools
