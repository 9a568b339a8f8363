#pragma once

#include "ZoSkin.h"
#include "ZoStyleWidget.h"

class QHBoxLayout;
class QLabel;
class QSpacerItem;
class ZoStyleButton;

// The title bar of every skinned window: background image, white bold caption
// and an image close button on the right (a hidden 21 x 21 logo on the left).
// The close button closes the drag target, or with setCloseBySignal(true) only
// emits signal_Close() and leaves closing to the receiver.
//
// Child object names: "titleLabel", "closeButton", "iconLabel".
class ZoStyleWidgetTitle : public ZoStyleWidget
{
    Q_OBJECT
public:
    explicit ZoStyleWidgetTitle(QWidget *parent = nullptr);

    // Also the title of the window the bar belongs to.
    void setTitleText(QString text);
    void setCloseBySignal(bool bySignal);

signals:
    void signal_Close();

public slots:
    void slot_Close();

private:
    bool closeBySignal;
    QString backgroundPath;
    QString logoPath;
    QLabel *iconLabel;
    QSpacerItem *spacer;
    ZoSkin skin;
    QLabel *titleLabel;
    ZoStyleButton *closeButton;
    QHBoxLayout *layout;
};
