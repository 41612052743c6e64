#include "TFormNotice.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include "CatalogText.h"
#include "Prompter.h"
#include "UiThreadCall.h"
#include "vendor/VendorNotes.h"

TFormNotice::TFormNotice(const VendorNotes& notes, Prompter& prompter,
                         const std::string& startupFolder, const std::string& vendorServerUrl,
                         std::function<void(const std::string&)> showStatus, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      LabelNotes(new QLabel(FromCatalogText(notes.notesText))),
      ListBoxTemplates(new QListWidget),
      LMDButtonDownload(new QPushButton("Download\nTemplate")),
      ProgressBar1(new QProgressBar),
      LMDButtonClose(new QPushButton("Close")),
      prompter_(prompter),
      showStatus_(std::move(showStatus)),
      download_(*this, startupFolder, vendorServerUrl) {
    setObjectName("FormNotice");
    setWindowTitle("Notes");

    auto* title = new QLabel("Notes");
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    LabelNotes->setObjectName("LabelNotes");
    LabelNotes->setWordWrap(true);
    LabelNotes->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ListBoxTemplates->setObjectName("ListBoxTemplates");
    for (const std::string& name : notes.templates)
        ListBoxTemplates->addItem(FromCatalogText(name));
    LMDButtonDownload->setObjectName("LMDButtonDownload");
    LMDButtonDownload->setToolTip("Get new catalog templates");
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setRange(0, 100);
    ProgressBar1->hide();
    LMDButtonClose->setObjectName("LMDButtonClose");

    // Without a window frame, a drawn one marks the window's edge.
    auto* frame = new QFrame;
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(title);
    layout->addWidget(LabelNotes);
    layout->addWidget(new QLabel("Available Templates"));
    auto* row = new QHBoxLayout;
    row->addWidget(ListBoxTemplates, 1);
    row->addWidget(LMDButtonDownload, 0, Qt::AlignTop);
    layout->addLayout(row);
    layout->addWidget(new QLabel("Select a template to download..."));
    layout->addWidget(ProgressBar1);
    layout->addWidget(LMDButtonClose, 0, Qt::AlignRight);
    resize(420, 360);

    connect(LMDButtonDownload, &QPushButton::clicked, this, &TFormNotice::LMDButtonDownloadClick);
    connect(ListBoxTemplates, &QListWidget::itemDoubleClicked, this,
            &TFormNotice::LMDButtonDownloadClick);
    connect(LMDButtonClose, &QPushButton::clicked, this, &QDialog::accept);
}

TFormNotice::~TFormNotice() {
    WaitServingCalls(worker_.get());
}

bool TFormNotice::Downloading() const {
    return worker_ && !worker_->isFinished();
}

void TFormNotice::done(int result) {
    if (Downloading()) return;  // the download reports into this window until it ends
    QDialog::done(result);
}

void TFormNotice::LMDButtonDownloadClick() {
    QListWidgetItem* selected = ListBoxTemplates->currentItem();
    if (!selected || Downloading()) return;
    const std::string name = ToCatalogText(selected->text());
    LMDButtonDownload->setEnabled(false);
    LMDButtonClose->setEnabled(false);
    worker_.reset(QThread::create([this, name] { download_.Download(name); }));
    connect(worker_.get(), &QThread::finished, this, &TFormNotice::DownloadEnded);
    worker_->start();
}

void TFormNotice::DownloadEnded() {
    LMDButtonDownload->setEnabled(true);
    LMDButtonClose->setEnabled(true);
}

bool TFormNotice::AskOkCancel(const std::string& caption, const std::string& text) {
    bool ok = false;
    CallOnUiThread(this, [&] {
        ok = prompter_.Ask(FromCatalogText(caption), FromCatalogText(text),
                           {PromptButton::Ok, PromptButton::Cancel}) == PromptButton::Ok;
    });
    return ok;
}

void TFormNotice::ShowProgress(int percent) {
    CallOnUiThread(this, [&] {
        ProgressBar1->setValue(percent);
        ProgressBar1->show();
    });
}

void TFormNotice::HideProgress() {
    CallOnUiThread(this, [&] { ProgressBar1->hide(); });
}

void TFormNotice::ShowStatus(const std::string& text) {
    CallOnUiThread(this, [&] { showStatus_(text); });
}
