#pragma once

#include <QStackedWidget>

class EditorPage;

// The main window's pages, named by their number.
enum PageNumber : int {
    kPageWelcome = 0,
    kPageGeneral,
    kPageCategories,
    kPageItems,
    kPageExport,
    kPageProperties,
    kPageUploadInfo,
    kPageAccount,
    kPageCustomize,
    kPageCatInfo,
    kPageItemInfo,
    kPageCount
};

// Shows one page at a time. Each page sits in its own scroll area, so a page taller or wider
// than the host gets scroll bars.
class PageHost : public QStackedWidget {
    Q_OBJECT
public:
    explicit PageHost(QWidget* parent = nullptr);

    // Appends a page; pages are numbered in the order they are added.
    void AddPage(EditorPage* page);
    // Makes the page active, scrolled to its top.
    void ShowPage(int page);
    int CurrentPage() const { return currentIndex(); }
    EditorPage* Page(int page) const;
};
