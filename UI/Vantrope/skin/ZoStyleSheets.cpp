#include "ZoStyleSheets.h"

namespace ZoStyleSheets {

QString qualitySlider()
{
    return QStringLiteral(
        "QSlider::groove:horizontal {border: 0px solid #4A708B; background: #3598FE; height: 5px;"
        "border-radius: 2px; padding-left: -1px; padding-right:-1px;left: 13px; right: 13px;}"
        "QSlider::sub-page:horizontal{background: qlineargradient(x1 : 0, y1 : 0, x2 : 0, y2 : 1,"
        "stop : 0 #B1B1B1, stop:1 #c4c4c4);background: qlineargradient(x1 : 0, y1 : 0.2, x2 : 1, y2 : 1,"
        "stop : 0 #5DCCFF, stop: 1 #1874CD);border: 0px solid #4A708B;height: 10px;border-radius: 2px;}"
        "QSlider::add-page:horizontal{background: #D1D1D1; border: 0px solid #777; height: 10px; "
        "border-radius: 2px;}"
        "QSlider::handle:horizontal{background: qradialgradient(spread : pad, cx : 0.5, cy : 0.5, "
        "radius: 0.5, fx : 0.5, fy : 0.5,stop: 0.6 #ffffff, stop:0.778409 rgba(69,173,237,255)); "
        "width: 13px; height: 16px; margin-top: -4px; margin-bottom: -4px; margin-left: -4px; "
        "margin-right: -4px;border-radius: 5px;}");
}

QString popupMenu()
{
    return QStringLiteral("QMenu{background:#ffffff;border:1px solid #d5e6f8;padding:4px 0px;}"
                          "QMenu::item{color:#484848;padding:6px 28px 6px 18px;}"
                          "QMenu::item:selected{background:#eaf4ff;color:#3598fe;}"
                          "QMenu::separator{height:1px;background:#e6e6e6;margin:4px 10px;}");
}

} // namespace ZoStyleSheets
