#pragma once

#include <QDialog>
#include <map>
#include <string>

#include "catalog/MXVariant.h"

class QLabel;
class QLineEdit;
class QPushButton;
class TFormMain;

// The variant dialog: one variant's SKU, name, price and weight. Its OK stores the variant into
// the item editor's working set only; the item editor's OK takes the set into the catalog. Made
// once with the item editor and reused for every variant.
class TFormVariants : public QDialog {
    Q_OBJECT
public:
    TFormVariants(TFormMain& main, std::map<std::string, MXVariant>& workingVariants,
                  QWidget* parent = nullptr);

    void LoadNewVariant();
    void LoadVariant(const std::string& id);

    // Validates and stores; the dialog closes with Accepted. A refusal leaves it open.
    void LMDButtonOKClick();
    // Asks, then closes with Rejected; after No the dialog stays open.
    void LMDButtonCancelClick();
    void reject() override;  // Escape and the window's close ask like Cancel

    QLineEdit *LMDEditSKU, *LMDEditName, *LMDMaskEditPrice, *LMDMaskEditWeight;
    QLabel* ID;  // hidden: the variant's ID, "0" for a new one
    QPushButton *LMDButtonOK, *LMDButtonCancel;

private:
    bool SkuInUse(const std::string& sku) const;

    TFormMain& main_;
    std::map<std::string, MXVariant>& working_;
};
