#pragma once

#include <QLabel>
#include <QString>

// A tile of the home view: the card image of the skin (a style sheet
// background, swapped on hover by the window) with its title and description
// painted over it in the user's language. The title turns blue while the
// pointer is over the tile, as the card's edge does; the controls placed on
// the tile (its Start button) are its children, so the tile counts as
// hovered while the pointer is on them too.
//
// For screen readers the tile is one group named by its title and described
// by its description, holding its Start button.
class HomeTile : public QLabel
{
    Q_OBJECT
public:
    explicit HomeTile(QWidget *parent = nullptr);

    void setTexts(const QString &title, const QString &description);
    QString title() const { return tileTitle; }
    QString description() const { return tileDescription; }

    // Where the texts go in the 290 x 350 tile: the title centred on one line
    // under the picture, the description below it, wrapped.
    static QRect titleRect();
    static QRect descriptionRect();

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QString tileTitle;
    QString tileDescription;
    bool hovered = false;
};
