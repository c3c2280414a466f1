// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include <functional>

class QLabel;
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

    // One step of the sequence; the timer calls it every 100 ms.
    void tick();

    QTimer* timer() const { return timer_; }
    QProgressBar* progress() const { return pb1_; }
    QLabel* loading() const { return load1_; }
    QLabel* version() const { return lblVersion_; }

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
    int ticks_ = 0;  // the ticks gone by
    bool handedOver_ = false;
};

}  // namespace ampora
