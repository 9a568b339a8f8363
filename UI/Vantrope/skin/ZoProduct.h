#pragma once

#include <QString>

// The words of the product that the toolkit shows: its name (About dialog,
// the message box's title when none is given), its description, maker,
// credits and notice (About dialog). The toolkit carries none of its own; the
// application hands them in once, before the first dialog, with set().
//
// The texts are source texts. The About dialog translates them in its own
// context ("AboutDlg"), so the application marks them with
// QT_TRANSLATE_NOOP("AboutDlg", ...).
struct ZoProduct {
    const char *name = "";
    const char *description = "";
    const char *company = "";
    const char *engineers = "";
    const char *uiDesigner = "";
    const char *editor = "";
    const char *projectManager = "";
    const char *productManager = "";
    const char *notice = "";

    static void set(const ZoProduct &product);
    // The product handed in, or one with empty texts.
    static const ZoProduct &current();
};
