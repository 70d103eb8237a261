// The image downloader harvesting a page in the real web engine (run under Xvfb).
#include "tests/generators/carousels/page_files.h"
#include "tests/support/helpers.h"
#include "tests/tools/images/engine_platform.h"
#include "tests/tools/images/picture_server.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

using testing::EnginePlatform;

TEST(ImgurlEngine, HarvestsTheTopLevelDocumentsPictures) {
    QTemporaryDir pages;
    ASSERT_TRUE(pages.isValid());
    QFile page(pages.path() + "/page.html");
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write(
        "<html><body>\n"
        "<img src=\"/p/60000/one.jpg\">\n"
        "<img src=\"../p/70000/two.jpg\">\n"
        "<img name=\"pre\" src=\"/p/90000/named.jpg\">\n"
        "<iframe src=\"/files/inner.html\"></iframe>\n"
        "<script>var i = new Image(); i.src = '/p/80000/three.png'; document.body.appendChild(i);</script>\n"
        "</body></html>\n");
    page.close();
    QFile inner(pages.path() + "/inner.html");
    ASSERT_TRUE(inner.open(QIODevice::WriteOnly));
    inner.write("<html><body><img src=\"/p/65000/framed.jpg\"></body></html>");
    inner.close();

    testing::PictureServer server(pages.path());
    ASSERT_TRUE(server.running());
    testing::ScratchCurrentFolder folder;
    EnginePlatform engine;
    core::setPlatform(&engine);
    core::Form* w = testing::form("Tfrmimgurl");
    w->setText("edtdaxiao", "50");
    w->setText("edt1", server.base() + "/files/page.html");
    w->fire("btn1Click");
    core::Browser* browser = engine.madeIn(w);
    ASSERT_NE(browser, nullptr);
    QSignalSpy loaded(browser, &core::Browser::documentComplete);
    ASSERT_TRUE(loaded.wait(30000));
    QTest::qWait(300); // the script's picture is in the document by now

    testing::fireAndSettle(w, "btn2Click");
    QTreeWidget* images = w->control<QTreeWidget>("lv1");
    QStringList rows;
    for (int i = 0; i < images->topLevelItemCount(); ++i)
        rows << images->topLevelItem(i)->text(0) + " " + images->topLevelItem(i)->text(1) + " " +
                    images->topLevelItem(i)->text(2);
    EXPECT_EQ(rows, QStringList({"第 01 张 " + server.base() + "/p/60000/one.jpg 59K",
                                 "第 02 张 " + server.base() + "/p/70000/two.jpg 68K",
                                 "第 03 张 " + server.base() + "/p/80000/three.png 78K"}));
    // The named picture's address begins with its name and cannot be fetched.
    const QVector<testing::PlatformCall> boxes = engine.callsOf("messageBox");
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_TRUE(boxes[0].text.startsWith("有 1 个图片地址没有取到图片，未计入列表：\r\n下载“")) << boxes[0].text.toStdString();
    EXPECT_EQ(boxes[1].text, "成功解析大于 50 KB, 的图片为 3 张！");
    EXPECT_EQ(server.hits(server.base() + "/p/65000/framed.jpg"), 1); // loaded by the frame, never measured
    core::setPlatform(&testing::fakePlatform());
    w->hide();
}

} // namespace
