#include <QCheckBox>
#include <QComboBox>
#include <QUrl>

#include "EditorWindowFixture.h"
#include "catalog/MXCatalog.h"

namespace fs = std::filesystem;

namespace {
using PropertiesPages = EditorWindow;
}  // namespace

TEST_F(PropertiesPages, UploadPageShowsTheCatalogAndStoresItOnOk) {
    Catalog().FTPHost = "ftp.harbour.example";
    Catalog().FTPPassword = "secret";
    ClickMain("LMDMMButtonProperties");
    ASSERT_EQ(Page(), kPageProperties);
    Click(kPageProperties, "LMDButtonUpload");
    ASSERT_EQ(Page(), kPageUploadInfo);
    EXPECT_EQ(Text(kPageUploadInfo, "LMDHost"), "ftp.harbour.example");
    EXPECT_EQ(On<QLineEdit>(kPageUploadInfo, "LMDPassword")->echoMode(), QLineEdit::Password);

    Type(kPageUploadInfo, "LMDHost", "");  // stored without a check
    Type(kPageUploadInfo, "LMDDirectory", "shop/tea");
    Type(kPageUploadInfo, "LMDUsername", "harbour");
    Click(kPageUploadInfo, "LMDButtonOK");
    EXPECT_EQ(Page(), kPageProperties);
    EXPECT_EQ(Status(), "New Upload Values Set.");
    EXPECT_EQ(Catalog().FTPHost, "");
    EXPECT_EQ(Catalog().FTPDirectory, "shop/tea");
    EXPECT_EQ(Catalog().FTPUsername, "harbour");
    EXPECT_EQ(Catalog().FTPPassword, "secret");
    EXPECT_FALSE(Catalog().Saved);
    EXPECT_TRUE(window->MenuSave->isEnabled());
}

TEST_F(PropertiesPages, CancelAsksAndThenLeavesTheCatalogAlone) {
    const struct {
        int page;
        const char *button, *edit, *ignored;
    } pages[] = {
        {kPageUploadInfo, "LMDButtonUpload", "LMDDirectory", "New Upload Values Ignored."},
        {kPageAccount, "LMDButtonAccount", "LMDSERVER", "New Zelmo Krant Account Values Ignored."},
        {kPageCustomize, "LMDButtonCustomize", "LMDEditMoney",
         "Catalog Customization Changes Ignored."},
    };
    for (const auto& p : pages) {
        const MXCatalog before = Catalog();
        ClickMain("LMDMMButtonProperties");
        Click(kPageProperties, p.button);
        ASSERT_EQ(Page(), p.page) << p.button;
        On<QCheckBox>(kPageAccount, "LMDCheckBoxDemo")->setChecked(false);
        Type(p.page, p.edit, "changed");

        prompter.Answer(PromptButton::No);
        Click(p.page, "LMDButtonCancel");
        EXPECT_EQ(Page(), p.page);
        EXPECT_EQ(Text(p.page, p.edit), "changed");

        prompter.Answer(PromptButton::Yes);
        Click(p.page, "LMDButtonCancel");
        EXPECT_EQ(Page(), kPageProperties);
        EXPECT_EQ(Status(), p.ignored);
        EXPECT_EQ(Catalog().FTPDirectory, before.FTPDirectory);
        EXPECT_EQ(Catalog().SERVER, before.SERVER);
        EXPECT_EQ(Catalog().Money, before.Money);
        EXPECT_TRUE(Catalog().Saved);
    }
    for (const auto& shown : prompter.shown()) {
        EXPECT_EQ(shown.caption, "Cancel Changes");
        EXPECT_EQ(shown.text, "Are you sure you want to cancel your changes?");
    }
}

TEST_F(PropertiesPages, AccountPageNeedsSiteServerAndPasswordOutsideDemoMode) {
    ClickMain("LMDMMButtonProperties");
    Click(kPageProperties, "LMDButtonAccount");
    auto* demo = On<QCheckBox>(kPageAccount, "LMDCheckBoxDemo");
    const char* fields[] = {"LMDSITEID", "LMDSERVER", "LMDPassword", "LMDPARTNERID"};
    EXPECT_TRUE(demo->isChecked());  // a new catalog is in demo mode
    for (const char* field : fields) EXPECT_FALSE(On<QLineEdit>(kPageAccount, field)->isEnabled());

    QTest::mouseClick(demo, Qt::LeftButton, {}, QPoint(6, demo->height() / 2));  // its box
    for (const char* field : fields) EXPECT_TRUE(On<QLineEdit>(kPageAccount, field)->isEnabled());
    Type(kPageAccount, "LMDSITEID", "4711");
    Click(kPageAccount, "LMDButtonOK");
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].caption, "Account Error");
    EXPECT_EQ(prompter.shown()[0].text, "You must fill in all entries for non-demo catalogs.");
    EXPECT_EQ(Page(), kPageAccount);
    EXPECT_TRUE(Catalog().DemoMode);
    EXPECT_EQ(Catalog().SITEID, "");

    // The partner ID may stay empty; it is stored with its "P" when given.
    Type(kPageAccount, "LMDSERVER", "7");
    Type(kPageAccount, "LMDPassword", "pw");
    Click(kPageAccount, "LMDButtonOK");
    EXPECT_EQ(Status(), "New Zelmo Krant Account Values Set.");
    EXPECT_FALSE(Catalog().DemoMode);
    EXPECT_EQ(Catalog().SITEID, "4711");
    EXPECT_EQ(Catalog().SERVER, "7");
    EXPECT_EQ(Catalog().ZKPassword, "pw");
    EXPECT_EQ(Catalog().PARTNERID, "");
    EXPECT_EQ(window->LabelSITEID->text(), "M4711");
    EXPECT_FALSE(Catalog().Saved);

    Click(kPageProperties, "LMDButtonAccount");
    Type(kPageAccount, "LMDPARTNERID", "12345");
    Click(kPageAccount, "LMDButtonOK");
    EXPECT_EQ(Catalog().PARTNERID, "P12345");
    Click(kPageProperties, "LMDButtonAccount");
    EXPECT_EQ(Text(kPageAccount, "LMDPARTNERID"), "12345");

    // A partner ID edited by hand without its "P" loses its first character all the same.
    Catalog().PARTNERID = "X99";
    Catalog().DemoMode = true;
    Click(kPageProperties, "LMDButtonAccount");
    EXPECT_EQ(Text(kPageAccount, "LMDPARTNERID"), "99");
    EXPECT_FALSE(On<QLineEdit>(kPageAccount, "LMDSITEID")->isEnabled());
    Click(kPageAccount, "LMDButtonOK");  // demo mode stores the fields unchecked
    EXPECT_EQ(Catalog().PARTNERID, "P99");
    EXPECT_TRUE(Catalog().DemoMode);
}

TEST_F(PropertiesPages, CustomizeListsTheTemplatesAndStoresTheLook) {
    for (const char* name : {"Modern", "Classic", "Zebra", "Autumn"})
        fs::create_directories(home / "Templates/" + name);
    WriteFileBytes(home / "Templates/Classic/notes.txt", "Classic notes\r\n");
    Catalog().Template = "Modern";
    Catalog().BGColor = "#FFFFEE";
    ClickMain("LMDMMButtonProperties");
    Click(kPageProperties, "LMDButtonCustomize");
    auto* list = On<QComboBox>(kPageCustomize, "ComboBoxTemplate");
    QStringList names;
    for (int i = 0; i < list->count(); ++i) names << list->itemText(i);
    EXPECT_EQ(names, QStringList({"Autumn", "Classic", "Modern", "Zebra"}));
    EXPECT_EQ(list->currentText(), "Modern");
    EXPECT_FALSE(list->isEditable());
    EXPECT_EQ(Text(kPageCustomize, "LMDEditBG"), "#FFFFEE");
    EXPECT_EQ(Text(kPageCustomize, "LMDMaskEditIconSize"), "80");

    // Template Info takes the selection at once and opens the package's notes when it has some.
    list->setCurrentText("Zebra");
    Click(kPageCustomize, "LMDButtonInfo");
    EXPECT_EQ(Catalog().Template, "Zebra");
    EXPECT_TRUE(opened.isEmpty());
    list->setCurrentText("Classic");
    Click(kPageCustomize, "LMDButtonInfo");
    EXPECT_EQ(Catalog().Template, "Classic");
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(fs::equivalent(QUrl(opened[0]).toLocalFile().toStdString(),
                               home / "Templates/Classic/notes.txt"));
    EXPECT_TRUE(Catalog().Saved);

    Type(kPageCustomize, "LMDEditText", "navy");
    Type(kPageCustomize, "LMDEditFont", "Georgia, serif");
    Type(kPageCustomize, "LMDMaskEditIconSize", "1x2O0");  // letters are refused
    Type(kPageCustomize, "LMDEditC3", "teal");
    list->setCurrentText("Autumn");
    Click(kPageCustomize, "LMDButtonOK");
    EXPECT_EQ(Page(), kPageProperties);
    EXPECT_EQ(Status(), "Catalog Customizations Updated.");
    EXPECT_EQ(Catalog().TextColor, "navy");
    EXPECT_EQ(Catalog().FontNames, "Georgia, serif");
    EXPECT_EQ(Catalog().IconSize, 120);
    EXPECT_EQ(Catalog().Color3, "teal");
    EXPECT_EQ(Catalog().BGColor, "#FFFFEE");
    EXPECT_EQ(Catalog().Template, "Autumn");
    EXPECT_EQ(window->LabelTemplate->text(), "Autumn");
    EXPECT_FALSE(Catalog().Saved);

    // A package removed since the last visit is gone from the list; an emptied library leaves
    // nothing to select, and OK then stores no template.
    fs::remove_all(home / "Templates/Autumn");
    Click(kPageProperties, "LMDButtonCustomize");
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(list->currentIndex(), -1);
    fs::remove_all(home / "Templates");
    Click(kPageProperties, "LMDButtonCustomize");
    EXPECT_EQ(list->count(), 0);
    Type(kPageCustomize, "LMDMaskEditIconSize", "");
    Click(kPageCustomize, "LMDButtonInfo");
    Click(kPageCustomize, "LMDButtonOK");
    EXPECT_EQ(Catalog().Template, "");
    EXPECT_EQ(Catalog().IconSize, 120);  // an emptied icon size keeps the one stored
}
