#include "tests/generators/carousels/page_files.h"
#include "tests/support/helpers.h"
#include "tests/tools/images/hostile.h"
#include "tests/tools/images/picture_server.h"
#include "tools/images/imgurl.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

using testing::PictureServer;

const QString kReminder =
    "提醒信息：\r1、图片删除列表为空，您未选中要删除对象，请点击任意行后再批量删除\r2、如果要删除最后一"
    "条请选中后删除单图！";

TEST(ImgurlLabels, SizeLabels) {
    const struct {
        qint64 bytes;
        QString label;
    } cases[] = {
        {0, "0B"},
        {5, "5B"},
        {500, "500B"},
        {1024, "1,024B"},
        {1025, "1K"},
        {1535, "1K"},
        {1536, "2K"},
        {10240, "10K"},
        {51200, "50K"},
        {51201, "50K"},
        {100000, "98K"},
        {1048576, "1,024K"},
        {1048577, "1.00M"},
        {1572864, "1.50M"},
        {1073741824, "1,024.00M"},
        {1073741825, "1.00G"},
        {5368709120LL, "5.00G"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tools::sizeLabel(c.bytes), c.label) << c.bytes;
}

TEST(ImgurlLabels, NumberLabels) {
    EXPECT_EQ(tools::numberLabel(1), "第 01 张");
    EXPECT_EQ(tools::numberLabel(7), "第 07 张");
    EXPECT_EQ(tools::numberLabel(10), "第 10 张");
    EXPECT_EQ(tools::numberLabel(123), "第 123 张");
}

struct Row {
    QString number, address, size;
    bool operator==(const Row&) const = default;
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.number.toStdString() << " | " << row.address.toStdString() << " | " << row.size.toStdString();
}

class ImgurlTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        ASSERT_TRUE(server.running());
        ASSERT_TRUE(folder.isValid());
        w = testing::form("Tfrmimgurl");
        w->setText("edtdaxiao", "50");
        w->setText("edt3", "100");
        fake().network = true;
        core::fetchLimits().stallMs = 800;
        list("lv1")->clear();
        list("lv2")->clear();
        list("lv3")->clear();
    }
    void TearDown() override {
        w->hide();
    }
    QTreeWidget* list(const QString& name) { return w->control<QTreeWidget>(name); }
    testing::FakeBrowser* browser(const QString& host) {
        QWidget* parent = w->findChild<QWidget*>(host);
        for (testing::FakeBrowser* b : fake().browsers)
            if (b->parent() == parent) return b;
        // Made on first use: make it by showing something in it.
        return nullptr;
    }
    testing::FakeBrowser* page() {
        if (!browser("wb1")) w->fire("btn1Click");
        return browser("wb1");
    }
    void serve(const QStringList& addresses) {
        QList<core::PictureElement> pictures;
        for (const QString& address : addresses)
            pictures.append({QString(), address});
        page()->scriptedPictures = pictures;
    }
    QList<Row> rows(const QString& name) {
        QList<Row> out;
        QTreeWidget* view = list(name);
        for (int i = 0; i < view->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = view->topLevelItem(i);
            out.append({item->text(0), item->text(1), item->text(2)});
        }
        return out;
    }
    int currentTab() { return w->control<QTabWidget>("pgc1")->currentIndex(); }
    // Parses `count` pictures of 60 000 bytes: rows 第 01 张 … in order.
    QStringList parseRows(int count) {
        QStringList addresses;
        for (int i = 1; i <= count; ++i)
            addresses << server.picture(60000, QString("r%1.jpg").arg(i));
        serve(addresses);
        run("btn2Click");
        return addresses;
    }
    void click(const QString& name, int index) {
        QTreeWidget* view = list(name);
        view->setCurrentItem(view->topLevelItem(index));
        w->fire(name + "Click");
    }

    void run(const QString& handler) { testing::fireAndSettle(w, handler); }
    void resetFake() {
        fake().reset();
        fake().network = true;
    }

    testing::FetchLimitsScope limits;
    PictureServer server;
    testing::ScratchCurrentFolder folder;
    core::Form* w = nullptr;
};

TEST_F(ImgurlTest, StartsWithItsDefaults) {
    EXPECT_EQ(w->text("edtdaxiao"), "50");
    EXPECT_EQ(w->text("edt3"), "100");
    EXPECT_EQ(w->text("btn2"), "② 解析图片");
    EXPECT_EQ(w->text("btn5"), "③ 下载保存");
    EXPECT_GE(w->minimumWidth(), 1360);
    EXPECT_EQ(w->minimumHeight(), 850);
    auto* pages = w->control<QTabWidget>("pgc1");
    EXPECT_EQ(pages->tabText(0), " 浏览页面      ");
    EXPECT_EQ(pages->tabText(1), "图片预览     ");
    EXPECT_EQ(pages->tabText(2), "图片编辑     ");
    QTreeWidget* images = list("lv1");
    EXPECT_EQ(images->headerItem()->text(0), "  图片编号");
    EXPECT_EQ(images->headerItem()->text(1), "  图片地址");
    EXPECT_EQ(images->headerItem()->text(2), "大小");
    EXPECT_EQ(images->columnWidth(1), 650);
    const QString date = static_cast<tools::Tfrmimgurl*>(w)->dateText();
    EXPECT_FALSE(date.contains('/'));
    EXPECT_FALSE(date.isEmpty());
    auto* status = w->findChild<QStatusBar*>("stat1");
    ASSERT_NE(status, nullptr);
    QStringList panels;
    for (QLabel* label : status->findChildren<QLabel*>())
        panels << label->text();
    EXPECT_TRUE(panels.contains("当前路径：")) << panels.join(" | ").toStdString();
    EXPECT_TRUE(panels.contains(date));
}

TEST_F(ImgurlTest, ParseKeepsPicturesAboveTheThresholdInDocumentOrder) {
    const QString exact = server.picture(51200, "exact.jpg");
    const QString above = server.picture(51201, "above.jpg");
    const QString big = server.picture(100000, "big.png");
    const QString small = server.picture(500, "small.gif");
    const QString gone = server.base() + "/missing/gone.jpg";
    QList<core::PictureElement> pictures = {
        {"", exact}, {"", above}, {"", small}, {"", gone},
        {"", big},   {"", above}, {"N", big}, // the name attribute goes in front of the source
    };
    page()->scriptedPictures = pictures;
    run("btn2Click");

    EXPECT_EQ(rows("lv1"),
              QList<Row>({{"第 01 张", above, "50K"}, {"第 02 张", big, "98K"}, {"第 03 张", above, "50K"}}));
    EXPECT_EQ(w->text("lbl1"), "3");
    // The addresses that gave no picture in one box, then the closing message.
    const QVector<testing::PlatformCall> boxes = fake().callsOf("messageBox");
    ASSERT_EQ(boxes.size(), 2);
    // In document order.
    EXPECT_EQ(boxes[0].text, "有 2 个图片地址没有取到图片，未计入列表：\r\n下载“" + gone +
                                 "”失败：服务器回答 404。\r\n下载“N" + big +
                                 "”失败：只能下载 http 或 https 地址。");
    EXPECT_EQ(boxes[1].text, "成功解析大于 50 KB, 的图片为 3 张！");
    EXPECT_EQ(boxes[1].title, "提示信息");
    EXPECT_EQ(currentTab(), 1);
    EXPECT_EQ(server.hits(above), 1); // measured once although listed twice
    EXPECT_EQ(server.hits(exact), 1);
    EXPECT_EQ(w->control<QProgressBar>("g1")->value(), w->control<QProgressBar>("g1")->maximum());
}

TEST_F(ImgurlTest, EverythingFetchedSaysNothingAboutFailures) {
    serve({server.picture(60000, "a.jpg")});
    w->setText("edtdaxiao", "0050");
    run("btn2Click");
    EXPECT_EQ(fake().lastMessage().text, "成功解析大于 0050 KB, 的图片为 1 张！");
}

QString galleryLine(const QString& address, const QString& height, const QString& caption) {
    return "<table style=\"float:left;margin:10px;border-collapse:collapse;\" width=\"100\" border=\"0\" "
           "cellpadding=\"0\" cellspacing=\"0\"><tr><td bgcolor=\"#999\"><img src=\"" +
           address + "\" height=" + height +
           "/></td></tr><tr><td height=\"30\" align=\"center\" bgcolor=\"#FFFFFF\" "
           "style=\"font-size:13px;color:#333;font-family:Microsoft YaHei\">" +
           caption + " ] </td></tr></table>\r\n";
}

TEST_F(ImgurlTest, GalleriesNumberRowsTheirOwnWay) {
    w->setText("edt3", "77");
    const QStringList addresses = parseRows(10);
    const QString preview = folder.path() + "/Preview.html";
    QString byParse, byButton;
    for (int i = 0; i < 10; ++i) {
        byParse += galleryLine(addresses[i], "77", QString("第 %1 张 [ 59K").arg(i + 1));
        byButton += galleryLine(addresses[i], "77", QString("第 %1 张 [ 59K").arg(i + 1, 2, 10, QChar('0')));
    }
    EXPECT_EQ(testing::fileBytes(preview), testing::gbk(byParse));
    EXPECT_EQ(browser("wb2")->navigations.last(), preview);
    EXPECT_EQ(rows("lv1").last().number, "第 10 张");

    w->control<QTabWidget>("pgc1")->setCurrentIndex(0);
    w->fire("btn10Click");
    EXPECT_EQ(testing::fileBytes(preview), testing::gbk(byButton));
    EXPECT_EQ(currentTab(), 1);

    w->control<QTabWidget>("pgc1")->setCurrentIndex(2);
    w->control<QPushButton>("btn11")->click();
    EXPECT_EQ(testing::fileBytes(preview), testing::gbk(byButton));
    EXPECT_EQ(currentTab(), 1);

    w->fire("btn9Click");
    QString full;
    for (const QString& address : addresses)
        full += "<img src=\"" + address + " \"/>\r\n";
    EXPECT_EQ(testing::fileBytes(preview), testing::gbk(full));
}

TEST_F(ImgurlTest, APageWithoutPicturesOnlyShowsTheGallery) {
    parseRows(2);
    resetFake();
    page()->scriptedPictures.clear();
    w->control<QTabWidget>("pgc1")->setCurrentIndex(0);
    w->setText("edtdaxiao", "abc");
    run("btn2Click");
    EXPECT_EQ(currentTab(), 1);
    EXPECT_EQ(rows("lv1").size(), 2);
    EXPECT_EQ(w->text("lbl1"), "2");
    EXPECT_TRUE(fake().calls.isEmpty());
}

TEST_F(ImgurlTest, AThresholdThatIsNoIntegerKeepsTheList) {
    parseRows(2);
    const QList<Row> before = rows("lv1");
    const QString huge(200000, u'9');
    for (const QString typed : {"", "abc", "2147483648", "1e309", "NaN", "1,5", "50.5"}) {
        resetFake();
        serve({server.picture(60000, "t.jpg")});
        w->setText("edtdaxiao", typed);
        run("btn2Click");
        EXPECT_EQ(fake().lastMessage().text, "'" + typed + "' is not a valid integer value");
        EXPECT_EQ(rows("lv1"), before);
    }
    resetFake();
    w->setText("edtdaxiao", huge);
    run("btn2Click");
    EXPECT_TRUE(fake().lastMessage().text == "'" + w->text("edtdaxiao") + "' is not a valid integer value");
    EXPECT_EQ(rows("lv1"), before);
    // The lowest integer keeps every picture, however small; an empty
    // answer is no picture.
    serve({server.picture(0, "empty.jpg"), server.picture(3, "tiny.jpg")});
    w->setText("edtdaxiao", "-2147483648");
    run("btn2Click");
    EXPECT_EQ(rows("lv1"), QList<Row>({{"第 01 张", server.picture(3, "tiny.jpg"), "3B"}}));
}

TEST_F(ImgurlTest, RefusedAndStalledPicturesAreCountedNotKept) {
    const QString refused = QString("http://127.0.0.1:%1/p/60000/x.jpg").arg(testing::refusingPort());
    const QString stalled = server.base() + "/stall/y.jpg";
    const QString good = server.picture(60000, "z.jpg");
    serve({refused, stalled, good, "not an address"});
    QElapsedTimer clock;
    clock.start();
    run("btn2Click");
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_EQ(rows("lv1"), QList<Row>({{"第 01 张", good, "59K"}}));
    const QVector<testing::PlatformCall> boxes = fake().callsOf("messageBox");
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_TRUE(boxes[0].text.startsWith("有 3 个图片地址没有取到图片，未计入列表：")) << boxes[0].text.toStdString();
    for (const QString& address : {refused, stalled, QString("not an address")})
        EXPECT_TRUE(boxes[0].text.contains("下载“" + address + "”失败：")) << boxes[0].text.toStdString();
    EXPECT_EQ(boxes[1].text, "成功解析大于 50 KB, 的图片为 1 张！");
}

TEST_F(ImgurlTest, MeasuringRunsConcurrentlyAndKeepsTheWindowAlive) {
    QStringList addresses;
    for (int i = 0; i < 12; ++i)
        addresses << server.picture(60000 + i, QString("c%1.jpg").arg(i), 400);
    serve(addresses);
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(50);
    QElapsedTimer clock;
    clock.start();
    run("btn2Click");
    const qint64 took = clock.elapsed();
    EXPECT_LT(took, 12 * 400 / 2) << took; // sequentially at least 4.8 s
    EXPECT_GT(ticks, 3);                   // the event loop kept turning
    ASSERT_EQ(rows("lv1").size(), 12);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(rows("lv1")[i].address, addresses[i]); // document order, not arrival order
}

TEST_F(ImgurlTest, StoppingAParseChangesNothing) {
    parseRows(2);
    const QList<Row> before = rows("lv1");
    resetFake();
    QStringList slow;
    for (int i = 0; i < 8; ++i)
        slow << server.picture(60000, QString("s%1.jpg").arg(i), 2000);
    serve(slow);
    QTimer::singleShot(300, [this] {
        EXPECT_TRUE(w->control<QPushButton>("btnstop")->isEnabled());
        w->control<QPushButton>("btnstop")->click();
    });
    QElapsedTimer clock;
    clock.start();
    run("btn2Click");
    EXPECT_LT(clock.elapsed(), 1800);
    EXPECT_EQ(rows("lv1"), before);
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());
    EXPECT_FALSE(w->control<QPushButton>("btnstop")->isEnabled());
    EXPECT_EQ(w->control<QProgressBar>("g1")->value(), 0);
    EXPECT_TRUE(w->control<QPushButton>("btn2")->isEnabled());
}

// Every hostile answer at once, among good pictures: one message lists the
// failures before the closing one, the good rows are untouched, nothing is
// saved under a picture's name and memory stays put.
TEST_F(ImgurlTest, HostileServersFailTheirRowsOnly) {
    testing::HostileServer hostile;
    ASSERT_TRUE(hostile.running());
    const QList<testing::HostileRow> table = hostile.rows();
    const QString html = testing::htmlAsJpeg(hostile);
    const QString first = server.picture(60000, "first.jpg");
    const QString last = server.picture(70000, "last.jpg");
    QStringList addresses = {first};
    for (const testing::HostileRow& row : table)
        addresses << row.address;
    addresses << html << last;
    serve(addresses);
    const qint64 before = testing::residentBytes();
    QElapsedTimer clock;
    clock.start();
    run("btn2Click");
    EXPECT_LT(clock.elapsed(), 6000);
    EXPECT_EQ(rows("lv1"), QList<Row>({{"第 01 张", first, "59K"}, {"第 02 张", last, "68K"}}));
    QVector<testing::PlatformCall> boxes = fake().callsOf("messageBox");
    ASSERT_EQ(boxes.size(), 2);
    QStringList listed = boxes[0].text.split("\r\n");
    EXPECT_EQ(listed.takeFirst(), "有 13 个图片地址没有取到图片，未计入列表：");
    listed.sort();
    QStringList expected = {core::fetchError::notPicture(html)};
    for (const testing::HostileRow& row : table)
        expected << testing::hostileMessage(row);
    expected.sort();
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(boxes[1].text, "成功解析大于 50 KB, 的图片为 2 张！");

    // Saving: the rows pointed at the hostile answers save nothing.
    QTreeWidget* images = list("lv1");
    for (const QString& address : addresses.mid(1, addresses.size() - 2)) {
        auto* item = new QTreeWidgetItem(QStringList({"第 99 张", address, "1K"}));
        images->insertTopLevelItem(images->topLevelItemCount() - 1, item);
    }
    QTemporaryDir chosen;
    resetFake();
    fake().folders.enqueue(chosen.path());
    clock.restart();
    run("btn5Click");
    EXPECT_LT(clock.elapsed(), 6000);
    const QString target = chosen.path() + "/QwImg" + static_cast<tools::Tfrmimgurl*>(w)->dateText();
    const int lastRow = images->topLevelItemCount();
    EXPECT_EQ(QDir(target).entryList(QDir::Files, QDir::Name),
              QStringList({"1.jpg", QString::number(lastRow) + ".jpg"}));
    EXPECT_EQ(QFileInfo(target + "/1.jpg").size(), 60000);
    boxes = fake().callsOf("messageBox");
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_TRUE(boxes[0].text.contains(core::fetchError::notPicture(html))) << boxes[0].text.toStdString();
    EXPECT_EQ(boxes[1].text, "图片下载完成！");
    EXPECT_LT(testing::residentBytes() - before, testing::kResidentGrowthLimit);
}

TEST_F(ImgurlTest, SinglePreviewDeleteListAndSelectedNumber) {
    const QStringList addresses = parseRows(4);
    list("lv1")->topLevelItem(1)->setCheckState(0, Qt::Checked);
    list("lv1")->topLevelItem(3)->setCheckState(0, Qt::Checked);
    click("lv1", 2);
    EXPECT_EQ(
        testing::fileBytes(folder.path() + "/Preview.html"),
        testing::gbk("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\"><html><head><meta "
                     "charset=\"GB2312\"></head><body><img src=\"" +
                     addresses[2] + "\" width=\"350\"/></body></html>\r\n"));
    EXPECT_EQ(browser("wb3")->navigations.last(), folder.path() + "/Preview.html");
    EXPECT_EQ(w->text("lbl9"), "2");
    EXPECT_EQ(rows("lv3"),
              QList<Row>({{"第 02 张", addresses[1], "59K"}, {"第 04 张", addresses[3], "59K"}}));

    browser("wb3")->complete();
    EXPECT_EQ(browser("wb3")->bodyAttributes.value("scroll"), "no");
    const QMap<QString, QString> style = {
        {"border", "0"}, {"borderStyle", "none"}, {"margin", "0"}, {"padding", "0"}, {"overflow", "hidden"}};
    EXPECT_EQ(browser("wb3")->bodyStyle, style);
}

TEST_F(ImgurlTest, DeleteOneThenUndoThenSort) {
    const QStringList addresses = parseRows(5);
    list("lv1")->setCurrentItem(list("lv1")->topLevelItem(2));
    fake().answers.enqueue(core::Answer::Cancel);
    w->fire("btn3Click");
    EXPECT_EQ(rows("lv1").size(), 5);
    resetFake();
    w->fire("btn3Click");
    EXPECT_EQ(fake().lastMessage().text, "确定要删除吗？");
    EXPECT_EQ(fake().lastMessage().title, "提示");
    EXPECT_EQ(rows("lv2"), QList<Row>({{"第 03 张", addresses[2], "59K"}}));
    EXPECT_EQ(rows("lv1").size(), 4);
    EXPECT_EQ(w->text("lbl1"), "5"); // not updated by this command

    click("lv2", 0);
    EXPECT_EQ(w->text("lbl9"), "1");
    w->fire("btn4Click");
    EXPECT_TRUE(rows("lv2").isEmpty());
    EXPECT_EQ(rows("lv1").last().number, "第 03 张");
    EXPECT_EQ(list("lv1")->topLevelItem(4)->checkState(0), Qt::Unchecked);
    EXPECT_EQ(w->text("lbl1"), "5");
    w->fire("btn4Click"); // nothing selected in the bin any more
    EXPECT_EQ(rows("lv1").size(), 5);

    emit list("lv1")->header()->sectionClicked(1);
    QStringList numbers;
    for (const Row& r : rows("lv1"))
        numbers << r.number;
    EXPECT_EQ(numbers, QStringList({"第 01 张", "第 02 张", "第 03 张", "第 04 张", "第 05 张"}));
}

TEST_F(ImgurlTest, SortingFollowsTextOrder) {
    parseRows(100);
    // 第 100 张 sorts before 第 99 张 in text order.
    list("lv1")->setCurrentItem(list("lv1")->topLevelItem(0));
    w->fire("btn3Click");
    click("lv2", 0);
    w->fire("btn4Click");
    w->fire("lv1ColumnClick");
    EXPECT_EQ(rows("lv1")[0].number, "第 01 张");
    EXPECT_EQ(rows("lv1")[9].number, "第 10 张");
    EXPECT_EQ(rows("lv1")[10].number, "第 100 张");
    EXPECT_EQ(rows("lv1")[11].number, "第 11 张");
}

TEST_F(ImgurlTest, DeleteChecked) {
    const QStringList addresses = parseRows(4);
    click("lv1", 0); // nothing checked: the delete list is empty
    resetFake();
    w->fire("btn6Click");
    EXPECT_EQ(fake().lastMessage().text, kReminder);
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
    EXPECT_EQ(rows("lv1").size(), 4);

    list("lv1")->topLevelItem(1)->setCheckState(0, Qt::Checked);
    list("lv1")->topLevelItem(2)->setCheckState(0, Qt::Checked);
    click("lv1", 0);
    resetFake();
    fake().answers.enqueue(core::Answer::Cancel);
    w->fire("btn6Click");
    EXPECT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_EQ(fake().lastMessage().text, "你确定要删除吗？");
    EXPECT_EQ(rows("lv1").size(), 4);

    resetFake();
    w->fire("btn6Click");
    EXPECT_EQ(fake().lastMessage().text, "删除成功");
    EXPECT_EQ(rows("lv1"),
              QList<Row>({{"第 01 张", addresses[0], "59K"}, {"第 04 张", addresses[3], "59K"}}));
    EXPECT_EQ(rows("lv2"),
              QList<Row>({{"第 02 张", addresses[1], "59K"}, {"第 03 张", addresses[2], "59K"}}));
    EXPECT_EQ(w->text("lbl1"), "2");
    EXPECT_EQ(rows("lv3").size(), 2); // kept until the next click in the list
}

TEST_F(ImgurlTest, BinMaintenanceAsksFirst) {
    parseRows(3);
    for (int i = 0; i < 3; ++i) {
        list("lv1")->setCurrentItem(list("lv1")->topLevelItem(0));
        w->fire("btn3Click");
    }
    ASSERT_EQ(rows("lv2").size(), 3);
    list("lv2")->setCurrentItem(list("lv2")->topLevelItem(1));
    fake().answers.enqueue(core::Answer::Cancel);
    w->fire("N2Click");
    EXPECT_EQ(rows("lv2").size(), 3);
    resetFake();
    w->fire("N2Click");
    EXPECT_EQ(fake().lastMessage().text, "确定要删除吗？");
    EXPECT_EQ(rows("lv2").size(), 2);
    EXPECT_EQ(rows("lv2")[1].number, "第 03 张");
    fake().answers.enqueue(core::Answer::Cancel);
    w->fire("btn12Click");
    EXPECT_EQ(rows("lv2").size(), 2);
    w->fire("btn12Click");
    EXPECT_TRUE(rows("lv2").isEmpty());
}

TEST_F(ImgurlTest, DownloadNamesFilesByPosition) {
    const QString jpg = server.picture(60001, "a.jpg_400x400.png");
    const QString gif = server.picture(60002, "b.gif");
    const QString other = server.picture(60003, "c.webp");
    const QString png = server.picture(60004, "d.png");
    serve({jpg, gif, other, png, jpg});
    run("btn2Click");
    ASSERT_EQ(rows("lv1").size(), 5);
    QTemporaryDir chosen;
    const QString target = chosen.path() + "/QwImg" + static_cast<tools::Tfrmimgurl*>(w)->dateText();
    QDir().mkpath(target);
    QFile old(target + "/2.gif");
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();

    resetFake();
    fake().folders.enqueue(chosen.path());
    run("btn5Click");
    QStringList names = QDir(target).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(names, QStringList({"1.jpg", "2.gif", "4.png", "5.jpg"}));
    EXPECT_EQ(QFileInfo(target + "/1.jpg").size(), 60001);
    EXPECT_EQ(QFileInfo(target + "/2.gif").size(), 60002);
    EXPECT_EQ(QFileInfo(target + "/4.png").size(), 60004);
    EXPECT_EQ(QFileInfo(target + "/5.jpg").size(), 60001);
    EXPECT_EQ(server.hits(jpg), 2); // once measured, once downloaded for both rows
    EXPECT_EQ(fake().lastMessage().text, "图片下载完成！");
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
    ASSERT_EQ(fake().callsOf("open").size(), 1);
    EXPECT_EQ(fake().callsOf("open")[0].address, target);
}

TEST_F(ImgurlTest, FailedDownloadsAreCountedInTheMessage) {
    const QString once = server.base() + "/p/60000/once.jpg";
    serve({server.picture(60000, "ok.jpg"), once});
    run("btn2Click");
    ASSERT_EQ(rows("lv1").size(), 2);
    // The second row's server is gone by the time of the download.
    list("lv1")->topLevelItem(1)->setText(1, server.base() + "/missing/once.jpg");
    QTemporaryDir chosen;
    resetFake();
    fake().folders.enqueue(chosen.path());
    run("btn5Click");
    const QVector<testing::PlatformCall> boxes = fake().callsOf("messageBox");
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_EQ(boxes[0].text, "有 1 张图片没有保存：\r\n下载“" + server.base() +
                                 "/missing/once.jpg”失败：服务器回答 404。");
    EXPECT_EQ(boxes[1].text, "图片下载完成！");
    const QString target = chosen.path() + "/QwImg" + static_cast<tools::Tfrmimgurl*>(w)->dateText();
    EXPECT_EQ(QDir(target).entryList(QDir::Files), QStringList({"1.jpg"}));
}

TEST_F(ImgurlTest, CancelledFolderChoiceDoesNothing) {
    parseRows(1);
    resetFake();
    run("btn5Click");
    EXPECT_EQ(fake().callsOf("folder").size(), 1);
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());
    EXPECT_TRUE(fake().callsOf("open").isEmpty());
}

TEST_F(ImgurlTest, DownloadingAnEmptyListSaysSo) {
    QTemporaryDir chosen;
    fake().folders.enqueue(chosen.path() + "/deep/er");
    run("btn5Click");
    const QString target = chosen.path() + "/deep/er/QwImg" + static_cast<tools::Tfrmimgurl*>(w)->dateText();
    EXPECT_TRUE(QDir(target).exists());
    EXPECT_TRUE(QDir(target).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(fake().lastMessage().text, "图片列表为空，没有可下载的图片！");
    EXPECT_TRUE(fake().callsOf("open").isEmpty());
}

TEST_F(ImgurlTest, ClosingMovesThePreviewToTheBin) {
    w->show();
    w->close();
    EXPECT_TRUE(fake().callsOf("trash").isEmpty());
    parseRows(1);
    ASSERT_TRUE(QFile::exists(folder.path() + "/Preview.html"));
    resetFake();
    w->show();
    w->close();
    ASSERT_EQ(fake().callsOf("trash").size(), 1);
    EXPECT_EQ(fake().callsOf("trash")[0].path, folder.path() + "/Preview.html");
}

TEST_F(ImgurlTest, BrowsingLoadsTheAddress) {
    w->control<QTabWidget>("pgc1")->setCurrentIndex(2);
    w->setText("edt1", "http://127.0.0.1:1/shop");
    w->fire("btn1Click");
    EXPECT_EQ(page()->navigations.last(), "http://127.0.0.1:1/shop");
    EXPECT_EQ(currentTab(), 0);
    w->setText("edt1", "http://127.0.0.1:1/other");
    QTest::keyClick(w->control<QLineEdit>("edt1"), Qt::Key_Return);
    EXPECT_EQ(page()->navigations.last(), "http://127.0.0.1:1/other");
    const int before = page()->navigations.size();
    w->fire("btn14Click");
    EXPECT_EQ(page()->navigations.size(), before + 1);
    EXPECT_NE(page()->navigations.last(), "http://127.0.0.1:1/other");
}

TEST_F(ImgurlTest, TheDeletePanelFollowsTheMouse) {
    w->show();
    w->control<QTabWidget>("pgc1")->setCurrentIndex(2);
    QWidget* panel = w->findChild<QWidget*>("pnl12");
    const QPoint start = panel->pos();
    QTest::mousePress(panel, Qt::LeftButton, {}, QPoint(5, 5));
    auto drag = [&](const QPoint& to) {
        QMouseEvent move(QEvent::MouseMove, QPointF(to), panel->mapToGlobal(QPointF(to)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(panel, &move);
    };
    drag(QPoint(45, -15));
    EXPECT_EQ(panel->pos(), start + QPoint(40, -20));
    drag(QPoint(5, 5000)); // never beyond the parent's edge
    EXPECT_EQ(panel->pos().y() + panel->height(), panel->parentWidget()->height());
    QTest::mouseRelease(panel, Qt::LeftButton, {}, QPoint(5, 5));
    const QPoint released = panel->pos();
    drag(QPoint(50, 50)); // no button held: the panel stays
    EXPECT_EQ(panel->pos(), released);
}

} // namespace
