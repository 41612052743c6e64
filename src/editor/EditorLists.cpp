#include "EditorLists.h"

#include <QListWidget>
#include <algorithm>

#include "CatalogText.h"
#include "catalog/MXCatalog.h"

namespace {

constexpr int kNameRole = Qt::UserRole;
constexpr int kKeyRole = Qt::UserRole + 1;

QByteArray Bytes(const std::string& text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

void ListCategory(QListWidget* list, MXCatalog& catalog, const std::string& id, int depth,
                  const std::vector<std::string>& excluded) {
    if (std::find(excluded.begin(), excluded.end(), id) != excluded.end()) return;
    auto found = catalog.Categories.find(id);
    if (found == catalog.Categories.end()) return;
    MXCategory& category = found->second;
    auto* row = new QListWidgetItem(QString(depth * 3, ' ') + FromCatalogText(category.Name));
    list->addItem(row);
    category.ListRow = list->count() - 1;
    for (const std::string& child : category.Children)
        ListCategory(list, catalog, child, depth + 1, excluded);
}

}  // namespace

void ListCategoryTree(QListWidget* list, MXCatalog& catalog,
                      const std::vector<std::string>& excluded) {
    for (const auto& [id, category] : catalog.Categories)
        if (category.Parent.empty()) ListCategory(list, catalog, id, 0, excluded);
}

namespace {

QListWidgetItem* NewRow(const std::string& name, const std::string& key) {
    auto* row = new QListWidgetItem(FromCatalogText(name));
    row->setData(kNameRole, Bytes(name));
    row->setData(kKeyRole, Bytes(key));
    return row;
}

}  // namespace

QListWidgetItem* InsertByName(QListWidget* list, const std::string& name, const std::string& key) {
    const QByteArray bytes = Bytes(name);
    int at = 0;
    while (at < list->count() && list->item(at)->data(kNameRole).toByteArray() <= bytes) ++at;
    QListWidgetItem* row = NewRow(name, key);
    list->insertItem(at, row);
    return row;
}

QListWidgetItem* AppendRow(QListWidget* list, const std::string& name, const std::string& key) {
    QListWidgetItem* row = NewRow(name, key);
    list->addItem(row);
    return row;
}

std::string RowKey(const QListWidgetItem* row) {
    if (!row) return {};
    const QByteArray key = row->data(kKeyRole).toByteArray();
    return std::string(key.constData(), static_cast<size_t>(key.size()));
}

std::string SelectedRowKey(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? std::string() : RowKey(selected.first());
}

int SelectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

void EraseFirst(std::vector<std::string>& ids, const std::string& id) {
    auto found = std::find(ids.begin(), ids.end(), id);
    if (found != ids.end()) ids.erase(found);
}

void SortUnique(std::vector<std::string>& ids) {
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
}

void AddSorted(std::vector<std::string>& ids, const std::string& id) {
    ids.push_back(id);
    SortUnique(ids);
}
