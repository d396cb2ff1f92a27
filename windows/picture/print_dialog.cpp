#include "windows/picture/print_dialog.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kinsketch {
namespace {

template <class Control>
Control* control(const QString& caption, const char* name, QWidget* parent)
{
    auto* made = new Control(caption, parent);
    made->setObjectName(QString::fromLatin1(name));
    made->setAccessibleName(caption);
    return made;
}

QPushButton* button(const QString& caption, const char* name, QWidget* parent)
{
    auto* made = control<QPushButton>(caption, name, parent);
    made->setAutoDefault(false);
    return made;
}

QGroupBox* group(const QString& caption, const char* name, QWidget* parent)
{
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(caption);
    return box;
}

// A group whose controls stand in one row.
template <class... Controls>
QGroupBox* row(const QString& caption, const char* name, QWidget* parent, Controls*... controls)
{
    QGroupBox* box = group(caption, name, parent);
    auto* layout = new QHBoxLayout(box);
    (layout->addWidget(controls), ...);
    layout->addStretch();
    return box;
}

} // namespace

PrintDialog::PrintDialog(std::unique_ptr<PrintSession> session, DisplayScale scale, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , session_(std::move(session))
    , a4_(control<QRadioButton>(QStringLiteral("A4"), "optA4", this))
    , a3_(control<QRadioButton>(QStringLiteral("A3"), "optA3", this))
    , portrait_(control<QRadioButton>(QStringLiteral("縦"), "optPortrait", this))
    , landscape_(control<QRadioButton>(QStringLiteral("横"), "optLandscape", this))
    , ages_(control<QCheckBox>(QStringLiteral("年齢"), "chkAge", this))
    , remarks_(control<QCheckBox>(QStringLiteral("備考"), "chkRemark", this))
    , texts_(control<QCheckBox>(QStringLiteral("文字"), "chkText", this))
    , bandColours_(control<QCheckBox>(QStringLiteral("背景色を印刷する"), "chkBandColour", this))
    , legend_(control<QCheckBox>(QStringLiteral("凡例を付ける"), "chkLegend", this))
    , printer_(control<QRadioButton>(QStringLiteral("プリンタ"), "optPrinter", this))
    , pdf_(control<QRadioButton>(QStringLiteral("PDFファイル"), "optPdf", this))
    , client_(new QLineEdit(this))
    , author_(new QLineEdit(this))
    , made_(new QDateEdit(this))
    , pdfPath_(new QLineEdit(this))
    , browse_(button(QStringLiteral("参照…"), "cmdBrowse", this))
    , preview_(button(QStringLiteral("プレビュー"), "cmdPreview", this))
    , print_(button(QStringLiteral("印刷"), "cmdPrint", this))
    , cancel_(button(QStringLiteral("キャンセル"), "cmdCancel", this))
{
    setObjectName(QStringLiteral("dlgPrint"));
    setWindowTitle(QStringLiteral("印刷"));
    setAccessibleName(windowTitle());
    scale.scaleFont(*this);
    pdfPath_->setObjectName(QStringLiteral("txtPdfPath"));
    pdfPath_->setAccessibleName(QStringLiteral("PDFファイルの保存先"));
    pdfPath_->setMinimumWidth(scale.pixels(320));
    print_->setDefault(true);
    for (auto [box, caption, name] : {std::tuple{client_, QStringLiteral("利用者名"), "txtClient"},
                                      std::tuple{author_, QStringLiteral("作成者"), "txtAuthor"}}) {
        box->setObjectName(QString::fromLatin1(name));
        box->setAccessibleName(caption);
        box->setMinimumWidth(scale.pixels(120));
    }
    made_->setObjectName(QStringLiteral("dtpMade"));
    made_->setAccessibleName(QStringLiteral("作成日"));
    made_->setDisplayFormat(QStringLiteral("yyyy年M月d日"));
    made_->setCalendarPopup(true);

    QGroupBox* heading = group(QStringLiteral("表題"), "fraHeading", this);
    auto* headingLayout = new QFormLayout(heading);
    headingLayout->addRow(QStringLiteral("利用者名"), client_);
    headingLayout->addRow(QStringLiteral("作成者"), author_);
    headingLayout->addRow(QStringLiteral("作成日"), made_);

    QGroupBox* destination = group(QStringLiteral("出力先"), "fraDestination", this);
    auto* destinationLayout = new QGridLayout(destination);
    destinationLayout->addWidget(printer_, 0, 0);
    destinationLayout->addWidget(pdf_, 0, 1);
    destinationLayout->addWidget(pdfPath_, 1, 0, 1, 3);
    destinationLayout->addWidget(browse_, 1, 3);
    destinationLayout->setColumnStretch(2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(preview_);
    buttons->addWidget(print_);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    auto* page = new QHBoxLayout;
    page->addWidget(row(QStringLiteral("用紙"), "fraPaper", this, a4_, a3_));
    page->addWidget(row(QStringLiteral("向き"), "fraOrientation", this, portrait_, landscape_));
    layout->addLayout(page);
    layout->addWidget(
        row(QStringLiteral("印刷する項目"), "fraDetails", this, ages_, remarks_, texts_, bandColours_, legend_));
    layout->addWidget(destination);
    layout->addWidget(heading);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    showChoices(session_->defaults());
    connect(pdf_, &QRadioButton::toggled, this, [this] { showDestination(); });
    connect(browse_, &QPushButton::clicked, this,
            [this] { pdfPath_->setText(session_->browse(pdfPath_->text(), this)); });
    connect(preview_, &QPushButton::clicked, this, [this] { session_->preview(choices(), this); });
    connect(print_, &QPushButton::clicked, this, [this] {
        if (session_->print(choices(), this)) accept();
    });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

PrintChoices PrintDialog::choices() const
{
    PrintChoices chosen;
    chosen.paper = a3_->isChecked() ? QPageSize::A3 : QPageSize::A4;
    chosen.orientation = portrait_->isChecked() ? QPageLayout::Portrait : QPageLayout::Landscape;
    chosen.details = {ages_->isChecked(), remarks_->isChecked(), texts_->isChecked(), bandColours_->isChecked()};
    chosen.legend = legend_->isChecked();
    chosen.destination = pdf_->isChecked() ? PrintChoices::Destination::PdfFile : PrintChoices::Destination::Printer;
    chosen.pdfPath = pdfPath_->text();
    chosen.title = {client_->text(), author_->text(), made_->date()};
    return chosen;
}

void PrintDialog::showChoices(const PrintChoices& choices)
{
    (choices.paper == QPageSize::A3 ? a3_ : a4_)->setChecked(true);
    (choices.orientation == QPageLayout::Portrait ? portrait_ : landscape_)->setChecked(true);
    ages_->setChecked(choices.details.ages);
    remarks_->setChecked(choices.details.remarks);
    texts_->setChecked(choices.details.texts);
    bandColours_->setChecked(choices.details.bandColours);
    legend_->setChecked(choices.legend);
    (choices.destination == PrintChoices::Destination::PdfFile ? pdf_ : printer_)->setChecked(true);
    pdfPath_->setText(choices.pdfPath);
    client_->setText(choices.title.client);
    author_->setText(choices.title.author);
    made_->setDate(choices.title.made);
    showDestination();
}

// The file's name matters only when the copy goes into a file.
void PrintDialog::showDestination()
{
    pdfPath_->setEnabled(pdf_->isChecked());
    browse_->setEnabled(pdf_->isChecked());
}

} // namespace kinsketch
