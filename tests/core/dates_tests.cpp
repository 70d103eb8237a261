#include "core/dates.h"
#include "tests/generators/promotions/locale_guard.h"
#include "tests/support/helpers.h"

#include <gtest/gtest.h>

namespace {

TEST(DatesTest, ShortDateUsesTheDesktopFormatWithDashesForSlashes) {
    const struct {
        const char* locale;
        QDate date;
        QString text;
    } cases[] = {
        // No desktop format: the stand-in.
        {"C", QDate(2015, 2, 26), "2015-02-26"},
        {"C", QDate(2024, 12, 3), "2024-12-03"},
        // "yyyy/M/d": every slash becomes a dash.
        {"zh_CN", QDate(2015, 2, 26), "2015-2-26"},
        {"zh_CN", QDate(2024, 12, 3), "2024-12-3"},
        // "M/d/yy".
        {"en_US", QDate(2015, 2, 26), "2-26-15"},
        // Dots stay dots.
        {"de_DE", QDate(2015, 2, 26), "26.02.15"},
    };
    for (const auto& c : cases) {
        testing::DesktopLocale desktop{QLocale(QString::fromLatin1(c.locale))};
        EXPECT_EQ(core::shortDateText(c.date), c.text) << c.locale;
    }
}

TEST(DatesTest, GeneralFormAddsTheLongTimeUnlessMidnight) {
    const struct {
        const char* locale;
        QDateTime moment;
        QString text;
    } cases[] = {
        {"C", QDateTime(QDate(2015, 3, 1), QTime(1, 1, 25)), "2015-03-01 01:01:25"},
        {"C", QDateTime(QDate(2015, 3, 1), QTime(0, 0, 0)), "2015-03-01"},
        {"C", QDateTime(QDate(2015, 3, 1), QTime(0, 0, 1)), "2015-03-01 00:00:01"},
        {"C", QDateTime(QDate(2015, 3, 1), QTime(23, 59, 59)), "2015-03-01 23:59:59"},
        // No time-zone name in the time: the widget reads a plain local time.
        {"zh_CN", QDateTime(QDate(2015, 3, 1), QTime(1, 1, 25)), "2015-3-1 01:01:25"},
        {"zh_CN", QDateTime(QDate(2015, 3, 1), QTime(0, 0, 0)), "2015-3-1"},
        {"de_DE", QDateTime(QDate(2015, 3, 1), QTime(13, 1, 25)), "01.03.15 13:01:25"},
        {"en_US", QDateTime(QDate(2015, 3, 1), QTime(13, 1, 25)), "3-1-15 1:01:25 PM"},
    };
    for (const auto& c : cases) {
        testing::DesktopLocale desktop{QLocale(QString::fromLatin1(c.locale))};
        EXPECT_EQ(core::dateTimeText(c.moment), c.text) << c.locale;
    }
}

} // namespace
