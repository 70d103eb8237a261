#include "generators/promotions/ztypl.h"
#include "tests/generators/carousels/page_files.h"
#include "tests/generators/promotions/pagewidgets_checks.h"

#include <QRadioButton>

namespace {

struct Comment {
    QString picture, title, text, buttonText, buttonLink;
};

// Picture, title, text, button text and button link of comments 1 to 5.
const char* const kFields[5][5] = {{"edt1", "edt2", "mmo1", "edt4", "edt17"},
                                   {"edt6", "edt5", "mmo2", "edt7", "edt18"},
                                   {"edt12", "edt11", "mmo4", "edt13", "edt19"},
                                   {"edt9", "edt8", "mmo3", "edt10", "edt14"},
                                   {"edt16", "edt15", "mmo5", "edt20", "edt21"}};

const QString kDashed = "<div style=\"height:10px;border-bottom:#999 1px dashed;\"></div>";

QString block(const QString& dashed, const QString& width, const QString& colour, const QString& mainLink,
              const QString& mainPicture, const QList<Comment>& comments) {
    QString out =
        dashed + "<div style=\"height:350px; width:" + width +
        "; margin-top:12px; margin-bottom:12px;\"><div style=\"height:350px; width:350px; float:left;\"><a "
        "href=\"" +
        mainLink + "\" target=\"_blank\"><img src=\"" + mainPicture +
        "\"  width=\"350\"  height=\"350\" alt=\"\"/></a></div>";
    for (int i = 0; i < comments.size(); ++i) {
        const Comment& c = comments[i];
        out +=
            (i == 0
                 ? QString("<div style=\"height:60px; width:62%; float:right;\"><div style=\"width:60px; "
                           "height:60px; overflow:hidden; float:left\"><img src=\"")
                 : QString("<div style=\"height:60px; margin-top:12px;width:62%; float:right;\"><div "
                           "style=\"width:60px; height:60px; overflow:hidden; float:left; \"><img src=\"")) +
            c.picture +
            "\"  alt=\"\"/></div><div style=\"width:11%; float:right; height:60px; "
            "text-align:center;font-size:12px; "
            "margin-left:10px\"><a href=\"" +
            c.buttonLink +
            "\"> <div style=\"height:30px; margin-top:15px; line-height:30px; border:#CCC0px "
            "solid;background:" +
            colour + "\"><span style=\"color: #FFF\">" + c.buttonText +
            "</span></div></a></div><div style=\"width:75%; float:right; height:60px;\"><div "
            "style=\"float:right; "
            "font-size:12px; height:25px; color:" +
            colour + ";width:98%;font-weight:700\">" + c.title +
            "</div><div style=\"float:right; font-size:12px; height:35px; width:98%; color:#666\">" + c.text +
            "</div></div></div>";
    }
    return out + "</div>";
}

class ZtyplTest : public testing::FormTest {
protected:
    ZtyplTest()
        : FormTest("Tfrmztypl") {}
    void SetUp() override {
        FormTest::SetUp();
        ASSERT_TRUE(folder.isValid());
    }
    QString page() const { return folder.path() + "/files.html"; }
    QList<Comment> typeMarkers() {
        QList<Comment> comments;
        for (int k = 0; k < 5; ++k) {
            const Comment c{QString("P%1").arg(k + 1), QString("T%1").arg(k + 1),
                            QString("X%1\r\ny").arg(k + 1), QString("B%1").arg(k + 1),
                            QString("L%1").arg(k + 1)};
            const QString values[] = {c.picture, c.title, c.text, c.buttonText, c.buttonLink};
            for (int f = 0; f < 5; ++f)
                w->setText(kFields[k][f], values[f]);
            comments << c;
        }
        w->setText("medt1", "MAIN");
        w->setText("medt2", "MLINK");
        w->setText("edt3", "C3");
        return comments;
    }
    testing::ScratchCurrentFolder folder;
};

// Runs first: the window as start-up made it.
TEST_F(ZtyplTest, DefaultsGiveTheDashedLineAndFiveSampleComments) {
    EXPECT_EQ(w->windowTitle(), "左图右评论");
    for (const char* radio : {"rb1", "rb2", "rb3"})
        EXPECT_FALSE(w->control<QRadioButton>(radio)->isChecked()) << radio;
    EXPECT_EQ(w->text("edt3"), "#FF4400");
    EXPECT_EQ(w->text("medt2"), "#");
    EXPECT_EQ(w->text("mmo6"), "mmo6\r\n");
    const QString wrapped[] = {
        "实物与图片差很多，领口太\r\n小，完全不值这个价，请大\r\n家不要被图片所欺骗\r\n",
        "实物与图片差很多，领口太小，\r\n完全不值这个价，请大家不要被\r\n图片所欺骗\r\n"};
    QList<Comment> comments;
    for (int k = 0; k < 5; ++k) {
        const Comment c{w->text(kFields[k][0]), "浙江MM 3 秒 前五星好评 ★★★★★", wrapped[k < 3 ? 0 : 1],
                        "顺便买了", "#"};
        EXPECT_FALSE(c.picture.isEmpty());
        EXPECT_EQ(w->text(kFields[k][1]), c.title);
        EXPECT_EQ(w->text(kFields[k][2]), c.text) << kFields[k][2];
        EXPECT_EQ(w->text(kFields[k][3]), c.buttonText);
        EXPECT_EQ(w->text(kFields[k][4]), c.buttonLink);
        comments << c;
    }

    // Nothing to preview or copy before the first build.
    w->fire("btn2Click");
    w->fire("btn3Click");
    EXPECT_TRUE(fake().callsOf("open").isEmpty());
    EXPECT_FALSE(fake().clipboardSet);
    EXPECT_EQ(fake().callsOf("messageBox").size(), 2);

    // Before a shop type is chosen the block is as wide as an ordinary shop's page.
    fake().reset();
    w->fire("btn1Click");
    const QString snippet = block(kDashed, "950px", "#FF4400", "#", w->text("medt1"), comments);
    EXPECT_EQ(w->text("mmo6"), snippet);
    EXPECT_EQ(testing::fileBytes(page()), testing::gbk(snippet + "\r\n"));
    ASSERT_EQ(fake().callsOf("information").size(), 1);
    EXPECT_EQ(fake().callsOf("information").first().text, "已生成代码，您可以点击预览，或者复制代码");
    EXPECT_FALSE(fake().clipboardSet);
    EXPECT_TRUE(fake().callsOf("open").isEmpty());

    w->fire("btn2Click");
    ASSERT_EQ(fake().callsOf("open").size(), 1);
    EXPECT_EQ(fake().callsOf("open").first().address, page());
    w->fire("btn3Click");
    testing::expectCopied(fake(), "Tfrmztypl", snippet, testing::kShopCopied);
}

// The markers of typeMarkers(), as an input.
generators::ZtyplInput markerInput(QList<Comment>& comments) {
    generators::ZtyplInput in;
    for (int k = 0; k < 5; ++k) {
        const Comment c{QString("P%1").arg(k + 1), QString("T%1").arg(k + 1), QString("X%1\r\ny").arg(k + 1),
                        QString("B%1").arg(k + 1), QString("L%1").arg(k + 1)};
        in.pictures[k] = c.picture;
        in.titles[k] = c.title;
        in.texts[k] = c.text;
        in.buttonTexts[k] = c.buttonText;
        in.buttonLinks[k] = c.buttonLink;
        comments << c;
    }
    in.mainPicture = "MAIN";
    in.mainLink = "MLINK";
    in.colour = "C3";
    return in;
}

// The block from the fields, without the window.
TEST(ZtyplSnippet, EveryFieldGoesToItsPlaceWithOrWithoutTheDashedLine) {
    const struct {
        bool dashed;
        QString width, line;
    } cases[] = {{true, "990px", kDashed}, {true, "950px", kDashed}, {false, "990px", ""}, {false, "W", ""}};
    QList<Comment> comments;
    generators::ZtyplInput in = markerInput(comments);
    for (const auto& c : cases) {
        in.dashedLine = c.dashed;
        in.width = c.width;
        EXPECT_EQ(generators::ztyplSnippet(in), block(c.line, c.width, "C3", "MLINK", "MAIN", comments))
            << c.dashed << c.width.toStdString();
    }
}

TEST_F(ZtyplTest, ShopTypeSetsTheWidthAndEveryFieldGoesToItsPlace) {
    typeMarkers();
    QList<Comment> comments;
    generators::ZtyplInput in = markerInput(comments);
    const struct {
        const char* radio;
        QString width;
    } cases[] = {{"rb2", "990px"}, {"rb1", "950px"}, {"rb2", "990px"}};
    for (const auto& c : cases) {
        fake().reset();
        w->control<QRadioButton>(c.radio)->click();
        w->fire("btn1Click");
        in.width = c.width;
        const QString snippet = generators::ztyplSnippet(in);
        EXPECT_EQ(w->text("mmo6"), snippet) << c.radio;
        EXPECT_EQ(testing::fileBytes(page()), testing::gbk(snippet + "\r\n"));
        w->fire("btn3Click");
        testing::expectCopied(fake(), "Tfrmztypl", snippet, testing::kShopCopied);
    }
}

TEST_F(ZtyplTest, AFailedPageWriteShowsTheErrorInsteadOfTheNotice) {
    ASSERT_TRUE(QDir(folder.path()).mkdir("files.html"));
    w->setText("edt3", "unsaved");
    w->fire("btn1Click");
    EXPECT_TRUE(w->text("mmo6").contains("unsaved"));
    testing::expectWriteFailed(fake());
    EXPECT_TRUE(fake().callsOf("information").isEmpty());
}

// Runs last: the dashed line stays away for the rest of the run.
TEST_F(ZtyplTest, ClosingTheDashedLineLastsForTheRun) {
    typeMarkers();
    w->control<QRadioButton>("rb2")->click();
    w->control<QRadioButton>("rb3")->click();
    EXPECT_TRUE(w->control<QRadioButton>("rb2")->isChecked()); // a separate choice
    QList<Comment> marked;
    generators::ZtyplInput in = markerInput(marked);
    in.dashedLine = false;
    in.width = "990px";
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo6"), generators::ztyplSnippet(in));
    w->control<QRadioButton>("rb1")->click();
    w->fire("btn1Click");
    in.width = "950px";
    EXPECT_EQ(w->text("mmo6"), generators::ztyplSnippet(in));
}

} // namespace
