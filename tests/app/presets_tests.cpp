#include "app/windows.h"
#include "core/form.h"
#include "core/presets.h"
#include "core/registry.h"
#include "core/shopframe.h"
#include "tests/support/child_process.h"
#include "tests/support/helpers.h"
#include "tests/support/sqlite_probe.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDateTimeEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <gtest/gtest.h>

namespace core {
inline void PrintTo(const PresetValue& value, std::ostream* out) {
    *out << value.control.toStdString() << "(" << value.kind.toStdString()
         << ")=" << value.value.toStdString();
}
} // namespace core

namespace {

QString presetFile() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/presets.db";
}

// Every window that keeps presets.
QList<core::Form*> presetWindows() {
    QList<core::Form*> windows;
    for (const core::WindowClass* windowClass : core::windowClasses()) {
        if (!windowClass->info.preview) continue;
        core::Form* form = core::instance(windowClass->name);
        if (core::hasPresets(*form)) windows << form;
    }
    return windows;
}

// Changes every value a preset keeps, as a user would: another item, the
// other state, a longer text, a later date.
void changeEverything(core::Form* form) {
    for (const core::PresetValue& value : core::presetValues(*form)) {
        QWidget* control = form->findChild<QWidget*>(value.control);
        if (value.kind == "edit" || value.kind == "memo") {
            form->setText(value.control, value.value + "7");
        } else if (value.kind == "combo") {
            auto* combo = static_cast<QComboBox*>(control);
            const int at = combo->findText(combo->currentText());
            form->setText(value.control, combo->count() > 1 ? combo->itemText((at + 1) % combo->count())
                                                            : value.value + "7");
        } else if (value.kind == "check") {
            static_cast<QAbstractButton*>(control)->toggle();
        } else if (value.kind == "group") {
            auto* group = static_cast<core::RadioGroup*>(control);
            group->setItemIndex((group->itemIndex() + 1) % group->items().size());
        } else if (value.kind == "radio") {
            // The next button of its set, once per set.
            if (value.value != "1") continue;
            QList<QRadioButton*> set;
            for (QRadioButton* other :
                 control->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
                if (other->autoExclusive()) set << other;
            set[(set.indexOf(static_cast<QRadioButton*>(control)) + 1) % set.size()]->setChecked(true);
        } else if (value.kind == "date") {
            auto* date = static_cast<QDateTimeEdit*>(control);
            date->setDateTime(date->dateTime().addDays(3));
        }
    }
}

class PresetsTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        core::closePresetStore();
        QFile::remove(presetFile());
        QFile::remove(presetFile() + "-wal");
        QFile::remove(presetFile() + "-shm");
    }
    void TearDown() override { core::closePresetStore(); }

    // Saves the window's values under a name typed into the prompt.
    void save(core::Form* form, const QString& name) {
        fake().inputs.enqueue(name);
        form->command([form] { core::savePresetAs(form); });
    }
    void load(core::Form* form, const QString& name) {
        form->command([form, name] { core::loadPreset(form, name); });
    }
    QStringList names(core::Form* form) { return core::presetStore().names(form->objectName()); }
};

TEST_F(PresetsTest, EveryGeneratorHasTheButtonAndKeepsOnlyTheFieldsTheUserFillsIn) {
    const QList<core::Form*> windows = presetWindows();
    EXPECT_GE(windows.size(), 65);
    for (core::Form* form : windows) {
        SCOPED_TRACE(form->objectName().toStdString());
        form->show();
        auto* button = form->findChild<QPushButton*>(core::kPresetsButton);
        ASSERT_NE(button, nullptr);
        EXPECT_TRUE(button->isVisible());
        EXPECT_EQ(button->text(), "预设");
        const QList<QWidget*> kept = core::presetControls(*form);
        EXPECT_FALSE(kept.isEmpty());
        for (QWidget* control : kept) {
            const std::string name = control->objectName().toStdString();
            for (QWidget* on = control; on != form; on = on->parentWidget())
                EXPECT_FALSE(core::Form::keptHidden(on)) << name;
            EXPECT_NE(control->objectName(), core::undeliveredOutput(*form)) << name;
            EXPECT_FALSE(qobject_cast<QLabel*>(control)) << name;
            if (auto* memo = qobject_cast<core::Memo*>(control)) {
                EXPECT_FALSE(memo->text().contains('<')) << name << " holds code";
            }
        }
        form->hide();
    }
    // The search boxes are among them; the hotspot editor, the description
    // assistant and the tools are not.
    for (const char* name : {"Tfrmss", "Tfrmsousuokuang", "Tfrmlunbo"})
        EXPECT_TRUE(core::hasPresets(*testing::form(name))) << name;
    for (const char* name : {"Tfrmredian", "Tfrmmain", "Tfrmtonglan3", "TFrmhtml", "Tfrmindex"}) {
        core::Form* form = testing::form(name);
        EXPECT_FALSE(core::hasPresets(*form)) << name;
        EXPECT_EQ(form->findChild<QPushButton*>(core::kPresetsButton), nullptr) << name;
    }
    // Neither code pasted in nor the output box of a window that shows its code first.
    auto kept = [](const char* window) {
        QStringList names;
        for (QWidget* control : core::presetControls(*testing::form(window)))
            names << control->objectName();
        return names;
    };
    EXPECT_FALSE(kept("Tfrmsousuokuang").contains("mmozidingyi"));
    EXPECT_FALSE(kept("Tfrmdianzhaolunbo").contains("mmo1"));
    EXPECT_FALSE(kept("TFrmzhanggui").contains("mmo2"));
    EXPECT_TRUE(kept("TFrmzhanggui").contains("mmo1"));
    EXPECT_TRUE(kept("Tfrmfangkuai").contains("mmo1")); // the addresses, one per line
}

TEST_F(PresetsTest, EveryGeneratorGetsBackEveryValueItSaved) {
    for (core::Form* form : presetWindows()) {
        SCOPED_TRACE(form->objectName().toStdString());
        const QList<core::PresetValue> before = core::presetValues(*form);
        changeEverything(form);
        const QList<core::PresetValue> saved = core::presetValues(*form);
        ASSERT_NE(saved, before);
        save(form, "活动");
        core::applyPreset(*form, before);
        ASSERT_EQ(core::presetValues(*form), before);
        load(form, "活动");
        EXPECT_EQ(core::presetValues(*form), saved);
        core::applyPreset(*form, before);
    }
    // No error box on the way.
    for (const testing::PlatformCall& call : fake().callsOf("messageBox"))
        EXPECT_NE(call.title, core::platform().applicationTitle()) << call.text.toStdString();
}

TEST_F(PresetsTest, LoadingMakesTheChoicesFirstAndRunsTheirHandlers) {
    // Carousels: the shop type rewrites the width labels, which are not saved.
    core::Form* strip = testing::form("Tfrmsantulunbo");
    strip->setText("cbb1", "天猫版");
    strip->setText("edt1", "520");
    save(strip, "天猫店");
    strip->setText("cbb1", "集市店");
    strip->setText("edt1", "450");
    ASSERT_EQ(strip->text("lbl3"), "2850");
    load(strip, "天猫店");
    EXPECT_EQ(strip->text("cbb1"), "天猫版");
    EXPECT_EQ(strip->text("lbl2"), "990");
    EXPECT_EQ(strip->text("lbl3"), "2970");
    EXPECT_EQ(strip->text("edt1"), "520");

    // Lists: the edition writes the total width, and the width typed after it wins;
    // the count shows the fourth row; the check box and its field come back.
    core::Form* flip = testing::form("TFrmimgfanzhuan");
    flip->show();
    flip->setText("cbbbanben", "天猫版");
    ASSERT_EQ(flip->text("edtall"), "990");
    flip->setText("edtall", "980");
    flip->control<core::RadioGroup>("rg1")->setItemIndex(1);
    flip->control<QAbstractButton>("chkclass")->setChecked(true);
    flip->setText("edtclass", "95");
    save(flip, "四张");
    flip->setText("cbbbanben", "专业版");
    flip->control<core::RadioGroup>("rg1")->setItemIndex(0);
    flip->control<QAbstractButton>("chkclass")->setChecked(false);
    flip->setText("edtclass", "82");
    ASSERT_FALSE(flip->control<QWidget>("edttu4")->isVisibleTo(flip));
    load(flip, "四张");
    EXPECT_EQ(flip->text("cbbbanben"), "天猫版");
    EXPECT_EQ(flip->text("edtall"), "980");
    EXPECT_EQ(flip->control<core::RadioGroup>("rg1")->itemIndex(), 1);
    EXPECT_TRUE(flip->control<QWidget>("edttu4")->isVisibleTo(flip));
    EXPECT_TRUE(flip->control<QAbstractButton>("chkclass")->isChecked());
    EXPECT_EQ(flip->text("edtclass"), "95");
    flip->hide();

    // Navigation: radio buttons and the texts of several lines, exactly.
    core::Form* footer = testing::form("Tfrmdbdm");
    QList<QRadioButton*> radios;
    for (QWidget* control : core::presetControls(*footer))
        if (auto* radio = qobject_cast<QRadioButton*>(control)) radios << radio;
    ASSERT_GE(radios.size(), 2);
    QRadioButton* chosen = radios.last()->isChecked() ? radios.first() : radios.last();
    chosen->setChecked(true);
    footer->setText("mmo2", "顺丰包邮\r\n偏远地区除外\r\n");
    save(footer, "夏季");
    for (QRadioButton* radio : radios)
        if (radio != chosen && radio->parentWidget() == chosen->parentWidget()) radio->setChecked(true);
    footer->setText("mmo2", "");
    load(footer, "夏季");
    EXPECT_TRUE(chosen->isChecked());
    EXPECT_EQ(footer->text("mmo2"), "顺丰包邮\r\n偏远地区除外\r\n");

    // Promotions: the end date of a coupon.
    core::Form* coupon = testing::form("Tfrmdanpinyouhuiquan");
    auto* date = coupon->control<QDateTimeEdit>("dtp1");
    const QDateTime end(QDate(2031, 11, 11), QTime(23, 59, 0));
    date->setDateTime(end);
    save(coupon, "双十一");
    date->setDateTime(end.addMonths(-2));
    load(coupon, "双十一");
    EXPECT_EQ(date->dateTime(), end);
}

TEST_F(PresetsTest, TheMenuSavesLoadsRenamesAndDeletes) {
    core::Form* form = testing::form("Tfrmlunbo");
    form->show();
    auto* button = form->control<QPushButton>(core::kPresetsButton);
    auto actionOf = [](QMenu* menu, const QString& text) -> QAction* {
        for (QAction* action : menu->actions())
            if (action->text() == text) return action;
        return nullptr;
    };

    // Nothing saved yet: the menu says so, and 管理预设 is off.
    std::unique_ptr<QMenu> menu(core::presetMenu(form, button));
    ASSERT_NE(actionOf(menu.get(), "（还没有预设）"), nullptr);
    EXPECT_FALSE(actionOf(menu.get(), "管理预设")->isEnabled());

    // 保存为预设 suggests a name; a blank one is refused.
    fake().inputs.enqueue(QString("   "));
    actionOf(menu.get(), "保存为预设…")->trigger();
    ASSERT_EQ(fake().callsOf("prompt").size(), 1);
    // The prompt suggests the first free name.
    EXPECT_EQ(fake().callsOf("prompt").first().text, "预设名称：\n预设1");
    EXPECT_EQ(fake().callsOf("prompt").first().title, "保存为预设");
    EXPECT_EQ(fake().lastMessage().text, "预设名称不能为空！");
    form->setText("edt14", "520");
    save(form, "春季");
    EXPECT_EQ(fake().lastMessage().text, "预设\"春季\"已保存。");
    form->setText("edt14", "600");
    save(form, "夏季");
    EXPECT_EQ(names(form), (QStringList{"春季", "夏季"}));

    // Saving under a name in use asks first.
    form->setText("edt14", "700");
    fake().answers.enqueue(core::Answer::Cancel);
    save(form, "春季");
    load(form, "春季");
    EXPECT_EQ(form->text("edt14"), "520");

    // A preset in the menu loads.
    menu.reset(core::presetMenu(form, button));
    actionOf(menu.get(), "夏季")->trigger();
    EXPECT_EQ(form->text("edt14"), "600");

    // Rename: to a name in use is refused; to a new one it moves.
    QMenu* manage = actionOf(menu.get(), "管理预设")->menu();
    ASSERT_NE(manage, nullptr);
    QMenu* summer = actionOf(manage, "夏季")->menu();
    fake().inputs.enqueue(QString("春季"));
    actionOf(summer, "重命名…")->trigger();
    EXPECT_EQ(fake().lastMessage().text, "已有名为\"春季\"的预设，请换一个名称。");
    fake().inputs.enqueue(QString("盛夏"));
    actionOf(summer, "重命名…")->trigger();
    EXPECT_EQ(names(form), (QStringList{"春季", "盛夏"}));

    // Delete asks, and Cancel keeps it.
    menu.reset(core::presetMenu(form, button));
    QMenu* spring = actionOf(actionOf(menu.get(), "管理预设")->menu(), "春季")->menu();
    fake().answers.enqueue(core::Answer::Cancel);
    actionOf(spring, "删除")->trigger();
    EXPECT_EQ(names(form), (QStringList{"春季", "盛夏"}));
    actionOf(spring, "删除")->trigger();
    EXPECT_EQ(fake().lastMessage().text, "确定删除预设\"春季\"吗？");
    EXPECT_EQ(names(form), (QStringList{"盛夏"}));
    // Presets are the window's own.
    EXPECT_TRUE(names(testing::form("Tfrmfangkuai")).isEmpty());
    form->hide();
}

TEST_F(PresetsTest, AFieldThatIsGoneIsSkippedAndNamed) {
    core::Form* form = testing::form("Tfrmlunbo");
    QList<core::PresetValue> values = core::presetValues(*form);
    for (core::PresetValue& value : values)
        if (value.control == "edt14") value.value = "777";
    values.append({"edt999", "edit", "旧版本的字段"});
    values.append({"cbb1", "check", "1"}); // a control now of another kind
    core::presetStore().save("Tfrmlunbo", "旧版", values);
    load(form, "旧版");
    EXPECT_EQ(form->text("edt14"), "777");
    EXPECT_EQ(fake().lastMessage().text,
              "预设\"旧版\"已载入。其中以下项目本窗口已经没有了，已跳过：cbb1、edt999");
}

TEST_F(PresetsTest, ACorruptFileIsNamedLeftAsItIsAndTheWindowKeepsWorking) {
    core::Form* form = testing::form("Tfrmlunbo");
    form->show();
    QDir().mkpath(QFileInfo(presetFile()).absolutePath());
    const QByteArray garbage(4096, 'x');
    {
        QFile file(presetFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(garbage);
    }
    form->control<QPushButton>(core::kPresetsButton)->click();
    ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
    const QString said = fake().lastMessage().text;
    EXPECT_TRUE(said.startsWith("预设文件\"" + QDir::toNativeSeparators(presetFile()) +
                                "\"无法读取，文件没有改动，预设暂时不能使用"))
        << said.toStdString();
    fake().inputs.enqueue(QString("新的"));
    form->command([form] { core::savePresetAs(form); });
    EXPECT_TRUE(fake().lastMessage().text.startsWith("预设文件")) << fake().lastMessage().text.toStdString();
    QFile file(presetFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), garbage);
    // The window still makes its snippet.
    form->setText("edt14", "520");
    fake().reset();
    form->fire("btn1Click");
    EXPECT_TRUE(form->text("mmo1").contains("520"));
    form->hide();
}

TEST_F(PresetsTest, APresetThatCannotBeReadIsNamedAndTheWindowKeepsItsValues) {
    core::Form* form = testing::form("Tfrmlunbo");
    form->setText("edt14", "520");
    save(form, "好的");
    // Another program, or a disk fault, left one preset's fields unreadable.
    core::closePresetStore();
    for (const QByteArray& fields : {QByteArray("{\"edt14\": 7"), QByteArray("[{\"control\": 7}]")}) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "presets-spoil");
            db.setDatabaseName(presetFile());
            ASSERT_TRUE(db.open());
            QSqlQuery spoil(db);
            ASSERT_TRUE(spoil.prepare("insert or replace into presets (window, name, saved, fields) "
                                      "values ('Tfrmlunbo', '坏的', '', ?)"));
            spoil.addBindValue(QString::fromLatin1(fields));
            ASSERT_TRUE(spoil.exec());
        }
        QSqlDatabase::removeDatabase("presets-spoil");
        form->setText("edt14", "600");
        fake().reset();
        load(form, "坏的");
        EXPECT_EQ(fake().lastMessage().text, "预设\"坏的\"已损坏，无法载入，窗口的内容没有改动。")
            << fields.data();
        EXPECT_EQ(form->text("edt14"), "600");
        // The other presets load as before.
        load(form, "好的");
        EXPECT_EQ(form->text("edt14"), "520");
    }
}

// What the crash test's writer saves as its preset number i: a window's worth of fields, some long.
QList<core::PresetValue> writtenValues(int i) {
    QList<core::PresetValue> values;
    for (int field = 1; field <= 40; ++field)
        values.append({QString("edt%1").arg(field), "edit",
                       QString("写入%1-%2").arg(i).arg(field) + QString(200, 'x')});
    return values;
}

// The child of the crash test: saves presets, one transaction each, and
// reports each one saved until it is killed.
TEST(PresetWriter, SavesUntilKilled) {
    const QString path = qEnvironmentVariable("QINGWU_PRESET_WRITER");
    if (path.isEmpty()) GTEST_SKIP() << "runs as the child of the crash test";
    core::PresetStore store(path);
    for (int i = 0; i < 100000; ++i) {
        store.save("Tfrmlunbo", QString("预设%1").arg(i), writtenValues(i));
        std::printf("%d\n", i);
        std::fflush(stdout);
    }
}

TEST_F(PresetsTest, AWriterKilledMidSaveLeavesEveryEarlierPresetWhole) {
    QTemporaryDir scratch;
    const QString path = scratch.filePath("presets.db");
    const int committed = testing::killWriterAfter("PresetWriter.*", "QINGWU_PRESET_WRITER", path, 40);
    ASSERT_GE(committed, 40);

    core::PresetStore store(path);
    const QStringList saved = store.names("Tfrmlunbo");
    for (int i = 0; i <= committed; ++i) {
        const QString name = QString("预设%1").arg(i);
        ASSERT_TRUE(saved.contains(name)) << i;
        EXPECT_EQ(store.load("Tfrmlunbo", name), writtenValues(i)) << i;
    }
    store.close();
    EXPECT_EQ(testing::sqlitePragma(path, "integrity_check"), "ok");
}

} // namespace
