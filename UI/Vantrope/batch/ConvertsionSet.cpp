#include "ConvertsionSet.h"
#include "ui_ConvertsionSet.h"

#include "ZoAccessible.h"
#include "ZoChoiceRow.h"
#include "ZoKeyboard.h"
#include "ZoElidedLabel.h"
#include "ZoHoverCaption.h"
#include "ZoStyleSheets.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QVBoxLayout>
#include <QFileDialog>
#include <QSignalBlocker>

ConvertsionSet::ConvertsionSet(QWidget *parent)
    : ZoStyleDialog(parent)
    , ui(new Ui::ConvertsionSet)
    , folderLabel(nullptr)
    , existingBox(nullptr)
{
    ui->setupUi(this);

    // Under the folder row: where the JPEGs go; then the choice for a name
    // that is taken.
    const int folderRow = ui->verticalLayout_3->indexOf(ui->horizontalLayout_3);
    folderLabel = ZoElidedLabel::addUnder(ui->verticalLayout_3, ui->horizontalLayout_3, 6,
                                          skin.font(ZoSkin::BodyFont), this);
    folderLabel->setObjectName(QStringLiteral("label_OutputFolder"));
    // In the order of OutputLocation::Existing.
    existingBox = ZoChoiceRow::add(ui->verticalLayout_3, folderRow + 1, tr("If a JPEG of that name exists:"),
                                   {tr("Keep both"), tr("Replace"), tr("Skip")}, skin.font(ZoSkin::BodyFont), this,
                                   QStringLiteral("comboBox_Existing"));
    setMinimumHeight(380);
    resize(width(), 380);
    setSavePath(QString());

    ui->widget_Title->setDragTarget(this, QPoint(5, 5), true);
    ui->widget_Title->setTitleText(tr("Conversion Settings"));

    const QFont font = skin.font(ZoSkin::BodyFont);
    for (QWidget *w : std::initializer_list<QWidget *>{ui->label_Format, ui->label_Jpg,
                                                       ui->label_PohotQuality, ui->label_SavePath,
                                                       ui->pushButton_OpenFolder, ui->pushButton_Convert,
                                                       ui->label_QualityVakue, ui->checkBox_AllImages})
        w->setFont(font);

    ui->pushButton_OpenFolder->setSkinImages(QStringLiteral("button100"));
    ui->pushButton_Convert->setSkinImages(QStringLiteral("button100_2"));

    ui->Slider->setStyleSheet(ZoStyleSheets::qualitySlider());

    ZoAccessible::describe(ui->Slider, tr("Photo quality"), tr("JPEG quality in percent"));
    ZoAccessible::describe(ui->pushButton_OpenFolder, tr("Select Folder"),
                           tr("Choose the folder that receives the JPEG files"));
    ZoAccessible::describe(ui->pushButton_Convert, tr("Convert"), tr("Start converting the ticked photos"));

    ZoHoverCaption::install(this, {ui->pushButton_OpenFolder});
    // Return anywhere in the dialog converts.
    ui->pushButton_Convert->setDefault(true);
    // Reading order; the title bar's close button stays last.
    ZoKeyboard::setTabChain({ui->Slider, ui->pushButton_OpenFolder, existingBox, ui->checkBox_AllImages,
                             ui->pushButton_Convert});

    connect(ui->pushButton_OpenFolder, SIGNAL(clicked()), this, SLOT(slot_OpenFolder()));
    connect(ui->pushButton_Convert, SIGNAL(clicked()), this, SLOT(slot_Convert()));
    connect(ui->Slider, SIGNAL(valueChanged(int)), this, SLOT(slot_setQualityValue(int)));
}

ConvertsionSet::~ConvertsionSet()
{
    delete ui;
}

void ConvertsionSet::setQuality(int nValue)
{
    const QSignalBlocker blocker(ui->Slider);
    ui->Slider->setValue(nValue);
    ui->label_QualityVakue->setText(QString::number(ui->Slider->value()) + "%");
}

void ConvertsionSet::setAllImages(bool bAllImages)
{
    ui->checkBox_AllImages->setChecked(bAllImages);
}

bool ConvertsionSet::allImages() const
{
    return ui->checkBox_AllImages->isChecked();
}

void ConvertsionSet::setSavePath(const QString &savePath)
{
    QString folder = savePath;
    OutputLocation::completeSavePath(folder, OutputLocation::Form::Batch);
    folderLabel->setFullText(QDir::toNativeSeparators(QDir::cleanPath(folder)));
}

void ConvertsionSet::setExisting(OutputLocation::Existing existing)
{
    existingBox->setCurrentIndex(static_cast<int>(existing));
}

OutputLocation::Existing ConvertsionSet::existing() const
{
    return static_cast<OutputLocation::Existing>(existingBox->currentIndex());
}

void ConvertsionSet::slot_OpenFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("Save Path"), QString(), QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (folder.isEmpty())
        return;
    setSavePath(folder);
    emit signal_SendSavePath(folder);
}

void ConvertsionSet::slot_Convert()
{
    emit signal_Convert();
}

void ConvertsionSet::slot_setQualityValue(int nValue)
{
    ui->label_QualityVakue->setText(QString::number(nValue) + "%");
    emit signal_SetConvertQuality(nValue);
}
