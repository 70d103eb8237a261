// The program's one fetch service: the real engine against hostile servers on
// loopback ports, the batch pool, and a window's wait for it.
#include "core/fetch.h"
#include "tests/support/helpers.h"
#include "tests/tools/images/hostile.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using testing::PictureServer;

struct Ended {
    core::Fetched result;
    qint64 after = -1; // milliseconds from the start
};

// Runs requests through the real service, all at once, and waits for every one.
QMap<QString, Ended> fetchAll(const QList<core::FetchRequest>& requests, int simultaneous = 12) {
    QMap<QString, Ended> ended;
    core::FetchBatch batch;
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    batch.start(
        requests, simultaneous, [&](const core::Fetched& result) { ended[result.address] = {result, clock.elapsed()}; },
        [&loop] { loop.quit(); });
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    loop.exec();
    return ended;
}

class FetchTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        fake().network = true;
        testing::lowerFetchLimits();
    }
    testing::FetchLimitsScope limits;
};

TEST_F(FetchTest, EveryHostileAnswerEndsInItsMessageWithinItsLimit) {
    testing::HostileServer server;
    ASSERT_TRUE(server.running());
    const QList<testing::HostileRow> rows = server.rows();
    QList<core::FetchRequest> requests;
    for (const auto& row : rows)
        requests.append({row.address, core::FetchKind::Picture});
    // A good picture and a page among them are not disturbed.
    const QString good = server.picture(300000, "good.jpg");
    const QString html = testing::htmlAsJpeg(server);
    const QString secure = server.secureBase() + "/p/5000/k.jpg";
    requests.append({good, core::FetchKind::Picture});
    requests.append({html, core::FetchKind::Picture});
    requests.append({secure, core::FetchKind::Picture});

    const qint64 before = testing::residentBytes();
    const QMap<QString, Ended> ended = fetchAll(requests);
    const qint64 grown = testing::residentBytes() - before;

    for (const auto& row : rows) {
        ASSERT_TRUE(ended.contains(row.address)) << row.address.toStdString();
        const Ended& end = ended[row.address];
        EXPECT_EQ(end.result.error, testing::hostileMessage(row));
        EXPECT_TRUE(end.result.bytes.isEmpty());
        EXPECT_LE(end.after, row.within) << row.address.toStdString();
    }
    EXPECT_TRUE(ended[good].result.ok());
    EXPECT_EQ(ended[good].result.size, 300000);
    EXPECT_TRUE(core::looksLikePicture(ended[good].result.bytes));
    EXPECT_TRUE(ended[secure].result.ok()) << ended[secure].result.error.toStdString();
    EXPECT_EQ(ended[secure].result.bytes.size(), 5000);
    // HTML served as a picture arrives, and is known for what it is.
    EXPECT_TRUE(ended[html].result.ok());
    EXPECT_FALSE(core::looksLikePicture(ended[html].result.bytes));
    EXPECT_LT(grown, testing::kResidentGrowthLimit);
}

TEST_F(FetchTest, FiveRedirectsAreFollowedASixthIsNot) {
    PictureServer server;
    ASSERT_TRUE(server.running());
    const QString five = server.base() + "/hops/5/five.jpg";
    const QString six = server.base() + "/hops/6/six.jpg";
    const QMap<QString, Ended> ended = fetchAll({{five}, {six}});
    EXPECT_TRUE(ended[five].result.ok()) << ended[five].result.error.toStdString();
    EXPECT_EQ(ended[five].result.bytes.size(), 1000);
    EXPECT_EQ(ended[six].result.error, "下载“" + six + "”失败：重定向超过 5 次，已停止下载。");
}

TEST_F(FetchTest, TheCapsAreThoseOfTheKindAndThePagesCapIsLower) {
    PictureServer server;
    ASSERT_TRUE(server.running());
    const QString three = server.picture(3 << 20, "three.jpg");
    const QMap<QString, Ended> ended =
        fetchAll({{three, core::FetchKind::Picture}, {three + "?page", core::FetchKind::Page}});
    EXPECT_TRUE(ended[three].result.ok());
    EXPECT_EQ(ended[three].result.bytes.size(), 3 << 20);
    EXPECT_EQ(ended[three + "?page"].result.error,
              "下载“" + three + "?page”失败：文件超过 2 MB 的上限，已停止下载。");
}

TEST_F(FetchTest, MeasuringKeepsOnlyTheFirstBytes) {
    PictureServer server;
    ASSERT_TRUE(server.running());
    const QString big = server.picture(3 << 20, "big.jpg");
    const QMap<QString, Ended> ended = fetchAll({{big, core::FetchKind::Picture, true}});
    EXPECT_EQ(ended[big].result.size, 3 << 20);
    EXPECT_EQ(ended[big].result.bytes.size(), core::kHeadBytes);
    EXPECT_TRUE(core::looksLikePicture(ended[big].result.bytes));
}

TEST_F(FetchTest, ABatchFetchesEachDistinctAddressOnceAndNeverMoreThanItsLimitAtOnce) {
    PictureServer server;
    ASSERT_TRUE(server.running());
    QStringList addresses;
    for (int i = 0; i < 8; ++i)
        addresses << server.picture(10, QString("l%1.jpg").arg(i), 300);
    QList<core::FetchRequest> requests;
    for (const QString& address : addresses + addresses)
        requests.append({address});
    QElapsedTimer clock;
    clock.start();
    const QMap<QString, Ended> ended = fetchAll(requests, 4);
    EXPECT_GE(clock.elapsed(), 2 * 300 - 20); // two rounds at least
    EXPECT_LT(clock.elapsed(), 8 * 300);      // never one after another
    EXPECT_EQ(ended.size(), 8);
    for (const QString& address : addresses)
        EXPECT_EQ(server.hits(address), 1);
}

TEST_F(FetchTest, ACancelledBatchReportsNoMoreAndRunsAgain) {
    PictureServer server;
    ASSERT_TRUE(server.running());
    QList<core::FetchRequest> requests = {{server.picture(10, "first.jpg")}};
    for (int i = 0; i < 6; ++i)
        requests.append({server.picture(10, QString("slow%1.jpg").arg(i), 3000)});
    core::FetchBatch batch;
    QStringList reported;
    bool done = false;
    QElapsedTimer clock;
    clock.start();
    batch.start(
        requests, 12,
        [&](const core::Fetched& result) {
            reported << result.address;
            batch.cancel();
        },
        [&] { done = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !batch.running(); }, 2500));
    QTest::qWait(100);
    EXPECT_EQ(reported, QStringList({requests.first().address}));
    EXPECT_FALSE(done);
    EXPECT_LT(clock.elapsed(), 2500);
    EXPECT_EQ(fetchAll({{server.picture(5, "again.jpg")}}).size(), 1);
}

TEST(FetchAddresses, OnlyWebAddressesAreFetched) {
    const struct {
        QString typed;
        QString url; // empty: refused
    } cases[] = {
        {"http://a.test/x.jpg", "http://a.test/x.jpg"},
        {"https://a.test/x.jpg", "https://a.test/x.jpg"},
        {"HTTPS://a.test/x.jpg", "https://a.test/x.jpg"},
        {"//img.test/x.jpg", "https://img.test/x.jpg"},
        {"img.test/x.jpg", "http://img.test/x.jpg"},
        {"  http://a.test/x.jpg  ", "http://a.test/x.jpg"},
        {"file:///etc/passwd", ""},
        {"/etc/passwd", ""},
        {"ftp://a.test/x.jpg", ""},
        {"javascript:alert(1)", ""},
        {"data:image/png;base64,AAAA", ""},
        {"http://", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(core::fetchUrl(c.typed).toString(), c.url) << c.typed.toStdString();
}

TEST(FetchAddresses, PicturesAreKnownByTheirFirstBytes) {
    const struct {
        QByteArray head;
        bool picture;
    } cases[] = {
        {QByteArray("\xFF\xD8\xFF\xE0", 4), true},
        {QByteArray("\x89PNG\r\n\x1A\n....", 12), true},
        {"GIF89a...", true},
        {"GIF87a...", true},
        {QByteArray("RIFF\x10\0\0\0WEBPVP8 ", 16), true},
        {QByteArray("RIFF\x10\0\0\0WAVEfmt ", 16), false},
        {"<html><body>", false},
        {QByteArray("\xFF\xD8", 2), false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(core::looksLikePicture(c.head), c.picture) << c.head.toHex().toStdString();
}

// A window whose command fetches: the steps after the fetch run later, as
// steps of the command.
class WaitingForm : public core::Form {
public:
    WaitingForm()
        : core::Form(QStringLiteral("TfrmWaiting"), QStringLiteral("等待")) {
        setClientSize(300, 200);
        addEdit(this, QStringLiteral("edt1"), QRect(10, 10, 200, 24));
        addButton(this, QStringLiteral("btn1"), QRect(10, 40, 80, 24), QStringLiteral("下载"));
        addButton(this, QStringLiteral("btn2"), QRect(100, 40, 80, 24), QStringLiteral("其他"));
        setStopButton(addButton(this, QStringLiteral("btnstop"), QRect(190, 40, 80, 24), QStringLiteral("停止")));
        addTimer(QStringLiteral("tmr1"), 50, true);
        on(QStringLiteral("btn1Click"), [this] {
            steps << "asked";
            fetchThen(core::FetchRequest{text(QStringLiteral("edt1"))}, [this](const core::Fetched& got) {
                if (!got.ok()) core::fail(got.error);
                steps << "got " + QString::fromUtf8(got.bytes);
                if (chain) {
                    chain = false;
                    fetchThen(core::FetchRequest{next}, [this](const core::Fetched& more) {
                        steps << "then " + QString::fromUtf8(more.bytes);
                    });
                }
            });
        });
        on(QStringLiteral("btn2Click"), [this] { steps << "other"; });
        on(QStringLiteral("tmr1Timer"), [this] { ++ticks; });
    }
    QStringList steps;
    int ticks = 0;
    bool chain = false;
    QString next;
};

class WaitTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        fake().served["http://a.test/1"] = "one";
        fake().served["http://a.test/2"] = "two";
        w.setText("edt1", "http://a.test/1");
    }
    WaitingForm w;
    testing::FetchLimitsScope limits;
};

TEST_F(WaitTest, TheCommandGoesOnWhenThePictureArrivesAndRefusesOthersMeanwhile) {
    fake().held << "http://a.test/1";
    w.fire("btn1Click");
    EXPECT_TRUE(w.busy());
    EXPECT_TRUE(w.control<QPushButton>("btnstop")->isEnabled());
    w.fire("btn2Click");
    w.fire("btn1Click");
    EXPECT_EQ(w.steps, QStringList({"asked"}));
    // The window's timer keeps firing during the wait.
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.ticks >= 3; }, 5000));
    fake().release("http://a.test/1");
    ASSERT_TRUE(testing::settle(&w));
    EXPECT_EQ(w.steps, QStringList({"asked", "got one"}));
    EXPECT_FALSE(w.control<QPushButton>("btnstop")->isEnabled());
    w.fire("btn2Click");
    EXPECT_EQ(w.steps.last(), "other");
    EXPECT_EQ(fake().fetched(), QStringList({"http://a.test/1"}));
}

TEST_F(WaitTest, ABusyCursorShowsAfterHalfASecond) {
    fake().held << "http://a.test/1";
    w.fire("btn1Click");
    QTest::qWait(200);
    EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.cursor().shape() == Qt::BusyCursor; }, 1000));
    fake().release("http://a.test/1");
    ASSERT_TRUE(testing::settle(&w));
    EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(WaitTest, EscapeTheStopButtonAndClosingEndTheWaitAtOnce) {
    w.show();
    for (const QString how : {"Esc", "stop", "close"}) {
        fake().cancelledFetches.clear();
        fake().held << "http://a.test/1";
        w.steps.clear();
        w.fire("btn1Click");
        ASSERT_TRUE(w.busy());
        if (how == "Esc")
            QTest::keyClick(w.control<QLineEdit>("edt1"), Qt::Key_Escape);
        else if (how == "stop")
            w.control<QPushButton>("btnstop")->click();
        else
            w.close();
        EXPECT_FALSE(w.busy()) << how.toStdString();
        EXPECT_EQ(fake().cancelledFetches, QStringList({"http://a.test/1"}));
        fake().release("http://a.test/1"); // too late: nothing waits for it
        QTest::qWait(20);
        EXPECT_EQ(w.steps, QStringList({"asked"}));
        EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());
        w.show();
    }
    w.hide();
}

TEST_F(WaitTest, AFailedStepShowsTheErrorBoxAndEndsTheCommand) {
    w.setText("edt1", "http://a.test/missing");
    w.fire("btn1Click");
    ASSERT_TRUE(testing::settle(&w));
    ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_EQ(fake().lastMessage().text,
              "下载“http://a.test/missing”失败：测试没有提供这个地址。");
    EXPECT_EQ(fake().lastMessage().title, "青梧360");
    EXPECT_EQ(w.steps, QStringList({"asked"}));
    w.fire("btn2Click");
    EXPECT_EQ(w.steps.last(), "other");
}

TEST_F(WaitTest, AStepMayWaitAgain) {
    w.chain = true;
    w.next = "http://a.test/2";
    fake().held << "http://a.test/2";
    w.fire("btn1Click");
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.steps == QStringList({"asked", "got one"}); }, 5000));
    EXPECT_TRUE(w.busy());
    fake().release("http://a.test/2");
    ASSERT_TRUE(testing::settle(&w));
    EXPECT_EQ(w.steps, QStringList({"asked", "got one", "then two"}));
}

} // namespace
