#pragma once

#include <QString>
#include <optional>

namespace core {

class Form;

// Shop editions as the banner converter's buttons name them.
enum class Edition { Basic, Professional, Tmall };

// The converter's button of an edition: basic "rb3", professional "rb1", Tmall "rb2".
QString editionButton(Edition edition);

// Generators whose combo reads "基础版" / "专业版" / anything else (Tmall).
Edition editionFromBasicFirst(const QString& comboText);
// Generators whose combo reads "专业版" / "天猫版" / anything else (basic).
Edition editionFromProfessionalFirst(const QString& comboText);

// What a generator's convert button passes to the banner converter.
struct Handoff {
    std::optional<Edition> edition; // nothing: the converter's edition is not changed
    std::optional<QString> width;   // nothing: edt1 is not changed
    QString height;
    QString code;
};

// What a convert button says while its generator holds no code yet.
QString generateFirst();

// Shows the converter, chooses its edition button, writes the width into edt1,
// the height into edt2 (which recomputes the converted height) and, last, the
// code into its input memo mmo1. Nothing happens when there is no converter.
void handToConverter(Form* converter, const Handoff& handoff);

} // namespace core
