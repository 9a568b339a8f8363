#include "ConvertsionSet.h"
#include "ui_ConvertsionSet.h"

#include "ZoChoiceRow.h"
#include "ZoElidedLabel.h"
#include "ZoHoverCaption.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QVBoxLayout>
#include <QFileDialog>
#include <QSignalBlocker>

namespace {

const char *const sliderStyle =
    "QSlider::groove:horizontal{ border: 0px solid #4A708B; background: #3598FE; height: 5px; "
    "border - radius: 2px; padding - left: -1px; padding - right:-1px; left: 13px; right: 13px; }"
    "QSlider::sub-page:horizontal{background: qlineargradient(x1 : 0, y1 : 0, x2 : 0, y2 : 1,"
    "stop : 0 #B1B1B1, stop:1 #c4c4c4);background: qlineargradient(x1 : 0, y1 : 0.2, x2 : 1, y2 : 1,"
    "stop : 0 #5DCCFF, stop: 1 #1874CD);border: 0px solid #4A708B;height: 10px;border-radius: 2px;}"
    "QSlider::add-page:horizontal{background: #D1D1D1; border: 0px solid #777; height: 10px; "
    "border-radius: 2px;}"
    "QSlider::handle:horizontal{background: qradialgradient(spread : pad, cx : 0.5, cy : 0.5, "
    "radius: 0.5, fx : 0.5, fy : 0.5,stop: 0.6 #ffffff, stop:0.778409 rgba(69,173,237,255)); "
    "width: 13px; height: 16px; margin-top: -4px; margin-bottom: -4px; margin-left: -4px; "
    "margin-right: -4px;border-radius: 5px;}";

} // namespace

ConvertsionSet::ConvertsionSet(QWidget *parent)
    : ZoStyleDialog(parent)
    , ui(new Ui::ConvertsionSet)
    , folderLabel(nullptr)
    , existingBox(nullptr)
{
    ui->setupUi(this);

    // Under the folder row: where the JPEGs go; then the choice for a name
    // that is taken.
    folderLabel = new ZoElidedLabel(this);
    folderLabel->setObjectName(QStringLiteral("label_OutputFolder"));
    folderLabel->setStyleSheet(QStringLiteral("color:#484848"));
    folderLabel->setFont(skin.font(34));
    const int folderRow = ui->verticalLayout_3->indexOf(ui->horizontalLayout_3);
    auto *folderBlock = new QVBoxLayout;
    folderBlock->setSpacing(6);
    ui->verticalLayout_3->removeItem(ui->horizontalLayout_3);
    folderBlock->addLayout(ui->horizontalLayout_3);
    folderBlock->addWidget(folderLabel);
    ui->verticalLayout_3->insertLayout(folderRow, folderBlock);
    // In the order of OutputLocation::Existing.
    existingBox = ZoChoiceRow::add(ui->verticalLayout_3, folderRow + 1, tr("If a JPEG of that name exists:"),
                                   {tr("Keep both"), tr("Replace"), tr("Skip")}, skin.font(34), this,
                                   QStringLiteral("comboBox_Existing"));
    setMinimumHeight(380);
    resize(width(), 380);
    setSavePath(QString());

    ui->widget_Title->setDragTarget(this, QPoint(5, 5), true);
    ui->widget_Title->setTitleText(tr("Conversion Settings"));

    const QFont font = skin.font(34);
    for (QWidget *w : std::initializer_list<QWidget *>{ui->label_Format, ui->label_Jpg,
                                                       ui->label_PohotQuality, ui->label_SavePath,
                                                       ui->pushButton_OpenFolder, ui->pushButton_Convert,
                                                       ui->label_QualityVakue})
        w->setFont(font);

    const QString dir = skin.skinDir();
    ui->pushButton_OpenFolder->setImages(dir + "/Button/button100_normal.png",
                                         dir + "/Button/button100_hover.png",
                                         dir + "/Button/button100_pressing.png");
    ui->pushButton_Convert->setImages(dir + "/Button/button100_2_normal.png",
                                      dir + "/Button/button100_2_hover.png",
                                      dir + "/Button/button100_2_pressing.png");

    ui->Slider->setStyleSheet(sliderStyle);

    ZoHoverCaption::install(this, {ui->pushButton_OpenFolder});

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
