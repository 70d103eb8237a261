// The shop preview of the generators: F5 and a button in every generator show
// its current snippet in a preview window framed as the shop page of its
// edition and width.
#include "core/files.h"
#include "core/shopframe.h"
#include "core/shoppreview.h"
#include "tests/generators/carousels/page_files.h"
#include "tests/support/helpers.h"

#include <QApplication>
#include <QDirIterator>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

const QString kMissing = QStringLiteral("请先生成代码，再预览店铺效果！");

// The window classes under generators/, read from their sources.
QStringList generatorWindows() {
    QStringList classes;
    const QRegularExpression registration(QStringLiteral("QINGWU_WINDOW\\(\\s*(\\w+),"));
    QDirIterator files(QStringLiteral(QINGWU_SOURCE_DIR "/generators"), {QStringLiteral("*.cpp")},
                       QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = core::readTextFile(files.next());
        for (const QRegularExpressionMatch& m : registration.globalMatch(source))
            classes << m.captured(1);
    }
    classes.sort();
    return classes;
}

// Every window with a shop preview: the generators, the search boxes, the
// hotspot map and the description assistant.
QStringList previewedWindows() {
    return generatorWindows() + QStringList{"Tfrmss", "Tfrmsousuokuang", "Tfrmredian", "Tfrmmain"};
}

QPushButton* previewButton(core::Form* w) {
    return w->findChild<QPushButton*>(core::kShopPreviewButton);
}

// A frame file of "files" as a page holds it: its style sheet addressed in
// the program's "files" folder.
QString frameFile(const QString& name) {
    QString text = core::readTextFile(core::filesFolder() + "/" + name);
    if (name.endsWith("_head.html"))
        text.replace("href=\"files/yulan.css\"",
                     "href=\"" + QUrl::fromLocalFile(core::filesFolder() + "/yulan.css").toString() + "\"");
    return text;
}

class ShopPreview : public testing::ProgramTest {};

// Runs first: nothing has made the preview window yet.
TEST_F(ShopPreview, BeforeAnythingIsGeneratedItSaysWhatIsMissingAndShowsNothing) {
    testing::ScratchCurrentFolder folder;
    const QStringList windows = previewedWindows();
    ASSERT_TRUE(windows.contains("Tfrmlunbo") && windows.contains("Tfrmkefu"));
    for (const QString& name : windows) {
        SCOPED_TRACE(name.toStdString());
        core::Form* w = testing::form(name);
        ASSERT_NE(w, nullptr);
        w->showForm();
        QApplication::processEvents();
        fake().reset();
        ASSERT_TRUE(w->fire(core::kShopPreviewButton + "Click"));
        ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
        EXPECT_EQ(fake().lastMessage().text, kMissing);
        EXPECT_EQ(fake().lastMessage().owner, name);
        EXPECT_EQ(fake().lastMessage().title, "提示信息");
        w->hide();
    }
    // Neither the window nor its browser is made before it is used.
    EXPECT_EQ(core::shopPreviewWindow(), nullptr);
    EXPECT_FALSE(QFile::exists(core::shopPreviewPage()));
}

TEST_F(ShopPreview, EveryGeneratorHasItsButtonInsideTheWindowCoveringNoControl) {
    const QStringList windows = previewedWindows();
    for (const QString& name : windows) {
        SCOPED_TRACE(name.toStdString());
        core::Form* w = testing::form(name);
        w->showForm();
        QApplication::processEvents();
        QPushButton* button = previewButton(w);
        ASSERT_NE(button, nullptr);
        EXPECT_TRUE(button->isVisible());
        EXPECT_EQ(button->text(), "店铺预览");
        const QRect placed(button->mapTo(w, QPoint(0, 0)), button->size());
        EXPECT_TRUE(w->rect().contains(placed));
        for (QWidget* other : w->findChildren<QWidget*>()) {
            if (other == button || other->isWindow() || !other->isVisible() || other->isAncestorOf(button))
                continue;
            const QRect rect(other->mapTo(w, QPoint(0, 0)), other->size());
            EXPECT_FALSE(rect.intersects(placed))
                << other->objectName().toStdString() << " " << other->metaObject()->className();
        }
        w->hide();
    }
    // Tools that edit or convert the user's own code have no shop preview.
    for (const char* tool : {"Tfrmyulan", "Tfrmtonglan3", "TFrmhtml", "Tfrmtihuan", "Tfrmindex"}) {
        core::Form* w = testing::form(tool);
        w->showForm();
        QApplication::processEvents();
        EXPECT_EQ(previewButton(w), nullptr) << tool;
        w->hide();
    }
}

TEST_F(ShopPreview, ShowsTheCurrentSnippetFramedAsTheShopPageOfItsEditionAndWidth) {
    const struct {
        const char* window;
        const char* choice; // control with the shop type, or null
        const char* value;
        const char* generate;
        const char* box; // what the generator delivered
        const char* frame;
    } cases[] = {
        {"Tfrmshiertulunbo", "cbb1", "集市店", "btn5Click", "mmo4", "yulan_pro"},
        {"Tfrmshiertulunbo", "cbb1", "天猫店", "btn5Click", "mmo4", "yulan_tmall"},
        {"Tfrmtupian8", "cbb1", "集市描述", "btn1Click", "mmo1", "yulan_desc750"},
        {"Tfrmtupian8", "cbb1", "天猫描述", "btn1Click", "mmo1", "yulan_desc790"},
        {"Tfrmtupian8", "cbb1", "天猫首页", "btn1Click", "mmo1", "yulan_tmall"},
        {"TfrmLBzhankai", nullptr, nullptr, "btn1Click", "mmodaima", "yulan_wide"},
        // Generated for the converter, never copied.
        {"Tfrmlunbo", nullptr, nullptr, "btn1Click", "mmo1", "yulan_wide"},
        {"Tfrmfanzhuan190", nullptr, nullptr, "btn1Click", "mmo1", "yulan_side"},
        {"Tfrmmain", "rg1", "天猫店", nullptr, nullptr, "yulan_desc790"},
        // Shop headers and navigation bars take the place of the page's own:
        // the whole top, the sign above the page's navigation bar, or the
        // style of its navigation module. Shown before it is copied, too.
        {"Tfrmdzdh", nullptr, nullptr, "btn1Click", "mmo1", "yulan_top"},
        {"TFrmdaohangdaisousuo", nullptr, nullptr, "btn1Click", "mmo1", "yulan_top"},
        {"Tfrmdianzhaolunbo", nullptr, nullptr, "btn1Click", "mmo2", "yulan_sign"},
        {"Tfrmdh", nullptr, nullptr, "btn1Click", "mmo1", "yulan_navstyle"},
        {"Tfrmbeijing", nullptr, nullptr, "btn1Click", "mmo1", "yulan_navstyle"},
    };
    testing::ScratchCurrentFolder folder;
    testing::FakeBrowser* shared = nullptr;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.window) + " " + (c.value ? c.value : ""));
        core::Form* w = testing::form(c.window);
        w->showForm();
        QApplication::processEvents();
        if (c.choice) {
            if (auto* group = w->findChild<core::RadioGroup*>(c.choice))
                group->setItemIndex(group->items().indexOf(c.value));
            else
                w->setText(c.choice, c.value);
        }
        QString snippet;
        if (c.generate) {
            ASSERT_TRUE(w->fire(c.generate));
            snippet = w->text(c.box);
        } else {
            // The description assistant's summary code.
            w->setText("mmodaima", "<div class=\"J_TWidget\">描述</div>");
            w->copyMemo("mmodaima");
            snippet = w->text("mmodaima");
        }
        ASSERT_FALSE(snippet.isEmpty());
        fake().reset();
        QPushButton* button = previewButton(w);
        ASSERT_NE(button, nullptr);
        button->click();
        EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());
        EXPECT_EQ(testing::fileBytes(core::shopPreviewPage()),
                  testing::gbk(frameFile(QString(c.frame) + "_head.html") + snippet +
                               frameFile(QString(c.frame) + "_tail.html")));
        QWidget* window = core::shopPreviewWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->windowTitle(), "店铺预览 - " + w->windowTitle());
        testing::FakeBrowser* browser = nullptr;
        for (testing::FakeBrowser* made : fake().browsers)
            if (window->isAncestorOf(made->widget())) browser = made;
        ASSERT_NE(browser, nullptr);
        ASSERT_FALSE(browser->navigations.isEmpty());
        EXPECT_EQ(browser->navigations.last(), core::shopPreviewPage());
        // One window and one browser serve every generator.
        if (!shared) shared = browser;
        EXPECT_EQ(browser, shared);
        w->hide();
    }
}

TEST_F(ShopPreview, F5ShowsTheSnippetAsItReadsNow) {
    testing::ScratchCurrentFolder folder;
    core::Form* w = testing::form("TFrmjieridaojishi");
    w->showForm();
    w->activateWindow();
    QApplication::processEvents();
    ASSERT_TRUE(w->fire("btn1Click"));
    w->setText("edt6", "青梧节二");
    ASSERT_TRUE(w->fire("btn1Click"));
    ASSERT_TRUE(w->text("mmo1").contains("青梧节二"));
    fake().reset();
    QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key_F5);
    QApplication::processEvents();
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());
    const QString page = core::readTextFile(core::shopPreviewPage());
    EXPECT_TRUE(page.contains(w->text("mmo1")));
    EXPECT_TRUE(page.contains("<body class=\"shop-pro\">"));
    testing::FakeBrowser* browser =
        core::shopPreviewWindow() ? core::shopPreviewWindow()->findChild<testing::FakeBrowser*>() : nullptr;
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->navigations.last(), core::shopPreviewPage());
    w->hide();
}

// Pages where a header's code would meet the page's own header, and pages
// whose header is the code: each frame page has one of the two, never both.
TEST_F(ShopPreview, AHeaderFramePageHasNoHeaderOfItsOwnWhereTheCodeGoes) {
    const struct {
        const char* frame;
        bool sign;       // the page keeps its own sign
        bool navigation; // the page keeps its own navigation bar
    } cases[] = {
        {"yulan_top", false, false},
        {"yulan_sign", false, true},
        {"yulan_navstyle", true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.frame);
        const QString page =
            frameFile(QString(c.frame) + "_head.html") + frameFile(QString(c.frame) + "_tail.html");
        EXPECT_EQ(page.contains("class=\"shop-sign\""), c.sign);
        EXPECT_EQ(page.contains("class=\"shop-nav\"") || page.contains("class=\"nav-module"), c.navigation);
    }
}

// Where a window shows its shop type as the width it chose.
TEST_F(ShopPreview, AWidthShownInALabelNamesThePageOfThatWidth) {
    const struct {
        const char* window;
        const char* choose;
        core::ShopFrame frame;
    } cases[] = {
        {"TFrmsitutong", "rb4Click", core::ShopFrame::Description750},
        {"TFrmsitutong", "rb2Click", core::ShopFrame::Tmall},
        {"TFrmsitutong", "rb3Click", core::ShopFrame::Description790},
        {"TFrmsitutong", "rb1Click", core::ShopFrame::Professional},
        {"TFrmjianianhua", "rb2Click", core::ShopFrame::Tmall},
        {"TFrmjianianhua", "rb1Click", core::ShopFrame::Professional},
    };
    for (const auto& c : cases) {
        core::Form* w = testing::form(c.window);
        ASSERT_TRUE(w->fire(c.choose));
        EXPECT_EQ(core::shopFrameOf(*w), c.frame) << c.window << " " << c.choose;
    }
}

// The window's own browser lays the module's page out at the module's width
// and the page's margins, whatever the view's width.
TEST_F(ShopPreview, AGeneratorsOwnPreviewIsLaidOutAtItsModulesWidth) {
    testing::ScratchCurrentFolder folder;
    const struct {
        const char* window;
        const char* choose; // handler choosing the shop type, or null
        const char* generate;
        int width;
    } cases[] = {
        {"TFrmsitutong", "rb1Click", "btn1Click", 950 + 16},
        {"TFrmsitutong", "rb4Click", "btn1Click", 750 + 16},
        {"TFrmsitutong", "rb2Click", "btn1Click", 990 + 16},
        {"Tfrmdzdh", nullptr, "btn1Click", 950 + 16},
        {"Tfrmquanpingshipin", nullptr, "btn1Click", 1920 + 16},
        // The hotspot map's picture at the page width chosen.
        {"Tfrmredian", nullptr, "btn1Click", 990 + 16},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.window) + " " + (c.choose ? c.choose : ""));
        core::Form* w = testing::form(c.window);
        w->showForm();
        if (c.choose) {
            ASSERT_TRUE(w->fire(c.choose));
        }
        if (QString(c.window) == "Tfrmredian") {
            w->setText("cbb1", "990");
            w->setText("edt2", "400");
        }
        ASSERT_TRUE(w->fire(c.generate));
        testing::FakeBrowser* browser = w->findChild<testing::FakeBrowser*>();
        ASSERT_NE(browser, nullptr);
        ASSERT_FALSE(browser->navigations.isEmpty());
        EXPECT_EQ(browser->fittedWidth, c.width);
        w->hide();
    }
    // Pages from the web are shown as they are.
    core::Form* launcher = testing::form("Tfrmindex");
    for (testing::FakeBrowser* browser : launcher->findChildren<testing::FakeBrowser*>())
        EXPECT_EQ(browser->fittedWidth, 0);
}

// F5 in the description assistant shows what its pane shows: the assembled
// page after "汇总", an entry previewed from the list, the section rendered
// last; in the description of the shop type chosen now.
TEST_F(ShopPreview, F5InTheDescriptionAssistantShowsWhatItsPaneShows) {
    testing::ScratchCurrentFolder folder;
    core::Form* w = testing::form("Tfrmmain");
    w->showForm();
    QApplication::processEvents();
    auto* list = w->control<QTreeWidget>("lv1");
    list->clear();
    w->control<core::RadioGroup>("rg1")->setItemIndex(0);
    const auto shopPage = [&] {
        fake().reset();
        EXPECT_TRUE(w->fire(core::kShopPreviewButton + "Click"));
        EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());
        return testing::fileBytes(core::shopPreviewPage());
    };
    const auto framed = [](const QString& frame, const QString& code) {
        return testing::gbk(frameFile(frame + "_head.html") + code + frameFile(frame + "_tail.html"));
    };

    w->setText("edt3", "第一节");
    ASSERT_TRUE(w->fire("btn15Click"));
    const QString first = w->text("mmodaima");
    fake().answers.enqueue(core::Answer::Ok);
    ASSERT_TRUE(w->fire("btntianjiaClick"));
    EXPECT_EQ(shopPage(), framed("yulan_desc750", first));

    w->setText("edt3", "第二节");
    ASSERT_TRUE(w->fire("btn15Click"));
    const QString second = w->text("mmodaima");
    fake().answers.enqueue(core::Answer::Ok);
    ASSERT_TRUE(w->fire("btntianjiaClick"));

    // Assembled, nothing copied yet.
    ASSERT_TRUE(w->fire("btn2Click"));
    ASSERT_EQ(w->text("mmodaima"), first + "\r\n" + second + "\r\n");
    EXPECT_EQ(shopPage(), framed("yulan_desc750", first + "\r\n" + second + "\r\n"));
    w->control<core::RadioGroup>("rg1")->setItemIndex(1);
    EXPECT_EQ(shopPage(), framed("yulan_desc790", first + "\r\n" + second + "\r\n"));

    // An entry previewed from the list; the code box keeps the assembled page.
    list->setCurrentItem(list->topLevelItem(0));
    ASSERT_TRUE(w->fire("N11Click"));
    EXPECT_EQ(shopPage(), framed("yulan_desc790", first));
    EXPECT_EQ(w->text("mmodaima"), first + "\r\n" + second + "\r\n");

    // An empty assembled page is nothing to show.
    list->clear();
    ASSERT_TRUE(w->fire("btn2Click"));
    fake().reset();
    ASSERT_TRUE(w->fire(core::kShopPreviewButton + "Click"));
    EXPECT_EQ(fake().lastMessage().text, kMissing);
    w->control<core::RadioGroup>("rg1")->setItemIndex(0);
    w->hide();
}

// Where the shop preview window opens: beside its generator where there is
// room, else covering as little of it as it can; always on the generator's
// screen.
TEST(ShopPreviewPlace, BesideTheGeneratorWhereThereIsRoomAndAlwaysOnItsScreen) {
    const QRect screen(0, 0, 1920, 1040);
    const QRect second(1920, 0, 1280, 1024);
    const QSize page(1010, 1040);
    const struct {
        const char* what;
        QRect area;
        QRect generator;
        QSize wanted;
        bool beside;      // the generator stays uncovered
        int width;        // the width it gets, 0: any
        const char* side; // "right", "left", "below", "above" or ""
    } cases[] = {
        {"small, at the left", screen, QRect(100, 200, 400, 300), page, true, 1010, "right"},
        {"small, at the right", screen, QRect(1500, 200, 400, 300), page, true, 1010, "left"},
        {"centred, 1000 wide", screen, QRect(460, 100, 1000, 700), page, true, 460, "right"},
        {"wide, more room at the left", screen, QRect(600, 100, 1100, 700), page, true, 600, "left"},
        {"as wide as the screen, at the top", screen, QRect(0, 0, 1920, 500), page, true, 1010, "below"},
        {"as wide as the screen, at the bottom", screen, QRect(0, 600, 1920, 440), page, true, 1010, "above"},
        {"the whole screen", screen, QRect(0, 0, 1920, 1040), page, false, 1010, ""},
        {"almost the whole screen", screen, QRect(100, 50, 1700, 900), page, false, 1010, ""},
        {"on the second screen", second, QRect(2000, 100, 500, 600), QSize(1010, 1024), true, 700, "right"},
        {"larger than the screen wants", second, QRect(1920, 0, 300, 300), QSize(3000, 3000), true, 980,
         "right"},
        {"on another screen than the area", screen, QRect(2500, 100, 400, 300), page, true, 1010, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QRect place = core::shopPreviewPlace(c.generator, c.area, c.wanted);
        EXPECT_TRUE(c.area.contains(place))
            << place.x() << "," << place.y() << " " << place.width() << "×" << place.height();
        EXPECT_EQ(!place.intersects(c.generator), c.beside);
        if (c.width) {
            EXPECT_EQ(place.width(), c.width);
        }
        const QString side = c.side;
        if (side == "right") {
            EXPECT_EQ(place.left(), c.generator.right() + 1);
        }
        if (side == "left") {
            EXPECT_EQ(place.right(), c.generator.left() - 1);
        }
        if (side == "below") {
            EXPECT_EQ(place.top(), c.generator.bottom() + 1);
        }
        if (side == "above") {
            EXPECT_EQ(place.bottom(), c.generator.top() - 1);
        }
    }
}

// The window opens beside its generator, as wide as the shop's page, and
// stays where the user put it while it is open.
TEST_F(ShopPreview, OpensBesideItsGeneratorAndStaysWhereTheUserPutsIt) {
    testing::ScratchCurrentFolder folder;
    if (QWidget* open = core::shopPreviewWindow()) open->hide();
    core::Form* w = testing::form("Tfrmsale");
    w->showForm();
    w->move(60, 80);
    QApplication::processEvents();
    ASSERT_TRUE(w->fire("btn1Click"));
    ASSERT_TRUE(w->fire(core::kShopPreviewButton + "Click"));
    QWidget* window = core::shopPreviewWindow();
    ASSERT_NE(window, nullptr);
    QApplication::processEvents();
    const QRect area = w->screen()->availableGeometry();
    EXPECT_EQ(window->screen(), w->screen());
    EXPECT_TRUE(area.contains(window->frameGeometry()));
    EXPECT_FALSE(window->frameGeometry().intersects(w->frameGeometry()));
    EXPECT_GE(window->width(), 950);
    testing::FakeBrowser* browser = nullptr;
    for (testing::FakeBrowser* made : fake().browsers)
        if (window->isAncestorOf(made->widget())) browser = made;
    ASSERT_NE(browser, nullptr);
    // The whole page of the edition, scaled down where the window is narrower.
    EXPECT_EQ(browser->fittedWidth, 950);

    window->move(700, 40);
    QApplication::processEvents();
    const QPoint put = window->pos();
    ASSERT_TRUE(w->fire(core::kShopPreviewButton + "Click"));
    QApplication::processEvents();
    EXPECT_EQ(window->pos(), put);

    // Opened again after it was closed: beside the generator again.
    window->close();
    w->move(1300, 80);
    QApplication::processEvents();
    ASSERT_TRUE(w->fire(core::kShopPreviewButton + "Click"));
    QApplication::processEvents();
    EXPECT_TRUE(area.contains(window->frameGeometry()));
    EXPECT_FALSE(window->frameGeometry().intersects(w->frameGeometry()));
    EXPECT_LT(window->frameGeometry().right(), w->frameGeometry().left());
    window->hide();
    w->hide();
}

// The hotspot map is made for a page width rather than an edition.
TEST_F(ShopPreview, AWidthChoiceNamesThePageOfThatWidth) {
    const struct {
        const char* width;
        core::ShopFrame frame;
    } cases[] = {
        {"990", core::ShopFrame::Tmall},
        {"950", core::ShopFrame::Professional},
        {"790", core::ShopFrame::Description790},
        {"750", core::ShopFrame::Description750},
    };
    core::Form* w = testing::form("Tfrmredian");
    for (const auto& c : cases) {
        w->setText("cbb1", c.width);
        EXPECT_EQ(core::shopFrameOf(*w), c.frame) << c.width;
    }
    EXPECT_EQ(core::shopFrameOf(*testing::form("Tfrmtonglan3")), std::nullopt);
}

} // namespace
