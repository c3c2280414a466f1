#pragma once

#include "form_table.h"

#include <QMainWindow>

class QMdiArea;
class QMenu;

namespace ampora {

// `MDIForm1`: the frame of the program, with its menu tree and the MDI area that holds
// every other form. Its load opens the main panel; closing it ends the program.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(std::vector<FormEntry> forms = AllForms(), QWidget* parent = nullptr);

    FormTable& forms() { return *forms_; }
    QMdiArea* area() const { return area_; }

    // Picks every enabled menu item that opens a calculator, as a user would; returns
    // how many it picked.
    int openEveryCalculator();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void fillRecent(QMenu* recent);
    void startBenchmark();

    QMdiArea* area_;
    FormTable* forms_;
};

}  // namespace ampora
