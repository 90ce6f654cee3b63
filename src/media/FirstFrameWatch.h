#pragma once

#include <QObject>

#include <functional>

namespace pivo {

/// Runs a task once, right after the first window of the application has painted its first frame,
/// so that slow preparations never delay what the player sees first. Until then it watches the
/// application's events; afterwards it costs nothing.
class FirstFrameWatch : public QObject {
public:
    explicit FirstFrameWatch(std::function<void()> task);
    ~FirstFrameWatch() override;

    /// Starts watching; the task runs once, from the event loop, after the next paint of any widget.
    void arm();
    bool armed() const { return armed_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> task_;
    bool armed_ = false;
};

}  // namespace pivo
