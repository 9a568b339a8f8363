#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QSharedPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

// Answers modal dialogs from inside their exec() loop.
//
// What whenModal returns: *watch tells whether the dialog came and was
// handed to the action; cancel() stops waiting for it (so a dialog that was
// expected not to come cannot be caught by a later test). It also converts to
// the shared flag alone, for a test that keeps the flag in a variable set
// before the watch exists.
class ModalWatch
{
public:
    ModalWatch(QSharedPointer<bool> handled, QTimer *timer)
        : handled(std::move(handled))
        , timer(timer)
    {
    }
    bool operator*() const { return *handled; }
    operator QSharedPointer<bool>() const { return handled; }
    void cancel()
    {
        if (timer) {
            timer->stop();
            timer->deleteLater();
        }
    }

private:
    QSharedPointer<bool> handled;
    QPointer<QTimer> timer;
};

// whenModal<T>(action, timeoutMs, ready) polls for the next active modal
// widget of class T that ready (when given) says is ready, and runs action on
// it. Register it before the call that runs the dialog. When no such dialog
// shows up within the timeout, whatever modal widget is active is closed so
// the test cannot hang, and the returned flag stays false.
template <typename T>
ModalWatch whenModal(std::function<void(T *)> action, int timeoutMs, std::function<bool(T *)> ready)
{
    auto handled = QSharedPointer<bool>::create(false);
    auto *timer = new QTimer;
    timer->setInterval(10);
    const QDeadlineTimer deadline(timeoutMs);
    QObject::connect(timer, &QTimer::timeout, [=]() {
        T *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible() && (!ready || ready(dialog))) {
            timer->stop();
            timer->deleteLater();
            *handled = true;
            action(dialog);
        } else if (deadline.hasExpired()) {
            timer->stop();
            timer->deleteLater();
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
        }
    });
    timer->start();
    return ModalWatch(handled, timer);
}

// The same, passing over notThis (a dialog still active from before).
template <typename T>
ModalWatch whenModal(std::function<void(T *)> action, int timeoutMs = 20000, const T *notThis = nullptr)
{
    return whenModal<T>(std::move(action), timeoutMs,
                        std::function<bool(T *)>([notThis](T *dialog) { return dialog != notThis; }));
}
