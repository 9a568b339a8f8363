#include "ZoChoiceRow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

namespace ZoChoiceRow {

QComboBox *add(QBoxLayout *layout, int position, const QString &caption, const QStringList &choices,
               const QFont &font, QWidget *parent, const QString &objectName)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(8);
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QString(objectName).replace(QLatin1String("comboBox_"), QLatin1String("label_")));
    label->setStyleSheet(QStringLiteral("color:#787878"));
    label->setFont(font);
    auto *box = new QComboBox(parent);
    box->setObjectName(objectName);
    box->setFont(font);
    box->addItems(choices);
    box->setStyleSheet(QStringLiteral(
        "QComboBox{color:#484848;background:#ffffff;border:1px solid #d5e6f8;border-radius:2px;padding:2px 8px;}"
        "QComboBox:focus{border-color:#3598fe;}"
        "QComboBox QAbstractItemView{background:#ffffff;color:#484848;selection-background-color:#eaf4ff;"
        "selection-color:#3598fe;}"));
    label->setBuddy(box);
    row->addWidget(label);
    row->addWidget(box);
    row->addStretch(1);
    layout->insertLayout(position, row);
    return box;
}

} // namespace ZoChoiceRow
