#pragma once

#include "forms/ui/component_list_form.h"

namespace ampora {

// The capacitance combination calculator `cap`.
class CapacitanceForm : public ComponentListForm {
    Q_OBJECT
public:
    explicit CapacitanceForm(QWidget* parent = nullptr);
};

}  // namespace ampora
