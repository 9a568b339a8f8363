#include "ZoStyleCheckBox.h"
#include "ui_ZoStyleCheckBox.h"

ZoStyleCheckBox::ZoStyleCheckBox(int index, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::ZoStyleCheckBox)
    , index(index)
{
    ui->setupUi(this);
    connect(ui->checkBox, SIGNAL(stateChanged(int)), this, SLOT(slot_StateChanged(int)));
    connect(ui->checkBox, SIGNAL(clicked()), this, SLOT(slot_Clicked()));
}

ZoStyleCheckBox::~ZoStyleCheckBox()
{
    delete ui;
}

void ZoStyleCheckBox::setBoxStyleSheet(const QString &styleSheet)
{
    ui->checkBox->setStyleSheet(styleSheet);
}

void ZoStyleCheckBox::setBoxAccessibleTexts(const QString &name, const QString &description)
{
    ui->checkBox->setAccessibleName(name);
    ui->checkBox->setAccessibleDescription(description);
}

void ZoStyleCheckBox::setCheckState(int state)
{
    // QCheckBox turns itself tri-state when given the partial state.
    ui->checkBox->setCheckState(static_cast<Qt::CheckState>(state));
}

int ZoStyleCheckBox::checkState() const
{
    return ui->checkBox->checkState();
}

void ZoStyleCheckBox::click()
{
    ui->checkBox->click();
}

void ZoStyleCheckBox::slot_StateChanged(int nState)
{
    // The partial state is only ever shown, never a user's choice: once the
    // box leaves it, the next click ticks or unticks again.
    if (nState != Qt::PartiallyChecked)
        ui->checkBox->setTristate(false);
    emit signal_StateChanged(nState, index);
}

void ZoStyleCheckBox::slot_Clicked()
{
    emit signal_Clicked();
}
