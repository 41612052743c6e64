#include "TGenThread.h"

#include <ctime>

#include "DataFolderIndex.h"
#include "GenerationHost.h"
#include "GenerationState.h"
#include "GifFile.h"
#include "PageExpander.h"
#include "PageScripts.h"
#include "PageSet.h"
#include "PicturePreparation.h"
#include "TemplateDescription.h"
#include "TemplateLibrary.h"
#include "WorkerServices.h"
#include "catalog/CatalogFolder.h"
#include "catalog/FileCommands.h"
#include "catalog/MXCatalog.h"
#include "catalog/StartupFolder.h"

namespace {

const char kNoOutput[] = "Vivivud Generation Failed: No Output Directory.";

}  // namespace

void measureLogo(const std::string& catalogFolder, GenerationState& state) {
    state.logoWidth = state.logoHeight = 0;
    int width = 0, height = 0;
    if (!catalogFolder.empty() && readGifSize(catalogFolder + "/data/logo.gif", width, height)) {
        state.logoWidth = width;
        state.logoHeight = height;
    }
}

std::string elapsedTimeText(long seconds) {
    std::string text = "\nTime:";
    if (seconds >= 60) text += " " + std::to_string(seconds / 60) + " min.";
    return text + " " + std::to_string(seconds % 60) + " sec.";
}

TGenThread::TGenThread(MXCatalog& catalog, std::string startupFolder, GenerationState& state,
                       ActivityFlags& flags, GenerationHost& host)
    : catalog_(catalog),
      startupFolder_(std::move(startupFolder)),
      state_(state),
      flags_(flags),
      host_(host) {}

TGenThread::~TGenThread() {
    wait();
}

bool TGenThread::start() {
    if (flags_.Uploading.load()) return false;
    bool idle = false;
    if (!flags_.Running.compare_exchange_strong(idle, true)) return false;
    wait();  // a worker of an earlier run may still be leaving
    measureLogo(catalog_.CatalogFolder, state_);
    worker_ = std::thread([this] { Execute(); });
    return true;
}

void TGenThread::wait() {
    if (worker_.joinable() && worker_.get_id() != std::this_thread::get_id()) worker_.join();
}

void TGenThread::Execute() {
    run();
    flags_.Running.store(false);
}

void TGenThread::end(const std::string& message) {
    WorkerServices worker(host_, flags_.Running);
    worker.setCancelVisible(false);
    worker.reportStatus(message);
}

void TGenThread::run() {
    state_.scriptErrorCode = 0;
    state_.scriptErrorLocation.clear();
    state_.startTime = std::time(nullptr);
    WorkerServices worker(host_, flags_.Running);

    const std::string outputFolder = catalog_.CatalogFolder + "/output";
    if (catalog_.CatalogFolder.empty() || !IsDirectory(outputFolder)) return end(kNoOutput);

    const std::string packageFolder = templateFolder(startupFolder_, catalog_.Template);
    FileHandle description;
    if (IsPlainFolderName(catalog_.Template)) description = openTemplateDescription(packageFolder);
    if (!description) return end("Vivivud Generation Failed: Bad Template.");

    worker.reportStatus("Vivivud Generation: Preparing Output Directory.");
    switch (PageSet::emptyOutputFolder(outputFolder)) {
        case PageSet::EmptyResult::CannotList:
            return end(kNoOutput);
        case PageSet::EmptyResult::CannotClose:
            return end("Vivivud Generation Failed: Output Directory Corrupt.");
        case PageSet::EmptyResult::Emptied:
            break;
    }

    const DataFolderIndex data(catalog_.CatalogFolder + "/data");
    PageSet::preparePictureAddresses(catalog_, data);
    worker.setCancelVisible(true);
    worker.refresh();

    PageScripts scripts(catalog_, state_, data, flags_.Running);
    PageExpander expander(catalog_, state_, data, scripts);
    PageSet pages(catalog_, packageFolder, data, expander, worker);
    const TemplateSettings settings = readTemplateDescription(
        description.get(), catalog_, [&] { return worker.isRunning(); },
        [&](const std::string& key, const std::string& base, const std::string& ext,
            const std::string& conditions) {
            if (key == "main") {
                if (worker.isRunning()) pages.writeMainPage(base, ext);
            } else if (key == "category") {
                pages.writeCategoryPages(base, ext, conditions);
            } else {
                pages.writeItemPages(base, ext, conditions);
            }
        });
    description.reset();

    const std::optional<bool> versionOk = versionSatisfied(settings);
    if (!versionOk)
        return end("Vivivud Generation Failed: Template version not understood: " +
                   settings.requiredVersion);
    if (!*versionOk)
        return end("Vivivud Generation Failed: Template requires Marlix version upgrade to " +
                   settings.requiredVersion);

    if (worker.isRunning()) pages.copyDataFiles(settings.categorySkip, settings.itemSkip);
    PicturePreparation pictures(catalog_, data, worker);
    if (worker.isRunning())
        pictures.preparePictures(PicturePreparation::Kind::Categories, settings.categoryBox,
                                 settings.categoryIconBox, settings.categorySkip);
    if (worker.isRunning())
        pictures.preparePictures(PicturePreparation::Kind::Items, settings.itemBox,
                                 settings.itemIconBox, settings.itemSkip);

    std::string message;
    if (state_.scriptErrorCode < 0)
        message = "Vivivud Generation Failed: Template script error (" +
                  std::to_string(state_.scriptErrorCode) + ") in\n   " +
                  state_.scriptErrorLocation;
    else if (worker.isRunning())
        message = "Vivivud Generation Succeeded.";
    else
        message = "Vivivud Generation Cancelled.";
    message += elapsedTimeText(static_cast<long>(std::time(nullptr) - state_.startTime));
    end(message);
}
