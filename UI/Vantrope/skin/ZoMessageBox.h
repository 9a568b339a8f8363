#pragma once

#include <QString>

#include "ZoSkin.h"
#include "ZoStyleDialog.h"

class QLabel;
class QVBoxLayout;
class ZoStyleButton;
class ZoStyleWidgetTitle;

// The skinned message box: a title bar, one message and any of four buttons
// chosen by a mask. Run it with exec(), then read clickedButton().
class ZoMessageBox : public ZoStyleDialog
{
    Q_OBJECT
public:
    // Button mask bits, which are also the result codes of clickedButton().
    enum Button { Yes = 1, No = 2, Ok = 4, Cancel = 8 };

    // An empty title shows the product's name (ZoProduct).
    ZoMessageBox(const QString &text, const QString &title, int buttons, QWidget *parent = nullptr);

    // The button that closed the box, 0 when it was closed another way
    // (the title bar's close button, Escape).
    int clickedButton() const;

public slots:
    void slotClose_yes();
    void slotClose_no();
    void slotClose_ok();
    void slotClose_cancel();

private:
    void setupForm();

    ZoSkin skin;
    QString title;
    QString text;
    int buttons;
    int clicked;

    // form
    QVBoxLayout *verticalLayout_2 = nullptr;
    ZoStyleWidgetTitle *widget = nullptr;
    QWidget *widget_2 = nullptr;
    QLabel *label = nullptr;
    ZoStyleButton *pushButton_yes = nullptr;
    ZoStyleButton *pushButton_ok = nullptr;
    ZoStyleButton *pushButton_no = nullptr;
    ZoStyleButton *pushButton_cancel = nullptr;
};
