#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

// Base of the dialog tests: actions run once the modal dialog is open, and a watchdog closes a dialog
// that a failed action left open, so a broken test fails instead of hanging.
class ModalTest : public ::testing::Test {
protected:
    void SetUp() override {
        watchdog_.setSingleShot(true);
        QObject::connect(&watchdog_, &QTimer::timeout, [] {
            if (QWidget* open = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "the dialog was left open";
                open->close();
            }
        });
        watchdog_.start(5000);
    }

    // Runs `action` as soon as the event loop of the next modal dialog turns.
    static void whenOpen(std::function<void()> action) { QTimer::singleShot(0, std::move(action)); }

private:
    QTimer watchdog_;
};
