#pragma once

#include "ZoSkin.h"

#include <QString>
#include <QVector>
#include <QWidget>

namespace Ui {
class SingalConverterHome;
}

class QDragEnterEvent;
class QDropEvent;

// The drop page shown once the user has chosen a way of working and before a
// file is picked. In single-photo mode it takes one HEIF photo (any of the
// suffixes PhotoFiles knows, in any case) and announces it with
// signal_ToPreviewView; in multi-file mode it takes any number and announces
// them with signal_addHeicFile: a drop contributes its photos and those inside
// its folders, at any depth, and leaves everything else out. A drag is
// accepted only when it holds something usable. It converts and lists nothing.
//
// The receivers of both signals replace this page and dispose of it while the
// emitting handler is still running; the page must therefore be disposed of
// with deleteLater, and the handlers touch no member after emitting.
class SingalConverterHome : public QWidget
{
    Q_OBJECT

public:
    explicit SingalConverterHome(QWidget *parent = nullptr);
    ~SingalConverterHome() override;

    void setMultiFileMode(bool bMultiFileMode);
    bool isMultiFileMode() const { return multiFileMode; }

    void setSelectTipText(const QString &strText);
    void setDropTipText(const QString &strText);

    // The path most recently accepted, empty until one is.
    QString currentFilePath() const { return currentPath; }

signals:
    void signal_ToPreviewView(QString strFilePath);
    void signal_addHeicFile(QVector<QString> strPath);

public slots:
    void slot_SelectHEIC();

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    Ui::SingalConverterHome *form;
    ZoSkin skin;
    QString currentPath;
    bool multiFileMode = false;
};
