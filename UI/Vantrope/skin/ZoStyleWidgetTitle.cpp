#include "ZoStyleWidgetTitle.h"

#include <QCoreApplication>
#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QSpacerItem>

#include "ZoAccessible.h"
#include "ZoStyleButton.h"

ZoStyleWidgetTitle::ZoStyleWidgetTitle(QWidget *parent)
    : ZoStyleWidget(parent)
    , closeBySignal(false)
    , logoPath(QStringLiteral(":/ZoRSC/logo.png"))
{
    titleLabel = new QLabel(this);
    titleLabel->setObjectName(QStringLiteral("titleLabel"));
    closeButton = new ZoStyleButton(this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setFixedSize(18, 18);
    closeButton->setFlat(true);
    spacer = new QSpacerItem(217, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    iconLabel = new QLabel(this);
    iconLabel->setObjectName(QStringLiteral("iconLabel"));
    iconLabel->setFixedSize(21, 21);
    iconLabel->setScaledContents(true);
    titleLabel->setAttribute(Qt::WA_TranslucentBackground);
    iconLabel->setAttribute(Qt::WA_TranslucentBackground);

    layout = new QHBoxLayout(this);
    layout->setObjectName(QStringLiteral("horizontalLayout"));
    layout->setSpacing(6);
    layout->setContentsMargins(15, 0, 15, 0);
    layout->addWidget(iconLabel);
    layout->addWidget(titleLabel);
    layout->addItem(spacer);
    layout->addWidget(closeButton);

    const QString prefix = QCoreApplication::applicationDirPath() + QStringLiteral("/Skin/");
    backgroundPath = prefix + QStringLiteral("Label/win_title_bg.png");
    setBackgroundImage(backgroundPath);
    iconLabel->setPixmap(ZoSkin::pixmap(logoPath));
    closeButton->setImages(prefix + QStringLiteral("Button/win_close_icon_normal.png"),
                           prefix + QStringLiteral("Button/win_icon_hover.png"),
                           prefix + QStringLiteral("Button/win_close_icon_pressing.png"));
    titleLabel->setFont(skin.font(ZoSkin::TitleBarFont));
    titleLabel->setStyleSheet(QStringLiteral("color: rgb(255, 255, 255);"));

    ZoAccessible::describe(closeButton, tr("Close"), tr("Closes this window"));

    connect(closeButton, SIGNAL(clicked()), this, SLOT(slot_Close()));
    iconLabel->hide();
}

void ZoStyleWidgetTitle::setTitleText(QString text)
{
    titleLabel->setText(text);
    // The caption painted in the bar is the window's title too: window lists,
    // task bars and screen readers show it.
    if (QWidget *owner = window(); owner != this)
        owner->setWindowTitle(text);
}

void ZoStyleWidgetTitle::setCloseBySignal(bool bySignal)
{
    closeBySignal = bySignal;
}

void ZoStyleWidgetTitle::slot_Close()
{
    if (closeBySignal) {
        emit signal_Close();
        qDebug() << "close";
        return;
    }
    slotClosePWidget();
}
