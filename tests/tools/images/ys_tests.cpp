#include "core/addresses.h"
#include "tests/generators/carousels/page_files.h"
#include "tests/support/helpers.h"
#include "tests/tools/images/photograph.h"
#include "tools/images/jpegcodec.h"
#include "tools/images/ys.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class YsTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = dynamic_cast<tools::TFrmys*>(testing::form("TFrmys"));
        ASSERT_NE(w, nullptr);
        spin = w->control<QSpinBox>("SpinEdit1");
    }
    // Opens a picture through "打开".
    void open(const QImage& picture, const QString& name = "photo.png") {
        const QString path = folder.filePath(name);
        ASSERT_TRUE(picture.save(path));
        fake().openFiles.enqueue(path);
        w->fire("N1Click");
        settle();
    }
    // Waits until the estimate of the current quality is on show.
    void settle() {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !w->estimatePending(); }, 60000));
    }
    // Saves through "保存" under `name`; the bytes of the file written.
    QByteArray save(const QString& name) {
        fake().saveFiles.enqueue(folder.filePath(name));
        w->fire("N2Click");
        QFile file(folder.filePath(name + ".jpg"));
        if (!file.open(QIODevice::ReadOnly)) return {};
        return file.readAll();
    }
    tools::TFrmys* w = nullptr;
    QSpinBox* spin = nullptr;
    QTemporaryDir folder;
};

// Runs first: the window as start-up made it, with no picture.
TEST_F(YsTest, DefaultsAndSavingWithoutAPicture) {
    EXPECT_EQ(w->windowTitle(), "无损压缩图片");
    EXPECT_EQ(spin->value(), 98);
    EXPECT_EQ(w->text("Label3"), "00Kb");
    EXPECT_EQ(w->findChild<QAction*>("N1")->text(), "打开");
    EXPECT_EQ(w->findChild<QAction*>("N2")->text(), "保存");
    EXPECT_EQ(w->findChild<QAction*>("N3")->text(), "其他");

    // Turning the spinner without a picture estimates nothing.
    spin->setValue(90);
    EXPECT_FALSE(w->estimatePending());
    EXPECT_EQ(w->text("Label3"), "00Kb");
    spin->setValue(98);

    fake().saveFiles.enqueue(folder.filePath("empty"));
    w->fire("N2Click");
    EXPECT_TRUE(fake().callsOf("saveFile").isEmpty());
    EXPECT_FALSE(QFileInfo::exists(folder.filePath("empty.jpg")));
    EXPECT_EQ(fake().lastMessage().title, "青梧360");
    EXPECT_TRUE(fake().lastMessage().text.contains("图片")) << fake().lastMessage().text.toStdString();
}

TEST_F(YsTest, SizeTextDividesByAThousandWithTwoDecimals) {
    const struct {
        qint64 bytes;
        QString text;
    } cases[] = {{123456, "123.46Kb"},   {0, "0.00Kb"},
                 {4, "0.00Kb"},          {5, "0.01Kb"},
                 {999, "1.00Kb"},        {1004, "1.00Kb"},
                 {1005, "1.01Kb"},       {1024, "1.02Kb"},
                 {2000000, "2000.00Kb"}, {9876543210, "9876543.21Kb"}};
    for (const auto& c : cases)
        EXPECT_EQ(tools::sizeText(c.bytes), c.text) << c.bytes;
}

TEST_F(YsTest, QualityOutsideOneToHundredIsBroughtBackWithTheMessage) {
    const struct {
        int typed, kept;
        bool warned;
    } cases[] = {{0, 1, true},  {150, 100, true},  {-5, 1, true},  {101, 100, true},
                 {1, 1, false}, {100, 100, false}, {50, 50, false}};
    for (const auto& c : cases) {
        spin->setValue(c.typed == 50 ? 49 : 50);
        fake().reset();
        spin->setValue(c.typed);
        EXPECT_EQ(spin->value(), c.kept) << c.typed;
        const auto messages = fake().callsOf("messageBox");
        ASSERT_EQ(messages.size(), c.warned ? 1 : 0) << c.typed;
        if (c.warned) {
            EXPECT_EQ(messages[0].text, "只能输入1——100之间的数!");
            EXPECT_EQ(messages[0].title, "提示信息");
            EXPECT_EQ(messages[0].owner, "TFrmys");
        }
    }
    spin->setValue(98);
}

TEST_F(YsTest, TheEstimateIsTheSavedFilesSizeAtEveryQuality) {
    open(testing::photograph(640, 480));
    QString previous;
    qsizetype previousSize = 0;
    for (const int q : {98, 97, 96, 75, 50, 10, 1}) {
        spin->setValue(q);
        settle();
        const QByteArray saved = save(QString("q%1").arg(q));
        ASSERT_FALSE(saved.isEmpty()) << q;
        // The size shown in Kb, divided by 1000 and rounded to hundredths.
        const qint64 hundredths = (saved.size() + 5) / 10;
        EXPECT_EQ(w->text("Label3"),
                  QString("%1.%2Kb").arg(hundredths / 100).arg(hundredths % 100, 2, 10, QChar('0')))
            << q;
        // Every step of the spinner changes the estimate, and a lower quality means a smaller file.
        EXPECT_NE(w->text("Label3"), previous) << q;
        if (previousSize) {
            EXPECT_LT(saved.size(), previousSize) << q;
        }
        previous = w->text("Label3");
        previousSize = saved.size();
        // A real JPEG of the picture's size.
        QImageReader reader(folder.filePath(QString("q%1.jpg").arg(q)));
        EXPECT_EQ(reader.format(), "jpeg");
        EXPECT_EQ(reader.size(), QSize(640, 480));
    }
    spin->setValue(98);
    settle();
}

TEST_F(YsTest, SavingAlwaysAppendsJpgAndCancelWritesNothing) {
    open(testing::photograph(200, 150));
    EXPECT_FALSE(save("a.jpg").isEmpty());
    EXPECT_TRUE(QFileInfo::exists(folder.filePath("a.jpg.jpg")));
    EXPECT_FALSE(QFileInfo::exists(folder.filePath("a.jpg")));
    const auto dialogs = fake().callsOf("saveFile");
    ASSERT_EQ(dialogs.size(), 1);
    EXPECT_EQ(dialogs[0].text, "jpeg (*.jpg)");

    fake().reset();
    w->fire("N2Click"); // cancelled
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());
    EXPECT_EQ(QDir(folder.path()).entryList({"*.jpg"}), QStringList({"a.jpg.jpg"}));
}

// ".jpg" is added after the dialog, so the dialog's own question would be
// about another name: the window asks about the final one instead.
TEST_F(YsTest, AnExistingFileUnderTheFinalNameIsReplacedOnlyAfterOk) {
    open(testing::photograph(200, 150), "photo.jpg");
    QFile source(folder.filePath("photo.jpg"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray original = source.readAll();
    source.close();

    // Typed "photo": the final name is the very picture being compressed.
    fake().reset();
    fake().answers.enqueue(core::Answer::Cancel);
    save("photo");
    ASSERT_EQ(fake().callsOf("saveFile").size(), 1);
    EXPECT_FALSE(fake().lastFileDialog.confirmOverwrite);
    const auto questions = fake().callsOf("messageBox");
    ASSERT_EQ(questions.size(), 1);
    EXPECT_EQ(questions[0].text, "文件“" + folder.filePath("photo.jpg") + "”已经存在，要替换它吗？");
    EXPECT_EQ(questions[0].title, "提示信息");
    EXPECT_EQ(questions[0].owner, "TFrmys");
    EXPECT_EQ(testing::fileBytes(folder.filePath("photo.jpg")), original);

    fake().reset();
    fake().answers.enqueue(core::Answer::Ok);
    const QByteArray replaced = save("photo");
    EXPECT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_NE(replaced, original);
    EXPECT_EQ(w->text("Label3"), tools::sizeText(replaced.size()));

    // A typed name that exists is no question when the final name is free.
    fake().reset();
    EXPECT_FALSE(save("photo.jpg").isEmpty());
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());
    EXPECT_EQ(testing::fileBytes(folder.filePath("photo.jpg")), replaced);
}

TEST_F(YsTest, DialogsStartBesideTheSourceAndOfferPictures) {
    QTemporaryDir other;
    const QString path = other.filePath("店铺 主图.png");
    ASSERT_TRUE(testing::photograph(120, 90).save(path));
    fake().reset();
    fake().openFiles.enqueue(path);
    w->fire("N1Click");
    settle();
    ASSERT_EQ(fake().callsOf("openFile").size(), 1);
    const QString filter = fake().callsOf("openFile")[0].text;
    EXPECT_TRUE(filter.split(";;").contains("所有文件 (*)")) << filter.toStdString();
    EXPECT_TRUE(filter.contains("(*.jpg *.jpeg *.png *.bmp *.gif)")) << filter.toStdString();

    // The next picture is looked for where the last one came from.
    w->fire("N1Click");
    EXPECT_EQ(fake().callsOf("openFile").last().path, other.path());

    // Saving suggests the source's name with "_压缩" beside it; ".jpg" follows.
    fake().saveFiles.enqueue(other.filePath("店铺 主图_压缩"));
    w->fire("N2Click");
    EXPECT_EQ(fake().callsOf("saveFile").last().path, other.filePath("店铺 主图_压缩"));
    EXPECT_EQ(fake().callsOf("saveFile").last().text, "jpeg (*.jpg)");
    EXPECT_TRUE(QFileInfo::exists(other.filePath("店铺 主图_压缩.jpg")));
}

TEST_F(YsTest, TheEstimateRunsOffTheInterfaceAndTheNewestQualityWins) {
    open(testing::photograph(2000, 1500));
    QSignalSpy shown(w, &tools::TFrmys::estimateShown);
    for (const int q : {90, 80, 70, 60}) {
        spin->setValue(q);
        // The spinner returns before the estimate is ready.
        EXPECT_TRUE(w->estimatePending()) << q;
    }
    settle();
    QTest::qWait(50);
    // Only the newest quality's estimate is shown; the older ones were cancelled or dropped.
    EXPECT_EQ(shown.size(), 1);
    const QByteArray saved = save("newest");
    EXPECT_EQ(w->text("Label3"), tools::sizeText(saved.size()));
    spin->setValue(98);
    settle();
}

TEST_F(YsTest, ANonPictureFailsAndTheOldPictureStays) {
    open(testing::photograph(320, 240));
    const QString estimate = w->text("Label3");
    const QString path = folder.filePath("notes.jpg");
    QFile notes(path);
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("this is text, not a picture");
    notes.close();
    fake().reset();
    fake().openFiles.enqueue(path);
    w->fire("N1Click");
    EXPECT_EQ(fake().lastMessage().title, "青梧360");
    EXPECT_TRUE(fake().lastMessage().text.contains("notes.jpg")) << fake().lastMessage().text.toStdString();
    EXPECT_FALSE(w->estimatePending());
    EXPECT_EQ(w->text("Label3"), estimate);
    const QByteArray saved = save("kept");
    EXPECT_EQ(QImage::fromData(saved).size(), QSize(320, 240));
}

TEST_F(YsTest, TargetSizeFindsTheHighestQualityThatFits) {
    open(testing::photograph(640, 480));
    spin->setValue(98);
    settle();
    const qint64 full = save("full").size();
    for (const qint64 kb : {full / 1000 / 2, full / 1000 / 4, full / 1000 + 1}) {
        fake().reset();
        w->setText("edtTarget", QString::number(kb));
        w->fire("btnTargetClick");
        settle();
        const int q = spin->value();
        const QByteArray fits = save(QString("fit%1").arg(kb));
        EXPECT_LE(fits.size(), kb * 1000) << kb;
        EXPECT_EQ(w->text("Label3"), tools::sizeText(fits.size()));
        if (q < 100) {
            spin->setValue(q + 1);
            settle();
            EXPECT_GT(save(QString("over%1").arg(kb)).size(), kb * 1000) << kb;
        }
        EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());
    }
    // Too small even at quality 1: said so, the quality stays.
    spin->setValue(77);
    settle();
    fake().reset();
    w->setText("edtTarget", "1");
    w->fire("btnTargetClick");
    EXPECT_EQ(spin->value(), 77);
    EXPECT_EQ(fake().lastMessage().text, "压缩比为 1 时图片仍大于 1 KB，无法压缩到这个大小！");
    spin->setValue(98);
    settle();
}

TEST_F(YsTest, TargetSizeRejectsHostileNumbers) {
    open(testing::photograph(100, 80));
    spin->setValue(98);
    settle();
    const QString huge(200000, QChar('9'));
    const struct {
        QString typed, message;
    } cases[] = {
        {"", "'' is not a valid integer value"},
        {"abc", "'abc' is not a valid integer value"},
        {"2147483648", "'2147483648' is not a valid integer value"},
        {"1e309", "'1e309' is not a valid integer value"},
        {"NaN", "'NaN' is not a valid integer value"},
        {"1,5", "'1,5' is not a valid integer value"},
        // An edit holds at most 32767 characters: the message names what it holds.
        {huge, "'" + huge.left(32767) + "' is not a valid integer value"},
        {"-2147483648", "目标大小要大于 0 KB！"},
        {"0", "目标大小要大于 0 KB！"},
    };
    for (const auto& c : cases) {
        fake().reset();
        w->setText("edtTarget", c.typed);
        w->fire("btnTargetClick");
        EXPECT_EQ(spin->value(), 98) << c.typed.left(20).toStdString();
        EXPECT_TRUE(fake().lastMessage().text == c.message)
            << c.typed.left(20).toStdString() << " " << fake().lastMessage().text.left(60).toStdString();
    }
    // The largest number still fits: the best quality.
    w->setText("edtTarget", "2147483647");
    w->fire("btnTargetClick");
    EXPECT_EQ(spin->value(), 100);
    spin->setValue(98);
    settle();
}

TEST_F(YsTest, OtherOpensTheMakersPage) {
    w->fire("N3Click");
    const auto opened = fake().callsOf("open");
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0].address, core::addresses::compressorMore);
}

} // namespace
