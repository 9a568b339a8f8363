#include "HomeTile.h"

#include "ZoAccessible.h"
#include "ZoSkin.h"

#include <QPainter>

namespace {

const QColor titleInk(0x48, 0x48, 0x48);
const QColor titleHoverInk(0x35, 0x98, 0xfe);
const QColor descriptionInk(0x78, 0x78, 0x78);

} // namespace

HomeTile::HomeTile(QWidget *parent)
    : QLabel(parent)
{
}

void HomeTile::setTexts(const QString &title, const QString &description)
{
    tileTitle = title;
    tileDescription = description;
    ZoAccessible::describeGroup(this, title, description);
    update();
}

QRect HomeTile::titleRect()
{
    return QRect(10, 168, 270, 30);
}

QRect HomeTile::descriptionRect()
{
    // Room for three lines above the Start button.
    return QRect(30, 200, 230, 48);
}

void HomeTile::enterEvent(QEvent *event)
{
    hovered = true;
    update();
    QLabel::enterEvent(event);
}

void HomeTile::leaveEvent(QEvent *event)
{
    hovered = false;
    update();
    QLabel::leaveEvent(event);
}

void HomeTile::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    const ZoSkin skin;
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setFont(skin.font(ZoSkin::TileTitleFont));
    painter.setPen(hovered ? titleHoverInk : titleInk);
    painter.drawText(titleRect(), Qt::AlignCenter, tileTitle);
    painter.setFont(skin.font(ZoSkin::SmallFont));
    painter.setPen(descriptionInk);
    painter.drawText(descriptionRect(), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, tileDescription);
}
