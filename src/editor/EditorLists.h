#pragma once

#include <string>
#include <vector>

class MXCatalog;
class QListWidget;
class QListWidgetItem;

// Appends the catalog's category tree to `list`, which the caller has cleared after
// ClearCategoryRows: roots by ascending ID, each followed by its subtree, three blanks of indent
// per level. Every listed category's ListRow becomes its row; a category in `excluded` is left
// out together with everything below it.
void ListCategoryTree(QListWidget* list, MXCatalog& catalog,
                      const std::vector<std::string>& excluded);

// Inserts `name` before the first row whose name is greater under byte-wise comparison (at the
// end when there is none), so equal names keep the order of insertion. `key` is kept with the row
// (RowKey), so a row stands for one record even when names repeat.
QListWidgetItem* InsertByName(QListWidget* list, const std::string& name, const std::string& key);

// Appends a row for `name` that keeps `key`.
QListWidgetItem* AppendRow(QListWidget* list, const std::string& name, const std::string& key);

// The record key kept with a row; empty for none.
std::string RowKey(const QListWidgetItem* row);

// The key of the list's selected row; empty when no row is selected.
std::string SelectedRowKey(const QListWidget* list);

// The index of the single selected row, or -1.
int SelectedRow(const QListWidget* list);

// Removes the first occurrence of `id` from `ids`, if any.
void EraseFirst(std::vector<std::string>& ids, const std::string& id);

// Sorts `ids` byte-wise and drops repeats.
void SortUnique(std::vector<std::string>& ids);

// Appends `id`, then sorts `ids` byte-wise and drops repeats.
void AddSorted(std::vector<std::string>& ids, const std::string& id);
