#pragma once

#include "tests/generators/carousels/page_files.h"
#include "tests/support/helpers.h"

#include <QTreeWidget>

namespace testing {

// The description assistant in a scratch current folder, with its list empty
// and the shop type "淘宝店" at the start of every test.
class AssistantTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = form("Tfrmmain");
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(folder.isValid());
        list()->clear();
        w->control<core::RadioGroup>("rg1")->setItemIndex(0);
    }
    QTreeWidget* list() const { return w->control<QTreeWidget>("lv1"); }
    FakeBrowser* browser() const { return w->findChild<FakeBrowser*>(); }
    QString page() const { return folder.path() + "/file.html"; }
    QString code() const { return w->text("mmodaima"); }
    // Each row as "number|name|code".
    QStringList rows() const {
        QStringList out;
        for (int i = 0; i < list()->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* row = list()->topLevelItem(i);
            out << row->text(0) + "|" + row->text(1) + "|" + row->text(2);
        }
        return out;
    }
    void select(int row) { list()->setCurrentItem(list()->topLevelItem(row)); }
    // Chooses a layout of the related items as a click would.
    void chooseLayout(int index) { w->control<core::RadioGroup>("rgleixing")->setItemIndex(index); }

    core::Form* w = nullptr;
    ScratchCurrentFolder folder;
};

} // namespace testing
