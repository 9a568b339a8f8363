#include "ZoElidedLabel.h"

#include <QBoxLayout>
#include <QEvent>
#include <QFontMetrics>

ZoElidedLabel::ZoElidedLabel(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void ZoElidedLabel::setFullText(const QString &text)
{
    m_fullText = text;
    setToolTip(text);
    elide();
}

QSize ZoElidedLabel::minimumSizeHint() const
{
    // Any width will do: the text is shortened to fit.
    return QSize(0, QLabel::minimumSizeHint().height());
}

void ZoElidedLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    elide();
}

void ZoElidedLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        elide();
}

void ZoElidedLabel::elide()
{
    const int room = contentsRect().width();
    setText(room > 0 ? fontMetrics().elidedText(m_fullText, Qt::ElideMiddle, room) : m_fullText);
}

ZoElidedLabel *ZoElidedLabel::addUnder(QBoxLayout *column, QLayout *row, int spacing, const QFont &font,
                                       QWidget *parent)
{
    auto *label = new ZoElidedLabel(parent);
    label->setStyleSheet(QStringLiteral("color:#484848"));
    label->setFont(font);
    const int position = column->indexOf(row);
    auto *block = new QVBoxLayout;
    block->setSpacing(spacing);
    column->removeItem(row);
    block->addLayout(row);
    block->addWidget(label);
    column->insertLayout(position, block);
    return label;
}
