#pragma once

#include <QLabel>

class QBoxLayout;
class QLayout;

// A one-line label for a long text such as a folder path: what does not fit
// is cut out of the middle ("/home/me/…/Pictures/Quorvix"), so that both the
// start and the end show, and the tooltip holds the whole text. The text is
// kept whole (fullText) and elided again whenever the label's width changes.
class ZoElidedLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ZoElidedLabel(QWidget *parent = nullptr);

    void setFullText(const QString &text);
    QString fullText() const { return m_fullText; }

    QSize minimumSizeHint() const override;

    // A grey line of `font` placed under `row` of `column`, `spacing` apart:
    // the row and the label become one block at the row's place. The row
    // must be an item of the column.
    static ZoElidedLabel *addUnder(QBoxLayout *column, QLayout *row, int spacing, const QFont &font,
                                   QWidget *parent);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void elide();

    QString m_fullText;
};
