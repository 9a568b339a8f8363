#pragma once

#include <QString>
#include <QStringList>

class QBoxLayout;
class QComboBox;
class QFont;
class QWidget;

// A settings row of the skin: a grey caption and a drop-down list of choices
// ("If a JPEG of that name exists:  [Keep both v]"), inserted into layout at
// position. The list gets objectName and the caption objectName with
// "comboBox_" replaced by "label_". The first choice is selected.
namespace ZoChoiceRow {

QComboBox *add(QBoxLayout *layout, int position, const QString &caption, const QStringList &choices,
               const QFont &font, QWidget *parent, const QString &objectName);

} // namespace ZoChoiceRow
