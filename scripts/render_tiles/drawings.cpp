// The pictures of the tools: what each tool does, drawn with QPainter in flat
// colours. Every drawing is laid out on a canvas 100 units high and as wide as
// the picture's shape asks, its essentials in the middle, so that a box of
// another shape that shows the middle part still shows what matters.
#include "scripts/render_tiles/render_tiles.h"

#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <cmath>
#include <functional>

namespace tiles {

namespace {

const QColor kInk(0x2b, 0x33, 0x3e);
const QColor kPaper(0xff, 0xff, 0xff);
const QColor kBlue(0x2f, 0x80, 0xed);
const QColor kOrange(0xff, 0x7a, 0x1a);
const QColor kGreen(0x22, 0xa8, 0x6b);
const QColor kRed(0xe8, 0x3e, 0x4c);
const QColor kPurple(0x8a, 0x4f, 0xd8);
const QColor kYellow(0xff, 0xc8, 0x3d);

struct Canvas {
    QPainter& p;
    qreal width; // in units; the height is 100
    qreal mid() const { return width / 2; }

    QFont font(qreal size, bool bold = true) const {
        QFont f(QStringLiteral("Noto Sans CJK SC"));
        f.setPixelSize(qMax(1, qRound(size)));
        f.setBold(bold);
        return f;
    }

    void background(const QColor& top, const QColor& bottom) {
        QLinearGradient fill(0, 0, 0, 100);
        fill.setColorAt(0, top);
        fill.setColorAt(1, bottom);
        p.fillRect(QRectF(-width, -100, 3 * width, 300), fill);
        // Soft rings behind the middle.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 70));
        p.drawEllipse(QPointF(mid() - 120, 92), 70, 70);
        p.drawEllipse(QPointF(mid() + 140, 8), 60, 60);
    }

    // A window card with its title bar and the three round buttons.
    QRectF card(const QRectF& box, const QColor& bar = kInk) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawRoundedRect(box.translated(1.2, 1.6), 3, 3);
        p.setBrush(kPaper);
        p.drawRoundedRect(box, 3, 3);
        QPainterPath top;
        top.addRoundedRect(QRectF(box.left(), box.top(), box.width(), 9), 3, 3);
        top.addRect(QRectF(box.left(), box.top() + 5, box.width(), 4));
        p.setBrush(bar);
        p.drawPath(top.simplified());
        const QColor dots[] = {kRed, kYellow, kGreen};
        for (int i = 0; i < 3; ++i) {
            p.setBrush(dots[i]);
            p.drawEllipse(QPointF(box.left() + 5 + i * 5, box.top() + 4.5), 1.6, 1.6);
        }
        return box.adjusted(3, 12, -3, -3);
    }

    // Lines of coloured code, as an editor highlights it.
    void code(const QRectF& box, int seed, qreal line = 7) {
        QRandomGenerator random(seed);
        const QColor colours[] = {kBlue, kPurple, kOrange, kGreen, QColor(0x9a, 0xa4, 0xb0)};
        p.setPen(Qt::NoPen);
        for (qreal y = box.top(); y + line * 0.6 <= box.bottom(); y += line) {
            qreal x = box.left() + (random.bounded(3) * 4);
            const int words = 2 + random.bounded(3);
            for (int w = 0; w < words && x < box.right() - 4; ++w) {
                const qreal length = std::min<qreal>(6 + random.bounded(16), box.right() - x);
                p.setBrush(colours[random.bounded(5)]);
                p.drawRoundedRect(QRectF(x, y, length, line * 0.55), 1.2, 1.2);
                x += length + 2.5;
            }
        }
    }

    // A small product picture: a coloured field with a round stage and a product.
    void picture(const QRectF& box, int kind) {
        const QColor fields[][2] = {
            {QColor(0xff, 0x9a, 0x8b), QColor(0xff, 0x6a, 0x88)}, {QColor(0x43, 0xc6, 0xac), QColor(0x19, 0x16, 0x54)},
            {QColor(0xfa, 0xd0, 0xc4), QColor(0xf1, 0xa7, 0xf1)}, {QColor(0x30, 0xcf, 0xd0), QColor(0x33, 0x08, 0x67)},
            {QColor(0xf6, 0xd3, 0x65), QColor(0xfd, 0xa0, 0x85)}, {QColor(0x84, 0xfa, 0xb0), QColor(0x8f, 0xd3, 0xf4)},
        };
        const auto& field = fields[kind % 6];
        p.save();
        p.setClipRect(box);
        QLinearGradient fill(box.topLeft(), box.bottomRight());
        fill.setColorAt(0, field[0]);
        fill.setColorAt(1, field[1]);
        p.fillRect(box, fill);
        p.setPen(Qt::NoPen);
        const qreal r = std::min(box.width(), box.height()) * 0.36;
        const QPointF c(box.center().x() + box.width() * 0.12, box.center().y() + r * 0.15);
        p.setBrush(QColor(255, 255, 255, 90));
        p.drawEllipse(c, r * 1.3, r * 1.3);
        p.setBrush(QColor(0xff, 0xf6, 0xd8));
        if (kind % 3 == 0) p.drawRoundedRect(QRectF(c.x() - r * 0.5, c.y() - r * 0.8, r, r * 1.6), r * 0.2, r * 0.2);
        else if (kind % 3 == 1) p.drawEllipse(c, r * 0.75, r * 0.75);
        else {
            QPolygonF gem;
            gem << QPointF(c.x(), c.y() - r) << QPointF(c.x() + r * 0.8, c.y()) << QPointF(c.x(), c.y() + r)
                << QPointF(c.x() - r * 0.8, c.y());
            p.drawPolygon(gem);
        }
        // The title bars on the left.
        p.setBrush(QColor(255, 255, 255, 220));
        p.drawRoundedRect(QRectF(box.left() + box.width() * 0.08, box.top() + box.height() * 0.25,
                                 box.width() * 0.32, box.height() * 0.12),
                          1, 1);
        p.setBrush(QColor(255, 255, 255, 160));
        p.drawRoundedRect(QRectF(box.left() + box.width() * 0.08, box.top() + box.height() * 0.45,
                                 box.width() * 0.22, box.height() * 0.08),
                          1, 1);
        p.restore();
    }

    // A thick arrow from `from` to `to`.
    void arrow(const QPointF& from, const QPointF& to, const QColor& colour, qreal thickness = 5) {
        const QLineF line(from, to);
        if (line.length() < 1) return;
        const QPointF d = (to - from) / line.length();
        const QPointF n(-d.y(), d.x());
        const qreal head = thickness * 2.2;
        const QPointF base = to - d * head;
        p.setPen(QPen(colour, thickness, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(from, base + d * 0.5);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPolygon(QPolygonF({to, base + n * head * 0.75, base - n * head * 0.75}));
    }

    void text(const QRectF& box, const QString& words, qreal size, const QColor& colour, int flags = Qt::AlignCenter) {
        p.setFont(font(size));
        p.setPen(colour);
        p.drawText(box, flags, words);
    }

    // A rounded label: white words on a coloured pill.
    void badge(const QPointF& centre, const QString& words, qreal size, const QColor& colour) {
        p.setFont(font(size));
        const qreal w = p.fontMetrics().horizontalAdvance(words) + size * 1.2;
        const QRectF box(centre.x() - w / 2, centre.y() - size * 0.85, w, size * 1.7);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawRoundedRect(box, box.height() / 2, box.height() / 2);
        p.setPen(Qt::white);
        p.drawText(box, Qt::AlignCenter, words);
    }

    // A dashed frame with a size written on its top edge.
    void measure(qreal left, qreal right, qreal y, const QString& words, const QColor& colour) {
        p.setPen(QPen(colour, 1.6));
        p.drawLine(QPointF(left, y), QPointF(right, y));
        p.drawLine(QPointF(left, y - 3), QPointF(left, y + 3));
        p.drawLine(QPointF(right, y - 3), QPointF(right, y + 3));
        p.setFont(font(9));
        const qreal w = p.fontMetrics().horizontalAdvance(words) + 6;
        const QRectF label((left + right - w) / 2, y - 6, w, 12);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawRoundedRect(label, 3, 3);
        p.setPen(Qt::white);
        p.drawText(label, Qt::AlignCenter, words);
    }

    // A banner band across the whole canvas, with the 950 content in its middle.
    void band(qreal top, qreal height, int kind) {
        p.setPen(QPen(kBlue, 1.2, Qt::DashLine));
        p.setBrush(QColor(0x2f, 0x80, 0xed, 40));
        p.drawRect(QRectF(-2, top, width + 4, height));
        picture(QRectF(mid() - height * 1.6, top, height * 3.2, height), kind);
    }
};

using Drawing = std::function<void(Canvas&)>;

const QColor kCodeTop(0xe6, 0xf0, 0xfc), kCodeBottom(0xc9, 0xdc, 0xf5);
const QColor kImageTop(0xe4, 0xf7, 0xee), kImageBottom(0xc3, 0xe9, 0xd6);
const QColor kPageTop(0xfd, 0xee, 0xe0), kPageBottom(0xf8, 0xd6, 0xb8);
const QColor kModuleTop(0xf0, 0xe8, 0xfc), kModuleBottom(0xdc, 0xcc, 0xf5);

const QHash<QString, Drawing>& drawings() {
    static const QHash<QString, Drawing> table = {
        // The banner converter: a 950 px snippet made to span the 1920 px page.
        {QStringLiteral("Tfrmtonglan3"),
         [](Canvas& c) {
             c.background(kCodeTop, kCodeBottom);
             c.band(30, 46, 0);
             c.arrow({c.mid() - 78, 53}, {c.mid() - 140, 53}, kOrange, 6);
             c.arrow({c.mid() + 78, 53}, {c.mid() + 140, 53}, kOrange, 6);
             c.measure(c.mid() - 74, c.mid() + 74, 18, QStringLiteral("950"), kInk);
             c.measure(c.mid() - 190, c.mid() + 190, 88, QStringLiteral("1920"), kBlue);
         }},
        // The banner with a background: a patterned full-width ground behind the content.
        {QStringLiteral("Tfrmtonglanbg"),
         [](Canvas& c) {
             c.background(kCodeTop, kCodeBottom);
             c.p.save();
             c.p.setClipRect(QRectF(-2, 20, c.width + 4, 62));
             c.p.fillRect(QRectF(-2, 20, c.width + 4, 62), QColor(0xff, 0xd5, 0x7e));
             c.p.setPen(QPen(QColor(0xff, 0xa9, 0x4d), 7));
             for (qreal x = -100; x < c.width + 100; x += 18) c.p.drawLine(QPointF(x, 20), QPointF(x + 62, 82));
             c.p.restore();
             c.picture(QRectF(c.mid() - 60, 26, 120, 50), 1);
             c.badge({c.mid() - 110, 51}, QStringLiteral("背景"), 10, kOrange);
             c.badge({c.mid() + 110, 51}, QStringLiteral("背景"), 10, kOrange);
             c.measure(c.mid() - 190, c.mid() + 190, 92, QStringLiteral("1920"), kBlue);
         }},
        // The batch converter: several snippets, each made full width.
        {QStringLiteral("Tfrmpiliangtonglan"),
         [](Canvas& c) {
             c.background(kCodeTop, kCodeBottom);
             for (int i = 0; i < 3; ++i) {
                 const qreal top = 12 + i * 28;
                 c.band(top, 22, i + 2);
                 c.arrow({c.mid() - 40, top + 11}, {c.mid() - 85, top + 11}, kOrange, 4);
                 c.arrow({c.mid() + 40, top + 11}, {c.mid() + 85, top + 11}, kOrange, 4);
             }
             c.badge({c.mid() - 130, 50}, QStringLiteral("批量"), 12, kBlue);
         }},
        // The previewer: code on the left, the page it makes on the right.
        {QStringLiteral("Tfrmyulan"),
         [](Canvas& c) {
             c.background(kCodeTop, kCodeBottom);
             const QRectF code = c.card(QRectF(c.mid() - 128, 12, 100, 78));
             c.code(code, 7);
             c.arrow({c.mid() - 20, 51}, {c.mid() + 20, 51}, kOrange, 6);
             const QRectF page = c.card(QRectF(c.mid() + 28, 12, 100, 78), kBlue);
             c.picture(QRectF(page.left(), page.top(), page.width(), 32), 0);
             for (int i = 0; i < 3; ++i)
                 c.picture(QRectF(page.left() + i * (page.width() + 2) / 3, page.top() + 35,
                                  (page.width() - 4) / 3, page.height() - 35),
                           i + 3);
         }},
        // The HTML editor.
        {QStringLiteral("TFrmhtml"),
         [](Canvas& c) {
             c.background(kCodeTop, kCodeBottom);
             const QRectF inside = c.card(QRectF(c.mid() - 110, 10, 220, 80));
             c.p.fillRect(QRectF(inside.left() - 3, inside.top() - 3, 14, inside.height() + 6),
                          QColor(0xee, 0xf1, 0xf5));
             c.code(inside.adjusted(16, 2, -6, 0), 11, 9);
             c.badge({c.mid() - 150, 50}, QStringLiteral("</>"), 16, kBlue);
             c.badge({c.mid() + 150, 50}, QStringLiteral("HTML"), 12, kOrange);
         }},
        // Custom code inserted between marker comments, or taken out again.
        {QStringLiteral("Tfrmcharushanchudaima"),
         [](Canvas& c) {
             c.background(kCodeTop, kCodeBottom);
             const QRectF inside = c.card(QRectF(c.mid() - 110, 8, 220, 84));
             c.code(QRectF(inside.left() + 4, inside.top() + 2, inside.width() - 8, 14), 3);
             c.p.fillRect(QRectF(inside.left(), inside.top() + 18, inside.width(), 24), QColor(0xd7, 0xf5, 0xe3));
             c.code(QRectF(inside.left() + 20, inside.top() + 21, inside.width() - 28, 20), 5);
             c.p.fillRect(QRectF(inside.left(), inside.top() + 46, inside.width(), 24), QColor(0xfd, 0xdd, 0xe0));
             c.code(QRectF(inside.left() + 20, inside.top() + 49, inside.width() - 28, 20), 9);
             c.p.setPen(QPen(kRed, 1.5));
             c.p.drawLine(QPointF(inside.left() + 18, inside.top() + 52), QPointF(inside.right() - 8, inside.top() + 52));
             c.p.drawLine(QPointF(inside.left() + 18, inside.top() + 59), QPointF(inside.right() - 8, inside.top() + 59));
             c.badge({inside.left() + 9, inside.top() + 30}, QStringLiteral("+"), 12, kGreen);
             c.badge({inside.left() + 9, inside.top() + 58}, QStringLiteral("−"), 12, kRed);
         }},
        // Replacing one piece of code by another everywhere.
        {QStringLiteral("Tfrmtihuan"),
         [](Canvas& c) {
             c.background(kCodeTop, kCodeBottom);
             for (int side = 0; side < 2; ++side) {
                 const QRectF inside = c.card(QRectF(c.mid() - 135 + side * 160, 12, 110, 78));
                 c.code(inside, 21, 8);
                 for (int row = 0; row < 2; ++row) {
                     const QRectF hit(inside.left() + 14 + row * 30, inside.top() + 10 + row * 30, 38, 11);
                     c.p.setPen(Qt::NoPen);
                     c.p.setBrush(side ? kGreen : kYellow);
                     c.p.drawRoundedRect(hit, 2, 2);
                     c.text(hit, side ? QStringLiteral("B") : QStringLiteral("A"), 9, side ? Qt::white : kInk);
                 }
             }
             c.arrow({c.mid() - 20, 51}, {c.mid() + 20, 51}, kOrange, 6);
         }},
        // The picture-list calculator: the width of one picture in a row.
        {QStringLiteral("Tfrmjsq"),
         [](Canvas& c) {
             c.background(kImageTop, kImageBottom);
             const qreal left = c.mid() - 100, gap = 8, w = (200 - 3 * gap) / 4;
             for (int i = 0; i < 4; ++i) c.picture(QRectF(left + i * (w + gap), 34, w, 40), i);
             c.measure(left, left + 200, 20, QStringLiteral("950px"), kInk);
             c.measure(left, left + w, 86, QStringLiteral("?"), kOrange);
             c.measure(left + w, left + w + gap, 86, QString(), kGreen);
         }},
        // The picture downloader: a product page's pictures saved into a folder.
        {QStringLiteral("Tfrmimgurl"),
         [](Canvas& c) {
             c.background(kImageTop, kImageBottom);
             const QRectF page = c.card(QRectF(c.mid() - 130, 10, 120, 80), kGreen);
             for (int i = 0; i < 6; ++i)
                 c.picture(QRectF(page.left() + (i % 3) * (page.width() / 3), page.top() + (i / 3) * (page.height() / 2),
                                  page.width() / 3 - 2, page.height() / 2 - 2),
                           i);
             c.arrow({c.mid() - 2, 50}, {c.mid() + 36, 50}, kOrange, 7);
             // The folder, with pictures sticking out.
             const QRectF folder(c.mid() + 48, 30, 80, 56);
             c.picture(QRectF(folder.left() + 10, folder.top() - 16, 30, 30), 1);
             c.picture(QRectF(folder.left() + 38, folder.top() - 20, 30, 30), 4);
             c.p.setPen(Qt::NoPen);
             c.p.setBrush(QColor(0xf2, 0xb1, 0x34));
             c.p.drawRoundedRect(QRectF(folder.left(), folder.top() - 6, 30, 12), 3, 3);
             c.p.setBrush(kYellow);
             c.p.drawRoundedRect(folder, 4, 4);
             c.text(folder, QStringLiteral("JPG"), 14, kInk);
         }},
        // A product's QR code.
        {QStringLiteral("TfrmBBEWM"),
         [](Canvas& c) {
             c.background(kImageTop, kImageBottom);
             const QRectF shot = c.card(QRectF(c.mid() - 120, 12, 84, 78), kOrange);
             c.picture(shot, 2);
             c.arrow({c.mid() - 28, 51}, {c.mid() + 8, 51}, kOrange, 6);
             const QRectF code(c.mid() + 18, 10, 80, 80);
             c.p.setPen(Qt::NoPen);
             c.p.setBrush(kPaper);
             c.p.drawRoundedRect(code, 3, 3);
             const QRectF inner = code.adjusted(5, 5, -5, -5);
             const int n = 21;
             const qreal cell = inner.width() / n;
             QRandomGenerator random(2024);
             c.p.setBrush(kInk);
             const auto finder = [](int x, int y) {
                 const auto in = [&](int fx, int fy) { return x >= fx && x < fx + 7 && y >= fy && y < fy + 7; };
                 return in(0, 0) || in(n - 7, 0) || in(0, n - 7);
             };
             for (int y = 0; y < n; ++y)
                 for (int x = 0; x < n; ++x)
                     if (!finder(x, y) && random.bounded(2))
                         c.p.drawRect(QRectF(inner.left() + x * cell, inner.top() + y * cell, cell, cell));
             for (const QPoint corner : {QPoint(0, 0), QPoint(n - 7, 0), QPoint(0, n - 7)}) {
                 const QRectF outer(inner.left() + corner.x() * cell, inner.top() + corner.y() * cell, 7 * cell,
                                    7 * cell);
                 c.p.setBrush(kInk);
                 c.p.drawRect(outer);
                 c.p.setBrush(kPaper);
                 c.p.drawRect(outer.adjusted(cell, cell, -cell, -cell));
                 c.p.setBrush(kInk);
                 c.p.drawRect(outer.adjusted(2 * cell, 2 * cell, -2 * cell, -2 * cell));
             }
         }},
        // The shop's favourites link: a star button that adds the shop.
        {QStringLiteral("Tfrmshoucang"),
         [](Canvas& c) {
             c.background(kImageTop, kImageBottom);
             QPolygonF star;
             for (int i = 0; i < 10; ++i) {
                 const qreal angle = -M_PI / 2 + i * M_PI / 5;
                 const qreal r = i % 2 ? 14 : 32;
                 star << QPointF(c.mid() - 95 + r * std::cos(angle), 50 + r * std::sin(angle));
             }
             c.p.setPen(Qt::NoPen);
             c.p.setBrush(kYellow);
             c.p.drawPolygon(star);
             c.p.setBrush(kRed);
             const QRectF button(c.mid() - 45, 32, 150, 36);
             c.p.drawRoundedRect(button, 18, 18);
             c.text(button, QStringLiteral("★ 收藏店铺"), 17, Qt::white);
             // A link under it.
             c.p.setPen(QPen(kBlue, 2));
             c.p.drawLine(QPointF(button.left() + 12, 80), QPointF(button.right() - 12, 80));
         }},
        // Recompressing a JPEG picture at a chosen quality.
        {QStringLiteral("TFrmys"),
         [](Canvas& c) {
             c.background(kImageTop, kImageBottom);
             const QRectF big = c.card(QRectF(c.mid() - 130, 8, 96, 84), kGreen);
             c.picture(big, 5);
             c.text(QRectF(big.left(), big.bottom() - 16, big.width(), 14), QStringLiteral("2.4MB"), 11, kPaper);
             c.arrow({c.mid() - 26, 50}, {c.mid() + 14, 50}, kOrange, 6);
             const QRectF small = c.card(QRectF(c.mid() + 24, 24, 64, 56), kGreen);
             c.picture(small, 5);
             c.text(QRectF(small.left(), small.bottom() - 14, small.width(), 12), QStringLiteral("380KB"), 10,
                    kPaper);
             // The quality slider.
             c.p.setPen(Qt::NoPen);
             c.p.setBrush(QColor(0xa8, 0xd8, 0xc0));
             c.p.drawRoundedRect(QRectF(c.mid() + 98, 46, 40, 8), 4, 4);
             c.p.setBrush(kGreen);
             c.p.drawRoundedRect(QRectF(c.mid() + 98, 46, 30, 8), 4, 4);
             c.p.drawEllipse(QPointF(c.mid() + 128, 50), 7, 7);
             c.text(QRectF(c.mid() + 96, 56, 44, 16), QStringLiteral("80"), 12, kInk);
         }},
        // The grid list: pictures laid out on the cells of a style.
        {QStringLiteral("Tfrmgezilist"),
         [](Canvas& c) {
             c.background(kImageTop, kImageBottom);
             const qreal left = c.mid() - 190, top = 12, gap = 3;
             const QRectF cells[] = {
                 {0, 0, 110, 76}, {113, 0, 70, 36.5}, {113, 39.5, 70, 36.5}, {186, 0, 120, 36.5},
                 {186, 39.5, 58.5, 36.5}, {247.5, 39.5, 58.5, 36.5}, {309, 0, 71, 76},
             };
             int kind = 0;
             for (const QRectF& cell : cells)
                 c.picture(cell.translated(left, top).adjusted(0, 0, -gap + 3, 0), kind++);
             c.p.setPen(QPen(kBlue, 1.2, Qt::DashLine));
             c.p.setBrush(Qt::NoBrush);
             c.p.drawRect(QRectF(left - 3, top - 3, 386, 82));
             c.measure(left, left + 380, 94, QStringLiteral("950"), kInk);
         }},
        // The description assistant: a product page made of numbered sections.
        {QStringLiteral("Tfrmmain"),
         [](Canvas& c) {
             c.background(kPageTop, kPageBottom);
             const qreal left = c.mid() - 150;
             const QString numbers[] = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                        QStringLiteral("4")};
             for (int i = 0; i < 4; ++i) {
                 const QRectF section(left + i * 76, 16, 70, 72);
                 c.p.setPen(Qt::NoPen);
                 c.p.setBrush(kPaper);
                 c.p.drawRoundedRect(section, 3, 3);
                 const QRectF inside = section.adjusted(4, 4, -4, -4);
                 switch (i) {
                 case 0: c.picture(inside, 0); break;
                 case 1:
                     c.picture(QRectF(inside.left(), inside.top(), inside.width() * 0.55, inside.height()), 3);
                     for (int row = 0; row < 5; ++row) {
                         c.p.setBrush(row % 2 ? QColor(0xe8, 0xec, 0xf1) : QColor(0xd0, 0xd7, 0xe0));
                         c.p.drawRect(QRectF(inside.left() + inside.width() * 0.6, inside.top() + row * 12.8,
                                             inside.width() * 0.4, 11));
                     }
                     break;
                 case 2:
                     c.picture(QRectF(inside.left(), inside.top(), inside.width(), inside.height() / 2 - 1), 4);
                     c.picture(QRectF(inside.left(), inside.center().y() + 1, inside.width(), inside.height() / 2 - 1), 5);
                     break;
                 default: c.code(inside.adjusted(2, 4, -2, 0), 13, 9);
                 }
                 c.badge({section.left() + 2, section.top()}, numbers[i], 10, kOrange);
             }
         }},
        // A picture fixed behind the whole page while the shop's column scrolls over it.
        {QStringLiteral("Tfrmbeijing"),
         [](Canvas& c) {
             c.background(kModuleTop, kModuleBottom);
             const QRectF page = c.card(QRectF(c.mid() - 150, 6, 300, 90), kPurple);
             c.picture(page, 3);
             c.p.setPen(Qt::NoPen);
             c.p.setBrush(QColor(255, 255, 255, 235));
             const QRectF column(page.center().x() - 50, page.top() + 4, 100, page.height() - 4);
             c.p.drawRect(column);
             c.code(column.adjusted(6, 6, -6, -4), 17, 10);
             c.badge({page.left() + 40, page.bottom() - 12}, QStringLiteral("固定"), 10, kOrange);
             c.arrow({column.right() + 16, column.top() + 10}, {column.right() + 16, column.bottom() - 6}, kPaper, 4);
         }},
        // Two modules pulled together: the gap between them closed.
        {QStringLiteral("TFrmjianfeng"),
         [](Canvas& c) {
             c.background(kModuleTop, kModuleBottom);
             c.picture(QRectF(c.mid() - 110, 8, 220, 36), 0);
             c.picture(QRectF(c.mid() - 110, 56, 220, 36), 4);
             c.p.setPen(QPen(kRed, 1.5, Qt::DashLine));
             c.p.drawLine(QPointF(c.mid() - 110, 50), QPointF(c.mid() + 110, 50));
             c.arrow({c.mid() - 140, 88}, {c.mid() - 140, 56}, kOrange, 5);
             c.badge({c.mid() + 145, 50}, QStringLiteral("-10px"), 11, kRed);
         }},
        // The shop's own navigation bar restyled.
        {QStringLiteral("Tfrmdh"),
         [](Canvas& c) {
             c.background(kModuleTop, kModuleBottom);
             const QString items[] = {QStringLiteral("首页"), QStringLiteral("所有宝贝"), QStringLiteral("新品"),
                                      QStringLiteral("热卖")};
             for (int bar = 0; bar < 2; ++bar) {
                 const QRectF strip(c.mid() - 150, bar ? 56 : 12, 300, 30);
                 c.p.setPen(Qt::NoPen);
                 c.p.setBrush(bar ? kRed : QColor(0x9a, 0xa4, 0xb0));
                 c.p.drawRect(strip);
                 for (int i = 0; i < 4; ++i) {
                     const QRectF cell(strip.left() + i * 75, strip.top(), 75, strip.height());
                     if (bar && i == 0) c.p.fillRect(cell, kOrange);
                     c.text(cell, items[i], 14, Qt::white);
                 }
             }
             c.arrow({c.mid() + 175, 22}, {c.mid() + 175, 74}, kOrange, 5);
         }},
        // An anchor: a link that jumps down the page to a marked place.
        {QStringLiteral("Tfrmmaodian"),
         [](Canvas& c) {
             c.background(kModuleTop, kModuleBottom);
             const QRectF page = c.card(QRectF(c.mid() - 80, 6, 160, 90), kPurple);
             c.picture(QRectF(page.left(), page.top(), page.width(), 22), 1);
             c.code(QRectF(page.left() + 4, page.top() + 28, page.width() - 8, 16), 23);
             c.picture(QRectF(page.left(), page.bottom() - 30, page.width(), 30), 5);
             c.badge({page.left() - 30, page.top() + 12}, QStringLiteral("跳转"), 11, kOrange);
             c.arrow({page.left() - 30, page.top() + 22}, {page.left() - 6, page.bottom() - 14}, kOrange, 4);
             c.badge({page.right() + 30, page.bottom() - 14}, QStringLiteral("⚓"), 14, kBlue);
         }},
        // Floors of a shop page and the side bar that jumps between them.
        {QStringLiteral("TFrmlouceng"),
         [](Canvas& c) {
             c.background(kModuleTop, kModuleBottom);
             for (int i = 0; i < 3; ++i) {
                 const QRectF floor(c.mid() - 120, 6 + i * 30, 200, 26);
                 c.picture(floor, i + 1);
                 c.text(QRectF(floor.left() + 4, floor.top(), 30, floor.height()), QStringLiteral("%1F").arg(i + 1),
                        13, Qt::white);
             }
             const QRectF bar(c.mid() + 92, 10, 34, 82);
             c.p.setPen(Qt::NoPen);
             c.p.setBrush(kInk);
             c.p.drawRoundedRect(bar, 5, 5);
             for (int i = 0; i < 3; ++i) {
                 const QRectF item(bar.left() + 3, bar.top() + 4 + i * 26, bar.width() - 6, 22);
                 c.p.setBrush(i == 1 ? kOrange : QColor(0x4a, 0x55, 0x63));
                 c.p.drawRoundedRect(item, 3, 3);
                 c.text(item, QStringLiteral("%1F").arg(i + 1), 12, Qt::white);
             }
         }},
        // Chat buttons of the shop's customer service, two styles.
        {QStringLiteral("Tfrmww"),
         [](Canvas& c) {
             c.background(kModuleTop, kModuleBottom);
             for (int style = 0; style < 2; ++style) {
                 const QRectF button(c.mid() - 150 + style * 160, 28, 140, 44);
                 c.p.setPen(Qt::NoPen);
                 c.p.setBrush(style ? kOrange : kBlue);
                 c.p.drawRoundedRect(button, style ? 22 : 6, style ? 22 : 6);
                 c.p.setBrush(Qt::white);
                 c.p.drawEllipse(QPointF(button.left() + 22, button.center().y()), 14, 14);
                 c.text(QRectF(button.left() + 8, button.top(), 28, button.height()), QStringLiteral("旺"), 15,
                        style ? kOrange : kBlue);
                 c.text(button.adjusted(36, 0, 0, 0), QStringLiteral("和我联系"), 16, Qt::white);
             }
         }},
        // A video on the shop page.
        {QStringLiteral("Tfrmyouku"),
         [](Canvas& c) {
             c.background(kModuleTop, kModuleBottom);
             const QRectF screen(c.mid() - 95, 6, 190, 88);
             c.p.setPen(Qt::NoPen);
             c.p.setBrush(QColor(0x1b, 0x1f, 0x26));
             c.p.drawRoundedRect(screen, 4, 4);
             c.picture(screen.adjusted(4, 4, -4, -16), 3);
             c.p.setBrush(QColor(255, 255, 255, 230));
             c.p.drawEllipse(QPointF(screen.center().x(), screen.center().y() - 6), 18, 18);
             c.p.setBrush(kRed);
             c.p.drawPolygon(QPolygonF({QPointF(screen.center().x() - 6, screen.center().y() - 16),
                                        QPointF(screen.center().x() + 10, screen.center().y() - 6),
                                        QPointF(screen.center().x() - 6, screen.center().y() + 4)}));
             c.p.setBrush(QColor(0x4a, 0x55, 0x63));
             c.p.drawRect(QRectF(screen.left() + 8, screen.bottom() - 9, screen.width() - 16, 3));
             c.p.setBrush(kRed);
             c.p.drawRect(QRectF(screen.left() + 8, screen.bottom() - 9, 70, 3));
         }},
        // A message board: the buyers' notes and the button to leave one.
        {QStringLiteral("TFrmliuyanban"),
         [](Canvas& c) {
             c.background(kModuleTop, kModuleBottom);
             const QRectF board = c.card(QRectF(c.mid() - 130, 6, 260, 90), kOrange);
             const QColor faces[] = {kBlue, kGreen, kPurple};
             for (int i = 0; i < 3; ++i) {
                 const qreal y = board.top() + 4 + i * 20;
                 c.p.setPen(Qt::NoPen);
                 c.p.setBrush(faces[i]);
                 c.p.drawEllipse(QPointF(board.left() + 10, y + 7), 7, 7);
                 c.p.setBrush(QColor(0xee, 0xf1, 0xf5));
                 c.p.drawRoundedRect(QRectF(board.left() + 22, y, board.width() - 100, 15), 4, 4);
                 c.code(QRectF(board.left() + 26, y + 4, board.width() - 108, 8), 31 + i, 8);
             }
             const QRectF button(board.right() - 70, board.bottom() - 24, 66, 20);
             c.p.setBrush(kOrange);
             c.p.drawRoundedRect(button, 10, 10);
             c.text(button, QStringLiteral("发表留言"), 10, Qt::white);
         }},
    };
    return table;
}

} // namespace

QStringList drawnWindows() {
    QStringList names = drawings().keys();
    names.sort();
    return names;
}

QImage drawTool(const QString& className, QSize size) {
    const auto drawing = drawings().find(className);
    if (drawing == drawings().end() || size.isEmpty()) return {};
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const qreal unit = size.height() / 100.0;
    painter.scale(unit, unit);
    Canvas canvas{painter, size.width() / unit};
    (*drawing)(canvas);
    painter.end();
    return image;
}

} // namespace tiles
