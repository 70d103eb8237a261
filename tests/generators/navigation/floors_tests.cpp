#include "core/registry.h"
#include "generators/navigation/louceng.h"
#include "tests/generators/carousels/page_files.h"
#include "tests/support/helpers.h"

#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// ---------------------------------------------------------------------------
// Floor bars

struct Bar {
    QString height, size, textColour, back, backPicture, mark, markPicture;
    QString names[5];
};

const QString kAnchors[5] = {"one", "two", "three", "four", "five"};

QString floorBar(const Bar& v, int floor) {
    QString out = "<a name=\"" + kAnchors[floor - 1] + "\"></a><div style=\"line-height:" + v.height +
                  "px; height:" + v.height + "px;width:100%; font-family:Microsoft YaHei;font-size:" + v.size +
                  "px; text-align:center; background: url(" + v.backPicture + ") " + v.back +
                  " no-repeat;color:" + v.textColour + "\">";
    for (int j = 1; j <= 5; ++j) {
        if (j == floor && j == 1)
            out += "<div style=\"width:20%;background: url(" + v.markPicture + ") " + v.mark +
                   " no-repeat; float:left\">" + v.names[0] + "</div>";
        else if (j == floor)
            out += "<div style=\"width:20%;float:left;background: url(" + v.markPicture + ") " + v.mark +
                   " no-repeat;\">" + v.names[j - 1] + "</div>";
        else
            out += "<a style=\"color:" + v.textColour + "; text-decoration:none\"  href=\"#" + kAnchors[j - 1] +
                   "\">" + (j == 1 ? "<div style=\"width:20%; float:left\">" : "<div style=\"width:20%;float:left;\">") +
                   v.names[j - 1] + "</div></a>";
    }
    return out + "</div>";
}

QString previewBar(const Bar& v) {
    return "<div style=\"line-height:" + v.height + "px; height:" + v.height +
           "px;width:100%; font-family:Microsoft YaHei;font-size:" + v.size +
           "px; text-align:center; background:url(" + v.backPicture + ") " + v.back + " no-repeat;color:" +
           v.textColour + "\">" + "<div style=\"width:20%;background: url(" + v.markPicture + ") " + v.mark +
           " no-repeat; float:left\">" + v.names[0] + "</div></a>" + "<div style=\"width:20%;float:left;\">" +
           v.names[1] + "</div><div style=\"width:20%;float:left;\">" + v.names[2] +
           "</div><div style=\"width:19.5%;float:left;\">" + v.names[3] +
           "</div><div style=\"width:20%;float:left;\">" + v.names[4] + "</div></div>";
}

const Bar kDefaults{"45", "18", "#fff", "#ccc", "none", "#f30", "none",
                    {"新品发布", "清仓处理", "暑期特卖", "掌柜推荐", "包邮专区"}};
const Bar kMarked{"H", "S", "#TC", "#BK", "bk.png", "#MK", "mk.png", {"F1", "F2", "F3", "F4", "F5"}};

generators::LoucengInput barInput(const Bar& v, int floor = 1) {
    generators::LoucengInput in;
    in.floor = floor;
    in.height = v.height;
    in.textSize = v.size;
    in.textColour = v.textColour;
    in.back = v.back;
    in.backPicture = v.backPicture;
    in.marked = v.mark;
    in.markedPicture = v.markPicture;
    for (int k = 0; k < 5; ++k)
        in.names[k] = v.names[k];
    return in;
}

class LoucengTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("TFrmlouceng");
        ASSERT_TRUE(folder.isValid());
    }
    void type(const Bar& v) {
        w->setText("edt10", v.height);
        w->setText("edt11", v.size);
        w->setText("edt12", v.textColour);
        w->setText("edt1", v.back);
        w->setText("edt2", v.backPicture);
        w->setText("edt3", v.mark);
        w->setText("edt4", v.markPicture);
        for (int k = 0; k < 5; ++k)
            w->setText("edt" + QString::number(k + 5), v.names[k]);
    }
    QColor buttonColour(int k) const {
        return w->control<QPushButton>("btn" + QString::number(k))->palette().color(QPalette::ButtonText);
    }
    QString page() const { return folder.path() + "/files/楼层.html"; }
    testing::FakeBrowser* browser() const { return w->findChild<testing::FakeBrowser*>(); }

    core::Form* w = nullptr;
    testing::ScratchCurrentFolder folder;
};

// Runs first: the window as start-up made it.
TEST_F(LoucengTest, DefaultsAndDefaultBars) {
    EXPECT_EQ(w->windowTitle(), "楼层跳转效果");
    EXPECT_EQ(w->text("edt10"), "45");
    EXPECT_EQ(w->text("edt11"), "18");
    EXPECT_EQ(w->text("edt12"), "#fff");
    EXPECT_EQ(w->text("edt1"), "#ccc");
    EXPECT_EQ(w->text("edt2"), "none");
    EXPECT_EQ(w->text("edt3"), "#f30");
    EXPECT_EQ(w->text("edt4"), "none");
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(w->text("edt" + QString::number(k + 4)), kDefaults.names[k - 1]);
        EXPECT_EQ(w->text("btn" + QString::number(k)), "提取 " + QString::number(k) + " 代码");
    }
    EXPECT_EQ(w->text("btn6"), "预览");
    for (int m = 1; m <= 6; ++m) {
        const QString memo = "mmo" + QString::number(m);
        EXPECT_TRUE(w->control(memo)->isHidden()) << memo.toStdString();
        EXPECT_EQ(w->control(memo)->focusPolicy(), Qt::NoFocus);
    }
    EXPECT_EQ(w->control("wb1")->geometry().size(), QSize(777, 113));

    for (int k = 1; k <= 5; ++k) {
        fake().reset();
        w->fire("btn" + QString::number(k) + "Click");
        const QString want = floorBar(kDefaults, k);
        EXPECT_EQ(w->text("mmo" + QString::number(k + 1)), want) << k;
        EXPECT_EQ(fake().clipboard, want);
        EXPECT_EQ(fake().callsOf("messageBox").size(), 1);
        EXPECT_EQ(fake().lastMessage().text, "该版块的锚点及自定义代码复制成功！");
        EXPECT_EQ(fake().lastMessage().title, "提示信息");
    }
    // The background pictures go into url() as typed.
    EXPECT_TRUE(fake().clipboard.contains("background: url(none) #ccc no-repeat"));
    EXPECT_EQ(core::windowClass("TFrmlouceng")->info.sample(), floorBar(kDefaults, 1));
}

// The bars and the preview from their fields, without the window.
TEST(LoucengSnippet, EachFloorMarksItselfAndLinksTheOthers) {
    for (const Bar& v : {kMarked, kDefaults}) {
        for (int k = 1; k <= 5; ++k)
            EXPECT_EQ(generators::loucengSnippet(barInput(v, k)), floorBar(v, k)) << k;
        EXPECT_EQ(generators::loucengPreview(barInput(v)), previewBar(v));
    }
    // Floor 3 by hand: links to one, two, four, five; its own cell is marked.
    const QString third = generators::loucengSnippet(barInput(kMarked, 3));
    EXPECT_TRUE(third.startsWith("<a name=\"three\"></a>"));
    for (const QString other : {"#one", "#two", "#four", "#five"})
        EXPECT_TRUE(third.contains("href=\"" + other + "\"")) << other.toStdString();
    EXPECT_FALSE(third.contains("href=\"#three\""));
    EXPECT_TRUE(third.contains("<div style=\"width:20%;float:left;background: url(mk.png) #MK no-repeat;\">F3</div>"));
    // Sizes are inserted as typed, never parsed.
    Bar odd = kMarked;
    odd.height = odd.size = "1e309";
    EXPECT_EQ(generators::loucengSnippet(barInput(odd, 2)), floorBar(odd, 2));
    EXPECT_EQ(generators::loucengPreview(barInput(odd)), previewBar(odd));
}

TEST_F(LoucengTest, EachFloorMarksItselfAndLinksTheOthers) {
    type(kMarked);
    for (int k = 1; k <= 5; ++k) {
        w->fire("btn" + QString::number(k) + "Click");
        EXPECT_EQ(w->text("mmo" + QString::number(k + 1)), generators::loucengSnippet(barInput(kMarked, k))) << k;
        EXPECT_EQ(fake().clipboard, w->text("mmo" + QString::number(k + 1)));
    }
    type(kDefaults);
}

TEST_F(LoucengTest, FloorNamesRenameTheirButtons) {
    const QColor blue(0, 0, 255), red(255, 0, 0), green(0, 128, 0);
    const QColor colours[5] = {blue, red, green, blue, red};
    for (int k = 1; k <= 5; ++k) {
        const QString field = "edt" + QString::number(k + 4);
        const QString button = "btn" + QString::number(k);
        w->setText(field, "楼" + QString::number(k));
        EXPECT_EQ(w->text(button), "提取楼" + QString::number(k) + "的代码");
        EXPECT_EQ(buttonColour(k), colours[k - 1]) << k;
        // Clearing the name keeps the caption; the colour is set again.
        w->setText(field, "");
        EXPECT_EQ(w->text(button), "提取楼" + QString::number(k) + "的代码");
        EXPECT_EQ(buttonColour(k), colours[k - 1]);
        w->setText(field, kDefaults.names[k - 1]);
        EXPECT_EQ(w->text(button), "提取" + kDefaults.names[k - 1] + "的代码");
    }
    EXPECT_TRUE(fake().calls.isEmpty());
}

TEST_F(LoucengTest, PreviewWritesTheFilesPageAndMakesItsFolder) {
    ASSERT_FALSE(QDir("files").exists());
    type(kMarked);
    w->fire("btn6Click");
    const QString want = generators::loucengPreview(barInput(kMarked));
    EXPECT_EQ(w->text("mmo1"), want);
    EXPECT_EQ(testing::fileBytes(page()), testing::gbk(want + "\r\n"));
    ASSERT_NE(browser(), nullptr);
    EXPECT_EQ(browser()->parent(), w->control<QWidget>("wb1"));
    EXPECT_EQ(browser()->navigations.last(), page());
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty()); // no copy, no message
    EXPECT_TRUE(fake().callsOf("information").isEmpty());
    EXPECT_FALSE(fake().clipboardSet);
    // The page is written again over the old one.
    type(kDefaults);
    w->fire("btn6Click");
    EXPECT_EQ(testing::fileBytes(page()), testing::gbk(previewBar(kDefaults) + "\r\n"));
}

TEST_F(LoucengTest, AFailedPreviewKeepsTheTextAndTheOldPage) {
    w->fire("btn6Click");
    const int navigations = browser()->navigations.size();
    ASSERT_TRUE(QFile::remove("files/楼层.html"));
    ASSERT_TRUE(QDir().mkpath("files/楼层.html")); // a folder where the page should go
    type(kMarked);
    fake().reset();
    w->fire("btn6Click");
    EXPECT_EQ(w->text("mmo1"), previewBar(kMarked));
    EXPECT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_EQ(fake().lastMessage().title, fake().applicationTitle());
    EXPECT_EQ(browser()->navigations.size(), navigations);
    type(kDefaults);
}

TEST_F(LoucengTest, SizesAreInsertedAsTypedNeverParsed) {
    const QString hostile[] = {"", "abc", "2147483648", "-2147483648", "1e309", "NaN", "1,5",
                               QString(200000, '9')};
    for (const QString& value : hostile) {
        Bar v = kMarked;
        v.height = value;
        v.size = value;
        type(v);
        // A single-line field holds at most 32767 characters.
        EXPECT_EQ(w->text("edt10"), value.left(32767));
        v.height = v.size = w->text("edt10");
        fake().reset();
        w->fire("btn2Click");
        EXPECT_EQ(w->text("mmo3"), floorBar(v, 2)) << value.left(20).toStdString();
        EXPECT_EQ(fake().lastMessage().text, "该版块的锚点及自定义代码复制成功！");
        w->fire("btn6Click");
        EXPECT_EQ(w->text("mmo1"), previewBar(v));
        EXPECT_EQ(fake().callsOf("messageBox").size(), 1); // no error box
    }
    type(kDefaults);
}

TEST_F(LoucengTest, ColourFieldsAndThumbnail) {
    for (const QString field : {"edt12", "edt1", "edt3"}) {
        fake().colors.enqueue(QColor(255, 255, 255));
        w->fire(field + "DblClick");
        EXPECT_EQ(w->text(field), "#FFFFFF");
    }
    type(kDefaults);
    testing::form("Tfrmindex")->fire("img68Click");
    EXPECT_TRUE(w->isVisible());
    w->close();
}

// ---------------------------------------------------------------------------
// Anchor pair

class MaodianTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmmaodian");
    }
    core::Form* w = nullptr;
};

// Runs first: the window as start-up made it.
TEST_F(MaodianTest, UntouchedNameAndEmptyStart) {
    EXPECT_EQ(w->windowTitle(), " 锚点");
    EXPECT_EQ(w->text("cbb1"), "锚点名称");
    QStringList items;
    for (int i = 0; i < w->control<QComboBox>("cbb1")->count(); ++i)
        items << w->control<QComboBox>("cbb1")->itemText(i);
    EXPECT_EQ(items, QStringList({"One", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine", "Ten"}));
    EXPECT_EQ(w->text("mmo2"), "");
    EXPECT_FALSE(w->control("mmo2")->isHidden());
    EXPECT_TRUE(w->control("mmo1")->isHidden());
    EXPECT_TRUE(w->control("mmo3")->isHidden());
    EXPECT_EQ(w->text("btn1"), "复制起点");
    EXPECT_EQ(w->text("btn2"), "复制终点");

    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo3"), "<a  href=\"#锚点名称\"></a>");
    EXPECT_EQ(fake().clipboard, "<a  href=\"#锚点名称\"></a>");
    EXPECT_EQ(fake().lastMessage().text, "复制起点成功，可在装修页面进行添加了！");
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
    w->fire("btn2Click");
    EXPECT_EQ(w->text("mmo1"), "<a name=\"锚点名称\"></a>");
    EXPECT_EQ(fake().clipboard, "<a name=\"锚点名称\"></a>");
    EXPECT_EQ(fake().lastMessage().text, "复制跳转点成功，可在装修页面进行添加了！");
    EXPECT_EQ(fake().callsOf("messageBox").size(), 2);
}

// The start and the target from the fields, without the window.
TEST(MaodianSnippet, StartsAndTargets) {
    const struct {
        QString name, start, link, anchor;
    } cases[] = {
        {"锚点名称", "", "<a  href=\"#锚点名称\"></a>", "<a name=\"锚点名称\"></a>"},
        {"Three", "去看看", "<a  href=\"#Three\">去看看</a>", "<a name=\"Three\"></a>"},
        {"my anchor", "<img src=\"x.jpg\">\r\n第二行\n", "<a  href=\"#my anchor\"><img src=\"x.jpg\">\r\n第二行\n</a>",
         "<a name=\"my anchor\"></a>"},
        {"", "", "<a  href=\"#\"></a>", "<a name=\"\"></a>"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(generators::maodianStart({c.name, c.start}), c.link);
        EXPECT_EQ(generators::maodianTarget({c.name, c.start}), c.anchor);
    }
    EXPECT_EQ(core::windowClass("Tfrmmaodian")->info.sample(), cases[0].link);
}

TEST_F(MaodianTest, StartsAndTargets) {
    const generators::MaodianInput typed{"my anchor", "<img src=\"x.jpg\">\r\n第二行\n"};
    w->setText("cbb1", typed.anchor);
    w->setText("mmo2", typed.start);
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo3"), generators::maodianStart(typed));
    EXPECT_EQ(fake().clipboard, w->text("mmo3"));
    w->fire("btn2Click");
    EXPECT_EQ(w->text("mmo1"), generators::maodianTarget(typed));
    EXPECT_EQ(fake().clipboard, w->text("mmo1"));
    w->control<QComboBox>("cbb1")->setCurrentIndex(1);
    w->fire("btn2Click");
    EXPECT_EQ(fake().clipboard, "<a name=\"Two\"></a>");
    testing::form("Tfrmindex")->fire("img119Click");
    EXPECT_TRUE(w->isVisible());
    w->close();
}

} // namespace
