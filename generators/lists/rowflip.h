#pragma once

#include "core/form.h"

namespace generators {

// A row of 3 or 4 front pictures; each turns into its back side (a picture or
// the user's own HTML inside a link) while the pointer rests on it.
class RowFlipForm : public core::Form {
    Q_OBJECT
public:
    enum class Back { Picture, CustomHtml };

protected:
    RowFlipForm(const QString& className, Back back, const QString& help);

private:
    QString backField(int row) const;
    QString frontBlock(int row, const QString& cls, const QString& width, const QString& height) const;
    QString popupBlock(int row, const QString& cls, const QString& width, const QString& height) const;
    void computeWidth();
    void generate();

    Back m_back;
};

class TFrmimgfanzhuan : public RowFlipForm {
    Q_OBJECT
public:
    TFrmimgfanzhuan();
};

class TFrmzdyfanzhuan : public RowFlipForm {
    Q_OBJECT
public:
    TFrmzdyfanzhuan();
};

} // namespace generators
