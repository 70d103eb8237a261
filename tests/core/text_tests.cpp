#include "core/failure.h"
#include "core/text.h"
#include "tests/support/helpers.h"

#include <gtest/gtest.h>

namespace {

using testing::failureOf;

TEST(ColorText, HashAndSixUpperCaseDigitsRedFirst) {
    EXPECT_EQ(core::colorText(QColor(0, 165, 197)), "#00A5C5");
    EXPECT_EQ(core::colorText(Qt::white), "#FFFFFF");
    EXPECT_EQ(core::colorText(Qt::black), "#000000");
    EXPECT_EQ(core::colorText(QColor(255, 0, 16)), "#FF0010");
}

TEST(ParseInt, AcceptsWhatTheGeneratorsType) {
    const std::pair<QString, int> cases[] = {{"400", 400}, {"  7", 7},  {"-20", -20},
                                             {"+3", 3},    {"$1F", 31}, {"0x10", 16}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(core::parseInt(text), value) << text.toStdString();
}

TEST(ParseInt, RejectsWithTheFrameworkMessage) {
    for (const QString text : {"abc", "", "12 ", "1.5", "4O0", "99999999999"})
        EXPECT_EQ(failureOf([&] { core::parseInt(text); }),
                  QStringLiteral("'%1' is not a valid integer value").arg(text));
}

TEST(ParseFloat, AcceptsAndRejects) {
    EXPECT_EQ(core::parseFloat("465.5"), 465.5);
    EXPECT_EQ(core::parseFloat(" 2 "), 2.0);
    EXPECT_EQ(core::parseFloat("1e3"), 1000.0);
    EXPECT_EQ(core::parseFloat("-0.5"), -0.5);
    for (const QString text : {"x", "", "1,5", "1,500.5", "inf", "nan", "NaN", "INF", "-inf", "+nan", "1e309",
                               "-1e309", "0x10", " ", "1.5.5"})
        EXPECT_EQ(failureOf([&] { core::parseFloat(text); }),
                  QStringLiteral("'%1' is not a valid floating point value").arg(text))
            << text.toStdString();
}

TEST(ParseInt, TheThirtyTwoBitRangeExactly) {
    EXPECT_EQ(core::parseInt("2147483647"), 2147483647);
    EXPECT_EQ(core::parseInt("-2147483648"), -2147483647 - 1);
    for (const QString text :
         {"2147483648", "-2147483649", "99999999999999999999", "$100000000", "1e3", "NaN"})
        EXPECT_EQ(failureOf([&] { core::parseInt(text); }),
                  QStringLiteral("'%1' is not a valid integer value").arg(text))
            << text.toStdString();
}

TEST(Finite, AResultThatOverflowsFailsNamingTheTypedText) {
    EXPECT_EQ(core::finite(2 * core::parseFloat("1e300"), "1e300"), 2e300);
    EXPECT_EQ(failureOf([&] { core::finite(2 * core::parseFloat("1e308"), "1e308"); }),
              "'1e308' is not a valid floating point value");
    EXPECT_EQ(
        failureOf([&] { core::finite(core::parseFloat("1e308") - core::parseFloat("-1e308"), "1e308"); }),
        "'1e308' is not a valid floating point value");
}

TEST(FormatFloat, ShortestGeneralForm) {
    const std::pair<double, QString> cases[] = {{485, "485"},
                                                {465.5, "465.5"},
                                                {-20, "-20"},
                                                {0, "0"},
                                                {0.1 + 0.2, "0.3"},
                                                {1e20, "1E20"},
                                                {1.5e-5, "1.5E-5"},
                                                {123456789012345.0, "123456789012345"},
                                                {2.0 / 3, "0.666666666666667"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(core::formatFloat(value), text);
}

TEST(BarList, SplitsByTheListRule) {
    const std::pair<QString, QStringList> cases[] = {
        {"a|b|c", {"a", "b", "c"}},
        {"图1地址| \r\n图2地址|\r\n图3地址", {"图1地址", "图2地址", "图3地址"}},
        {"  a  |  b  ", {"a", "b"}},
        {"a|", {"a", ""}},
        {"a| \r\n", {"a"}}, // the "|" does not end the text
        {"a b|c", {"a", "b", "c"}},
        {"\"a b\"|c", {"a b", "c"}},
        {"\"say \"\"hi\"\"\"|x", {"say \"hi\"", "x"}},
        {"a||b", {"a", "", "b"}},
        {"|", {"", ""}},
        {"", {}},
        {" \r\n ", {}},
        {"#|#|#", {"#", "#", "#"}},
    };
    for (const auto& [text, entries] : cases)
        EXPECT_EQ(core::splitBarList(text), entries) << text.toStdString();
}

TEST(BarList, EntryBeyondTheLastFails) {
    const QStringList list = core::splitBarList("a|b|c");
    EXPECT_EQ(core::listItem(list, 2), "c");
    EXPECT_EQ(failureOf([&] { core::listItem(list, 3); }), "List index out of bounds (3)");
}

TEST(TextLines, LineBreaksOfEveryKind) {
    EXPECT_EQ(core::textLines("a\r\nb\r\n"), (QStringList{"a", "b"}));
    EXPECT_EQ(core::textLines("a\nb"), (QStringList{"a", "b"}));
    EXPECT_EQ(core::textLines("a\r\n\r\nb"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(core::textLines(""), QStringList());
    EXPECT_EQ(core::joinLines({"a", "b"}), "a\r\nb\r\n");
}

} // namespace
