#include "ZoAbout.h"

#include <QVBoxLayout>

#include "AboutDlg.h"
#include "ZoStyleWidgetTitle.h"

ZoAbout::ZoAbout(QWidget *parent)
    : ZoStyleDialog(parent)
{
    setupForm();
    widget->setDragTarget(this, QPoint(5, 5), true);
    widget->setFont(skin.font(ZoSkin::BodyFont));
    widget->setTitleText(tr("About"));
}

void ZoAbout::setupForm()
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("ZoAbout"));
    setFixedSize(625, 460);

    verticalLayout = new QVBoxLayout(this);
    verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
    verticalLayout->setSpacing(0);
    verticalLayout->setContentsMargins(5, 5, 5, 5);

    widget = new ZoStyleWidgetTitle(this);
    widget->setObjectName(QStringLiteral("widget"));
    widget->setFixedSize(615, 35);
    widget->setFont(QFont(QStringLiteral("Segoe UI"), 10));
    widget->setStyleSheet(QString());
    verticalLayout->addWidget(widget);

    widget_2 = new AboutDlg(this);
    widget_2->setObjectName(QStringLiteral("widget_2"));
    widget_2->setFixedSize(615, 415);
    widget_2->setFont(QFont(QStringLiteral("Tahoma"), 11));
    verticalLayout->addWidget(widget_2);
}
