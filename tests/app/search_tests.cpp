#include "app/catalogue.h"
#include "app/search.h"
#include "core/files.h"
#include "tests/support/helpers.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList captionsOf(const QList<app::CatalogueSlot>& tiles) {
    QStringList captions;
    for (const app::CatalogueSlot& slot : tiles)
        captions << slot.caption;
    return captions;
}

TEST(Spelling, ChineseAsPinyinLettersAndDigitsAsTheyAre) {
    const struct {
        const char* caption;
        const char* initials;
        const char* full;
    } cases[] = {
        {"轮播标签海报", "lbbqhb", "lunbobiaoqianhaibao"},
        {"HTML编辑器", "htmlbjq", "htmlbianjiqi"},
        {"12图卡盘", "12tkp", "12tukapan"},
        {"1920三图自定义轮播", "1920stzdylb", "1920santuzidingyilunbo"},
    };
    for (const auto& c : cases) {
        const app::Spelling spelling = app::spellingOf(QString::fromUtf8(c.caption));
        EXPECT_EQ(spelling.initials, QString::fromUtf8(c.initials)) << c.caption;
        EXPECT_EQ(spelling.full, QString::fromUtf8(c.full)) << c.caption;
    }
}

TEST(Search, FindsTilesByCaptionInitialsAndFullPinyinBestFirst) {
    const struct {
        const char* query;
        QStringList hits;
    } cases[] = {
        // A Chinese substring: the tiles holding it, in the catalogue's order.
        {"海报", {"轮播标签海报", "时尚分类海报", "雪花海报"}},
        // Initials, full pinyin, and either in any case.
        {"lbbq", {"轮播标签海报"}},
        {"LBBQ", {"轮播标签海报"}},
        {"lunbobiaoqian", {"轮播标签海报"}},
        {"Html", {"HTML编辑器"}},
        {"dpyhq", {"店铺优惠券", "单品优惠券"}},
        // Initials inside the caption's initials.
        {"yhq", {"店铺优惠券", "单品优惠券"}},
        // Pinyin starting the caption before pinyin inside it, over several pages.
        {"tonglan", {"通栏转化", "通栏加背景", "通栏缩略图轮播", "简约通栏轮播", "视频通栏", "批量通栏转化"}},
        // The caption starting with the query first, then the tiles of every page holding it.
        {"轮播",
         {"轮播标签海报", "分层主题轮播", "左侧展开式轮播", "1920三图自定义轮播", "方块按钮轮播",
          "简约通栏轮播", "通栏缩略图轮播", "个性三图轮播", "店招带轮播", "五图卡盘轮播", "五图左图轮播",
          "两侧轮播卡盘", "十二图轮播", "10图无限轮播"}},
        // Blanks do not count.
        {" lb bq ", {"轮播标签海报"}},
        {"zzzz", {}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(captionsOf(app::searchCatalogue(QString::fromUtf8(c.query))), c.hits) << c.query;
}

TEST(RecentWindows, KeepsEightDropsWindowsThatAreGoneAndSurvivesARestart) {
    QTemporaryDir scratch;
    const QString path = scratch.filePath("data/recent.txt");
    {
        app::RecentWindows recent(path);
        EXPECT_TRUE(recent.windows().isEmpty());
        for (const app::CatalogueSlot& slot : app::catalogue().mid(0, 10))
            recent.opened(slot.target);
        recent.opened(app::catalogue().at(3).target);
    }
    const app::RecentWindows restarted(path);
    QStringList expected = {app::catalogue().at(3).target};
    for (int i = 9; expected.size() < 8; --i)
        if (i != 3) expected << app::catalogue().at(i).target;
    EXPECT_EQ(restarted.windows(), expected);

    // A window this version no longer has is dropped; so are lines of nothing.
    core::writeTextFile(path, "TfrmGone\n\nTfrmyhq\nTfrmlunbo\n");
    EXPECT_EQ(app::RecentWindows(path).windows(), (QStringList{"Tfrmyhq", "Tfrmlunbo"}));
}

} // namespace
