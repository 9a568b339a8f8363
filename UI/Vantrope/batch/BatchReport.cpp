#include "BatchReport.h"

#include <QCoreApplication>
#include <QFont>
#include <QPlainTextEdit>
#include <QStringList>

// The texts keep the translation context of the completion view, which
// showed them first.
namespace BatchReport {

QString problemCounts(int failedCount, int skippedCount)
{
    QStringList lines;
    if (failedCount == 1)
        lines << QCoreApplication::translate("BatchConvertProgress", "1 file could not be converted.");
    else if (failedCount > 1)
        lines << QString::number(failedCount)
                     + QCoreApplication::translate("BatchConvertProgress", " files could not be converted.");
    if (skippedCount == 1)
        lines << QCoreApplication::translate("BatchConvertProgress",
                                             "1 file was skipped: a JPEG of that name exists.");
    else if (skippedCount > 1)
        lines << QCoreApplication::translate("BatchConvertProgress",
                                             "%1 files were skipped: a JPEG of that name exists.")
                     .arg(skippedCount);
    return lines.join(QLatin1Char('\n'));
}

QPlainTextEdit *createProblemList(QWidget *parent, const QFont &font)
{
    auto *list = new QPlainTextEdit(parent);
    list->setObjectName(QStringLiteral("plainTextEdit_Problems"));
    list->setReadOnly(true);
    list->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    list->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    list->setFont(font);
    list->setStyleSheet(
        QStringLiteral("QPlainTextEdit{color:#484848;background:#f6f6f6;border:1px solid #eeeeee;}"));
    list->hide();
    return list;
}

QString convertedCount(int count, bool exclaimed)
{
    // English has its singular in a text of its own: without an English
    // catalogue, %n gives no plural forms. The %n texts serve the languages
    // whose singular also covers other counts (0 in French).
    if (count == 1)
        return exclaimed
                   ? QCoreApplication::translate("BatchConvertProgress", "1 file has been successfully converted!")
                   : QCoreApplication::translate("BatchConvertProgress", "1 file has been successfully converted.");
    return exclaimed ? QCoreApplication::translate("BatchConvertProgress",
                                                   "%n files have been successfully converted!", nullptr, count)
                     : QCoreApplication::translate("BatchConvertProgress",
                                                   "%n files have been successfully converted.", nullptr, count);
}

} // namespace BatchReport
