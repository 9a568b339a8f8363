#pragma once

#include <QTableWidget>

#include "ZoSkin.h"

// A QTableWidget styled for the skin: grey text on white, light grid, a 40 px
// header that does not sort, thin rounded scroll bars, single whole-row
// selection, no editing and no focus rectangle (NoFocusDelegate).
// Columns, header labels and widths are left to the owner.
class ZoStyleTableWidget : public QTableWidget
{
    Q_OBJECT
public:
    explicit ZoStyleTableWidget(QWidget *parent = nullptr);
    ~ZoStyleTableWidget() override;

private:
    ZoSkin skin;
};
