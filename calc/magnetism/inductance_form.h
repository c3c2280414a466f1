#pragma once

#include "forms/ui/component_list_form.h"

namespace ampora {

// The inductance combination calculator `ind`.
class InductanceForm : public ComponentListForm {
    Q_OBJECT
public:
    explicit InductanceForm(QWidget* parent = nullptr);
};

}  // namespace ampora
