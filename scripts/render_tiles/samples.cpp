// Sample pictures for the module renderings: simple product pictures and
// full-width banners drawn with QPainter, one colour scheme each.
#include "scripts/render_tiles/render_tiles.h"

#include <QDir>
#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace tiles {

namespace {

struct Scheme {
    QColor from, to, accent;
    const char* title;
    const char* line;
};

const Scheme kSchemes[] = {
    {QColor(0xff, 0x9a, 0x8b), QColor(0xff, 0x6a, 0x88), QColor(0xff, 0xf1, 0xc1), "新品上市", "¥ 99"},
    {QColor(0x43, 0xc6, 0xac), QColor(0x19, 0x16, 0x54), QColor(0xf8, 0xff, 0xae), "夏日清凉", "¥ 129"},
    {QColor(0xfa, 0xd0, 0xc4), QColor(0xf1, 0xa7, 0xf1), QColor(0x6a, 0x3d, 0x9a), "春季特惠", "¥ 59"},
    {QColor(0x30, 0xcf, 0xd0), QColor(0x33, 0x08, 0x67), QColor(0xff, 0xd2, 0x00), "限时抢购", "¥ 199"},
    {QColor(0xf6, 0xd3, 0x65), QColor(0xfd, 0xa0, 0x85), QColor(0xc0, 0x39, 0x2b), "店长推荐", "¥ 79"},
    {QColor(0x84, 0xfa, 0xb0), QColor(0x8f, 0xd3, 0xf4), QColor(0x1e, 0x5b, 0x8c), "热销爆款", "¥ 149"},
    {QColor(0xa1, 0x8c, 0xd1), QColor(0xfb, 0xc2, 0xeb), QColor(0xff, 0xff, 0xff), "满减活动", "¥ 39"},
    {QColor(0x2c, 0x3e, 0x50), QColor(0x4c, 0xa1, 0xaf), QColor(0xf3, 0x9c, 0x12), "品质生活", "¥ 259"},
};

// Flat colours and clean edges: the renderings made of them stay small.
QImage drawSample(int number, const Scheme& scheme, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(scheme.from);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on an 800 × 450 design, banners widen it from the centre.
    const qreal scale = size.height() / 450.0;
    const qreal shift = (size.width() - 800 * scale) / 2;
    p.translate(size.width() > 1200 ? shift : 0, 0);
    p.scale(scale, scale);
    p.setPen(Qt::NoPen);
    p.setBrush(scheme.to);
    p.drawRect(QRectF(-shift / scale, 0, 400 + shift / scale, 450));

    // A product on a round stage, on the right.
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawEllipse(QPointF(560, 250), 190, 190);
    p.setBrush(scheme.accent);
    switch (number % 4) {
    case 0: p.drawRoundedRect(QRectF(480, 150, 160, 200), 24, 24); break;
    case 1: p.drawEllipse(QPointF(560, 250), 110, 110); break;
    case 2: {
        QPainterPath bag;
        bag.addRoundedRect(QRectF(470, 190, 180, 160), 16, 16);
        bag.addEllipse(QRectF(510, 130, 100, 100));
        p.drawPath(bag.simplified());
        break;
    }
    default: {
        QPolygonF gem;
        gem << QPointF(560, 120) << QPointF(680, 250) << QPointF(560, 380) << QPointF(440, 250);
        p.drawPolygon(gem);
    }
    }
    // Stripes along the bottom, as on a shop banner.
    p.setBrush(QColor(255, 255, 255, 60));
    for (int i = 0; i < 6; ++i) p.drawRect(QRectF(i * 140, 410, 100, 12));

    // The caption on the left.
    QFont big(QStringLiteral("Noto Sans CJK SC"));
    big.setPixelSize(64);
    big.setBold(true);
    p.setFont(big);
    p.setPen(Qt::white);
    p.drawText(QRectF(50, 90, 380, 90), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("示例图 %1").arg(number));
    QFont small = big;
    small.setPixelSize(34);
    p.setFont(small);
    p.drawText(QRectF(54, 190, 380, 50), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(scheme.title));
    p.setBrush(scheme.accent);
    p.drawRoundedRect(QRectF(54, 270, 160, 56), 28, 28);
    p.setPen(scheme.from.darker(160));
    p.drawText(QRectF(54, 270, 160, 56), Qt::AlignCenter, QString::fromUtf8(scheme.line));
    p.end();
    return image;
}

// A small button picture: a rounded pill in one colour, a sign on its left and
// white words.
QImage drawButton(QSize size, const QColor& colour, const QString& sign, const QString& words) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(image.rect()).adjusted(1, 1, -1, -1);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, colour.lighter(115));
    fill.setColorAt(1, colour.darker(110));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(box, box.height() / 2, box.height() / 2);
    const qreal h = box.height();
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(box.left() + h * 0.55, box.center().y()), h * 0.34, h * 0.34);
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setBold(true);
    font.setPixelSize(int(h * 0.42));
    p.setFont(font);
    p.setPen(colour.darker(120));
    p.drawText(QRectF(box.left() + h * 0.21, box.top(), h * 0.68, h), Qt::AlignCenter, sign);
    p.setPen(Qt::white);
    p.drawText(box.adjusted(h * 0.95, 0, -h * 0.3, 0), Qt::AlignCenter, words);
    p.end();
    return image;
}

struct Button {
    const char* file;
    QSize size;
    QColor colour;
    const char* sign;
    const char* words;
};

// The buttons of the windows whose module is a button: add to cart, share,
// chat with the shop, join its group.
const Button kButtons[] = {
    {"cart.png", QSize(240, 62), QColor(0xff, 0x50, 0x00), "¥", "加入购物车"},
    {"share.png", QSize(184, 54), QColor(0xe8, 0x3e, 0x4c), "♥", "喜欢分享"},
    {"wangwang.png", QSize(176, 48), QColor(0x1e, 0x88, 0xe5), "旺", "和我联系"},
    {"qun.png", QSize(160, 48), QColor(0xff, 0x8a, 0x00), "群", "加入旺旺群"},
};

constexpr int kProducts = 8;
constexpr int kBanners = 3;

} // namespace

QStringList samplePictures(const QString& folder) {
    QStringList paths;
    for (int i = 1; i <= kProducts; ++i)
        paths << QDir(folder).absoluteFilePath(QStringLiteral("sample%1.png").arg(i));
    return paths;
}

QStringList bannerPictures(const QString& folder) {
    QStringList paths;
    for (int i = 1; i <= kBanners; ++i)
        paths << QDir(folder).absoluteFilePath(QStringLiteral("banner%1.png").arg(i));
    return paths;
}

QStringList buttonPictures(const QString& folder) {
    QStringList paths;
    for (const Button& button : kButtons) paths << QDir(folder).absoluteFilePath(QLatin1String(button.file));
    return paths;
}

bool drawSamples(const QString& folder) {
    QDir().mkpath(folder);
    const QStringList products = samplePictures(folder);
    for (int i = 0; i < kProducts; ++i)
        if (!drawSample(i + 1, kSchemes[i], QSize(800, 450)).save(products[i], "PNG")) return false;
    const QStringList banners = bannerPictures(folder);
    for (int i = 0; i < kBanners; ++i)
        if (!drawSample(i + 1, kSchemes[i * 3 % 8], QSize(1920, 500)).save(banners[i], "PNG")) return false;
    for (const Button& button : kButtons)
        if (!drawButton(button.size, button.colour, QString::fromUtf8(button.sign), QString::fromUtf8(button.words))
                 .save(QDir(folder).absoluteFilePath(QLatin1String(button.file)), "PNG"))
            return false;
    return true;
}

} // namespace tiles
