#include "tools/images/shoucang.h"

#include "core/addresses.h"
#include "core/failure.h"
#include "core/fetch.h"
#include "core/files.h"
#include "core/registry.h"
#include "core/text.h"

#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QSaveFile>

namespace tools {

namespace {

// Splits a comma list: items are separated by "," or white space, and an item
// that starts with a double quote runs to its closing quote (a doubled quote
// stands for one).
QStringList commaList(const QString& text) {
    QStringList items;
    const qsizetype n = text.size();
    const auto blank = [&](qsizetype i) { return i < n && text[i] <= QLatin1Char(' '); };
    qsizetype i = 0;
    while (blank(i))
        ++i;
    while (i < n) {
        QString item;
        if (text[i] == QLatin1Char('"')) {
            ++i;
            while (i < n) {
                if (text[i] == QLatin1Char('"')) {
                    if (i + 1 < n && text[i + 1] == QLatin1Char('"')) {
                        item += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += text[i++];
            }
        } else {
            while (i < n && text[i] > QLatin1Char(' ') && text[i] != QLatin1Char(','))
                item += text[i++];
        }
        items << item;
        while (blank(i))
            ++i;
        if (i < n && text[i] == QLatin1Char(',')) {
            ++i;
            while (blank(i))
                ++i;
            if (i == n) items << QString();
        }
    }
    return items;
}

// The text after the first `start` up to the first `end` after it; empty when
// either is missing.
QString between(const QString& text, const QString& start, const QString& end) {
    const qsizetype from = text.indexOf(start);
    if (from < 0) return {};
    const qsizetype begin = from + start.size();
    const qsizetype to = text.indexOf(end, begin);
    if (to < 0) return {};
    return text.mid(begin, to - begin);
}

} // namespace

Tfrmshoucang::Tfrmshoucang()
    : core::Form(QStringLiteral("Tfrmshoucang"), QStringLiteral("获取店铺收藏地址")) {
    setClientSize(399, 156);
    addRadio(this, QStringLiteral("rb1"), QRect(16, 14, 90, 22), QStringLiteral("淘宝店铺"), true);
    addRadio(this, QStringLiteral("rb2"), QRect(116, 14, 90, 22), QStringLiteral("天猫店铺"));
    addCaption(this, QRect(16, 52, 70, 22), QStringLiteral("店铺地址："));
    addEdit(this, QStringLiteral("edt1"), QRect(86, 52, 297, 22), core::addresses::sampleShop);
    addButton(this, QStringLiteral("btn1"), QRect(263, 96, 120, 34), QStringLiteral("提取收藏链接"));
    addOutputMemo(QStringLiteral("mmo1"));

    on(QStringLiteral("btn1Click"), [this] { extract(); });
    on(QStringLiteral("FormClose"), [] { QFile::remove(pagePath()); });
}

QString Tfrmshoucang::pagePath() {
    return QDir(core::workingFolder()).filePath(QStringLiteral("index.txt"));
}

QString Tfrmshoucang::favouritesLink(const QString& page, bool tmall) {
    const QString part =
        tmall ? between(page, QStringLiteral("id=\"xshop_collection_href\""), QStringLiteral("收藏本店"))
              : between(page, QStringLiteral("data-height=\"260\""), QStringLiteral("收藏店铺"));
    QString link = core::listItem(commaList(part), 0);
    link.replace(QStringLiteral("href=\""), QStringLiteral("http:"));
    link.remove(QLatin1Char('"'));
    return link;
}

void Tfrmshoucang::extract() {
    const QString address = text(QStringLiteral("edt1"));
    // A page left from an earlier shop must never answer for this one.
    QFile::remove(pagePath());
    fetchThen(core::FetchRequest{address, core::FetchKind::Page}, [this](const core::Fetched& got) {
        if (!got.ok()) core::fail(got.error + QStringLiteral("请检查店铺地址和网络。"));
        QSaveFile page(pagePath());
        if (!page.open(QIODevice::WriteOnly) || page.write(got.bytes) != got.bytes.size() || !page.commit())
            core::fail(QStringLiteral("无法写入文件“%1”：%2").arg(pagePath(), page.errorString()));
        const bool tmall = control<QRadioButton>(QStringLiteral("rb2"))->isChecked();
        deliver(QStringLiteral("mmo1"), favouritesLink(core::readTextFile(pagePath()), tmall),
                QStringLiteral("收藏代码提取完毕！"));
    });
}

QINGWU_WINDOW(Tfrmshoucang,
              {.order = 840,
               .tile = core::Tile{
                   .page = u"tsmg1", .row = 5, .column = 2, .image = u"img4", .caption = u"店铺收藏地址"}})

} // namespace tools
