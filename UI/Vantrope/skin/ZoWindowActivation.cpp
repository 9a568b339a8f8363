#include "ZoWindowActivation.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace {

class ActivationReturn : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Hide && !event->spontaneous() && watched->isWidgetType())
            windowHidden(static_cast<QWidget *>(watched));
        return false;
    }

private:
    static void windowHidden(QWidget *window)
    {
        if (!window->isWindow() || !window->parentWidget())
            return;
        // Popups and tooltips never take the keyboard from their window.
        const Qt::WindowType type = window->windowType();
        if (type == Qt::Popup || type == Qt::ToolTip || type == Qt::SplashScreen)
            return;
        // By the time the window is hidden Qt has let go of its activation;
        // a window that holds the keyboard keeps it.
        QWidget *active = QApplication::activeWindow();
        if (active && active != window)
            return;
        QWidget *owner = window->parentWidget()->window();
        if (owner && owner->isVisible() && !owner->isMinimized())
            owner->activateWindow();
    }
};

} // namespace

namespace ZoWindowActivation {

void install()
{
    static QPointer<ActivationReturn> filter;
    if (filter || !qApp)
        return;
    filter = new ActivationReturn(qApp);
    qApp->installEventFilter(filter);
}

} // namespace ZoWindowActivation
