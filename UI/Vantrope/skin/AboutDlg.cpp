#include "AboutDlg.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QSpacerItem>
#include <QVBoxLayout>

#include <cstring>
#include <string>
#include <vector>

#include "ZoProduct.h"
#include "fileversioninfo.h"

namespace {

QLabel *makeLabel(QWidget *parent, const char *name, const char *styleSheet)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setStyleSheet(QString::fromLatin1(styleSheet));
    return label;
}

// The product's texts as the application gave them, in this dialog's
// translation context.
QString translated(const char *source)
{
    return QCoreApplication::translate("AboutDlg", source);
}

} // namespace

AboutDlg::AboutDlg(QWidget *parent)
    : QWidget(parent)
{
    setupForm();
    applySkin();
    LabelVersionText->setText(readFileVersion(QCoreApplication::applicationFilePath()));
}

QString AboutDlg::translationCode(quint16 language, quint16 codePage)
{
    const QString lang = (QStringLiteral("000") + QString::number(language, 16)).right(4);
    const QString page = (QStringLiteral("000") + QString::number(codePage, 16)).right(4);
    return lang + page;
}

QString AboutDlg::readFileVersion(const QString &filePath)
{
    const std::wstring path = filePath.toStdWString();
    uint32_t handle = 0;
    const uint32_t size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    if (size == 0)
        return QString();

    std::vector<unsigned char> buffer(size_t(size) + 1);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, buffer.data()))
        return QString();

    void *value = nullptr;
    uint32_t length = 0;
    // A translation entry is two 16-bit values; a shorter table has none.
    if (!VerQueryValueW(buffer.data(), L"\\VarFileInfo\\Translation", &value, &length) || length < 4)
        return QString();
    quint16 pair[2];
    std::memcpy(pair, value, sizeof pair);

    const QString query = QStringLiteral("\\StringFileInfo\\") + translationCode(pair[0], pair[1])
                          + QStringLiteral("\\FileVersion");
    const std::wstring subBlock = query.toStdWString();
    if (!VerQueryValueW(buffer.data(), subBlock.c_str(), &value, &length) || length == 0)
        return QString();

    // The string may or may not count its terminating zero; stop at either end.
    std::vector<char16_t> units(length);
    std::memcpy(units.data(), value, size_t(length) * sizeof(char16_t));
    size_t used = 0;
    while (used < units.size() && units[used] != 0)
        ++used;
    return QString::fromUtf16(units.data(), int(used));
}

void AboutDlg::setupForm()
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("AboutDlg"));
    setFixedSize(615, 415);
    QFont formFont;
    formFont.setFamily(QStringLiteral("Segoe UI"));
    setFont(formFont);

    auto *verticalLayout_5 = new QVBoxLayout(this);
    verticalLayout_5->setObjectName(QStringLiteral("verticalLayout_5"));
    verticalLayout_5->setSpacing(0);
    verticalLayout_5->setContentsMargins(0, 0, 0, 0);

    // Header band: logo, product name, description.
    auto *widget_3 = new QWidget(this);
    widget_3->setObjectName(QStringLiteral("widget_3"));
    widget_3->setFixedHeight(100);
    widget_3->setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 255);"));
    auto *horizontalLayout_2 = new QHBoxLayout(widget_3);
    horizontalLayout_2->setObjectName(QStringLiteral("horizontalLayout_2"));
    horizontalLayout_2->setSpacing(16);
    horizontalLayout_2->setContentsMargins(40, 0, 40, 0);
    label_logo_img = makeLabel(widget_3, "label_logo_img", "");
    label_logo_img->setFixedSize(48, 48);
    horizontalLayout_2->addWidget(label_logo_img);
    auto *verticalLayout_6 = new QVBoxLayout();
    verticalLayout_6->setObjectName(QStringLiteral("verticalLayout_6"));
    verticalLayout_6->setSpacing(4);
    verticalLayout_6->addStretch(1);
    LabelQuorvixName = makeLabel(widget_3, "LabelQuorvixName", "color: rgb(51, 150, 255);");
    LabelApplicationName = makeLabel(widget_3, "LabelApplicationName", "color: rgb(102, 102, 102);");
    LabelApplicationName->setWordWrap(true);
    verticalLayout_6->addWidget(LabelQuorvixName);
    verticalLayout_6->addWidget(LabelApplicationName);
    verticalLayout_6->addStretch(1);
    horizontalLayout_2->addLayout(verticalLayout_6, 1);
    verticalLayout_5->addWidget(widget_3);

    auto *horizontalLayout_15 = new QHBoxLayout();
    horizontalLayout_15->setObjectName(QStringLiteral("horizontalLayout_15"));
    horizontalLayout_15->setContentsMargins(40, 0, 40, 0);
    auto *label_4 = makeLabel(this, "label_4", "background-color: #dddddd;");
    label_4->setFixedHeight(1);
    horizontalLayout_15->addWidget(label_4);
    verticalLayout_5->addLayout(horizontalLayout_15);

    // Details: name, version, company; engineers; the rest of the credits.
    auto *WidgetDeveloper = new QWidget(this);
    WidgetDeveloper->setObjectName(QStringLiteral("WidgetDeveloper"));
    WidgetDeveloper->setMinimumHeight(100);
    WidgetDeveloper->setFont(QFont(QStringLiteral("Tahoma"), 10));
    WidgetDeveloper->setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 255);"));
    auto *verticalLayout_4 = new QVBoxLayout(WidgetDeveloper);
    verticalLayout_4->setObjectName(QStringLiteral("verticalLayout_4"));
    verticalLayout_4->setSpacing(0);
    verticalLayout_4->setContentsMargins(0, 15, 0, 20);

    auto row = [WidgetDeveloper](QVBoxLayout *block, QLabel *&title, const char *titleName,
                                 QLabel *&value, const char *valueName, const char *valueStyle) {
        auto *line = new QHBoxLayout();
        line->setSpacing(6);
        title = makeLabel(WidgetDeveloper, titleName, "color: #484848;");
        title->setMaximumWidth(130);
        title->setMinimumWidth(130);
        title->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignVCenter);
        value = makeLabel(WidgetDeveloper, valueName, valueStyle);
        line->addWidget(title);
        line->addWidget(value);
        line->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
        block->addLayout(line);
    };
    auto block = [&](const char *outerName, const char *innerName, int topMargin) {
        auto *outer = new QHBoxLayout();
        outer->setObjectName(QString::fromLatin1(outerName));
        outer->setContentsMargins(40, topMargin, 0, 0);
        auto *inner = new QVBoxLayout();
        inner->setObjectName(QString::fromLatin1(innerName));
        inner->setSpacing(1);
        outer->addLayout(inner);
        verticalLayout_4->addLayout(outer);
        return inner;
    };

    QVBoxLayout *identity = block("horizontalLayout", "verticalLayout_2", 0);
    row(identity, LabelNameTitle, "LabelNameTitle", LabelNameText, "LabelNameText", "color:#787878;");
    row(identity, LabelVersionTitle, "LabelVersionTitle", LabelVersionText, "LabelVersionText",
        "color: rgb(102, 102, 102);");
    row(identity, LabelCompanyTitle, "LabelCompanyTitle", LabelCompanyText, "LabelCompanyText",
        "color: rgb(102, 102, 102);");

    QVBoxLayout *engineers = block("horizontalLayout_3", "verticalLayout_3", 14);
    row(engineers, LabelEngineerTitle, "LabelEngineerTitle", LabelEngineerText, "LabelEngineerText",
        "color: rgb(102, 102, 102);");
    LabelEngineerTitle->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignTop);
    LabelEngineerText->setWordWrap(true);
    LabelEngineerText->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignTop);
    LabelEngineerText->setMinimumWidth(400);
    LabelEngineerText->setMaximumWidth(450);

    QVBoxLayout *credits = block("horizontalLayout_5", "verticalLayout_9", 14);
    row(credits, LabelUIDesignerTitle, "LabelUIDesignerTitle", LabelUIDesignerText,
        "LabelUIDesignerText", "color: rgb(102, 102, 102);");
    row(credits, LabelEditorTitle, "LabelEditorTitle", LabelEditorText, "LabelEditorText",
        "color: rgb(102, 102, 102);");
    row(credits, LabelProjectManagerTitle, "LabelProjectManagerTitle", LabelProjectManagerText,
        "LabelProjectManagerText", "color: rgb(102, 102, 102);");
    row(credits, LabelProjuctManagerTitle, "LabelProjuctManagerTitle", LabelProjuctManagerText,
        "LabelProjuctManagerText", "color: rgb(102, 102, 102);");
    verticalLayout_4->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));
    verticalLayout_5->addWidget(WidgetDeveloper, 1);

    // Bottom notice between two short rules.
    auto *bottom = new QWidget(this);
    bottom->setObjectName(QStringLiteral("widget_Bottom"));
    bottom->setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 255);"));
    auto *horizontalLayout_4 = new QHBoxLayout(bottom);
    horizontalLayout_4->setObjectName(QStringLiteral("horizontalLayout_4"));
    horizontalLayout_4->setSpacing(16);
    horizontalLayout_4->setContentsMargins(40, 0, 40, 22);
    auto *label_10 = makeLabel(bottom, "label_10", "background-color: #dddddd;");
    label_10->setFixedHeight(1);
    LabelAbout = makeLabel(bottom, "LabelAbout", "color: rgb(102, 102, 102);");
    LabelAbout->setAlignment(Qt::AlignCenter);
    auto *label_11 = makeLabel(bottom, "label_11", "background-color: #dddddd;");
    label_11->setFixedHeight(1);
    horizontalLayout_4->addWidget(label_10, 1);
    horizontalLayout_4->addWidget(LabelAbout);
    horizontalLayout_4->addWidget(label_11, 1);
    verticalLayout_5->addWidget(bottom);

    ZoTranslateUI();
    LabelVersionText->setText(QStringLiteral("1.0.0"));
}

void AboutDlg::ZoTranslateUI()
{
    // The version comes from the executable, not the translations, so it is
    // left as it is.
    // The product's own words come from the application (ZoProduct).
    const ZoProduct &product = ZoProduct::current();
    LabelQuorvixName->setText(translated(product.name));
    LabelApplicationName->setText(translated(product.description));
    LabelNameTitle->setText(tr("Name:"));
    LabelNameText->setText(translated(product.name));
    LabelVersionTitle->setText(tr("Version:"));
    LabelCompanyTitle->setText(tr("Company:"));
    LabelCompanyText->setText(translated(product.company));
    LabelEngineerTitle->setText(tr("Engineer:"));
    LabelEngineerText->setText(translated(product.engineers));
    LabelUIDesignerTitle->setText(tr("UI Designer:"));
    LabelUIDesignerText->setText(translated(product.uiDesigner));
    LabelEditorTitle->setText(tr("Editor:"));
    LabelEditorText->setText(translated(product.editor));
    LabelProjectManagerTitle->setText(tr("Project Manager:"));
    LabelProjectManagerText->setText(translated(product.projectManager));
    LabelProjuctManagerTitle->setText(tr("Product Manager:"));
    LabelProjuctManagerText->setText(translated(product.productManager));
    LabelAbout->setText(translated(product.notice));
}

void AboutDlg::applySkin()
{
    label_logo_img->setPixmap(ZoSkin::pixmap(skin.skinDir() + QStringLiteral("/main/48x48.png")));
    LabelQuorvixName->setFont(skin.font(ZoSkin::HeadingFont));
    LabelApplicationName->setFont(skin.font(ZoSkin::SmallFont));
    for (QLabel *label : {LabelNameTitle, LabelNameText, LabelVersionTitle, LabelVersionText,
                          LabelCompanyTitle, LabelCompanyText, LabelEngineerTitle, LabelEngineerText,
                          LabelUIDesignerTitle, LabelUIDesignerText, LabelEditorTitle, LabelEditorText,
                          LabelProjectManagerTitle, LabelProjectManagerText, LabelProjuctManagerTitle,
                          LabelProjuctManagerText, LabelAbout})
        label->setFont(skin.font(ZoSkin::BodyFont));
}
