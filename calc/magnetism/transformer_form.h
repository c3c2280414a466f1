#pragma once

#include "forms/ui/calc_form.h"

namespace ampora {

// The transformer calculator `trans`.
class TransformerForm : public CalcForm {
    Q_OBJECT
public:
    explicit TransformerForm(QWidget* parent = nullptr);
};

}  // namespace ampora
