// The windows' descriptors: every window has its place in the start-up order,
// every tile lies on a page of the catalogue, and the layers of the program
// only reach downwards.
#include "app/catalogue.h"
#include "app/windows.h"
#include "core/files.h"
#include "core/form.h"
#include "core/registry.h"
#include "tests/support/helpers.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>
#include <map>
#include <tuple>

namespace {

TEST(Registry, TheStartupOrderIsTheProgramsFixedOrder) {
    const QStringList expected = {
        "Tfrmindex",          "Tfrmmini",           "Tfrmtonglan3",          "Tfrmyulan",
        "TFrmhtml",           "Tfrmjsq",            "Tfrmbeijing",           "TfrmBJHD",
        "TFrmjianfeng",       "Tfrmlike",           "Tfrmtext",              "TfrmBBEWM",
        "Tfrmww",             "Tfrmgxww",           "Tfrmwangwangqun",       "Tfrmredian",
        "Tfrmmaodian",        "Tfrmsale",           "TfrmLBfenceng",         "TfrmLBzhankai",
        "Tfrmsantulunbo2",    "Tfrmlunbo",          "Tfrmfangkuai",          "Tfrmtonglansuotu",
        "Tfrmjianyuelunbo",   "Tfrmsantulunbo",     "Tfrmshishangtonglan",   "Tfrmxuehua",
        "Tfrmdzdh",           "Tfrmdh",             "TFrmdaohangdaisousuo",  "Tfrmdianzhaolunbo",
        "TFrm950fanzhuan",    "Tfrmfenleitongdao",  "TFrmjieridaojishi",     "Tfrmdanpinyouhuiquan",
        "Tfrmquanpingshipin", "TFrmlouceng",        "Tfrmpaihangbang",       "TFrmzhanggui",
        "Tfrmyhq",            "Tfrmkapan1",         "Tfrmwutuzuolunbo",      "Tfrmliangcelunbo",
        "Tfrmliutumingxing",  "TFrmkapan12",        "Tfrmshitufangdajing",   "Tfrmshiertulunbo",
        "TFrmtenimageszy",    "TFrmimgfanzhuan",    "TFrmzdyfanzhuan",       "Tfrmqitukaiguandeng",
        "Tfrmbatuzhezhao",    "Tfrmzuobiaoqian",    "Tfrmzhengfantuwen3",    "Tfrmzhengfantuwen4",
        "Tfrmtupian8",        "TFrmsitutong",       "Tfrmdanhang1",          "Tfrmltbgz",
        "Tfrmtuangou",        "TFrmjianianhua",     "Tfrmqituzhuanqu",       "Tfrmxijiewutu",
        "Tfrmfanzhuan190",    "TFrmxiu",            "Tfrmztypl",             "TFrmliuyanban",
        "Tfrmfenlei",         "TFrmdonghuadibu",    "Tfrmdbdm",              "Tfrmkefu",
        "Tfrmdaojishi",       "Tfrmss",             "Tfrmyouku",             "Tfrmxiala",
        "Tfrmtihuan",         "TFrmys",             "Tfrmgezilist",          "Tfrmimgurl",
        "Tfrmpiliangtonglan", "Tfrmtonglanbg",      "Tfrmsousuokuang",       "Tfrmshoucang",
        "Tfrmcharushanchudaima", "Tfrmmain"};
    EXPECT_EQ(app::startupOrder(), expected);
}

TEST(Registry, EveryWindowHasAPlaceOfItsOwnInTheOrder) {
    QSet<int> places;
    for (const core::WindowClass* windowClass : core::windowClasses()) {
        const int order = windowClass->info.order;
        EXPECT_GT(order, 0) << windowClass->name.toStdString() << " has no place in the start-up order";
        EXPECT_FALSE(places.contains(order)) << windowClass->name.toStdString() << " shares place " << order;
        places.insert(order);
    }
}

TEST(Registry, TilesLieOnTheCataloguesPagesEachInASlotOfItsOwn) {
    // The pages, their rows and columns.
    const std::map<QString, std::pair<int, int>> pages = {
        {"tsmg1", {5, 3}}, {"tsmg2", {5, 3}},    {"ts11", {5, 3}},      {"ts7", {5, 3}},     {"ts8", {5, 3}},
        {"ts6", {5, 3}},   {"tstuiyi1", {5, 3}}, {"tstuiyi2", {5, 3}}, {"tstuijian", {3, 3}}};
    QSet<QString> images;
    std::map<std::tuple<QString, int, int>, QString> taken;
    for (const core::WindowClass* windowClass : core::windowClasses()) {
        const std::optional<core::Tile>& tile = windowClass->info.tile;
        if (!tile) continue;
        const std::string name = windowClass->name.toStdString();
        const QString page = QString::fromUtf16(tile->page);
        ASSERT_TRUE(pages.count(page)) << name << " on an unknown page";
        const auto [rows, columns] = pages.at(page);
        EXPECT_TRUE(tile->row >= 1 && tile->row <= rows) << name;
        EXPECT_TRUE(tile->column >= 1 && tile->column <= columns) << name;
        EXPECT_EQ(tile->size == core::TileSize::Large, page == "tstuijian") << name;
        EXPECT_FALSE(QString::fromUtf16(tile->caption).isEmpty()) << name;
        const QString image = QString::fromUtf16(tile->image);
        EXPECT_FALSE(images.contains(image)) << name << " shares its tile's name " << image.toStdString();
        images.insert(image);
        // A wide tile takes its whole row.
        const int first = tile->size == core::TileSize::Wide ? 1 : tile->column;
        const int last = tile->size == core::TileSize::Wide ? columns : tile->column;
        for (int column = first; column <= last; ++column) {
            const auto slot = std::make_tuple(page, tile->row, column);
            EXPECT_FALSE(taken.count(slot)) << name << " lies on the tile of " << taken[slot].toStdString();
            taken[slot] = windowClass->name;
        }
    }
    // The catalogue shows exactly the descriptors' tiles.
    EXPECT_EQ(app::catalogue().size(), images.size());
    for (const app::CatalogueSlot& slot : app::catalogue()) {
        ASSERT_NE(core::windowClass(slot.target), nullptr) << slot.image.toStdString();
        EXPECT_EQ(QString::fromUtf16(core::windowClass(slot.target)->info.tile->image), slot.image);
    }
}

// A descriptor names only controls its window has: the shop-type choice and
// the box a generator fills without copying it.
TEST(Registry, APreviewNamesControlsOfItsWindow) {
    int previews = 0;
    for (const core::WindowClass* windowClass : core::windowClasses()) {
        const std::optional<core::ShopPreview>& preview = windowClass->info.preview;
        if (!preview) continue;
        ++previews;
        core::Form* window = testing::form(windowClass->name);
        ASSERT_NE(window, nullptr);
        for (const char16_t* control : {preview->shopType, preview->output}) {
            if (!control) continue;
            EXPECT_NE(window->findChild<QObject*>(QString::fromUtf16(control)), nullptr)
                << windowClass->name.toStdString() << " has no " << QString::fromUtf16(control).toStdString();
        }
    }
    EXPECT_GT(previews, 60);
}

// Every generator builds its sample snippet without its window, and gives
// the same text each time.
TEST(Registry, EveryGeneratorGivesItsSampleSnippet) {
    for (const core::WindowClass* windowClass : core::windowClasses()) {
        if (!windowClass->info.preview) continue;
        ASSERT_TRUE(windowClass->info.sample) << windowClass->name.toStdString();
        const QString sample = windowClass->info.sample();
        // Markup, or a style sheet for the navigation's display settings.
        EXPECT_TRUE(sample.contains('<') || sample.contains('{')) << windowClass->name.toStdString();
        EXPECT_EQ(windowClass->info.sample(), sample) << windowClass->name.toStdString();
    }
}

// The folders of the program's sources and what each may include: the core
// no window, a unit the core and its own family, the shell everything.
TEST(Registry, EachLayerIncludesOnlyWhatLiesBelowIt) {
    const std::map<QString, QStringList> allowed = {
        {"core", {"core"}},
        {"generators/carousels", {"core", "generators/carousels"}},
        {"generators/lists", {"core", "generators/lists"}},
        {"generators/navigation", {"core", "generators/navigation"}},
        {"generators/promotions", {"core", "generators/promotions"}},
        {"tools/code", {"core", "tools/code"}},
        {"tools/images", {"core", "tools/images"}},
        {"description", {"core", "description"}},
    };
    const QRegularExpression include(QStringLiteral("^#include \"([^\"]+)/[^/\"]+\""),
                                     QRegularExpression::MultilineOption);
    int files = 0;
    for (const auto& [folder, reachable] : allowed) {
        QDirIterator it(QStringLiteral(QINGWU_SOURCE_DIR "/") + folder, {"*.cpp", "*.h"}, QDir::Files);
        while (it.hasNext()) {
            const QString path = it.next();
            ++files;
            for (const QRegularExpressionMatch& m : include.globalMatch(core::readTextFile(path))) {
                const QString target = m.captured(1);
                EXPECT_TRUE(reachable.contains(target))
                    << path.toStdString() << " includes from " << target.toStdString();
            }
        }
    }
    EXPECT_GT(files, 100);
}

} // namespace
