#include "TFormMain.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "CatalogText.h"
#include "EditorPage.h"
#include "PageHost.h"
#include "ProgramIcon.h"
#include "QtPrompter.h"
#include "TFormAccount.h"
#include "TFormCat.h"
#include "TFormCatInfo.h"
#include "TFormCustomize.h"
#include "TFormExport.h"
#include "TFormGeneral.h"
#include "TFormItemInfo.h"
#include "TFormItems.h"
#include "TFormNotice.h"
#include "TFormProperties.h"
#include "TFormUploadInfo.h"
#include "TFormWelcome.h"
#include "TitlePanel.h"
#include "UiThreadCall.h"
#include "catalog/Version.h"
#include "generator/TGenThread.h"
#include "publish/FtpUpload.h"
#include "vendor/VendorNotes.h"

namespace {

const char kNoNetwork[] = "0.0.0.0";

// The information panel's rule for long texts: "None" when empty, else at most 15 characters
// followed by "..." when there were more.
QString PanelText(const std::string& text) {
    if (text.empty()) return "None";
    const QList<uint> characters = FromCatalogText(text).toUcs4();
    if (characters.size() <= 15) return FromCatalogText(text);
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()), 15) + "...";
}

bool Alive(const std::unique_ptr<QThread>& thread) {
    return thread && !thread->isFinished();
}

QLabel* RedBold(const QString& text, const char* name) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(palette);
    return label;
}

}  // namespace

TFormMain::TFormMain(MainWindowOptions options, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      options_(std::move(options)),
      ownPrompter_(options_.prompter ? nullptr : std::make_unique<QtPrompter>(this)),
      prompter_(options_.prompter ? options_.prompter : ownPrompter_.get()),
      commands_(*this, flags_, options_.startupFolder),
      uploadHost_(this, {[this](const std::string& text) { ShowStatus(text); },
                         [this](bool visible) {
                             ProgressBar1->setVisible(visible);
                             LMDButtonCancelUpload->setVisible(visible);
                         },
                         [this](int percent) { ProgressBar1->setValue(percent); }}) {
    if (!options_.openUrl)
        options_.openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    setObjectName("FormMain");
    setWindowTitle("Zelmo Marlix");
    setWindowIcon(QIcon(ProgramIcon(64)));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    BuildTitleBar(layout);
    BuildMenus();
    BuildPageButtons(layout);
    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(6, 0, 6, 6);
    middle->addWidget(BuildSidePanel());
    LMDFormDisplay1 = new PageHost;
    LMDFormDisplay1->setFrameShape(QFrame::StyledPanel);
    middle->addWidget(LMDFormDisplay1, 1);
    layout->addLayout(middle, 1);
    setFixedSize(840, 560);

    RegisterPages();
    ShowPage(kPageWelcome);
    // Catalog folders live below ./Catalogs; without that folder the current one stays.
    QDir::setCurrent(FromCatalogText(options_.startupFolder + "/Catalogs"));
    StartNewCatalog();

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &TFormMain::Timer1Timer);
    Timer1->start();
}

TFormMain::~TFormMain() {
    destroying_ = true;
    Timer1->stop();
    flags_.Running = false;
    flags_.Uploading = false;
    WaitServingCalls(generationWatch_.get());
    WaitServingCalls(uploadWorker_.get());
    WaitServingCalls(notesWorker_.get());
}

void TFormMain::BuildTitleBar(QVBoxLayout* layout) {
    LMDPanelFill1 = new TitlePanel("        Zelmo Marlix");
    LMDPanelFill1->setObjectName("LMDPanelFill1");
    LMDPanelFill1->installEventFilter(this);
    LMDButtonMin = new QToolButton;
    LMDButtonMin->setObjectName("LMDButtonMin");
    LMDButtonMin->setText("_");
    LMDButtonClose = new QToolButton;
    LMDButtonClose->setObjectName("LMDButtonClose");
    LMDButtonClose->setText("X");
    auto* buttons = new QHBoxLayout(LMDPanelFill1);
    buttons->setContentsMargins(0, 2, 4, 2);
    buttons->addStretch(1);
    buttons->addWidget(LMDButtonMin);
    buttons->addWidget(LMDButtonClose);
    layout->addWidget(LMDPanelFill1);
    connect(LMDButtonMin, &QToolButton::clicked, this, &QWidget::showMinimized);
    connect(LMDButtonClose, &QToolButton::clicked, this, &TFormMain::ExitClick);
}

void TFormMain::BuildMenus() {
    PopupMenuFile = new QMenu(this);
    PopupMenuFile->setObjectName("PopupMenuFile");
    auto item = [this](QMenu* menu, const char* name, const QString& text) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        addAction(action);  // keeps its shortcut working while the menu is closed
        return action;
    };
    MenuNew = item(PopupMenuFile, "MenuNew", "&New");
    MenuNew->setShortcut(QKeySequence("Ctrl+N"));
    MenuOpen = item(PopupMenuFile, "MenuOpen", "&Open");
    MenuOpen->setShortcut(QKeySequence("Ctrl+O"));
    MenuClose = item(PopupMenuFile, "MenuClose", "&Close");
    PopupMenuFile->addSeparator();
    MenuSave = item(PopupMenuFile, "MenuSave", "&Save");
    MenuSave->setShortcut(QKeySequence("Ctrl+S"));
    MenuSaveAs = item(PopupMenuFile, "MenuSaveAs", "Save &As...");
    PopupMenuFile->addSeparator();
    MenuCreateAccount = item(PopupMenuFile, "MenuCreateAccount", "&Create an Account");
    MenuAdminPages = item(PopupMenuFile, "MenuAdminPages", "&Go to Admin Pages");
    PopupMenuFile->addSeparator();
    MenuExit = item(PopupMenuFile, "MenuExit", "E&xit");
    for (QAction* a : {MenuClose, MenuSave, MenuSaveAs}) a->setEnabled(false);

    PopupMenuHelp = new QMenu(this);
    PopupMenuHelp->setObjectName("PopupMenuHelp");
    MenuHowToUse = item(PopupMenuHelp, "MenuHowToUse", "How to use Marlix");
    MenuOnlineHelp = item(PopupMenuHelp, "MenuOnlineHelp", "Online Help");
    MenuWebSite = item(PopupMenuHelp, "MenuWebSite", "Zelmo Krant Web Site");
    PopupMenuHelp->addSeparator();
    MenuAbout = item(PopupMenuHelp, "MenuAbout", "&About...");

    connect(MenuNew, &QAction::triggered, this,
            [this] { RunFileCommand(&CatalogFileCommands::New); });
    connect(MenuOpen, &QAction::triggered, this,
            [this] { RunFileCommand(&CatalogFileCommands::Open); });
    connect(MenuClose, &QAction::triggered, this,
            [this] { RunFileCommand(&CatalogFileCommands::Close); });
    connect(MenuSave, &QAction::triggered, this,
            [this] { RunFileCommand(&CatalogFileCommands::Save); });
    connect(MenuSaveAs, &QAction::triggered, this,
            [this] { RunFileCommand(&CatalogFileCommands::SaveAs); });
    connect(MenuCreateAccount, &QAction::triggered, this, &TFormMain::CreateAccountClick);
    connect(MenuAdminPages, &QAction::triggered, this, &TFormMain::AdminPagesClick);
    connect(MenuExit, &QAction::triggered, this, &TFormMain::ExitClick);
    connect(MenuHowToUse, &QAction::triggered, this, &TFormMain::HowToUseClick);
    connect(MenuOnlineHelp, &QAction::triggered, this,
            [this] { OpenWebLink(options_.vendorServerUrl, "/marlix/"); });
    connect(MenuWebSite, &QAction::triggered, this,
            [this] { OpenWebLink(options_.vendorServerUrl, "/"); });
    connect(MenuAbout, &QAction::triggered, this, &TFormMain::AboutClick);
}

void TFormMain::BuildPageButtons(QVBoxLayout* layout) {
    auto button = [this](const char* name, const QString& text, const QString& hint) {
        auto* b = new QToolButton;
        b->setObjectName(name);
        b->setText(text);
        b->setToolTip(hint);
        b->setAutoRaise(true);
        b->setMinimumWidth(90);
        return b;
    };
    LMDMMButtonFile = button("LMDMMButtonFile", "File", "File Menu");
    LMDMMButtonProperties = button("LMDMMButtonProperties", "Properties", "General Properties");
    LMDMMButtonGeneral = button("LMDMMButtonGeneral", "General", "General Properties");
    LMDMMButtonCat = button("LMDMMButtonCat", "Categories", "Category Maintenance");
    LMDMMButtonItems = button("LMDMMButtonItems", "Items", "Item Maintenance");
    LMDMMButtonExport = button("LMDMMButtonExport", "Export", "Catalog Generator");
    LMDMMButtonHelp = button("LMDMMButtonHelp", "Help", "Help Me!");
    LMDMMButtonFile->setMenu(PopupMenuFile);
    LMDMMButtonFile->setPopupMode(QToolButton::InstantPopup);
    LMDMMButtonHelp->setMenu(PopupMenuHelp);
    LMDMMButtonHelp->setPopupMode(QToolButton::InstantPopup);

    auto* row = new QHBoxLayout;
    row->setContentsMargins(6, 0, 6, 0);
    for (QToolButton* b : {LMDMMButtonFile, LMDMMButtonProperties, LMDMMButtonGeneral,
                           LMDMMButtonCat, LMDMMButtonItems, LMDMMButtonExport, LMDMMButtonHelp})
        row->addWidget(b);
    row->addStretch(1);
    layout->addLayout(row);

    const std::pair<QToolButton*, int> pages[] = {{LMDMMButtonProperties, kPageProperties},
                                                  {LMDMMButtonGeneral, kPageGeneral},
                                                  {LMDMMButtonCat, kPageCategories},
                                                  {LMDMMButtonItems, kPageItems},
                                                  {LMDMMButtonExport, kPageExport}};
    for (auto [b, page] : pages)
        connect(b, &QToolButton::clicked, this, [this, page = page] { PageButtonClick(page); });
}

QWidget* TFormMain::BuildSidePanel() {
    auto* panel = new QWidget;
    panel->setFixedWidth(250);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    LMDGroupBoxInfo = new QGroupBox("Store Information");
    LMDGroupBoxInfo->setObjectName("LMDGroupBoxInfo");
    LMDGroupBoxInfo->setToolTip("Look here to see catalog and account information");
    LabelSITEID = RedBold("DEMO", "LabelSITEID");
    LabelNumCats = RedBold("0", "LabelNumCats");
    LabelNumItems = RedBold("0", "LabelNumItems");
    LabelStore = RedBold("None", "LabelStore");
    LabelTemplate = RedBold("None", "LabelTemplate");
    auto* grid = new QGridLayout(LMDGroupBoxInfo);
    int row = 0;
    for (auto [caption, value] : {std::pair{"SITEID:", LabelSITEID},
                                  {"CATEGORIES:", LabelNumCats},
                                  {"ITEMS:", LabelNumItems},
                                  {"STORE:", LabelStore},
                                  {"TEMPLATE:", LabelTemplate}}) {
        grid->addWidget(new QLabel(caption), row, 0);
        grid->addWidget(value, row++, 1);
    }
    grid->setColumnStretch(1, 1);
    column->addWidget(LMDGroupBoxInfo);

    LMDGroupBoxStatus = new QGroupBox("Zelmo Marlix Status");
    LMDGroupBoxStatus->setObjectName("LMDGroupBoxStatus");
    LMDGroupBoxStatus->setToolTip(
        "Look here to see the status of the last operation you performed on your catalog");
    LabelStatus = new QLabel("New Catalog.");
    LabelStatus->setObjectName("LabelStatus");
    LabelStatus->setWordWrap(true);
    LabelStatus->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont bold = LabelStatus->font();
    bold.setBold(true);
    LabelStatus->setFont(bold);
    LabelStatus->setMinimumHeight(90);
    ProgressBar1 = new QProgressBar;
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setRange(0, 100);
    ProgressBar1->hide();
    LMDButtonCancelUpload = new QPushButton("Cancel Upload");
    LMDButtonCancelUpload->setObjectName("LMDButtonCancelUpload");
    LMDButtonCancelUpload->setToolTip("Cancel the FTP upload in progress");
    LMDButtonCancelUpload->hide();
    LMDButtonCancelGeneration = new QPushButton("Cancel Generation");
    LMDButtonCancelGeneration->setObjectName("LMDButtonCancelGeneration");
    LMDButtonCancelGeneration->setToolTip("Cancel the catalog generation in progress");
    LMDButtonCancelGeneration->hide();
    auto* status = new QVBoxLayout(LMDGroupBoxStatus);
    status->addWidget(LabelStatus);
    status->addWidget(ProgressBar1);
    status->addWidget(LMDButtonCancelUpload);
    status->addWidget(LMDButtonCancelGeneration);
    column->addWidget(LMDGroupBoxStatus);
    column->addStretch(1);

    ImageAnim = new QLabel;
    ImageAnim->setObjectName("ImageAnim");
    ImageAnim->setPixmap(ProgramIcon(48));
    ImageAnim->installEventFilter(this);
    column->addWidget(ImageAnim, 0, Qt::AlignLeft | Qt::AlignBottom);

    connect(LMDButtonCancelUpload, &QPushButton::clicked, this,
            &TFormMain::LMDButtonCancelUploadClick);
    connect(LMDButtonCancelGeneration, &QPushButton::clicked, this,
            &TFormMain::LMDButtonCancelGenerationClick);
    return panel;
}

void TFormMain::RegisterPages() {
    FormExport = new TFormExport;
    const QString vendor = FromCatalogText(options_.vendorServerUrl);
    EditorPage* pages[kPageCount] = {
        new TFormWelcome(vendor, options_.openUrl),
        new TFormGeneral(*this),
        new TFormCat(*this),
        new TFormItems(*this),
        FormExport,
        new TFormProperties(*this),
        new TFormUploadInfo(*this),
        new TFormAccount(*this),
        new TFormCustomize(*this, options_.openUrl),
        new TFormCatInfo(*this),
        new TFormItemInfo(*this),
    };
    for (EditorPage* page : pages) LMDFormDisplay1->AddPage(page);
    connect(FormExport->LMDButtonGenerate, &QPushButton::clicked, this,
            &TFormMain::LMDButtonGenerateClick);
    connect(FormExport->LMDButtonUpload, &QPushButton::clicked, this,
            &TFormMain::LMDButtonUploadClick);
}

void TFormMain::ShowPage(int page) {
    LMDFormDisplay1->ShowPage(page);
}

void TFormMain::SetStatus(const QString& text) {
    LabelStatus->setText(text);
}

void TFormMain::RefreshStoreInfo() {
    const MXCatalog& c = commands_.Catalog();
    LabelSITEID->setText(c.DemoMode ? QString("DEMO") : "M" + FromCatalogText(c.SITEID));
    LabelNumCats->setText(QString::number(c.Categories.size()));
    LabelNumItems->setText(QString::number(c.Items.size()));
    LabelStore->setText(PanelText(c.StoreName));
    LabelTemplate->setText(PanelText(c.Template));
    commands_.RefreshMenu();
    SyncFileMenu();
}

void TFormMain::StartNewCatalog() {
    commands_.Start();
    SyncFileMenu();
    RefreshStoreInfo();
}

void TFormMain::SyncFileMenu() {
    MenuClose->setEnabled(commands_.CloseEnabled());
    MenuSave->setEnabled(commands_.SaveEnabled());
    MenuSaveAs->setEnabled(commands_.SaveAsEnabled());
}

bool TFormMain::WorkRunning() const {
    // After a cancel the flags are clear while the worker still finishes its page or file.
    return flags_.Busy() || Alive(generationWatch_) || Alive(uploadWorker_);
}

void TFormMain::RunFileCommand(void (CatalogFileCommands::*command)()) {
    if (WorkRunning()) return;
    (commands_.*command)();
    SyncFileMenu();
}

void TFormMain::PageButtonClick(int page) {
    if (WorkRunning()) return;
    LMDFormDisplay1->Page(page)->Reload();
    ShowPage(page);
}

void TFormMain::ExitClick() {
    close();
}

void TFormMain::closeEvent(QCloseEvent* event) {
    // Every close request takes Exit's path: while work runs it only asks the work to stop.
    if (!exiting_ && !commands_.Exit()) {
        event->ignore();
        return;
    }
    exiting_ = true;
    event->accept();
}

void TFormMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) LMDPanelFill1->setActive(isActiveWindow());
    QWidget::changeEvent(event);
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == LMDPanelFill1 || watched == ImageAnim) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (event->type() == QEvent::MouseButtonPress) {
            pressPoint_ = mouse->position().toPoint();
        } else if (event->type() == QEvent::MouseMove && (mouse->buttons() & Qt::LeftButton)) {
            move(pos() + mouse->position().toPoint() - pressPoint_);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TFormMain::OpenWebLink(const std::string& server, const char* path) {
    if (options_.probe() == kNoNetwork) return;
    options_.openUrl(QUrl(FromCatalogText(server + path)));
}

void TFormMain::CreateAccountClick() {
    OpenWebLink(options_.accountServerUrl, "/mini/admin/showadmin.cgi?M1000+addenter.ah");
}

void TFormMain::AdminPagesClick() {
    OpenWebLink(options_.accountServerUrl, "/mini/admin/");
}

void TFormMain::HowToUseClick() {
    options_.openUrl(QUrl::fromLocalFile(FromCatalogText(StartupFolder() + "/Help/index.html")));
}

void TFormMain::AboutClick() {
    prompter_->ShowMessage(
        "About Zelmo Marlix",
        QString("Zelmo Marlix\nby Zelmo Krant\n\n"
                "Keeps your store's catalog and makes your online store from it.\n\n"
                "Version %1\n\n%2/")
            .arg(kProgramVersion, FromCatalogText(options_.vendorServerUrl)),
        PromptIcon::Information);
}

void TFormMain::LMDButtonGenerateClick() {
    if (WorkRunning()) return;
    generation_ =
        std::make_unique<TGenThread>(commands_.Catalog(), StartupFolder(), generationState_, flags_,
                                     static_cast<GenerationHost&>(*this));
    if (!generation_->start()) return;
    // The watcher tells when the worker has really ended, also after a cancel.
    generationWatch_.reset(QThread::create([run = generation_.get()] { run->wait(); }));
    generationWatch_->start();
}

void TFormMain::LMDButtonUploadClick() {
    if (WorkRunning()) return;
    // The worker sends from its own copy, so nothing it reads can change under it.
    uploadWorker_.reset(QThread::create([this, catalog = commands_.Catalog()] {
        UploadCatalog(catalog, flags_, uploadHost_, UploadOptions{options_.probe, {}});
    }));
    uploadWorker_->start();
}

void TFormMain::LMDButtonCancelUploadClick() {
    flags_.Uploading = false;
}

void TFormMain::LMDButtonCancelGenerationClick() {
    flags_.Running = false;
}

void TFormMain::statusCall(WorkerChannel& channel) {
    CallOnUiThread(this, [&] {
        SetStatus(FromCatalogText(channel.statusText));
        LMDButtonCancelGeneration->setVisible(channel.cancelVisible);
        savePictureInChannel(channel);
    });
}

void TFormMain::Timer1Timer() {
    if (options_.probe() == kNoNetwork) return;
    Timer1->stop();  // the notes are fetched once per start
    notesWorker_.reset(QThread::create([this, url = options_.vendorServerUrl] {
        auto notes = std::make_shared<VendorNotes>();
        if (FetchVendorNotes(url, *notes))
            PostToUiThread(this, [this, notes] { ShowNotes(*notes); });
    }));
    notesWorker_->start();
}

void TFormMain::ShowNotes(const VendorNotes& notes) {
    if (destroying_) return;
    TFormNotice window(
        notes, *prompter_, StartupFolder(), options_.vendorServerUrl,
        [this](const std::string& text) { ShowStatus(text); }, this);
    window.exec();
}

SaveChangesAnswer TFormMain::AskSaveChanges() {
    switch (prompter_->Ask("Save Changes", "Do you want to save your changes?",
                           {PromptButton::Yes, PromptButton::No, PromptButton::Cancel})) {
        case PromptButton::Yes:
            return SaveChangesAnswer::Yes;
        case PromptButton::No:
            return SaveChangesAnswer::No;
        default:
            return SaveChangesAnswer::Cancel;
    }
}

bool TFormMain::AskOverwriteCatalog() {
    return prompter_->Ask("Save Changes", "Catalog Exists- Do you want to overwrite it?",
                          {PromptButton::Ok, PromptButton::Cancel}) == PromptButton::Ok;
}

std::optional<std::string> TFormMain::ChooseFolder(const std::string& title, bool allowNewFolder) {
    std::optional<QString> folder =
        prompter_->ChooseFolder(FromCatalogText(title), QDir::currentPath(), allowNewFolder);
    if (!folder) return std::nullopt;
    return ToCatalogText(*folder);
}

void TFormMain::ShowStatus(const std::string& text) {
    SetStatus(FromCatalogText(text));
}

void TFormMain::DocumentReplaced() {
    RefreshStoreInfo();
    ShowPage(kPageWelcome);
}
