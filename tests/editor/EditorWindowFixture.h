#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <filesystem>
#include <memory>

#include "ScriptedPrompter.h"
#include "TempFolder.h"
#include "editor/EditorPage.h"
#include "editor/PageHost.h"
#include "editor/TFormMain.h"

// A main window without a network in a fresh start-up folder, whose questions a script answers;
// the pages' controls are found by page number and object name.
class EditorWindow : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(home / "Catalogs");
        MainWindowOptions options;
        options.startupFolder = home.path();
        options.probe = [] { return std::string("0.0.0.0"); };
        options.openUrl = [this](const QUrl& url) { opened << url.toString(); };
        options.prompter = &prompter;
        window = std::make_unique<TFormMain>(options);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override { EXPECT_EQ(prompter.problems(), QStringList()); }

    template <typename Control>
    Control* On(int page, const char* name) const {
        auto* control = window->Pages()->Page(page)->findChild<Control*>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    void Click(int page, const char* name) {
        QTest::mouseClick(On<QAbstractButton>(page, name), Qt::LeftButton);
    }
    void ClickMain(const char* name) {
        QTest::mouseClick(window->findChild<QAbstractButton*>(name), Qt::LeftButton);
    }
    // Replaces an edit's text by typing, so its input rules apply.
    void Type(int page, const char* name, const QString& text) {
        QLineEdit* edit = On<QLineEdit>(page, name);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    QListWidget* List(int page, const char* name) { return On<QListWidget>(page, name); }
    QStringList Rows(int page, const char* name) {
        QStringList rows;
        QListWidget* list = List(page, name);
        for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
        return rows;
    }
    void Select(int page, const char* list, const QString& text) {
        const auto found = List(page, list)->findItems(text, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << text.toStdString();
        List(page, list)->setCurrentItem(found.first());
    }
    QString Text(int page, const char* name) const { return On<QLineEdit>(page, name)->text(); }
    QString Status() const { return window->LabelStatus->text(); }
    int Page() const { return window->Pages()->CurrentPage(); }
    MXCatalog& Catalog() { return window->Catalog(); }

    TempFolder home, tmp;
    ScriptedPrompter prompter;
    QStringList opened;
    std::unique_ptr<TFormMain> window;
};
