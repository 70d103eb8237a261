// Qt's own dialogs as the program shows them: Chinese everywhere, the file
// dialogs' folder types, sizes and dates included, and the start folder,
// suggested name and filters the windows ask for.
#include "core/filedialog.h"
#include "tests/support/helpers.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDialog>
#include <QFile>
#include <QFontDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// A folder with a subfolder, a page, a text and a picture, all last changed
// on 7 March 2025 at 09:05.
class FileDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(folder.path()).mkdir("图片"));
        for (const QString name : {"index.html", "notes.txt", "photo.jpg"}) {
            QFile file(folder.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(1536, 'x'));
        }
        const auto seconds =
            static_cast<time_t>(QDateTime(QDate(2025, 3, 7), QTime(9, 5, 30)).toSecsSinceEpoch());
        const timespec times[2] = {{seconds, 0}, {seconds, 0}};
        for (const QString name : {"index.html", "notes.txt", "photo.jpg", "图片"})
            ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(folder.filePath(name)).constData(), times, 0), 0);
    }

    // The dialog on screen with its folder read; rows of the file view by name.
    QMap<QString, QStringList> shownRows(QFileDialog& dialog) {
        dialog.setViewMode(QFileDialog::Detail);
        dialog.show();
        auto* view = dialog.findChild<QTreeView*>("treeView");
        EXPECT_NE(view, nullptr);
        QMap<QString, QStringList> rows;
        if (!view) return rows;
        QAbstractItemModel* model = view->model();
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                // Sizes and types arrive after the names.
                const QModelIndex root = view->rootIndex();
                if (model->rowCount(root) == 0) return false;
                for (int row = 0; row < model->rowCount(root); ++row)
                    if (model->index(row, 2, root).data().toString().isEmpty()) return false;
                return true;
            },
            10000));
        const QModelIndex root = view->rootIndex();
        for (int row = 0; row < model->rowCount(root); ++row) {
            QStringList cells;
            for (int column = 1; column < model->columnCount(root); ++column)
                cells << model->index(row, column, root).data().toString();
            rows.insert(model->index(row, 0, root).data().toString(), cells);
        }
        return rows;
    }

    QTemporaryDir folder;
};

// Every text the dialog shows that is not a name of the user's files: none may
// be English.
QStringList englishTexts(QDialog& dialog) {
    // A word with a small letter: "Folder", "bytes", "Dec"; not "HTML" or "JPEG".
    static const QRegularExpression word(QStringLiteral("\\b(?=[A-Za-z]*[a-z])[A-Za-z]{2,}\\b"));
    // Key names in shortcuts ("Alt+左方向键") and size units are no words.
    static const QRegularExpression symbols(QStringLiteral("\\b(Alt|Ctrl|Shift)\\+|\\b[KMGTPE]i?B\\b"));
    QStringList found;
    const auto check = [&](const QString& where, const QString& text) {
        QString shown = text;
        shown.remove(symbols);
        if (word.match(shown).hasMatch()) found << where + ": " + text;
    };
    check("title", dialog.windowTitle());
    for (QLabel* label : dialog.findChildren<QLabel*>())
        check("label " + label->objectName(), label->text());
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        check("button " + button->objectName(), button->text());
        check("tip " + button->objectName(), button->toolTip());
    }
    for (QAction* action : dialog.findChildren<QAction*>())
        check("action " + action->objectName(), action->text());
    for (QTreeView* view : dialog.findChildren<QTreeView*>()) {
        QAbstractItemModel* model = view->model();
        for (int column = 0; column < model->columnCount(); ++column)
            check("header", model->headerData(column, Qt::Horizontal).toString());
        const QModelIndex root = view->rootIndex();
        for (int row = 0; row < model->rowCount(root); ++row)
            for (int column = 1; column < model->columnCount(root); ++column)
                check("cell", model->index(row, column, root).data().toString());
    }
    return found;
}

TEST_F(FileDialogTest, FolderTypesSizesAndDatesAreChinese) {
    const auto dialog = core::makeFileDialog(nullptr, "打开", "所有文件 (*)", {folder.path()},
                                             QFileDialog::ExistingFile, QFileDialog::AcceptOpen);
    const QMap<QString, QStringList> rows = shownRows(*dialog);
    ASSERT_TRUE(rows.contains("图片"));
    ASSERT_TRUE(rows.contains("notes.txt"));
    // Columns: size, type, date changed.
    EXPECT_EQ(rows["图片"].value(1), "文件夹");
    EXPECT_EQ(rows["图片"].value(2), "2025/3/7 09:05");
    EXPECT_EQ(rows["notes.txt"].value(0), "1.50 KiB");
    EXPECT_EQ(rows["notes.txt"].value(2), "2025/3/7 09:05");
    EXPECT_EQ(englishTexts(*dialog), QStringList());
}

TEST_F(FileDialogTest, SaveDialogStartsInTheFolderWithTheSuggestedName) {
    core::FileDialogOptions options;
    options.start = folder.filePath("photo_压缩");
    options.confirmOverwrite = false;
    const auto dialog = core::makeFileDialog(nullptr, "保存", "jpeg (*.jpg)", options, QFileDialog::AnyFile,
                                             QFileDialog::AcceptSave);
    const QMap<QString, QStringList> rows = shownRows(*dialog);
    EXPECT_EQ(dialog->directory().absolutePath(), QDir(folder.path()).absolutePath());
    EXPECT_EQ(dialog->findChild<QLineEdit*>("fileNameEdit")->text(), "photo_压缩");
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    // Only pictures of the filter are listed, folders beside them.
    EXPECT_EQ(QStringList(rows.keys()), QStringList({"photo.jpg", "图片"}));
    EXPECT_EQ(englishTexts(*dialog), QStringList());

    // Without the option the dialog asks itself, as usual.
    const auto asking = core::makeFileDialog(nullptr, "保存", "jpeg (*.jpg)", {}, QFileDialog::AnyFile,
                                             QFileDialog::AcceptSave);
    EXPECT_FALSE(asking->testOption(QFileDialog::DontConfirmOverwrite));
}

// The HTML editor writes its filters as "text|patterns|…": each text is shown
// once and its patterns choose the files.
TEST_F(FileDialogTest, FiltersWrittenAsTextAndPatternsChooseTheirFiles) {
    const auto dialog =
        core::makeFileDialog(nullptr, "打开", "网页（*.html）|*.html|文本(*.txt)|*.txt", {folder.path()},
                             QFileDialog::ExistingFile, QFileDialog::AcceptOpen);
    auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
    ASSERT_NE(types, nullptr);
    QStringList shown;
    for (int i = 0; i < types->count(); ++i)
        shown << types->itemText(i);
    EXPECT_EQ(shown, QStringList({"网页（*.html）", "文本(*.txt)"}));
    EXPECT_EQ(QStringList(shownRows(*dialog).keys()), QStringList({"index.html", "图片"}));
    dialog->selectNameFilter(dialog->nameFilters().value(1));
    EXPECT_TRUE(QTest::qWaitFor([&] { return shownRows(*dialog).contains("notes.txt"); }, 10000));
    EXPECT_FALSE(shownRows(*dialog).contains("index.html"));
}

// The other dialogs of Qt the program shows speak Chinese too.
TEST(QtTexts, FontColourInputAndMessageDialogsAreChinese) {
    QFontDialog font;
    QColorDialog colour;
    colour.setOption(QColorDialog::DontUseNativeDialog);
    QInputDialog input;
    QMessageBox message;
    message.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    for (QDialog* dialog : std::initializer_list<QDialog*>{&font, &colour, &input, &message}) {
        dialog->show();
        EXPECT_EQ(englishTexts(*dialog), QStringList()) << dialog->metaObject()->className();
        dialog->hide();
    }
}

TEST(QtTexts, OurCatalogueFillsOnlyWhatQtsLeavesInEnglish) {
    const struct {
        const char* context;
        const char* source;
        const char* disambiguation;
        QString chinese;
    } cases[] = {
        {"QAbstractFileIconProvider", "Folder", "All other platforms", "文件夹"},
        {"QAbstractFileIconProvider", "Drive", nullptr, "驱动器"},
        {"QAbstractFileIconProvider", "Shortcut", "All other platforms", "快捷方式"},
        // Qt's own catalogue answers what it knows.
        {"QFileDialog", "Look in:", nullptr, "查找范围："},
        {"QPlatformTheme", "Cancel", nullptr, "取消"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QCoreApplication::translate(c.context, c.source, c.disambiguation), c.chinese) << c.source;
    // Texts of the program are not Qt's to translate.
    EXPECT_EQ(QCoreApplication::translate("Tfrmyulan", "&Delete"), "&Delete");
}

} // namespace
