#include "tests/generators/carousels/page_files.h"
#include "tests/support/helpers.h"
#include "core/text.h"
#include "tools/code/piliangtonglan.h"

#include "tests/tools/images/hostile.h"

#include <QBuffer>
#include <QFile>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QImage>
#include <QRadioButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

QByteArray picture(int width, int height, const char* format = "JPG") {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

const QString kA = "http://img.test/a.jpg";
const QString kB = "http://img.test/b.jpg";
const QString kC = "http://img.test/c.jpg";

// The wrapped picture tag, written from the layer table by hand.
QString professionalOrBasic(const QString& w, const QString& h, const QString& r, const QString& offset,
                            const QString& tag) {
    return "<div  style=\"height:" + r +
           "px;\"><div class=\"most-footer footer-more-trigger\" style=\"left:50%;width:" + w + "px;height:" + h +
           "px;right:auto;top:auto;padding:0;border:none;left:auto;z-index:1;background-color: transparent; \"> "
           "<div class=\"most-footer footer-more-trigger\" style=\"left:-" +
           offset + "px;top:-20px;border:none;padding:0;background-color: transparent; \">" + tag +
           "</div></div></div>";
}
QString tmall(const QString& w, const QString& h, const QString& r, const QString& offset, const QString& tag) {
    return "<div style=\"height:" + r + "px;\"><div class=\"sn-simple-logo\" style=\"left:50%;width:" + w +
           "px;height:" + h +
           "px;right:auto;top:auto;padding:0;border:none;left:auto;z-index:1;background-color: transparent; \">"
           "<div class=\"sn-simple-logo\" style=\"left:-" +
           offset + "px;top:-20px;border:none;padding:0;background-color: transparent; \">" + tag +
           "</div></div></div>";
}

class PiliangTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmpiliangtonglan");
        list = w->control<QTreeWidget>("lv1");
        fake().served[kA] = picture(1920, 600);
        fake().served[kB] = picture(1921, 500);
        fake().served[kC] = picture(990, 300);
        w->setText("edt2", "tarro");
    }
    QStringList column(int c) const {
        QStringList texts;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            texts << list->topLevelItem(i)->text(c);
        return texts;
    }
    void pick(int row) {
        list->setCurrentItem(list->topLevelItem(row));
    }
    core::Form* w = nullptr;
    QTreeWidget* list = nullptr;
};

// Runs first: no edition has been chosen yet.
TEST_F(PiliangTest, DefaultsAndNoEditionYet) {
    for (const char* rb : {"rb1", "rb2", "rb3"})
        EXPECT_FALSE(w->control<QRadioButton>(rb)->isChecked()) << rb;
    EXPECT_EQ(w->text("rb1"), "专业版");
    EXPECT_EQ(w->text("rb2"), "天猫店");
    EXPECT_EQ(w->text("rb3"), "基础版");
    EXPECT_EQ(core::textLines(w->text("mmo1")).size(), 15);
    EXPECT_EQ(w->text("edt1"), "100");
    EXPECT_FALSE(w->control<QWidget>("pnl1")->isVisibleTo(w));
    EXPECT_EQ(list->headerItem()->text(3), "成品");

    w->setText("mmo1", kA + "\r\n" + kB);
    testing::fireAndSettle(w, "btn3Click");
    EXPECT_EQ(column(0), QStringList({"模1", "模2"}));
    EXPECT_EQ(column(1), QStringList({"1920", "1921"}));
    EXPECT_EQ(column(2), QStringList({"600", "500"}));
    EXPECT_EQ(column(3), QStringList({"", ""}));
    // Nothing to copy on a row without code.
    pick(0);
    w->fire("lv1DblClick");
    EXPECT_FALSE(fake().clipboardSet);
    EXPECT_EQ(list->topLevelItem(0)->text(0), "模1");
}

TEST_F(PiliangTest, CodePerEditionFromThePicturesOwnSize) {
    const struct {
        const char* button;
        QString first, second;
    } cases[] = {
        {"rb1", professionalOrBasic("1920", "600", "580", "485", "<img src=\"" + kA + "\" usemap=\"#M0\" />"),
         professionalOrBasic("1921", "500", "480", "485.5", "<img src=\"" + kB + "\" usemap=\"#M1\" />")},
        {"rb3", professionalOrBasic("1920", "600", "580", "685", "<img src=\"" + kA + "\" usemap=\"#M0\" />"),
         professionalOrBasic("1921", "500", "480", "685.5", "<img src=\"" + kB + "\" usemap=\"#M1\" />")},
        {"rb2", tmall("1920", "600", "580", "465", "<img src=\"" + kA + "\" usemap=\"#M0\" />"),
         tmall("1921", "500", "480", "465.5", "<img src=\"" + kB + "\" usemap=\"#M1\" />")},
    };
    for (const auto& c : cases) {
        w->control<QRadioButton>(c.button)->setChecked(true);
        w->setText("edt2", "M");
        w->setText("mmo1", kA + "\r\n" + kB);
        testing::fireAndSettle(w, "btn3Click");
        EXPECT_EQ(column(3), QStringList({c.first, c.second})) << c.button;
    }
    // A picture narrower than the column gives a negative offset, written as it comes.
    w->setText("mmo1", kC);
    testing::fireAndSettle(w, "btn3Click");
    EXPECT_EQ(column(3), QStringList({tmall("990", "300", "280", "0", "<img src=\"" + kC + "\" usemap=\"#M0\" />")}));
}

TEST_F(PiliangTest, TrimmedListNumbersRowsAndMaps) {
    w->control<QRadioButton>("rb1")->setChecked(true);
    w->setText("mmo1", "\r\n  " + kA + "\r\n" + kB + "\n" + kC + "\r\n\r\n  ");
    testing::fireAndSettle(w, "btn3Click");
    EXPECT_EQ(w->text("mmo1"), kA + "\r\n" + kB + "\n" + kC);
    EXPECT_EQ(column(0), QStringList({"模1", "模2", "模3"}));
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(column(3)[i].contains(QString("usemap=\"#tarro%1\" />").arg(i))) << i;
    // The list is rebuilt, not appended to.
    testing::fireAndSettle(w, "btn3Click");
    EXPECT_EQ(list->topLevelItemCount(), 3);
}

TEST_F(PiliangTest, ClickShowsDoubleClickCopiesAndMarks) {
    w->control<QRadioButton>("rb1")->setChecked(true);
    w->setText("mmo1", kA + "\r\n" + kB);
    testing::fireAndSettle(w, "btn3Click");
    const QString code = professionalOrBasic("1921", "500", "480", "485.5",
                                             "<img src=\"" + kB + "\" usemap=\"#tarro1\" />");
    pick(1);
    w->fire("lv1Click");
    EXPECT_EQ(w->text("mmo3"), code + "\r\n");
    EXPECT_FALSE(fake().clipboardSet);
    for (int press = 0; press < 2; ++press) {
        fake().clipboard.clear();
        w->fire("lv1DblClick");
        EXPECT_EQ(fake().clipboard, code + "\r\n");
        EXPECT_EQ(fake().callsOf("information").size(), press + 1);
        EXPECT_EQ(fake().callsOf("information").last().text, "代码复制成功！");
        EXPECT_EQ(list->topLevelItem(1)->text(0), "已安");
    }
    EXPECT_EQ(list->topLevelItem(0)->text(0), "模1");
}

TEST_F(PiliangTest, UnreadablePicturesAreNamedAndStopTheRun) {
    w->control<QRadioButton>("rb1")->setChecked(true);
    fake().served["http://img.test/p.png"] = picture(100, 50, "PNG");
    fake().served["http://img.test/cut.jpg"] = picture(1920, 600).left(2);
    const QString missing = "http://img.test/missing.jpg";
    for (const QString& bad : {missing, QString("http://img.test/p.png"), QString("http://img.test/cut.jpg")}) {
        fake().reset();
        fake().served[kA] = picture(1920, 600);
        fake().served["http://img.test/p.png"] = picture(100, 50, "PNG");
        fake().served["http://img.test/cut.jpg"] = picture(1920, 600).left(2);
        w->setText("mmo1", kA + "\r\n" + bad + "\r\n" + kA);
        testing::fireAndSettle(w, "btn3Click");
        EXPECT_EQ(column(0), QStringList({"模1"})) << bad.toStdString();
        ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
        EXPECT_TRUE(fake().lastMessage().text.contains(bad)) << fake().lastMessage().text.toStdString();
    }
    core::Fetched png;
    png.address = "http://img.test/p.png";
    png.bytes = picture(100, 50, "PNG");
    EXPECT_TRUE(testing::failureOf([&] { tools::Tfrmpiliangtonglan::pictureSize(png); }).contains("p.png"));
}

TEST_F(PiliangTest, WaitsForEachPictureInTurnAndRefusesOtherCommandsMeanwhile) {
    w->control<QRadioButton>("rb1")->setChecked(true);
    fake().held << kB;
    w->setText("mmo1", kA + "\r\n" + kB + "\r\n" + kC);
    w->fire("btn3Click");
    // The first picture converted, the second on its way.
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->topLevelItemCount() == 1; }, 5000));
    EXPECT_TRUE(w->busy());
    EXPECT_EQ(fake().fetched(), QStringList({kA, kB}));
    w->fire("N2Click"); // refused: the addresses stay
    EXPECT_EQ(w->text("mmo1"), kA + "\r\n" + kB + "\r\n" + kC);
    fake().release(kB);
    ASSERT_TRUE(testing::settle(w));
    EXPECT_EQ(column(0), QStringList({"模1", "模2", "模3"}));
    EXPECT_EQ(fake().fetched(), QStringList({kA, kB, kC}));
    w->fire("N2Click");
    EXPECT_EQ(w->text("mmo1"), "");
}

TEST_F(PiliangTest, EscapeStopsTheConversionAtOnce) {
    w->control<QRadioButton>("rb1")->setChecked(true);
    fake().held << kB;
    w->setText("mmo1", kA + "\r\n" + kB + "\r\n" + kC);
    w->show();
    w->fire("btn3Click");
    ASSERT_TRUE(QTest::qWaitFor([&] { return fake().pendingFetches() == 1; }, 5000));
    QTest::keyClick(w->control<QWidget>("mmo1"), Qt::Key_Escape);
    EXPECT_FALSE(w->busy());
    EXPECT_EQ(fake().cancelledFetches, QStringList({kB}));
    EXPECT_EQ(column(0), QStringList({"模1"}));
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());
    w->hide();
}

TEST_F(PiliangTest, ThumbnailPageAndPanel) {
    testing::ScratchCurrentFolder scratch;
    w->fire("btn1Click");
    EXPECT_TRUE(w->control<QWidget>("pnl1")->isVisibleTo(w));
    w->setText("mmo1", "x.jpg\r\ny.jpg");
    w->setText("edt1", "P9");
    w->fire("btn4Click");
    const QString cell = "<table style=\"float:left;margin:10px;background-color:#000; color:#FFF; "
                         "text-align:center;font-size:14px;\" width=\"P9\" height=\"P9\"  border=\"0\" "
                         "cellpadding=\"0\" cellspacing=\"0\"><tr><td><img src=\"%1\" width=\"P9\" /></td></tr>"
                         "<tr><td> NO.%2</td></tr></table>\r\n";
    EXPECT_EQ(testing::fileBytes(scratch.path() + "/预览.html"),
              testing::gbk(cell.arg("x.jpg").arg(1) + cell.arg("y.jpg").arg(2)));
    auto browsers = w->findChildren<testing::FakeBrowser*>();
    ASSERT_EQ(browsers.size(), 1);
    EXPECT_EQ(browsers[0]->navigations.last(), scratch.path() + "/预览.html");
    w->fire("btn2Click");
    EXPECT_FALSE(w->control<QWidget>("pnl1")->isVisibleTo(w));
}

TEST_F(PiliangTest, PasteAndClearTheAddresses) {
    fake().clipboard = "http://img.test/z.jpg";
    w->fire("N3Click");
    EXPECT_EQ(w->text("mmo1"), "http://img.test/z.jpg");
    w->fire("N2Click");
    EXPECT_EQ(w->text("mmo1"), "");
}

// Each hostile answer stops the conversion at its picture with its message,
// inside its limit; the rows before it stay.
TEST_F(PiliangTest, HostileAnswersStopAtTheirPicture) {
    testing::HostileServer hostile;
    ASSERT_TRUE(hostile.running());
    w->control<QRadioButton>("rb1")->setChecked(true);
    const qint64 before = testing::residentBytes();
    QList<testing::HostileRow> table = hostile.rows();
    for (testing::HostileRow& row : table)
        row.why += "转化停在这张图片。";
    const QString html = testing::htmlAsJpeg(hostile);
    for (const testing::HostileRow& row : table + QList<testing::HostileRow>{{html, "", 1000}}) {
        fake().reset();
        fake().network = true;
        fake().served[kA] = picture(1920, 600);
        w->setText("mmo1", kA + "\r\n" + row.address + "\r\n" + kA);
        QElapsedTimer clock;
        clock.start();
        testing::fireAndSettle(w, "btn3Click");
        EXPECT_LE(clock.elapsed(), row.within) << row.address.toStdString();
        EXPECT_EQ(column(0), QStringList({"模1"})) << row.address.toStdString();
        ASSERT_EQ(fake().callsOf("messageBox").size(), 1) << row.address.toStdString();
        if (row.address == html)
            EXPECT_TRUE(fake().lastMessage().text.startsWith("图片\"" + html + "\"不是可读的 JPEG 图片（"))
                << fake().lastMessage().text.toStdString();
        else
            EXPECT_EQ(fake().lastMessage().text, testing::hostileMessage(row));
    }
    EXPECT_LT(testing::residentBytes() - before, testing::kResidentGrowthLimit);
}

// The real fetch service against a web server on the loopback address.
TEST_F(PiliangTest, SizesOfPicturesServedOverHttp) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile file(folder.filePath("banner.jpg"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(picture(1920, 600));
    file.close();
    testing::PictureServer server(folder.path());
    ASSERT_TRUE(server.running());
    const QString banner = server.base() + "/files/banner.jpg";
    const QString page = server.base() + "/files/none.html";
    fake().network = true;
    w->control<QRadioButton>("rb1")->setChecked(true);
    w->setText("mmo1", banner + "\r\n" + page + "\r\n" + banner);
    testing::fireAndSettle(w, "btn3Click");
    EXPECT_EQ(column(1), QStringList({"1920"}));
    EXPECT_EQ(column(2), QStringList({"600"}));
    ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_EQ(fake().lastMessage().text, "下载“" + page + "”失败：服务器回答 404。转化停在这张图片。");
}

} // namespace
