#include "core/addresses.h"
#include "tests/support/helpers.h"
#include "tests/tools/images/hostile.h"
#include "tests/tools/images/loopback.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kQr = QStringLiteral("https://gqrcode.alicdn.com/img");
const QString kFavourites = QStringLiteral("https://favorite.taobao.com/popup/add_collection.htm");

// Each test runs in its own working folder with the real network platform.
class NetTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(work.isValid());
        previousFolder = QDir::currentPath();
        QDir::setCurrent(work.path());
        core::setPlatform(&net);
    }
    void TearDown() override {
        core::setPlatform(&testing::fakePlatform());
        QDir::setCurrent(previousFolder);
    }
    testing::PlatformCall lastMessage() const { return net.lastMessage(); }
    int successMessages(const QString& text) const {
        int count = 0;
        for (const auto& call : net.callsOf("messageBox"))
            count += call.text == text;
        return count;
    }

    testing::NetPlatform net;
    QTemporaryDir work;
    QString previousFolder;
};

class QrTest : public NetTest {
protected:
    void SetUp() override {
        NetTest::SetUp();
        w = testing::form("TfrmBBEWM");
        ASSERT_NE(w, nullptr);
    }
    void submit(const QString& address) {
        w->setText("edt1", address);
        w->fire("btn4Click");
    }
    core::Form* w = nullptr;
};

TEST_F(QrTest, WindowAsStartUpMadeIt) {
    // Runs first: the defaults as start-up made them.
    EXPECT_EQ(w->text("edt2"), "105");
    EXPECT_EQ(w->text("edt3"), "105");
    EXPECT_EQ(w->text("edt5"), "edt5");
    EXPECT_EQ(w->text("mmo1"), "");
    EXPECT_TRUE(w->control<QRadioButton>("rb1")->isChecked());
    EXPECT_FALSE(w->control<QRadioButton>("rb2")->isChecked());
    EXPECT_EQ(w->text("rb1"), "淘宝");
    EXPECT_EQ(w->text("rb2"), "天猫");
    EXPECT_EQ(w->text("btn4"), "提交地址");
    EXPECT_EQ(w->text("btn1"), "提取二维码");
    EXPECT_EQ(w->text("btn3"), "保存图片");
    EXPECT_EQ(w->text("btn2"), "宝贝收藏");
    EXPECT_TRUE(w->text("edt1").contains("id="));
    EXPECT_TRUE(core::Form::keptHidden(w->control("edt5")));
    EXPECT_TRUE(core::Form::keptHidden(w->control("mmo1")));
    EXPECT_EQ(core::addresses::qrCodeService, kQr);
    EXPECT_EQ(core::addresses::favouritesService, kFavourites);
}

TEST_F(QrTest, SavingBeforeAnyQrAddressAsksForOneFirst) {
    // Runs before any QR address was copied: the favourites link is never saved as the picture.
    w->fire("btn2Click");
    net.reset();
    net.folders.enqueue(work.path());
    w->fire("btn3Click");
    EXPECT_TRUE(net.callsOf("folder").isEmpty());
    EXPECT_TRUE(net.callsOf("fetch").isEmpty());
    EXPECT_EQ(lastMessage().text, "请先点击“提取二维码”，再保存图片！");
    EXPECT_FALSE(QFileInfo::exists(work.filePath("宝贝二维码.jpg")));
}

TEST_F(QrTest, BeforeAnySubmitTheIdFieldsInitialTextGoesIntoTheAddresses) {
    // Runs before any other test of this window fills the id.
    if (w->text("edt5") != "edt5") GTEST_SKIP() << "the id was submitted by an earlier test";
    w->fire("btn1Click");
    EXPECT_EQ(net.clipboard, kQr + "?type=ci&item_id=edt5&w=105&h=105&v=1");
    w->fire("btn2Click");
    EXPECT_EQ(net.clipboard, kFavourites + "?id=edt5&itemtype=1&scjjc=1&_tb_token_=9d04be7c2a61e");
}

TEST_F(QrTest, TheIdIsTheAddressesIdParameterByName) {
    const struct {
        QString address, id;
    } cases[] = {
        {"https://item.taobao.com/item.htm?spm=a.b.c&id=4567", "4567"},
        // Not the second value: the parameter named "id".
        {"https://item.taobao.com/item.htm?id=123&spm=x", "123"},
        {"https://detail.tmall.com/item.htm?id=98765", "98765"},
        {"https://item.taobao.com/item.htm?spm=a&skuId=9&id=55#description", "55"},
        {"  https://item.taobao.com/item.htm?ali_refid=a%3D1&id=31&ns=1 \r\n", "31"},
    };
    for (const auto& c : cases) {
        net.reset();
        submit(c.address);
        EXPECT_EQ(w->text("edt5"), c.id) << c.address.toStdString();
        EXPECT_EQ(lastMessage().text, "地址提交完毕，可以提取二维码或收藏了！");
        EXPECT_EQ(lastMessage().title, "提示信息");
        EXPECT_EQ(lastMessage().owner, "TfrmBBEWM");
        EXPECT_FALSE(net.clipboardSet);
    }
}

TEST_F(QrTest, AnAddressWithoutIdFailsAndKeepsTheId) {
    submit("https://item.taobao.com/item.htm?spm=1&id=777");
    for (const QString address :
         {"https://item.taobao.com/item.htm", "https://item.taobao.com/item.htm?spm=a&ids=5",
          "https://item.taobao.com/item.htm?spm=a&id=", ""}) {
        net.reset();
        submit(address);
        EXPECT_EQ(w->text("edt5"), "777") << address.toStdString();
        ASSERT_EQ(net.callsOf("messageBox").size(), 1);
        EXPECT_EQ(lastMessage().title, "青梧360");
        EXPECT_TRUE(lastMessage().text.contains("id")) << lastMessage().text.toStdString();
        EXPECT_EQ(successMessages("地址提交完毕，可以提取二维码或收藏了！"), 0);
    }
}

TEST_F(QrTest, QrAddressAndFavouritesLinkAreCopiedWithTheirMessages) {
    const struct {
        QString width, height, qr;
    } cases[] = {
        {"105", "105", "?type=ci&item_id=4567&w=105&h=105&v=1"},
        {"120", "90", "?type=ci&item_id=4567&w=120&h=90&v=1"},
        // Sizes are inserted as typed.
        {"", "abc", "?type=ci&item_id=4567&w=&h=abc&v=1"},
    };
    submit("https://item.taobao.com/item.htm?spm=a.b.c&id=4567");
    for (const auto& c : cases) {
        net.reset();
        w->setText("edt2", c.width);
        w->setText("edt3", c.height);
        w->fire("btn1Click");
        EXPECT_EQ(net.clipboard, kQr + c.qr);
        EXPECT_EQ(w->text("mmo1"), kQr + c.qr);
        EXPECT_EQ(lastMessage().text, "图片地址已复制！");
        EXPECT_EQ(lastMessage().title, "提示信息");
    }
    net.reset();
    w->fire("btn2Click");
    const QString link = kFavourites + "?id=4567&itemtype=1&scjjc=1&_tb_token_=9d04be7c2a61e";
    EXPECT_EQ(net.clipboard, link);
    EXPECT_EQ(w->text("mmo1"), link);
    EXPECT_EQ(lastMessage().text, "宝贝收藏代码已复制！");
    // The marketplace kind changes nothing.
    w->control<QRadioButton>("rb2")->setChecked(true);
    w->fire("btn2Click");
    EXPECT_EQ(net.clipboard, link);
    w->control<QRadioButton>("rb1")->setChecked(true);
}

TEST_F(QrTest, SavingDownloadsTheQrPictureIntoTheChosenFolder) {
    testing::LoopbackServer server;
    net.mappedHost = "https://gqrcode.alicdn.com";
    net.mappedTo = server.root();
    const QByteArray picture("\xFF\xD8\xFF\xE0 qr picture of 4567 \xFF\xD9", 26);
    server.put("img", picture);
    QTemporaryDir target;

    w->setText("edt2", "105");
    w->setText("edt3", "105");
    submit("https://item.taobao.com/item.htm?spm=a.b.c&id=4567");
    w->fire("btn1Click");
    // The favourites link copied afterwards is no picture: the QR picture is still what gets saved.
    w->fire("btn2Click");
    net.reset();
    net.folders.enqueue(target.path());
    testing::fireAndSettle(w, "btn3Click");

    ASSERT_EQ(net.callsOf("folder").size(), 1);
    EXPECT_EQ(net.callsOf("folder")[0].title, "选择二维码图片保存位置");
    ASSERT_EQ(net.callsOf("fetch").size(), 1);
    EXPECT_EQ(net.callsOf("fetch")[0].address, kQr + "?type=ci&item_id=4567&w=105&h=105&v=1");
    QFile saved(target.filePath("宝贝二维码.jpg"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), picture);
    EXPECT_EQ(lastMessage().text, "图片保存完毕！");
    EXPECT_EQ(lastMessage().title, "提示信息");
}

TEST_F(QrTest, AFailedDownloadIsReportedAndTheOldPictureStays) {
    testing::LoopbackServer server; // serves nothing: every request is answered 404
    net.mappedHost = "https://gqrcode.alicdn.com";
    net.mappedTo = server.root();
    QTemporaryDir target;
    const QString path = target.filePath("宝贝二维码.jpg");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old picture");
    }
    submit("https://item.taobao.com/item.htm?id=4567");
    w->fire("btn1Click");

    for (const QString& folder : {target.path(), target.filePath("no/such/folder")}) {
        net.reset();
        net.folders.enqueue(folder);
        testing::fireAndSettle(w, "btn3Click");
        EXPECT_EQ(net.callsOf("fetch").size(), 1);
        EXPECT_EQ(successMessages("图片保存完毕！"), 0) << folder.toStdString();
        ASSERT_EQ(net.callsOf("messageBox").size(), 1);
        EXPECT_EQ(lastMessage().title, "青梧360");
        EXPECT_EQ(lastMessage().text, "下载“" + server.root() +
                                          "/img?type=ci&item_id=4567&w=105&h=105&v=1”失败：服务器回答 404。图片没有保存。");
    }
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old picture");
    EXPECT_FALSE(QFileInfo::exists(target.filePath("no/such/folder/宝贝二维码.jpg")));
}

// Each hostile answer ends in its message inside its limit, and nothing is
// ever written under the picture's name.
TEST_F(QrTest, HostileAnswersSaveNothing) {
    testing::HostileServer hostile;
    ASSERT_TRUE(hostile.running());
    submit("https://item.taobao.com/item.htm?id=4567");
    w->fire("btn1Click");
    QTemporaryDir target;
    const QString qr = kQr + "?type=ci&item_id=4567&w=105&h=105&v=1";
    QList<testing::HostileRow> table = hostile.rows();
    const QString html = testing::htmlAsJpeg(hostile);
    table.append({html, "", 1000});
    const qint64 before = testing::residentBytes();
    for (const testing::HostileRow& row : table) {
        net.reset();
        net.mappedHost = qr;
        net.mappedTo = row.address;
        net.folders.enqueue(target.path());
        QElapsedTimer clock;
        clock.start();
        testing::fireAndSettle(w, "btn3Click");
        EXPECT_LE(clock.elapsed(), row.within) << row.address.toStdString();
        ASSERT_EQ(net.callsOf("messageBox").size(), 1) << row.address.toStdString();
        // The picture arrives from the address asked for, and is no picture.
        EXPECT_EQ(lastMessage().text, (row.address == html ? core::fetchError::notPicture(qr)
                                                           : testing::hostileMessage(row)) +
                                          "图片没有保存。");
        EXPECT_EQ(lastMessage().title, "青梧360");
        EXPECT_TRUE(QDir(target.path()).entryList(QDir::Files).isEmpty()) << row.address.toStdString();
    }
    EXPECT_LT(testing::residentBytes() - before, testing::kResidentGrowthLimit);
}

TEST_F(QrTest, TheWindowWaitsWithoutBlockingAndEscapeCancels) {
    submit("https://item.taobao.com/item.htm?id=4567");
    w->fire("btn1Click");
    const QString qr = kQr + "?type=ci&item_id=4567&w=105&h=105&v=1";
    testing::FakePlatform& fake = testing::fakePlatform();
    core::setPlatform(&fake);
    fake.reset();
    fake.held << qr;
    fake.served[qr] = QByteArray("\xFF\xD8\xFF\xE0 qr", 7);
    QTemporaryDir target;
    fake.folders.enqueue(target.path());
    w->show();
    w->fire("btn3Click");
    ASSERT_TRUE(w->busy());
    w->fire("btn2Click"); // refused while it waits
    EXPECT_FALSE(fake.clipboardSet);
    QTest::keyClick(w->control<QWidget>("edt1"), Qt::Key_Escape);
    EXPECT_FALSE(w->busy());
    EXPECT_EQ(fake.cancelledFetches, QStringList({qr}));
    EXPECT_TRUE(QDir(target.path()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(fake.callsOf("messageBox").isEmpty());
    w->hide();
    core::setPlatform(&net);
}

TEST_F(QrTest, CancellingTheFolderChooserDoesNothing) {
    submit("https://item.taobao.com/item.htm?id=4567");
    w->fire("btn1Click");
    net.reset();
    w->fire("btn3Click"); // no folder queued: cancelled
    EXPECT_TRUE(net.callsOf("fetch").isEmpty());
    EXPECT_TRUE(net.callsOf("messageBox").isEmpty());
}

// Shop favourites link.

QByteArray gbk(const QString& text) {
    QStringEncoder encoder("GB18030");
    return encoder.encode(text);
}

const QString kTaobaoPage =
    QStringLiteral("<html><head><title>青梧小店</title></head><body><div class=\"shop-collect\">"
                   "<a class=\"collection J_TDialogTrigger\" data-width=\"440\" data-height=\"260\" "
                   "href=\"//favorite.taobao.com/popup/"
                   "add_collection.htm?id=60321&amp;itemid=60321&itemtype=0&ownerid=ab12\" "
                   "target=\"_blank\"><i></i>收藏店铺</a></div></body></html>");
const QString kTmallPage = QStringLiteral(
    "<html><body><div>天猫店 收藏本店 上方</div><a id=\"xshop_collection_href\" "
    "href=\"//favorite.taobao.com/popup/add_collection.htm?id=778899&itemtype=0\",class=\"btn\">"
    "<span>收藏本店</span></a></body></html>");

class ShopTest : public NetTest {
protected:
    void SetUp() override {
        NetTest::SetUp();
        w = testing::form("Tfrmshoucang");
        ASSERT_NE(w, nullptr);
        server.put("taobao.html", gbk(kTaobaoPage));
        server.put("tmall.html", gbk(kTmallPage));
    }
    void extract(const QString& page, bool tmall) {
        w->control<QRadioButton>(tmall ? "rb2" : "rb1")->setChecked(true);
        w->setText("edt1", server.address(page));
        testing::fireAndSettle(w, "btn1Click");
    }
    core::Form* w = nullptr;
    testing::LoopbackServer server;
};

TEST_F(ShopTest, WindowAsStartUpMadeIt) {
    EXPECT_EQ(w->windowTitle(), "获取店铺收藏地址");
    EXPECT_EQ(w->text("rb1"), "淘宝店铺");
    EXPECT_EQ(w->text("rb2"), "天猫店铺");
    EXPECT_EQ(w->text("btn1"), "提取收藏链接");
    EXPECT_EQ(core::addresses::sampleShop, w->text("edt1"));
    EXPECT_TRUE(core::Form::keptHidden(w->control("mmo1")));
}

TEST_F(ShopTest, TheLinkIsReadOutOfTheShopsHomePage) {
    const struct {
        QString page;
        bool tmall;
        QString link;
    } cases[] = {
        {"taobao.html", false,
         "http://favorite.taobao.com/popup/"
         "add_collection.htm?id=60321&amp;itemid=60321&itemtype=0&ownerid=ab12"},
        // The comma ends the first item; the words before the marker do not count.
        {"tmall.html", true, "http://favorite.taobao.com/popup/add_collection.htm?id=778899&itemtype=0"},
    };
    for (const auto& c : cases) {
        net.reset();
        extract(c.page, c.tmall);
        EXPECT_EQ(net.clipboard, c.link) << c.page.toStdString();
        EXPECT_EQ(w->text("mmo1"), c.link);
        EXPECT_EQ(lastMessage().text, "收藏代码提取完毕！");
        EXPECT_EQ(lastMessage().title, "提示信息");
        EXPECT_EQ(lastMessage().owner, "Tfrmshoucang");
        ASSERT_EQ(net.callsOf("fetch").size(), 1);
        EXPECT_EQ(net.callsOf("fetch")[0].address, server.address(c.page));
        EXPECT_TRUE(QFileInfo::exists(QDir(work.path()).filePath("index.txt")));
    }
}

TEST_F(ShopTest, APageWithoutTheMarkersCopiesNothing) {
    extract("taobao.html", false);
    const QString before = net.clipboard;
    const struct {
        QString page;
        bool tmall;
    } cases[] = {{"taobao.html", true}, {"tmall.html", false}};
    for (const auto& c : cases) {
        net.reset();
        net.clipboard = before;
        extract(c.page, c.tmall);
        EXPECT_FALSE(net.clipboardSet);
        EXPECT_EQ(lastMessage().text, "List index out of bounds (0)");
        EXPECT_EQ(lastMessage().title, "青梧360");
        EXPECT_EQ(successMessages("收藏代码提取完毕！"), 0);
    }
}

TEST_F(ShopTest, AFailedDownloadNeverAnswersWithThePreviousShopsPage) {
    extract("taobao.html", false);
    ASSERT_TRUE(QFileInfo::exists("index.txt"));
    const QString link = w->text("mmo1");
    net.reset();
    extract("missing.html", false);
    EXPECT_FALSE(net.clipboardSet);
    EXPECT_EQ(w->text("mmo1"), link);
    EXPECT_EQ(successMessages("收藏代码提取完毕！"), 0);
    EXPECT_EQ(lastMessage().title, "青梧360");
    EXPECT_EQ(lastMessage().text,
              "下载“" + server.address("missing.html") + "”失败：服务器回答 404。请检查店铺地址和网络。");
    EXPECT_FALSE(QFileInfo::exists("index.txt"));
}

TEST_F(ShopTest, ClosingTheWindowDeletesTheTemporaryPage) {
    extract("tmall.html", true);
    ASSERT_TRUE(QFileInfo::exists("index.txt"));
    w->show();
    w->close();
    EXPECT_FALSE(QFileInfo::exists("index.txt"));
    EXPECT_FALSE(w->isVisible());
}

} // namespace
