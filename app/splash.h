// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QProgressBar;
class QTimer;

namespace ampora {

// `frmSplash`: the start-up window. A 100 ms timer steps a pretend loading sequence; on
// the 31st tick, or at once on a key press, it opens the main window and closes itself.
// Closing deletes it, so create it with new.
class Splash : public QWidget {
    Q_OBJECT
public:
    // `openMain` creates and shows the main window; it runs at most once.
    explicit Splash(std::function<void()> openMain, QWidget* parent = nullptr);

    // One step of the sequence (the timer's handler).
    void Timer1_Timer();

    QTimer* timer() const { return timer_; }
    QProgressBar* progress() const { return pb1_; }
    QLabel* loading() const { return load1_; }
    QLabel* version() const { return lblVersion_; }
    QLineEdit* counter() const { return tim_; }
    bool handedOver() const { return handedOver_; }

    // "Version 1.0.6" for a build numbered 1.0.6.
    static QString versionCaption(int major, int minor, int revision);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void handOver();

    std::function<void()> openMain_;
    QTimer* timer_;
    QProgressBar* pb1_;
    QLabel* load1_;
    QLabel* lblVersion_;
    QLineEdit* tim_;
    bool handedOver_ = false;
};

}  // namespace ampora
