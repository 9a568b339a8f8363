#pragma once

#include "ZoSkin.h"
#include "ZoStyleDialog.h"

class AboutDlg;
class QVBoxLayout;
class ZoStyleWidgetTitle;

// The About dialog: a fixed 625 x 460 frameless dialog with a draggable title
// bar ("About") over the AboutDlg content. Open it with exec().
class ZoAbout : public ZoStyleDialog
{
    Q_OBJECT
public:
    explicit ZoAbout(QWidget *parent = nullptr);

private:
    void setupForm();

    // form
    QVBoxLayout *verticalLayout = nullptr;
    ZoStyleWidgetTitle *widget = nullptr;
    AboutDlg *widget_2 = nullptr;

    ZoSkin skin;
};
