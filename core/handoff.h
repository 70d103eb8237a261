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

// The program's banner converter, as the generators see it.
class ConverterInput {
public:
    // Shows the converter, chooses the edition, writes the width and then the
    // height (which recomputes the converted height) and, last, the code.
    virtual void receive(const Handoff& handoff) = 0;

protected:
    ~ConverterInput() = default;
};

// Hands a generator's code on to the banner converter. Nothing happens in a
// program without one.
void handToConverter(const Handoff& handoff);

// The code previewer, as the banner converter sees it.
class PreviewerInput {
public:
    // Shows the previewer with the code in its editor and the edition chosen
    // (0 basic, 1 professional, 2 Tmall).
    virtual void receive(const QString& code, int edition) = 0;

protected:
    ~PreviewerInput() = default;
};

// Hands converted code on to the previewer. Nothing happens in a program
// without one.
void handToPreviewer(const QString& code, int edition);

} // namespace core
