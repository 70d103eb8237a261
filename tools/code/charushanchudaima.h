#pragma once

#include "core/form.h"

namespace tools {

// Puts a block of the user's own code in front of a snippet between two marker
// comments, and takes such a block out again.
class Tfrmcharushanchudaima : public core::Form {
    Q_OBJECT
public:
    Tfrmcharushanchudaima();

    // The base code without the lines between a head and a tail marker line.
    static QString withoutInsertion(const QString& code);

private:
    void handOut(const QString& output, const QString& done);
};

} // namespace tools
