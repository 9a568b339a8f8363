#include "ProductWords.h"

#include "ZoProduct.h"

#include <QCoreApplication>

void ProductWords::install()
{
    ZoProduct product;
    product.name = QT_TRANSLATE_NOOP("AboutDlg", "Quorvix Vantrope");
    product.description = QT_TRANSLATE_NOOP("AboutDlg", "Let you convert Apple's new iOS 11 photos from HEIC to JPG quickly.");
    product.company = QT_TRANSLATE_NOOP("AboutDlg", "Quorvix Software");
    product.engineers = QT_TRANSLATE_NOOP("AboutDlg", "Mira Castell, Jonas Whitfield, Anouk Verbeek, Tomasz Lind, Farah Okafor");
    product.uiDesigner = QT_TRANSLATE_NOOP("AboutDlg", "Elise Marchetti");
    product.editor = QT_TRANSLATE_NOOP("AboutDlg", "Owen Prescott");
    product.projectManager = QT_TRANSLATE_NOOP("AboutDlg", "Hana Kurosawa");
    product.productManager = QT_TRANSLATE_NOOP("AboutDlg", "Rafael Duarte");
    product.notice = QT_TRANSLATE_NOOP("AboutDlg", "Copyright \u00a9 2026 Quorvix Software. All rights reserved.");
    ZoProduct::set(product);
}
