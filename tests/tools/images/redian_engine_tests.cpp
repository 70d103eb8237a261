// The hotspot page in the real web engine (run under Xvfb): the outlines lie
// exactly over the hotspots and do not catch the pointer.
#include "core/files.h"
#include "tests/support/engine.h"
#include "tests/support/helpers.h"
#include "tests/tools/images/engine_platform.h"

#include <QEventLoop>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {

using testing::evaluate;

TEST(RedianEngine, OutlinesCoverTheHotspotsAndLetClicksThrough) {
    QTemporaryDir program;
    ASSERT_TRUE(program.isValid());
    const QString previous = core::programFolder();
    core::setProgramFolder(program.path());
    QImage picture(400, 200, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(program.path() + "/p.png"));

    testing::EnginePlatform engine;
    core::setPlatform(&engine);
    core::Form* w = testing::form("Tfrmredian");
    w->show();
    w->fire("imgl2Click");
    w->setText("edt1", QUrl::fromLocalFile(program.path() + "/p.png").toString());
    w->setText("cbb1", "400");
    w->setText("edt2", "200");
    w->fire("btn1Click");
    for (const QString link : {"edt14", "edt18", "edt17", "edt16"})
        w->setText(link, "https://example.invalid/" + link);
    w->setText("edt20", "100,0,250,200"); // corrected by hand
    core::Browser* browser = engine.madeIn(w);
    ASSERT_NE(browser, nullptr);
    QSignalSpy loaded(browser, &core::Browser::documentComplete);
    w->fire("btn7Click");
    ASSERT_TRUE(loaded.wait(30000));

    const QVariant boxes =
        evaluate(browser, "(function () { var p = document.images[0].getBoundingClientRect();"
                          " return Array.from(document.querySelectorAll('div > div')).map(function (d) {"
                          " var r = d.getBoundingClientRect();"
                          " return [r.left - p.left, r.top - p.top, r.width, r.height].join(','); }); })()");
    EXPECT_EQ(boxes.toStringList(),
              QStringList({"0,0,100,200", "100,0,150,200", "200,0,100,200", "300,0,100,200"}));
    const QVariant hit =
        evaluate(browser, "(function () { var p = document.images[0].getBoundingClientRect();"
                          " var e = document.elementFromPoint(p.left + 120, p.top + 50);"
                          " return e ? e.tagName + ' ' + (e.getAttribute('href') || '') : 'nothing'; })()");
    EXPECT_EQ(hit.toString(), "AREA https://example.invalid/edt18");

    core::setPlatform(&testing::fakePlatform());
    core::setProgramFolder(previous);
    w->hide();
}

} // namespace
