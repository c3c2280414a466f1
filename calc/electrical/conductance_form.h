#pragma once

#include "forms/ui/calc_form.h"

namespace ampora {

// The conductance calculator `cond`.
class ConductanceForm : public CalcForm {
    Q_OBJECT
public:
    explicit ConductanceForm(QWidget* parent = nullptr);
};

}  // namespace ampora
