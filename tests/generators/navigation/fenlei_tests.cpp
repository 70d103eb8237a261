#include "core/registry.h"
#include "generators/navigation/fenlei.h"
#include "tests/generators/carousels/page_files.h"
#include "tests/support/helpers.h"

#include <QAbstractButton>
#include <QDir>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

QString e(int i) {
    return "edt" + QString::number(i);
}

// A column's fields: heading text, heading colour, then rows 1 to 5 as
// (name, text colour, link), in the window's design names.
struct ColumnFields {
    int heading, colour;
    int rows[5][3];
};
const ColumnFields kFields[6] = {
    {16, 17, {{3, 1, 11}, {4, 2, 12}, {6, 9, 14}, {5, 8, 13}, {7, 10, 15}}},
    {33, 34, {{18, 23, 28}, {19, 24, 29}, {21, 26, 31}, {20, 25, 30}, {22, 27, 32}}},
    {50, 51, {{35, 40, 45}, {36, 41, 46}, {38, 43, 48}, {37, 42, 47}, {39, 44, 49}}},
    {101, 102, {{86, 91, 96}, {87, 92, 97}, {89, 94, 99}, {88, 93, 98}, {90, 95, 100}}},
    {84, 85, {{69, 74, 79}, {70, 75, 80}, {72, 77, 82}, {71, 76, 81}, {73, 78, 83}}},
    {67, 68, {{52, 57, 62}, {53, 58, 63}, {55, 60, 65}, {54, 59, 64}, {56, 61, 66}}},
};

struct ColumnValues {
    QString heading, colour;
    QString names[5], colours[5], links[5];
};

QString column(const ColumnValues& c) {
    QString out = "<div style=\"width:16%; float:left; height:180px; padding-left:0.6%;\"><div style=\" "
                  "height:30px; line-height:30px; background:" +
                  c.colour + ";text-align:center; color:#FFF; font-size:12px;\">" + c.heading + "</div>";
    for (int r = 0; r < 5; ++r)
        out += " <div style=\" height:30px; line-height:30px; text-align:center;font-size:12px;\"><a href=\"" +
               c.links[r] + "\" target=\"_blank\"><span style=\"color:" + c.colours[r] +
               "; text-decoration:none\">" + c.names[r] + "</span></a></div>";
    return out + "</div>";
}

QString block(const ColumnValues (&columns)[6]) {
    QString out;
    for (const auto& c : columns)
        out += column(c);
    return out;
}

const ColumnValues kDefaults[6] = {
    {"所有分类", "#22CFF6", {"按分类", "按价格", "按收藏", "按新品", ""},
     {"#222222", "#694979", "#222222", "#222222", "#222222"}, {"#", "#", "#", "#", "#"}},
    {"新品上市", "#6AA147", {"7月15日上新", "10.25上新", "8.20上新", "随便写点", ""},
     {"#222222", "#22CFF6", "#222222", "#694979", "#222222"}, {"#", "#", "#", "#", "#"}},
    {"热销上装", "#694979", {"T恤", "针织衫/毛衣", "背心马甲", "", ""},
     {"#222222", "#694979", "#222222", "#222222", "#222222"}, {"#", "#", "#", "#", "#"}},
    {"夏装新款", "#22CFF6", {"羽绒服", "大大大棉袄", "再来个", "", ""},
     {"#666", "#666", "#666", "#22CFF6", "#666"}, {"#", "#", "#", "#", "#"}},
    {"裙装热卖", "#22CFF6", {"打字愁人", "还有", "不像打字", "最后了", ""},
     {"#666", "#694979", "#666", "#666", "#666"}, {"#", "#", "#", "#", "#"}},
    {"流行元素", "#22CFF6", {"懒的要命", "哪吒多好", "三头和六臂", "边抽烟边打字", ""},
     {"#666", "#666", "#694979", "#666", "#666"}, {"#", "#", "#", "#", "#"}},
};

generators::FenleiInput fenleiInput(const ColumnValues (&columns)[6]) {
    generators::FenleiInput in;
    in.columns.clear();
    for (const auto& c : columns) {
        generators::FenleiInput::Column column{c.heading, c.colour, {}, {}, {}};
        for (int r = 0; r < 5; ++r) {
            column.names << c.names[r];
            column.colours << c.colours[r];
            column.links << c.links[r];
        }
        in.columns << column;
    }
    return in;
}

class FenleiTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmfenlei");
        ASSERT_TRUE(folder.isValid());
    }
    void type(const ColumnValues (&columns)[6]) {
        for (int c = 0; c < 6; ++c) {
            w->setText(e(kFields[c].heading), columns[c].heading);
            w->setText(e(kFields[c].colour), columns[c].colour);
            for (int r = 0; r < 5; ++r) {
                w->setText(e(kFields[c].rows[r][0]), columns[c].names[r]);
                w->setText(e(kFields[c].rows[r][1]), columns[c].colours[r]);
                w->setText(e(kFields[c].rows[r][2]), columns[c].links[r]);
            }
        }
    }
    QString page() const { return folder.path() + "/files.html"; }
    testing::FakeBrowser* browser() const { return w->findChild<testing::FakeBrowser*>(); }

    core::Form* w = nullptr;
    testing::ScratchCurrentFolder folder;
};

// Every field a distinct marker: column c row r gives "nCR", "cCR", "lCR".
void marked(ColumnValues (&columns)[6]) {
    for (int c = 0; c < 6; ++c) {
        const QString cc = QString::number(c + 1);
        columns[c].heading = "h" + cc;
        columns[c].colour = "#H" + cc;
        for (int r = 0; r < 5; ++r) {
            const QString cr = cc + QString::number(r + 1);
            columns[c].names[r] = "n" + cr;
            columns[c].colours[r] = "#c" + cr;
            columns[c].links[r] = "l" + cr;
        }
    }
}

// Runs first: the window as start-up made it.
TEST_F(FenleiTest, DefaultsAndDefaultBlock) {
    EXPECT_EQ(w->windowTitle(), "首页横向分类");
    auto* pages = w->control<QTabWidget>("pgc1");
    ASSERT_EQ(pages->count(), 3);
    EXPECT_EQ(pages->tabText(0), "横向分类   ");
    EXPECT_EQ(pages->tabText(1), "参照图    ");
    EXPECT_EQ(pages->tabText(2), "预览      ");
    EXPECT_EQ(pages->currentIndex(), 0);
    const QStringList presets = {"绿色系", "粉色系", "蓝色系", "灰色系", "红色系"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(w->text("rb" + QString::number(i + 1)), presets[i]);
        EXPECT_FALSE(w->control<QAbstractButton>("rb" + QString::number(i + 1))->isChecked());
    }
    EXPECT_EQ(w->text("btn3"), "生成代码");
    EXPECT_EQ(w->text("btn4"), "预览效果");
    EXPECT_EQ(w->text("btn1"), "复制代码");
    EXPECT_TRUE(w->control("mmo1")->isHidden());

    // Copying before anything was made copies nothing.
    w->fire("btn1Click");
    EXPECT_FALSE(fake().clipboardSet);
    EXPECT_NE(fake().lastMessage().text, "代码已被复制了！");

    fake().reset();
    w->fire("btn3Click");
    const QString want = block(kDefaults);
    EXPECT_EQ(w->text("mmo1"), want);
    EXPECT_EQ(core::windowClass("Tfrmfenlei")->info.sample(), want);
    EXPECT_EQ(testing::fileBytes(page()), testing::gbk(want + "\r\n"));
    ASSERT_EQ(fake().callsOf("information").size(), 1);
    EXPECT_EQ(fake().callsOf("information")[0].text, "代码已生成，可以点击预览或者复制代码！");
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());
    EXPECT_FALSE(fake().clipboardSet);
    // Six headings, thirty rows, eight of them empty; one line.
    EXPECT_EQ(want.count("color:#FFF; font-size:12px;"), 6);
    EXPECT_EQ(want.count("<span style="), 30);
    EXPECT_EQ(want.count("text-decoration:none\"></span>"), 8);
    EXPECT_FALSE(want.contains('\n'));

    w->fire("btn1Click");
    EXPECT_EQ(fake().clipboard, want);
    EXPECT_EQ(fake().lastMessage().text, "代码已被复制了！");
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
}

// The block from its fields, without its window.
TEST(FenleiSnippet, FieldsInTheirPlaces) {
    ColumnValues columns[6];
    marked(columns);
    EXPECT_EQ(generators::fenleiSnippet(fenleiInput(columns)), block(columns));
    EXPECT_EQ(generators::fenleiSnippet(fenleiInput(kDefaults)), block(kDefaults));
    ColumnValues empty[6];
    EXPECT_EQ(generators::fenleiSnippet(fenleiInput(empty)), block(empty));
    EXPECT_EQ(generators::fenleiSnippet(fenleiInput(empty)).count("<span style=\"color:; text-decoration:none\"></span>"),
              30);
}

TEST_F(FenleiTest, EachFieldLandsInItsPlace) {
    ColumnValues columns[6];
    marked(columns);
    type(columns);
    w->fire("btn3Click");
    const QString want = generators::fenleiSnippet(fenleiInput(columns));
    EXPECT_EQ(w->text("mmo1"), want);
    EXPECT_EQ(testing::fileBytes(page()), testing::gbk(want + "\r\n"));
    // The copy takes the last generation, not what was typed since.
    w->setText(e(16), "later");
    w->fire("btn1Click");
    EXPECT_EQ(fake().clipboard, want);
    type(kDefaults);
}

TEST_F(FenleiTest, PresetsRecolourTheHeadingsOnly) {
    ColumnValues columns[6];
    marked(columns);
    type(columns);
    const struct {
        QString radio, colour;
    } presets[] = {{"rb1", "#69AF69"}, {"rb2", "#E58196"}, {"rb3", "#3C99A7"},
                   {"rb4", "#433D36"}, {"rb5", "#FF3939"}, {"rb1", "#69AF69"}};
    for (const auto& p : presets) {
        w->setText(e(51), "#userChanged");
        w->control<QAbstractButton>(p.radio)->click();
        for (int c = 0; c < 6; ++c) {
            EXPECT_EQ(w->text(e(kFields[c].colour)), p.colour) << p.radio.toStdString() << c;
            for (int r = 0; r < 5; ++r)
                EXPECT_EQ(w->text(e(kFields[c].rows[r][1])), columns[c].colours[r]);
        }
    }
    type(kDefaults);
}

TEST_F(FenleiTest, PreviewShowsTheWrittenPage) {
    w->fire("btn3Click");
    w->fire("btn4Click");
    auto* pages = w->control<QTabWidget>("pgc1");
    EXPECT_EQ(pages->currentIndex(), 2);
    ASSERT_NE(browser(), nullptr);
    EXPECT_EQ(browser()->parent(), w->control<QWidget>("wb1"));
    EXPECT_EQ(browser()->navigations.last(), page());
    pages->setCurrentIndex(0);
}

TEST_F(FenleiTest, AFailedSaveReplacesTheSuccessNotice) {
    ASSERT_TRUE(QDir().mkdir("files.html")); // a folder where the page should go
    ColumnValues columns[6];
    marked(columns);
    type(columns);
    w->fire("btn3Click");
    EXPECT_EQ(w->text("mmo1"), block(columns));
    EXPECT_TRUE(fake().callsOf("information").isEmpty());
    EXPECT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_EQ(fake().lastMessage().title, fake().applicationTitle());
    type(kDefaults);
}

TEST_F(FenleiTest, ColourFieldsAndThumbnail) {
    for (const ColumnFields& c : kFields) {
        for (int field : {c.colour, c.rows[0][1], c.rows[4][1]}) {
            fake().colors.enqueue(QColor(1, 2, 255));
            w->fire(e(field) + "DblClick");
            EXPECT_EQ(w->text(e(field)), "#0102FF");
        }
        EXPECT_FALSE(w->hasHandler(e(c.heading) + "DblClick"));
    }
    type(kDefaults);
    testing::form("Tfrmindex")->fire("img25Click");
    EXPECT_TRUE(w->isVisible());
    w->close();
}

} // namespace
