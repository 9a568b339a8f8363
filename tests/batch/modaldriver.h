#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// Answers modal dialogs from inside their exec() loop.
//
// What whenModal returns: *watch tells whether the dialog came and was
// handed to the action; cancel() stops waiting for it (so a dialog that was
// expected not to come cannot be caught by a later test).
class ModalWatch
{
public:
    ModalWatch(std::shared_ptr<bool> handled, QTimer *timer)
        : handled(std::move(handled))
        , timer(timer)
    {
    }
    bool operator*() const { return *handled; }
    void cancel()
    {
        if (timer) {
            timer->stop();
            timer->deleteLater();
        }
    }

private:
    std::shared_ptr<bool> handled;
    QPointer<QTimer> timer;
};

// whenModal<T>(action) polls for the next active modal widget of class T and
// runs action on it. Register it before the call that runs the dialog. When no
// such dialog shows up within the timeout, whatever modal widget is active is
// closed so the test cannot hang, and the returned flag stays false.
template <typename T>
ModalWatch whenModal(std::function<void(T *)> action, int timeoutMs = 20000, const T *notThis = nullptr)
{
    auto handled = std::make_shared<bool>(false);
    auto *timer = new QTimer;
    timer->setInterval(10);
    const QDeadlineTimer deadline(timeoutMs);
    QObject::connect(timer, &QTimer::timeout, [=]() {
        T *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        if (dialog && dialog != notThis && dialog->isVisible()) {
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
