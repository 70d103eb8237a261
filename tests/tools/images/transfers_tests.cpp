#include "tests/support/helpers.h"
#include "tests/tools/images/picture_server.h"
#include "tools/images/transfers.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace {

using testing::PictureServer;

TEST(Transfers, FetchesEachDistinctAddressOnceIntoMemory) {
    PictureServer server;
    ASSERT_TRUE(server.running());
    const QString a = server.picture(1000, "a.jpg");
    const QString b = server.picture(0, "b.jpg");
    const QString gone = server.base() + "/missing/c.jpg";
    tools::Transfers transfers;
    QMap<QString, qint64> sizes;
    int calls = 0;
    const bool complete = transfers.run({a, gone, a, b, a},
                                        [&](const QString& address, const std::optional<QByteArray>& bytes) {
                                            ++calls;
                                            sizes[address] = bytes ? bytes->size() : -1;
                                        });
    EXPECT_TRUE(complete);
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(sizes.value(a), 1000);
    EXPECT_EQ(sizes.value(b), 0);
    EXPECT_EQ(sizes.value(gone), -1);
    EXPECT_EQ(server.hits(a), 1);
    EXPECT_FALSE(transfers.running());
}

TEST(Transfers, NeverRunsMoreThanItsLimitAtOnce) {
    PictureServer server;
    ASSERT_TRUE(server.running());
    QStringList addresses;
    for (int i = 0; i < 8; ++i)
        addresses << server.picture(10, QString("l%1.jpg").arg(i), 300);
    tools::Transfers four(nullptr, 4);
    QElapsedTimer clock;
    clock.start();
    four.run(addresses, [](const QString&, const std::optional<QByteArray>&) {});
    EXPECT_GE(clock.elapsed(), 2 * 300 - 20); // two rounds at least
    EXPECT_LT(clock.elapsed(), 8 * 300);      // never one after another
}

TEST(Transfers, ACancelledRunReportsNoMore) {
    PictureServer server;
    ASSERT_TRUE(server.running());
    QStringList addresses = {server.picture(10, "first.jpg")};
    for (int i = 0; i < 6; ++i)
        addresses << server.picture(10, QString("slow%1.jpg").arg(i), 3000);
    tools::Transfers transfers(nullptr, 6);
    QStringList reported;
    QElapsedTimer clock;
    clock.start();
    const bool complete =
        transfers.run(addresses, [&](const QString& address, const std::optional<QByteArray>&) {
            reported << address;
            transfers.cancel();
        });
    EXPECT_FALSE(complete);
    EXPECT_EQ(reported, QStringList({addresses.first()}));
    EXPECT_LT(clock.elapsed(), 2500);
    // The same object runs again afterwards.
    EXPECT_TRUE(transfers.run({server.picture(5, "again.jpg")},
                              [](const QString&, const std::optional<QByteArray>&) {}));
}

TEST(Transfers, AStalledServerEndsAfterTheStallTimeout) {
    PictureServer server;
    ASSERT_TRUE(server.running());
    tools::Transfers::setStallTimeout(500);
    tools::Transfers transfers;
    std::optional<QByteArray> got = QByteArray("x");
    QElapsedTimer clock;
    clock.start();
    transfers.run({server.base() + "/stall/s.jpg"},
                  [&](const QString&, const std::optional<QByteArray>& bytes) { got = bytes; });
    tools::Transfers::setStallTimeout(30000);
    EXPECT_FALSE(got.has_value());
    EXPECT_GE(clock.elapsed(), 450);
    EXPECT_LT(clock.elapsed(), 5000);
}

} // namespace
