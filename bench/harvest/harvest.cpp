// Harvest benchmark: the image downloader measures 200 pictures of mixed sizes
// from a loopback server that answers each after 50 ms, beside a strictly
// sequential fetch of the same list in the same run.
//   cmake --build build --target harvest && build/harvest
#include "core/fetch.h"
#include "core/form.h"
#include "tests/support/fake_platform.h"
#include "tests/tools/images/picture_server.h"
#include "tools/images/imgurl.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QINGWU_HEADLESS_DIALOGS", "1");
    QApplication application(argc, argv);
    testing::FakePlatform& fake = testing::fakePlatform();
    fake.network = true; // the real fetch service; dialogs stay recorded
    core::setPlatform(&fake);

    // The parse writes its gallery page into the current folder.
    QTemporaryDir scratch;
    QDir::setCurrent(scratch.path());

    testing::PictureServer server;
    if (!server.running()) {
        std::fprintf(stderr, "the picture server did not start\n");
        return 1;
    }
    const int count = 200;
    QStringList addresses;
    QList<core::PictureElement> pictures;
    quint32 seed = 12345;
    for (int i = 0; i < count; ++i) {
        seed = seed * 1103515245u + 12345u;
        const qint64 size = 1024 + (seed >> 8) % (400 * 1024);
        addresses << server.picture(size, QStringLiteral("pic%1.jpg").arg(i), 50);
        pictures.append({QString(), addresses.last()});
    }

    tools::Tfrmimgurl window;
    window.setText(QStringLiteral("edt1"), server.base() + QStringLiteral("/files/none.html"));
    window.fire(QStringLiteral("btn1Click"));
    fake.browsers.last()->scriptedPictures = pictures;
    window.setText(QStringLiteral("edtdaxiao"), QStringLiteral("50"));

    QElapsedTimer clock;
    clock.start();
    {
        QEventLoop loop;
        QObject::connect(&window, &core::Form::busyChanged, &loop, [&loop](bool busy) {
            if (!busy) loop.quit();
        });
        window.fire(QStringLiteral("btn2Click"));
        if (window.busy()) loop.exec();
    }
    const qint64 parallel = clock.elapsed();
    const int kept = window.control<QTreeWidget>(QStringLiteral("lv1"))->topLevelItemCount();

    int once = 0;
    for (const QString& address : addresses)
        once += server.hits(address) == 1;

    QNetworkAccessManager manager;
    clock.restart();
    for (const QString& address : addresses) {
        QNetworkReply* reply = manager.get(QNetworkRequest(QUrl(address)));
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec();
        reply->readAll();
        delete reply;
    }
    const qint64 sequential = clock.elapsed();

    // The same pool with six at a time (one manager), over a fresh list.
    QStringList fresh;
    for (const QString& address : addresses)
        fresh << address + QStringLiteral("?six");
    QList<core::FetchRequest> requests;
    for (const QString& address : fresh)
        requests.append({address, core::FetchKind::Picture, true});
    core::FetchBatch narrow;
    clock.restart();
    {
        QEventLoop loop;
        narrow.start(requests, 6, [](const core::Fetched&) {}, [&loop] { loop.quit(); });
        loop.exec();
    }
    const qint64 six = clock.elapsed();

    std::printf("pictures: %d, kept above 50 KB: %d, fetched exactly once by the parse: %d\n", count, kept,
                once);
    std::printf("parse (%d at a time): %lld ms, sequential fetch: %lld ms, ratio: %.3f (goal 0.1)\n",
                core::fetchLimits().simultaneous, static_cast<long long>(parallel),
                static_cast<long long>(sequential), double(parallel) / double(sequential));
    std::printf("the fetch pool with 6 at a time: %lld ms, ratio: %.3f\n", static_cast<long long>(six),
                double(six) / double(sequential));
    core::setPlatform(nullptr);
    return once == count ? 0 : 1;
}
