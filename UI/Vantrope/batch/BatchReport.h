#pragma once

#include <QString>

class QFont;
class QPlainTextEdit;
class QWidget;

// What the end of a batch tells about the photos that gave no JPEG, alike in
// the completion view and in the cancelled notice: the counts, and the list
// of those photos with their reasons.
namespace BatchReport {

// "1 file could not be converted." over the skipped line, each only when
// its count is above 0; empty when both are 0.
QString problemCounts(int failedCount, int skippedCount);

// The read-only list of "photo: reason" lines (hidden until filled), which
// the user can scroll, select and copy. Object name "plainTextEdit_Problems".
QPlainTextEdit *createProblemList(QWidget *parent, const QFont &font);

// The converted count as the end of a batch states it ("!" in the
// completion view, "." in the cancelled notice).
QString convertedCount(int count, bool exclaimed);

} // namespace BatchReport
