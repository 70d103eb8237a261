#include "generators/promotions/xiu.h"
#include "tests/generators/carousels/page_files.h"
#include "tests/generators/promotions/pagewidgets_checks.h"

#include <QLineEdit>
#include <QTabWidget>

namespace {

struct Review {
    QString title, review, buyer, picture, link, price;
};

// Fields of review 1 to 5: title, review, buyer, picture, link, price.
const char* const kFields[5][6] = {{"edt1", "edt10", "edt15", "edt20", "edt25", "edt30"},
                                   {"edt2", "edt9", "edt14", "edt19", "edt24", "edt29"},
                                   {"edt4", "edt8", "edt13", "edt18", "edt23", "edt28"},
                                   {"edt3", "edt7", "edt12", "edt17", "edt22", "edt27"},
                                   {"edt5", "edt6", "edt11", "edt16", "edt21", "edt26"}};

QString show(const QString& name, const QString& cell, const QString& marquee, const QString& speed,
             const QList<Review>& reviews) {
    QString out =
        "<table width=\"100%\" border=\"2\" bordercolor=\"#CC0000\" cellspacing=\"0\" cellpadding=\"0\" "
        "><tr><th height=\"40\" bgcolor=\"#CC0000\" scope=\"col\" ><span style=\"color:#FFF; font-size:16px; "
        "font-weight:700\">" +
        name + "</span></th></tr><tr><td height=\"" + cell +
        "\" valign=\"middle\"><marquee style=\" padding:15px;\" height=\"" + marquee +
        "\"  scrollAmount=" + speed + " direction=up>";
    for (int k = 1; k <= reviews.size(); ++k) {
        const Review& r = reviews[k - 1];
        out +=
            "<table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\"><tr><th align=\"left\" "
            "scope=\"col\" style=\"font-weight:100\"><a style=\"text-decoration:none; color:#000\"  href=\"" +
            r.link +
            "\"  target=\"_blank\" ><div style=\"height:100px; border-bottom:#CCC dotted 1px; "
            "color:#999\"><div "
            "style=\"float:left; margin:10px 0; width:70px\"><img style=\"border:none;\" src=\"" +
            r.picture + "\" width=\"50\" height=\"50 \" alt=\"第" + QString::number(k) +
            "张\"><div style=\"color:#F30; font-family:time new roman; font-size:14px; padding:5px 0\">￥" +
            r.price +
            "</div><br></div><div style=\"float:left; margin:10px 0;\"><div style=\"color:#F00; padding:0px "
            "5px "
            "13px 0px;font-size:14px;\">" +
            r.title + "</div><div  style=\"font-size:12px; padding:3px 0\">评语为：" + r.review +
            "</div><div  style=\"font-size:12px;padding:5px 0\">买家：" + r.buyer +
            " <span style=\"color:#F00; \"> ★★★★★ </span> 好评</div></div></div></a></th></tr></table>";
    }
    return out + "</marquee></td></tr></table>";
}

class XiuTest : public testing::FormTest {
protected:
    XiuTest()
        : FormTest("TFrmxiu") {}
    void SetUp() override {
        FormTest::SetUp();
        ASSERT_TRUE(folder.isValid());
    }
    QString page() const { return folder.path() + "/files.html"; }
    testing::ScratchCurrentFolder folder;
};

// Runs first: the window as start-up made it.
TEST_F(XiuTest, DefaultsGiveFiveSampleReviews) {
    EXPECT_EQ(w->windowTitle(), "买家秀 天猫 集市 750 均通用");
    auto* pages = w->control<QTabWidget>("pgc1");
    ASSERT_EQ(pages->count(), 2);
    EXPECT_EQ(pages->tabText(0), "   参数设置   ");
    EXPECT_EQ(pages->tabText(1), "   买家秀参照   ");
    EXPECT_EQ(w->text("edt31"), "3");
    EXPECT_EQ(w->text("edt32"), "300");
    EXPECT_EQ(w->text("edt33"), "买家秀");
    EXPECT_EQ(w->text("lbl10"), "240");
    EXPECT_EQ(w->text("mmo1"), "mmo1\r\n");
    const QString picture = w->text("edt20");
    EXPECT_FALSE(picture.isEmpty());
    const Review sample{
        "宝贝标题信息",
        "本次购物很开心，卖家服务周到，认真讲解！，产品质量不错，摸起来很舒适，穿起来也很大气档次，很感谢！",
        "岚舟设计",
        picture,
        "#",
        "49.0"};
    QList<Review> reviews;
    for (int k = 0; k < 5; ++k) {
        const QString values[] = {sample.title,   sample.review, sample.buyer,
                                  sample.picture, sample.link,   sample.price};
        for (int f = 0; f < 6; ++f)
            EXPECT_EQ(w->text(kFields[k][f]), values[f]) << kFields[k][f];
        reviews << sample;
    }

    // Before a build there is nothing to preview.
    w->fire("btn3Click");
    EXPECT_TRUE(fake().callsOf("open").isEmpty());
    EXPECT_FALSE(QFile::exists(page()));

    fake().reset();
    w->fire("btn2Click");
    const QString snippet = show("买家秀", "300", "240", "3", reviews);
    EXPECT_EQ(w->text("mmo1"), snippet);
    testing::expectCopied(fake(), "TFrmxiu", snippet, testing::kShopCopied);

    w->fire("btn3Click");
    EXPECT_EQ(testing::fileBytes(page()), testing::gbk(snippet + "\r\n"));
    ASSERT_EQ(fake().callsOf("open").size(), 1);
    EXPECT_EQ(fake().callsOf("open").first().address, page());
}

// Five reviews, each of its own markers.
generators::XiuInput markedReviews(QList<Review>& reviews) {
    generators::XiuInput in;
    for (int k = 0; k < 5; ++k) {
        const Review r{QString("T%1").arg(k + 1), QString("R%1").arg(k + 1), QString("B%1").arg(k + 1),
                       QString("I%1").arg(k + 1), QString("A%1").arg(k + 1), QString("M%1").arg(k + 1)};
        in.titles[k] = r.title;
        in.reviews[k] = r.review;
        in.buyers[k] = r.buyer;
        in.pictures[k] = r.picture;
        in.links[k] = r.link;
        in.prices[k] = r.price;
        reviews << r;
    }
    in.speed = "S31";
    in.name = "N33";
    in.height = "410";
    in.marqueeHeight = "350";
    return in;
}

// The show from the fields, without the window.
TEST(XiuSnippet, EachReviewTakesItsOwnFields) {
    QList<Review> reviews;
    const generators::XiuInput in = markedReviews(reviews);
    EXPECT_EQ(generators::xiuSnippet(in), show("N33", "410", "350", "S31", reviews));
}

// 生成代码 builds from what the fields hold, each field in its place, the
// marquee as high as the cell less 60.
TEST_F(XiuTest, EachReviewTakesItsOwnFields) {
    QList<Review> reviews;
    const generators::XiuInput in = markedReviews(reviews);
    for (int k = 0; k < 5; ++k) {
        const QString values[] = {in.titles[k],   in.reviews[k], in.buyers[k],
                                  in.pictures[k], in.links[k],   in.prices[k]};
        for (int f = 0; f < 6; ++f)
            w->setText(kFields[k][f], values[f]);
    }
    w->setText("edt31", in.speed);
    w->setText("edt33", in.name);
    w->setText("edt32", in.height);
    EXPECT_EQ(w->text("lbl10"), in.marqueeHeight);
    w->fire("btn2Click");
    testing::expectCopied(fake(), "TFrmxiu", generators::xiuSnippet(in), testing::kShopCopied);
}

TEST_F(XiuTest, TheMarqueeFollowsTheCellHeight) {
    const struct {
        QString cell, marquee;
    } cases[] = {{"100", "40"}, {"60", "0"}, {"30.5", "-29.5"}, {"2147483648", "2147483588"}, {"300", "240"}};
    for (const auto& c : cases) {
        w->setText("edt32", c.cell);
        EXPECT_EQ(w->text("lbl10"), c.marquee) << c.cell.toStdString();
    }
    w->setText("edt32", "");
    EXPECT_EQ(w->text("lbl10"), "240");
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());
    w->setText("edt32", "400");
    const QString longText(200000, u'3');
    for (const QString& bad : {QString("abc"), QString("1e309"), QString("NaN"), QString("1,5"), longText}) {
        fake().reset();
        w->setText("edt32", bad);
        testing::expectNotANumber(fake(), bad, "floating point");
        EXPECT_EQ(w->text("lbl10"), "340");
    }
}

TEST_F(XiuTest, ClearEmptiesTheReviewsAndStartsAgainAtSpeedTwo) {
    w->setText("edt32", "500");
    w->fire("btn1Click");
    for (const auto& row : kFields)
        for (const char* field : row)
            EXPECT_EQ(w->text(field), "") << field;
    EXPECT_EQ(w->text("edt31"), "2");
    EXPECT_EQ(w->text("edt32"), "300");
    EXPECT_EQ(w->text("edt33"), "买家秀");
    EXPECT_EQ(w->text("lbl10"), "240");
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());
    w->fire("btn2Click");
    EXPECT_EQ(fake().clipboard, show("买家秀", "300", "240", "2", QList<Review>(5)));
}

TEST_F(XiuTest, AFailedPreviewWriteOpensNothing) {
    w->fire("btn2Click");
    ASSERT_TRUE(QDir(folder.path()).mkdir("files.html"));
    fake().reset();
    w->fire("btn3Click");
    testing::expectWriteFailed(fake());
    EXPECT_TRUE(fake().callsOf("open").isEmpty());
}

} // namespace
