#pragma once

#include <QString>
#include <string>

// Catalog texts are byte strings; the templates and the pages they make are UTF-8, so the
// editor reads and writes them as UTF-8.
inline QString FromCatalogText(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToCatalogText(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}
