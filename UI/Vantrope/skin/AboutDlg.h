#pragma once

#include <QString>
#include <QWidget>

#include "ZoSkin.h"

class QLabel;

// The content of the About dialog: logo, product name and description, the
// version of the running executable and the credits.
class AboutDlg : public QWidget
{
    Q_OBJECT
public:
    explicit AboutDlg(QWidget *parent = nullptr);

    // The "FileVersion" text of the version block carried by the file at
    // filePath, looked up under its first translation; empty when the file has
    // no version block, no translation or no such string.
    static QString readFileVersion(const QString &filePath);

    // The 8-digit lower-case code of a translation pair as used in the
    // StringFileInfo path, e.g. (0x0409, 0x04b0) -> "040904b0".
    static QString translationCode(quint16 language, quint16 codePage);

public slots:
    // Re-applies the form's texts (not the version).
    void ZoTranslateUI();

private:
    void setupForm();
    void applySkin();

    ZoSkin skin;

    // form
    QLabel *label_logo_img = nullptr;
    QLabel *LabelQuorvixName = nullptr;
    QLabel *LabelApplicationName = nullptr;
    QLabel *LabelNameTitle = nullptr;
    QLabel *LabelNameText = nullptr;
    QLabel *LabelVersionTitle = nullptr;
    QLabel *LabelVersionText = nullptr;
    QLabel *LabelCompanyTitle = nullptr;
    QLabel *LabelCompanyText = nullptr;
    QLabel *LabelEngineerTitle = nullptr;
    QLabel *LabelEngineerText = nullptr;
    QLabel *LabelUIDesignerTitle = nullptr;
    QLabel *LabelUIDesignerText = nullptr;
    QLabel *LabelEditorTitle = nullptr;
    QLabel *LabelEditorText = nullptr;
    QLabel *LabelProjectManagerTitle = nullptr;
    QLabel *LabelProjectManagerText = nullptr;
    QLabel *LabelProjuctManagerTitle = nullptr;
    QLabel *LabelProjuctManagerText = nullptr;
    QLabel *LabelAbout = nullptr;
};
