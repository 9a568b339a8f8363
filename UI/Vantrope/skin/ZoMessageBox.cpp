#include "ZoMessageBox.h"
#include "ZoProduct.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpacerItem>
#include <QVBoxLayout>

#include "ZoStyleButton.h"
#include "ZoStyleWidgetTitle.h"

ZoMessageBox::ZoMessageBox(const QString &text, const QString &title, int buttons, QWidget *parent)
    : ZoStyleDialog(parent)
    , title(title)
    , text(text)
    , buttons(buttons)
    , clicked(0)
{
    setupForm();

    widget->setDragTarget(this, QPoint(5, 5), true);
    const QString normal = skin.skinDir() + QStringLiteral("/Application/Button_Normal.png");
    const QString hover = skin.skinDir() + QStringLiteral("/Application/Button_Hover.png");
    for (ZoStyleButton *button : {pushButton_yes, pushButton_no, pushButton_ok, pushButton_cancel})
        button->setImages(normal, hover, normal);

    if (this->title.isEmpty())
        this->title = QCoreApplication::translate("AboutDlg", ZoProduct::current().name);
    widget->setTitleText(this->title);
    widget->setStyleSheet(QStringLiteral("color: rgb(255, 255, 255);"));

    label->setText(this->text);
    // Announced with the title when the box opens.
    setAccessibleDescription(this->text);
    label->setStyleSheet(QStringLiteral("color:rgb(102,102,102)"));
    label->setFont(skin.font(ZoSkin::BodyFont));
    for (ZoStyleButton *button : {pushButton_yes, pushButton_no, pushButton_ok, pushButton_cancel})
        button->setFont(skin.font(ZoSkin::SmallFont));

    connect(pushButton_yes, SIGNAL(clicked()), this, SLOT(slotClose_yes()));
    connect(pushButton_no, SIGNAL(clicked()), this, SLOT(slotClose_no()));
    connect(pushButton_ok, SIGNAL(clicked()), this, SLOT(slotClose_ok()));
    connect(pushButton_cancel, SIGNAL(clicked()), this, SLOT(slotClose_cancel()));

    pushButton_yes->hide();
    pushButton_no->hide();
    pushButton_ok->hide();
    pushButton_cancel->hide();
    if (buttons & Yes)
        pushButton_yes->show();
    if (buttons & No)
        pushButton_no->show();
    if (buttons & Ok)
        pushButton_ok->show();
    if (buttons & Cancel)
        pushButton_cancel->show();
    // Return takes the answer that changes least: OK, else No, else Cancel,
    // else Yes.
    for (ZoStyleButton *button : {pushButton_ok, pushButton_no, pushButton_cancel, pushButton_yes}) {
        if (!button->isHidden()) {
            button->setDefault(true);
            break;
        }
    }

    // Three or four buttons do not fit the box's usual width; rather than let
    // them overlap, the box widens to hold them.
    const int needed = verticalLayout_2->minimumSize().width();
    if (needed > maximumWidth()) {
        setMaximumWidth(needed);
        setMinimumWidth(needed);
        resize(needed, height());
    }

    // A long text (a deep folder, say) takes more lines than the box's usual
    // height holds; the box grows to show all of it, and never shrinks.
    const int neededHeight = verticalLayout_2->totalHeightForWidth(width());
    if (neededHeight > height()) {
        setMaximumHeight(neededHeight);
        setMinimumHeight(neededHeight);
        resize(width(), neededHeight);
    }
}

void ZoMessageBox::setupForm()
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("ZoMessageBox"));
    resize(426, 197);
    setMinimumSize(426, 197);
    setMaximumSize(427, 198);

    verticalLayout_2 = new QVBoxLayout(this);
    verticalLayout_2->setObjectName(QStringLiteral("verticalLayout_2"));
    verticalLayout_2->setSpacing(0);
    verticalLayout_2->setContentsMargins(5, 5, 5, 5);

    widget = new ZoStyleWidgetTitle(this);
    widget->setObjectName(QStringLiteral("widget"));
    widget->setMinimumHeight(35);
    widget->setMaximumHeight(35);
    widget->setFont(QFont(QStringLiteral("Segoe UI"), 10));
    verticalLayout_2->addWidget(widget);

    auto *horizontalLayout_2 = new QHBoxLayout();
    horizontalLayout_2->setObjectName(QStringLiteral("horizontalLayout_2"));
    horizontalLayout_2->setContentsMargins(5, 0, 5, 0);
    widget_2 = new QWidget(this);
    widget_2->setObjectName(QStringLiteral("widget_2"));
    widget_2->setFont(QFont(QStringLiteral("Tahoma"), 10));
    widget_2->setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 255);"));
    horizontalLayout_2->addWidget(widget_2);
    verticalLayout_2->addLayout(horizontalLayout_2);

    auto *verticalLayout = new QVBoxLayout(widget_2);
    verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
    verticalLayout->setContentsMargins(-1, -1, -1, 20);

    auto *horizontalLayout_3 = new QHBoxLayout();
    horizontalLayout_3->setObjectName(QStringLiteral("horizontalLayout_3"));
    horizontalLayout_3->setContentsMargins(30, -1, 30, -1);
    label = new QLabel(widget_2);
    label->setObjectName(QStringLiteral("label"));
    label->setFont(QFont(QStringLiteral("Segoe UI"), 10));
    label->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignVCenter);
    label->setWordWrap(true);
    horizontalLayout_3->addWidget(label);
    verticalLayout->addLayout(horizontalLayout_3);

    auto *horizontalLayout_4 = new QHBoxLayout();
    horizontalLayout_4->setObjectName(QStringLiteral("horizontalLayout_4"));
    horizontalLayout_4->setSpacing(20);
    horizontalLayout_4->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    auto makeButton = [this](const char *name, const QString &caption) {
        auto *button = new ZoStyleButton(widget_2);
        button->setObjectName(QString::fromLatin1(name));
        button->setMinimumSize(120, 32);
        button->setMaximumSize(100, 28);
        button->setFont(QFont(QStringLiteral("Segoe UI"), 15));
        button->setStyleSheet(QStringLiteral("selection-color: rgb(64, 136, 255);\ncolor: rgb(64, 136, 255);"));
        button->setAutoDefault(true);
        button->setFlat(true);
        button->setText(caption);
        return button;
    };
    pushButton_yes = makeButton("pushButton_yes", tr("Yes"));
    pushButton_ok = makeButton("pushButton_ok", tr("OK"));
    pushButton_no = makeButton("pushButton_no", tr("NO"));
    pushButton_cancel = makeButton("pushButton_cancel", tr("Cancel"));
    horizontalLayout_4->addWidget(pushButton_yes);
    horizontalLayout_4->addWidget(pushButton_ok);
    horizontalLayout_4->addWidget(pushButton_no);
    horizontalLayout_4->addWidget(pushButton_cancel);
    horizontalLayout_4->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    verticalLayout->addLayout(horizontalLayout_4);
}

int ZoMessageBox::clickedButton() const
{
    return clicked;
}

void ZoMessageBox::slotClose_yes()
{
    clicked = Yes;
    close();
}

void ZoMessageBox::slotClose_no()
{
    clicked = No;
    close();
}

void ZoMessageBox::slotClose_ok()
{
    clicked = Ok;
    close();
}

void ZoMessageBox::slotClose_cancel()
{
    clicked = Cancel;
    close();
}
