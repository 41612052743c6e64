#pragma once

#include <QObject>
#include <QString>
#include <string>

class MXCatalog;
class Prompter;
class QCheckBox;
class PicturePreview;
class QPushButton;
class QWidget;

// The optional picture of the category or item an editor page edits: its preview, the Browse
// button, the remove box and the picture chosen since the page was loaded. The chosen picture
// reaches the catalog folder's data/ only through Apply, when the editor's OK is accepted.
class RecordPicture : public QObject {
    Q_OBJECT
public:
    // `kind` names the controls: "Cat" gives ImageCat, LMDButtonCat and LMDCheckBoxRemCat.
    // `errorCaption` heads the editor's error boxes; `hint` is the hint of the "Image:" label.
    RecordPicture(const QString& kind, const QString& errorCaption, const QString& hint,
                  Prompter& prompter, QObject* parent = nullptr);

    QWidget* Controls() const { return controls_; }  // the label, preview, button and box
    PicturePreview* Preview;
    QPushButton* Browse;
    QCheckBox* Remove;

    // The page is loaded for a new record: no preview, nothing chosen, box unchecked.
    void Reset();
    // The page is loaded for a stored record: shows its picture file when there is one. `path`
    // is empty while the catalog has no folder.
    void ShowStored(const std::string& path);
    // Browse: asks for a picture file and previews it; nothing is written.
    void BrowseClick();
    bool PictureChosen() const { return chosen_; }

    // The must-save test: a chosen picture needs a catalog folder to go into. Shows the refusal
    // and answers false when the picture cannot be kept.
    bool MaySave(const MXCatalog& catalog);
    // At OK, once the record's ID is final: deletes, replaces or keeps the picture file at `path`
    // (empty while the catalog has no folder: nothing happens). A failure is shown.
    void Apply(const std::string& path);

private:
    QWidget* controls_;
    QString errorCaption_;
    Prompter& prompter_;
    bool chosen_ = false;
    QString lastFile_;
};

// The picture file of a record: the catalog folder's data/ + prefix ("c" or "i") + ID + ".jpg";
// empty while the catalog has no folder.
std::string RecordPicturePath(const MXCatalog& catalog, const char* prefix, const std::string& id);
