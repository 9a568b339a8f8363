#pragma once

// The skin files and compiled-in images the pages name: what the skin painter
// must deliver, at 1x and @2x. Shared by the image checks and the gallery.
namespace SkinFiles {

// Every skin file a page names, relative to the skin folder.
inline const char *const skinFiles[] = {
    "Button/button100_normal.png", "Button/button100_hover.png", "Button/button100_pressing.png",
    "Button/button100_2_normal.png", "Button/button100_2_hover.png", "Button/button100_2_pressing.png",
    "Button/big_button_normal.png", "Button/big_button_hover.png", "Button/big_button_pressing.png",
    "Button/big_button_disable.png",
    "Button/home_button_normal.png", "Button/home_button_hover.png", "Button/home_button_pressing.png",
    "Button/tools_icon_normal.png", "Button/tools_icon_hover.png", "Button/tools_icon_pressing.png",
    "Button/mini_icon_normal.png", "Button/mini_icon_hover.png", "Button/mini_icon_pressing.png",
    "Button/close_icon_normal.png", "Button/close_icon_hover.png", "Button/close_icon_pressing.png",
    "Button/win_close_icon_normal.png", "Button/win_icon_hover.png", "Button/win_close_icon_pressing.png",
    "Button/add_icon_normal.png", "Button/add_icon_hover.png", "Button/add_icon_pressing.png",
    "Button/delete_icon_normal.png", "Button/delete_icon_hover.png", "Button/delete_icon_pressing.png",
    "Button/delete_icon_disable.png",
    "Button/clear_icon_normal.png", "Button/clear_icon_hover.png", "Button/clear_icon_pressing.png",
    "Button/clear_icon_disable.png",
    "Button/file_add_normal.png", "Button/file_add_hover.png", "Button/file_add_pressing.png",
    "Label/win_title_bg.png", "Label/tips_confirm.png", "Label/tips_cancel.png",
    "CheckBox/checkbox_normal.png", "CheckBox/checkbox_selected.png", "CheckBox/checkbox_half_selected.png",
    "main/48x48.png", "main/heic_icon_26.png",
    "main/module1_normal.png", "main/module1_bg_hover.png", "main/module2_normal.png", "main/module2_bg_hover.png",
    "Application/Button_Normal.png", "Application/Button_Hover.png",
};

inline const char *const resourceFiles[] = {
    ":/Vantrope/Resources/home_bg.jpg",
    ":/Vantrope/Resources/module1_normal.png", ":/Vantrope/Resources/module1_bg_hover.png",
    ":/Vantrope/Resources/module2_normal.png", ":/Vantrope/Resources/module2_bg_hover.png",
    ":/Vantrope/Resources/file_add_bg_normal.png", ":/Vantrope/Resources/file_add_bg_over.png",
    ":/ZoRSC/logo.png",
};

} // namespace SkinFiles
