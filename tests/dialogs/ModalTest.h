#pragma once

#include <QApplication>
#include <QRect>
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

    // Where the control `name` sits inside `dialog`, for the layout tests.
    static QRect placeOf(const QWidget& dialog, const char* name) {
        const QWidget* control = dialog.findChild<QWidget*>(QString::fromLatin1(name));
        if (!control) {
            ADD_FAILURE() << "no control named " << name;
            return {};
        }
        return QRect(control->mapTo(&dialog, QPoint()), control->size());
    }

private:
    QTimer watchdog_;
};
