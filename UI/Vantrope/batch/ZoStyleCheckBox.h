#pragma once

#include <QWidget>

namespace Ui {
class ZoStyleCheckBox;
}

// A centred check box that remembers an index (a table row, or 0 for the
// select-all box) and reports every state change together with it, so one
// slot can serve all rows. Clicks are forwarded separately: they come only
// from the user, never from setCheckState.
//
// The indicator images are given from outside as a style sheet for the inner
// box (setBoxStyleSheet).
class ZoStyleCheckBox : public QWidget
{
    Q_OBJECT
public:
    ZoStyleCheckBox(int index, QWidget *parent = nullptr);
    ~ZoStyleCheckBox() override;

    void setBoxStyleSheet(const QString &styleSheet);
    // Name and description of the inner box, the part screen readers reach.
    void setBoxAccessibleTexts(const QString &name, const QString &description);

    // 0 unchecked, 1 partially checked, 2 checked. The partial state makes the
    // box tri-state from then on. Setting the state it already has reports
    // nothing.
    void setCheckState(int state);
    int checkState() const;

    // Toggles the box as a click of the user does (both signals follow).
    void click();

signals:
    void signal_StateChanged(int nState, int nIndex);
    void signal_Clicked();

public slots:
    void slot_StateChanged(int nState);
    void slot_Clicked();

private:
    Ui::ZoStyleCheckBox *ui;
    int index;
};
