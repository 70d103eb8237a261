// The shop's widgets in the real web engine (run under Xvfb): carousels,
// popups, accordions and countdowns come alive in local pages, never in pages
// from the web, and the page files stay as written.
#include "core/files.h"
#include "core/shoppreview.h"
#include "tests/generators/carousels/page_files.h"
#include "tests/support/engine.h"
#include "tests/support/helpers.h"
#include "tests/tools/images/engine_platform.h"
#include "tests/tools/images/picture_server.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>
#include <gtest/gtest.h>
#include <memory>

namespace {

using testing::evaluate;
using testing::loaded;
using testing::waitUntil;


QStringList consoleOf(core::Browser* browser) {
    return browser->property("consoleMessages").toStringList();
}

// A browser of its own in a shown window, with local test pages.
class WidgetPage : public ::testing::Test {
public:
    void SetUp() override {
        host.resize(1200, 800);
        browser = core::createWebBrowser(&host);
        host.show();
    }

    // Loads a page of the given body, written in the Chinese code page, and
    // waits for the widgets to start.
    void load(const QString& body) {
        const QString page = folder.path() + QStringLiteral("/page%1.html").arg(++pages);
        QFile file(page);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(testing::gbk(QStringLiteral("<html><head><style>body{margin:0}.hidden{display:none}"
                                               "</style></head><body>") +
                                body + QStringLiteral("</body></html>")));
        file.close();
        browser->navigate(page);
        ASSERT_TRUE(loaded(browser));
        ASSERT_TRUE(waitUntil(browser, "!!window.qingwuWidgets"));
    }
    QVariant js(const QString& script) { return evaluate(browser, script); }
    bool until(const QString& script, int ms = 10000) { return waitUntil(browser, script, ms); }

    // The program's pages live in its working folder.
    testing::ScratchCurrentFolder folder;
    int pages = 0;
    QWidget host;
    core::Browser* browser = nullptr;
};

// Three 200 x 100 panels in a 200 x 100 window, with three triggers and
// previous / next buttons, under a widget opening.
QString carouselPage(const QString& opening) {
    QString panels, triggers;
    for (int k = 1; k <= 3; ++k) {
        panels +=
            QStringLiteral("<div class=\"p\" id=\"p%1\" style=\"width:200px;height:100px\">%1</div>").arg(k);
        triggers += QStringLiteral("<li id=\"t%1\">%1</li>").arg(k);
    }
    return opening +
           QStringLiteral("<div id=\"box\" style=\"width:200px;height:100px;overflow:hidden\">"
                          "<div class=\"kc\">") +
           panels + QStringLiteral("</div></div><ul class=\"kn\">") + triggers +
           QStringLiteral(
               "</ul><a class=\"kp\" id=\"prev\">&lt;</a><a class=\"kx\" id=\"next\">&gt;</a></div>");
}

// The number of the panel that fills the carousel's window, 0 for none.
const char* kShownPanel =
    "(function(){var b=document.getElementById('box').getBoundingClientRect();"
    "for(var k=1;k<=3;k++){var r=document.getElementById('p'+k).getBoundingClientRect();"
    "if(Math.abs(r.left-b.left)<1&&Math.abs(r.top-b.top)<1&&"
    "getComputedStyle(document.getElementById('p'+k)).display!=='none')return k;}"
    "return 0;})()";

QString shownIs(int k) {
    return QStringLiteral("%1 === %2").arg(QString::fromLatin1(kShownPanel)).arg(k);
}

QString activeTriggers(const QString& cls) {
    return QStringLiteral("Array.from(document.querySelectorAll('.kn li')).map(function(t){return "
                          "t.classList.contains('%1')?'x':'-';}).join('')")
        .arg(cls);
}

// Moves the pointer itself onto the middle of an element.
void hover(WidgetPage* page, const QString& id) {
    const QVariantList middle =
        page->js(QStringLiteral("(function(){var r=document.getElementById('%1').getBoundingClientRect();"
                                "return [Math.round(r.left+r.width/2), Math.round(r.top+r.height/2)];})()")
                     .arg(id))
            .toList();
    ASSERT_EQ(middle.size(), 2);
    QWidget* view = page->browser->widget();
    QWidget* surface = view->focusProxy() ? view->focusProxy() : view;
    QTest::mouseMove(surface, QPoint(middle[0].toInt(), middle[1].toInt()));
}
void click(WidgetPage* page, const QString& id) {
    page->js(QStringLiteral("document.getElementById('%1').click()").arg(id));
}

using CarouselEngine = WidgetPage;

TEST_F(CarouselEngine, AutoplayShowsTheSecondPanelAfterItsIntervalAndMarksItsTrigger) {
    // As a generator writes it: CR LF inside the attribute, autoplay as a
    // string, the duration as a string.
    load(carouselPage(QStringLiteral(
        "<div class=\"J_TWidget\"  data-widget-type=\"Carousel\" data-widget-config=\"{'effect': "
        "'scrollx',\r\n"
        " 'navCls':'kn',\r\n 'contentCls':'kc',\r\n 'duration':'0.1',\r\n 'easing':'easeIn',\r\n"
        " 'interval':1, 'activeTriggerCls':'active',\r\n 'autoplay':'true'\r\n }\">")));
    QElapsedTimer clock;
    clock.start();
    const auto showing = [&](int k, const char* triggers) {
        return shownIs(k) + " && " + activeTriggers("active") + " === '" + triggers + "'";
    };
    EXPECT_TRUE(js(showing(1, "x--")).toBool());
    // The interval is in seconds: the second panel comes after about one.
    EXPECT_TRUE(until(showing(2, "-x-"), 5000)) << js(kShownPanel).toInt();
    EXPECT_GE(clock.elapsed(), 500);
    // Round and round: after the third panel the first comes again.
    EXPECT_TRUE(until(showing(3, "--x"), 5000));
    EXPECT_TRUE(until(showing(1, "x--"), 5000));
    EXPECT_EQ(consoleOf(browser), QStringList());
}

TEST_F(CarouselEngine, HoveringATriggerSwitchesToItsPanel) {
    const struct {
        const char* name;
        QString opening;
        const char* activeClass;
    } cases[] = {
        // Config before type, numbers as numbers, a vertical slide.
        {"scrolly, mouse",
         "<div class=\"J_TWidget\" data-widget-config=\"{'effect': "
         "'scrolly','triggerType':'mouse','duration':0.1,"
         "'navCls':'kn','contentCls':'kc','activeTriggerCls':'active'}\" data-widget-type=\"Carousel\">",
         "active"},
        // The hover delay of the marketplace's carousels; no activeTriggerCls.
        {"scrollx, delay",
         "<div class=\"J_TWidget\" data-widget-type=\"Carousel\" data-widget-config=\"{'effect': 'scrollx',"
         "'contentCls':'kc','navCls':'kn','easing':'backOut','duration':'0.2','delay':'0.2'}\">",
         "ks-active"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        load(carouselPage(c.opening));
        hover(this, "t3");
        EXPECT_TRUE(until(shownIs(3), 3000)) << js(kShownPanel).toInt();
        EXPECT_EQ(js(activeTriggers(c.activeClass)).toString(), "--x");
        hover(this, "t2");
        EXPECT_TRUE(until(shownIs(2), 3000));
        EXPECT_EQ(js(activeTriggers(c.activeClass)).toString(), "-x-");
    }
}

TEST_F(CarouselEngine, PreviousAndNextStepAndWrapOnlyWhenCircular) {
    const struct {
        const char* effect;
        bool circular;
        int afterThirdNext; // the panel after "next" on the last one
        int afterPrevOnFirst;
    } cases[] = {{"scrollx", true, 1, 3}, {"scrollx", false, 3, 1}, {"none", true, 1, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.effect) + (c.circular ? " circular" : ""));
        load(carouselPage(
            QStringLiteral("<div class=\"J_TWidget\" data-widget-config=\"{'effect': '%2','circular':%1,"
                           "'easing': 'easeNone','duration':0.1,'prevBtnCls':'kp','nextBtnCls':'kx',"
                           "'navCls':'kn','contentCls':'kc','activeTriggerCls':'active'}\" "
                           "data-widget-type=\"Carousel\">")
                .arg(c.circular ? "true" : "false", c.effect)));
        click(this, "prev");
        EXPECT_TRUE(until(shownIs(c.afterPrevOnFirst), 3000)) << js(kShownPanel).toInt();
        if (c.circular) click(this, "next"); // from the last round to the first
        EXPECT_TRUE(until(shownIs(1), 3000)) << js(kShownPanel).toInt();
        click(this, "next");
        EXPECT_TRUE(until(shownIs(2), 3000));
        EXPECT_EQ(js(activeTriggers("active")).toString(), "-x-");
        click(this, "next");
        EXPECT_TRUE(until(shownIs(3), 3000));
        click(this, "next");
        EXPECT_TRUE(until(shownIs(c.afterThirdNext), 3000)) << js(kShownPanel).toInt();
    }
}

using PopupEngine = WidgetPage;

TEST_F(PopupEngine, HoveringTheTriggerOpensThePopupCentredOnTheNode) {
    // As the flip generators write it: the popup after its trigger, hidden,
    // with CR LF inside the configuration.
    load(QStringLiteral(
        "<div style=\"margin:40px 0 0 60px\"><div class=\"rk1\" id=\"trigger\" "
        "style=\"width:300px;height:200px;"
        "background:#ccc\"></div>"
        "<div class=\"J_TWidget hidden\" id=\"pop\" data-widget-type=\"Popup\" \r\ndata-widget-config=\"{ "
        "'trigger':'.rk1',\r\n 'align':{ 'node':'.rk1',\r\n 'offset':[0,0], \r\n'points':['cc','cc'] }\r\n "
        "}\">"
        "<div style=\"width:100px;height:50px;background:red\"></div></div></div>"));
    const QString centre =
        QStringLiteral("(function(){var r=document.getElementById('%1').getBoundingClientRect();"
                       "return [r.left+r.width/2, r.top+r.height/2];})()");
    EXPECT_EQ(js("getComputedStyle(document.getElementById('pop')).display").toString(), "none");
    hover(this, "trigger");
    EXPECT_TRUE(until("getComputedStyle(document.getElementById('pop')).display !== 'none' && "
                      "getComputedStyle(document.getElementById('pop')).visibility === 'visible'"));
    const QVariantList node = js(centre.arg("trigger")).toList();
    const QVariantList popup = js(centre.arg("pop")).toList();
    ASSERT_EQ(node.size(), 2);
    ASSERT_EQ(popup.size(), 2);
    EXPECT_NEAR(popup[0].toDouble(), node[0].toDouble(), 1.0);
    EXPECT_NEAR(popup[1].toDouble(), node[1].toDouble(), 1.0);
    EXPECT_NEAR(node[0].toDouble(), 60 + 150, 1.0); // the node stays where the page puts it
    QWidget* surface = browser->widget()->focusProxy() ? browser->widget()->focusProxy() : browser->widget();
    QTest::mouseMove(surface, QPoint(600, 500));
    EXPECT_TRUE(until("getComputedStyle(document.getElementById('pop')).display === 'none' || "
                      "getComputedStyle(document.getElementById('pop')).visibility === 'hidden'"));
}

using AccordionEngine = WidgetPage;

TEST_F(AccordionEngine, OpensOnePanelAndClosesTheOthersUnlessMultiple) {
    const struct {
        const char* multiple;
        const char* triggerType;
        const char* afterSecond; // open panels after the second header
        const char* afterThird;
    } cases[] = {
        {"false", "mouse", "-x-", "--x"},
        {"true", "click", "xx-", "xxx"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.multiple);
        QString body = QStringLiteral("<div class=\"J_TWidget\"  data-widget-type=\"Accordion\"  "
                                      "data-widget-config=\"{\r\n 'triggerType': '%1',\r\n'triggerCls':"
                                      "'kavri_21_1',\r\n'panelCls':'kavri_21_2',\r\n'multiple':%2\r\n }\">")
                           .arg(c.triggerType, c.multiple);
        for (int k = 1; k <= 3; ++k)
            body += QStringLiteral("<div class=\"kavri_21_1\" id=\"h%1\">head %1</div>"
                                   "<div class=\"kavri_21_2\">panel %1</div>")
                        .arg(k);
        load(body + "</div>");
        const QString open = "Array.from(document.querySelectorAll('.kavri_21_2')).map(function(p){return "
                             "p.offsetHeight>0?'x':'-';}).join('')";
        EXPECT_EQ(js(open).toString(), "x--");
        const auto activate = [&](const char* id) {
            if (QString(c.triggerType) == "mouse")
                hover(this, id);
            else
                click(this, id);
        };
        activate("h2");
        EXPECT_TRUE(until(open + " === '" + c.afterSecond + "'")) << js(open).toString().toStdString();
        activate("h3");
        EXPECT_TRUE(until(open + " === '" + c.afterThird + "'")) << js(open).toString().toStdString();
    }
}

using CountdownEngine = WidgetPage;

// The holiday countdown's body, with its unit classes.
QString countdownPage(const QString& endTime) {
    return QStringLiteral(
               " <div class=\"J_TWidget\" data-widget-type=\"Countdown\"  data-widget-config=\"{\r\n     "
               "'endTime': "
               "'%1',\r\n     'interval': 1000,\r\n     'timeRunCls': '.ks-countdown-run',\r\n     "
               "'timeUnitCls':{\r\n"
               "     'd': '.ks-d',      \r\n     'h': '.ks-h',      \r\n     'm': '.ks-m',      \r\n     "
               "'s': '.ks-s'"
               "                                    \r\n     },\r\n     'minDigit': 1,\r\n     'timeEndCls': "
               "'.ks-countdown-end'\r\n     }\">\r\n    <div class=\"ks-countdown-run\" id=\"run\">"
               "<span class=\"ks-d\">00</span>天<span class=\"ks-h\">00</span>小时<span "
               "class=\"ks-m\">00</span>分"
               "<span class=\"ks-s\">00</span>秒</div><div class=\"ks-countdown-end\" "
               "id=\"end\">到了</div></div>")
        .arg(endTime);
}

const char* kUnits =
    "['d','h','m','s'].map(function(u){return document.querySelector('.ks-'+u).textContent;})";

TEST_F(CountdownEngine, ShowsDaysHoursMinutesAndSecondsToAnEndOneDayAhead) {
    const QDateTime end = QDateTime::currentDateTime().addDays(1).addSecs(30);
    load(countdownPage(end.toString("yyyy-MM-dd HH:mm:ss")));
    ASSERT_TRUE(until("document.querySelector('.ks-d').textContent !== '00'"));
    const QStringList units = js(kUnits).toStringList();
    ASSERT_EQ(units.size(), 4);
    EXPECT_EQ(units[0], "1");
    EXPECT_EQ(units[1], "0");
    EXPECT_EQ(units[2], "0");
    EXPECT_GE(units[3].toInt(), 20);
    EXPECT_LE(units[3].toInt(), 30);
    EXPECT_EQ(js("getComputedStyle(document.getElementById('run')).display").toString(), "block");
    EXPECT_EQ(js("getComputedStyle(document.getElementById('end')).display").toString(), "none");
    // It goes on counting.
    const QString first = units[3];
    EXPECT_TRUE(
        until(QStringLiteral("document.querySelector('.ks-s').textContent !== '%1'").arg(first), 3000));
}

TEST_F(CountdownEngine, SwitchesToTheEndClassAfterTheEnd) {
    // The full-screen countdown: date, two blanks and the time, a fifth unit
    // 'i', running and end classes written with their dots.
    const QDateTime end = QDateTime::currentDateTime().addSecs(2);
    load(QStringLiteral(
             "<div class=\"most-footer footer-more-trigger J_TWidget\" data-type=\"countdown\" "
             "style=\"width:358px;\"data-widget-type=\"Countdown\" data-widget-config=\"{'endTime':'%1  %2',"
             "'interval': 1000, 'timeRunCls': '.time-run', 'timeUnitCls':{'d': '.ks-d','h': '.ks-h','m': "
             "'.ks-m','s': '.ks-s','i': '.ks-i'},'minDigit': 1,'timeEndCls': '.time-e'}\">"
             "<div class=\"time-run\" id=\"run\"><span class=\"ks-d\">00</span><span class=\"ks-h\">00"
             "</span><span class=\"ks-m\">00 </span><span class=\"ks-s\"> 00 </span></div>"
             "<div class=\"time-e\" id=\"end\" style=\"display:none\">已结束 </div> </div>")
             .arg(end.toString("yyyy-MM-dd"), end.toString("HH:mm:ss")));
    EXPECT_TRUE(until("document.querySelector('.ks-d').textContent === '0'"));
    EXPECT_EQ(js("getComputedStyle(document.getElementById('end')).display").toString(), "none");
    EXPECT_TRUE(until("getComputedStyle(document.getElementById('end')).display !== 'none'", 6000));
    EXPECT_EQ(js("getComputedStyle(document.getElementById('run')).display").toString(), "none");
    EXPECT_EQ(js(kUnits).toStringList(), QStringList({"0", "0", "0", "0"}));
}

using RuntimeEngine = WidgetPage;

TEST_F(RuntimeEngine, ReadsTheConfigurationsAsGeneratorsWriteThem) {
    load(QString());
    const struct {
        QString config;
        const char* json;
    } cases[] = {
        // Lone CR and CR CR LF between the entries.
        {"{'effect': 'scrollx',\r\r\n 'navCls':'kavri_28_nav',\r\n 'prevBtnCls': 'kavri_28_prev',\r\n "
         "'easing':'bounceOut','duration':'1',\r\r\n 'autoplay':'true'\r\r\n}",
         R"({"autoplay":"true","duration":"1","easing":"bounceOut","effect":"scrollx","navCls":"kavri_28_nav","prevBtnCls":"kavri_28_prev"})"},
        {"{'effect': 'scrollx','triggerType':'mouse','circular':true,'easing': "
         "'easeNone','duration':3,'interval':3}",
         R"({"circular":true,"duration":3,"easing":"easeNone","effect":"scrollx","interval":3,"triggerType":"mouse"})"},
        {"{'trigger':'.rkfcEd2','align':{'node':'.rkfcEd2','offset':[0,0],'points':['cc','cc']}}",
         R"({"align":{"node":".rkfcEd2","offset":[0,0],"points":["cc","cc"]},"trigger":".rkfcEd2"})"},
        // A comma before the closing brace, 'multiple' false.
        {"{\r\n             'triggerType':'mouse',\r\n             'multiple':false\r\n     }",
         R"({"multiple":false,"triggerType":"mouse"})"},
        {"{ 'timeUnitCls':{\r\n    'd': '.ks-d',      \r\n    's': '.ks-s'   \r\n     },\r\n     'minDigit': "
         "1,}",
         R"({"minDigit":1,"timeUnitCls":{"d":".ks-d","s":".ks-s"}})"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.config.toStdString());
        // The text as a script string: a one-item JSON array without its brackets.
        const QString literal =
            QString::fromUtf8(QJsonDocument(QJsonArray{c.config}).toJson(QJsonDocument::Compact))
                .mid(1)
                .chopped(1);
        const QString script =
            QStringLiteral(
                "(function(){var o=qingwuWidgets.parseConfig(%1);function sorted(v){"
                "if(Array.isArray(v))return v.map(sorted);if(v&&typeof v==='object'){var r={};"
                "Object.keys(v).sort().forEach(function(k){r[k]=sorted(v[k]);});return r;}return v;}"
                "return JSON.stringify(sorted(o));})()")
                .arg(literal);
        EXPECT_EQ(js(script).toString(), QString::fromUtf8(c.json));
    }
    // Code in a configuration is never run.
    EXPECT_EQ(js("(function(){try{qingwuWidgets.parseConfig(\"{'a': alert(1)}\");return 'read';}"
                 "catch(e){return 'refused';}})()")
                  .toString(),
              "refused");
}

TEST_F(RuntimeEngine, AWidgetThatCannotStartStaysAsWrittenAndTheOthersStart) {
    const QString broken =
        QStringLiteral("<div class=\"J_TWidget\" id=\"broken\" data-widget-type=\"Carousel\" "
                       "data-widget-config=\"{'effect': "
                       "'scrollx', 'navCls':'kn'\"><div class=\"kc\"><div>1</div><div>2</div></div></div>");
    const QString unknown = QStringLiteral(
        "<div class=\"J_TWidget\" id=\"unknown\" data-widget-type=\"Slide\" data-widget-config=\"{'a':1}\">"
        "<div>x</div></div>");
    const QDateTime end = QDateTime::currentDateTime().addDays(3);
    load(broken + unknown + countdownPage(end.toString("yyyy-MM-dd HH:mm:ss")));
    EXPECT_TRUE(until("document.querySelector('.ks-d').textContent === '3' || "
                      "document.querySelector('.ks-d').textContent === '2'"));
    EXPECT_EQ(js("document.getElementById('broken').innerHTML").toString(),
              "<div class=\"kc\"><div>1</div><div>2</div></div>");
    EXPECT_EQ(js("document.getElementById('broken').getAttribute('style')").toString(), "");
    EXPECT_EQ(js("document.getElementById('unknown').outerHTML").toString(), unknown);
    EXPECT_EQ(js("qingwuWidgets.started").toInt(), 1);
    const QStringList lines = consoleOf(browser);
    ASSERT_EQ(lines.size(), 2) << lines.join('\n').toStdString();
    EXPECT_TRUE(lines[0].startsWith("warning: ")) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].contains("Carousel"));
    EXPECT_TRUE(lines[1].contains("Slide"));
}

// The runtime goes into the program's local pages only.
TEST(WidgetInjection, RunsInALocalPreviewNeverInAPageFromTheWeb) {
    testing::ScratchCurrentFolder folder;
    testing::EnginePlatform engine;
    core::setPlatform(&engine);
    // The full-screen countdown's preview, written by the generator and shown
    // in its own browser.
    core::Form* w = testing::form("Tfrmdaojishi");
    const QString endDate = QDateTime::currentDateTime().addDays(5).toString("yyyy-MM-dd");
    w->setText("edt1", endDate);
    w->fire("btn1Click");
    w->fire("btn7Click");
    const QString page = core::workingFolder() + "/files.html";
    const QByteArray written = testing::fileBytes(page);
    core::Browser* browser = engine.madeIn(w);
    ASSERT_NE(browser, nullptr);
    ASSERT_TRUE(loaded(browser));
    EXPECT_TRUE(waitUntil(browser, "!!window.qingwuWidgets && qingwuWidgets.started === 1"));
    EXPECT_TRUE(waitUntil(browser, "document.querySelector('.ks-d').textContent === '4' || "
                                   "document.querySelector('.ks-d').textContent === '5'"));
    // The page on disk is exactly what the generator wrote: its countdown
    // text, CR LF after it, nothing of the runtime.
    EXPECT_EQ(testing::fileBytes(page), written);
    EXPECT_EQ(written, testing::gbk(w->text("mmo1") + "\r\n"));
    EXPECT_FALSE(written.contains("parseConfig"));

    // The same page from a web server: the widgets stay dead.
    QTemporaryDir served;
    QFile copy(served.filePath("files.html"));
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
    copy.write(written);
    copy.close();
    testing::PictureServer server(served.path());
    ASSERT_TRUE(server.running());
    browser->navigate(server.base() + "/files/files.html");
    ASSERT_TRUE(loaded(browser));
    EXPECT_EQ(evaluate(browser, "document.location.protocol").toString(), "http:");
    EXPECT_EQ(evaluate(browser, "typeof window.qingwuWidgets").toString(), "undefined");
    QTest::qWait(1500);
    EXPECT_EQ(evaluate(browser, "document.querySelector('.ks-d').textContent").toString(), "00");
    core::setPlatform(&testing::fakePlatform());
    w->hide();
}

// One snippet of each family, shown in the shop preview window without a
// network, runs without a script error and starts every widget it holds.
TEST(ShopPreviewEngine, OneSnippetOfEveryFamilyRunsWithoutAnError) {
    const struct {
        const char* window;
        const char* generate;
    } cases[] = {
        {"Tfrmshiertulunbo", "btn5Click"},  // carousels
        {"Tfrmzuobiaoqian", "btn1Click"},   // lists
        {"Tfrmdianzhaolunbo", "btn1Click"}, // navigation
        {"TFrmjieridaojishi", "btn1Click"}, // promotions
        // And every kind of widget: popups, an accordion beside a carousel.
        {"TFrm950fanzhuan", "btn1Click"},
        {"Tfrmpaihangbang", "btn2Click"},
        {"TfrmLBzhankai", "btn1Click"},
    };
    testing::ScratchCurrentFolder folder;
    testing::EnginePlatform engine;
    core::setPlatform(&engine);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        core::Form* w = testing::form(c.window);
        w->showForm();
        ASSERT_TRUE(w->fire(c.generate));
        ASSERT_TRUE(w->fire(core::kShopPreviewButton + "Click"));
        QWidget* window = core::shopPreviewWindow();
        ASSERT_NE(window, nullptr);
        core::Browser* browser = engine.madeIn(window);
        ASSERT_NE(browser, nullptr);
        browser->setProperty("consoleMessages", QStringList());
        ASSERT_TRUE(loaded(browser));
        const int widgets = evaluate(browser, "document.getElementsByClassName('J_TWidget').length").toInt();
        EXPECT_GT(widgets, 0);
        EXPECT_TRUE(waitUntil(
            browser, QStringLiteral("!!window.qingwuWidgets && qingwuWidgets.started === %1").arg(widgets)));
        QTest::qWait(500);
        for (const QString& line : consoleOf(browser))
            EXPECT_FALSE(line.startsWith("error:") || line.contains("qingwu widgets")) << line.toStdString();
        w->hide();
    }
    core::setPlatform(&testing::fakePlatform());
}

} // namespace
