#pragma once

#include <QGroupBox>

namespace ampora {

// A frame in the classic style: a thin grey border with the caption sitting on its top
// line. Drawn here rather than through a style sheet, so that the controls inside keep
// the form's palette and style.
class ClassicFrame : public QGroupBox {
public:
    ClassicFrame(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace ampora
