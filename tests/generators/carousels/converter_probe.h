#pragma once

#include "app/windows.h"
#include "core/handoff.h"
#include "tests/support/helpers.h"

#include <QRadioButton>

namespace testing {

// What the banner converter shows: the checked edition button and its fields.
struct ConverterView {
    QString edition; // "rb1", "rb2", "rb3" or empty
    QString width;
    QString height;
    QString code;
    bool visible = false;
};

inline core::Form* converter() {
    return testing::form(QStringLiteral("Tfrmtonglan3"));
}

// Puts the converter into a state no generator hands over, so that every
// value written by a hand-off shows.
inline void primeConverter(core::Form* banner, const QString& edition) {
    banner->hide();
    banner->control<QRadioButton>(edition)->setChecked(true);
    banner->setText(QStringLiteral("edt1"), QStringLiteral("1100"));
    banner->setText(QStringLiteral("edt2"), QStringLiteral("300"));
    banner->setText(QStringLiteral("mmo1"), QStringLiteral("earlier code"));
}

inline ConverterView viewConverter(core::Form* banner) {
    ConverterView view;
    for (const QString& button : {QStringLiteral("rb1"), QStringLiteral("rb2"), QStringLiteral("rb3")})
        if (banner->control<QRadioButton>(button)->isChecked()) view.edition = button;
    view.width = banner->text(QStringLiteral("edt1"));
    view.height = banner->text(QStringLiteral("edt2"));
    view.code = banner->text(QStringLiteral("mmo1"));
    view.visible = banner->isVisible();
    return view;
}

// Presses a generator's convert button with the converter primed on `prime`
// and returns what the converter then shows.
inline ConverterView handOver(core::Form* generator, const QString& convert, core::Form* banner,
                              const QString& prime) {
    primeConverter(banner, prime);
    generator->fire(convert);
    return viewConverter(banner);
}

// Presses a convert button before anything was generated: the converter is
// neither shown nor changed, nothing is copied, and the generator says that
// the code must be generated first.
inline void expectNothingHandedOver(core::Form* generator, const QString& convert,
                                    const QString& message = core::generateFirst()) {
    core::Form* banner = converter();
    ASSERT_NE(banner, nullptr);
    fakePlatform().reset();
    const ConverterView view = handOver(generator, convert, banner, QStringLiteral("rb2"));
    EXPECT_FALSE(view.visible);
    EXPECT_EQ(view.edition, QStringLiteral("rb2"));
    EXPECT_EQ(view.width, QStringLiteral("1100"));
    EXPECT_EQ(view.height, QStringLiteral("300"));
    EXPECT_EQ(view.code, QStringLiteral("earlier code"));
    EXPECT_FALSE(fakePlatform().clipboardSet);
    ASSERT_EQ(fakePlatform().callsOf(QStringLiteral("messageBox")).size(), 1);
    EXPECT_EQ(fakePlatform().lastMessage().text, message);
    EXPECT_EQ(fakePlatform().lastMessage().owner, generator->objectName());
}

} // namespace testing
