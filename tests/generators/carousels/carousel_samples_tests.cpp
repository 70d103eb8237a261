#include "core/registry.h"
#include "tests/generators/carousels/page_files.h"
#include "tests/support/helpers.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

// A carousel window's sample settings and what it takes to deliver its
// snippet: fields to fill, buttons to press, the box that then holds it.
struct Delivery {
    QString window;
    QList<std::pair<QString, QString>> settings;
    QStringList presses;
    QString box;
};

const Delivery kDeliveries[] = {
    {"Tfrmlunbo", {}, {"btn1Click"}, "mmo1"},
    {"Tfrmxuehua", {}, {"btn2Click"}, "mmo1"},
    {"Tfrmsantulunbo2", {}, {"btn1Click"}, "mmo5"},
    {"Tfrmtonglansuotu", {}, {"btn2Click"}, "mmo1"},
    {"Tfrmjianyuelunbo", {}, {"btn3Click"}, "LastSnippet"},
    {"Tfrmfangkuai", {}, {"btn1Click"}, "LastSnippet"},
    {"Tfrmsantulunbo", {}, {"btn1Click"}, "mmo1"},
    {"TfrmLBfenceng", {}, {"btn1Click"}, "mmo1"},
    {"TfrmLBzhankai", {}, {"btn1Click"}, "mmodaima"},
    {"Tfrmshishangtonglan", {}, {"btn1Click"}, "mmo1"},
    {"Tfrmquanpingshipin", {}, {"btn1Click"}, "mmo1"},
    {"TFrmtenimageszy", {{"edt1", "260"}, {"edt2", "260"}}, {"btn1Click"}, "mmo1"},
    {"TFrmkapan12", {}, {"btn1Click"}, "mmo1"},
    {"Tfrmkapan1", {}, {"btn1Click"}, "mmo1"},
    {"Tfrmliangcelunbo", {}, {"btn1Click"}, "mmo1"},
    {"Tfrmliutumingxing", {}, {"btn7Click"}, "mmo1"},
    {"Tfrmwutuzuolunbo", {}, {"btn2Click"}, "mmo1"},
    {"Tfrmshiertulunbo", {}, {"btn1Click", "btn2Click", "btn3Click", "btn5Click"}, "mmo4"},
};

// A window's sample, built without the window, is what the window itself
// delivers from its start values with the sample settings typed and its
// buttons pressed: the defaults of the window and of its input are one.
TEST(CarouselSamples, AreWhatTheWindowsDeliver) {
    testing::ScratchCurrentFolder folder; // the pages some windows write
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(QDir(folder.path()).mkdir("files"));
    for (const Delivery& d : kDeliveries) {
        const core::WindowClass* windowClass = core::windowClass(d.window);
        ASSERT_NE(windowClass, nullptr) << d.window.toStdString();
        ASSERT_TRUE(windowClass->info.sample) << d.window.toStdString();
        core::Form* w = testing::form(d.window);
        for (const auto& [field, text] : d.settings)
            w->setText(field, text);
        testing::fakePlatform().reset();
        for (const QString& press : d.presses)
            ASSERT_TRUE(w->fire(press)) << d.window.toStdString() << " " << press.toStdString();
        for (const testing::PlatformCall& box : testing::fakePlatform().callsOf("messageBox"))
            EXPECT_NE(box.title, testing::fakePlatform().applicationTitle()) << d.window.toStdString();
        EXPECT_EQ(w->text(d.box), windowClass->info.sample()) << d.window.toStdString();
    }
}

} // namespace
